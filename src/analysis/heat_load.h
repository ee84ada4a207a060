#pragma once
// Potential annual direct irradiation and heat load of a relevé after McCune
// and Keon (2002), from the latitude, slope and aspect of its header data
// (Form49). Models 1 and 2 give the logarithm of the value, model 3 the value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembu::core {
class Interaction;
class Workspace;
struct HeaderStore;
}  // namespace zembu::core

namespace zembu::analysis {

// Form49's model choice: "Model 1", "Model 2", "Model 3".
enum RadiationModel : int { Model1 = 0, Model2 = 1, Model3 = 2 };
// Form49's output choice.
enum RadiationOutput : int { Radiation = 0, HeatLoad = 1 };

inline constexpr const char* LatitudeFormatMessage = "Latitude has incorrect format!";
// Head text of a relevé whose site fields are missing or unusable.
inline constexpr const char* MissingSiteHead = "------";

// Degrees of a latitude written as ddmmss (6 characters) or dddmmss (7),
// trimmed; each part read by the leading-number rule. Nothing for any other length.
std::optional<double> latitudeFromText(std::string_view text);

// The aspect folded about the south (radiation) or the south-west (heat
// load), in degrees: models 1 and 2 180 - |aspect - 180| / 180 - |aspect - 225|,
// model 3 |aspect - 180| / |aspect - 225|.
double foldedAspect(double aspect, int model, bool heatLoad);

struct Irradiation {
    double radiation = 0;
    double heatLoad = 0;
};

// irrad: both values for a latitude in degrees, a slope and an aspect in
// degrees, by model 0..2 (angles in radians with the constant 3.1415927).
Irradiation irrad(double latitude, double slope, double aspect, int model);

// The site fields of one header record, as the run reads them: every field
// whose upper-cased name contains LATITUDE (non-empty text), ASPECT or SLOPE
// (non-empty text whose number is above -1) counts once per kind it matches;
// a later match overwrites the value.
struct SiteFields {
    int counted = 0;
    std::string latitude;
    double slope = 0;
    double aspect = 0;
};
SiteFields readSiteFields(const core::HeaderStore& store, std::string_view record);

// The calculator of Form49: the results for a latitude (ddmmss or dddmmss),
// slope and aspect typed into its boxes, formatted "0.0000", with their
// labels ("ln(RAD)" and "ln(HEAT)" for models 1 and 2, "RAD" and "HEAT" for
// model 3). A latitude of a wrong length gives empty results and the
// latitude message as the problem.
struct IrradiationCalculation {
    std::string radiationLabel;
    std::string heatLoadLabel;
    std::string radiation;
    std::string heatLoad;
    std::string problem;
};
IrradiationCalculation irradiationCalculator(std::string_view latitude, std::string_view slope,
                                             std::string_view aspect, int model);

// Form49.Command1_Click: for every relevé in column order, reads its header
// record once and stores in its head the radiation or heat load (output)
// formatted "0.000", or "------" unless exactly three site fields counted or
// when the latitude has a wrong length (after the message, once per such
// relevé). One progress step per relevé.
void Form49_Command1_Click(core::Workspace& ws, core::Interaction& ui, int model, int output);

}  // namespace zembu::analysis
