#pragma once
// The indicator values of one relevé, as Form17 shows them: the relevé is
// picked with a click on the table after "calculation for one relevé"
// (ellenberg_Click); its species are listed by layer with their covers and
// values, followed by the relevé's means.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/indicator_means.h"
#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

inline constexpr const char* SelectReleveForMeansMessage =
    "Now select any relevé from the table, please. The average indicator values will be calculated after "
    "your selection.";

// form1.ellenberg_Click: the message, then the click mode in which the next
// click on a relevé opens Form17 for it.
void ellenberg_Click(core::Workspace& ws, core::Interaction& ui);

// The title of a layer's group: "Tree layer E3" (layers 1-3), "Shrub layer
// E2" (4-5), "Herb layer E1" (6), "Juveniles E1" (7-8), "Moss layer E0" (9),
// "Without layer" (0 and anything else).
const char* indicatorLayerTitle(int layer);

struct IndicatorSpeciesLine {
    int32_t row = 0;
    std::string name;  // trimmed, as the table holds it
    int cover = 0;     // percent
    core::IndicatorValues values;
};

struct IndicatorLayerGroup {
    std::string title;
    std::vector<IndicatorSpeciesLine> species;  // in row order
};

struct IndicatorReleveView {
    int32_t releve = 0;          // record (running number)
    int32_t turbovegNumber = 0;
    std::vector<IndicatorLayerGroup> groups;  // in the order of the titles above, only those with species
    std::array<std::optional<int32_t>, 6> means{};  // in thousandths; nothing when no species counts
    std::array<int32_t, 6> counts{};                // species with a value above 0
};

// The counted species of relevé record rec (live rows not beginning "###")
// and its means in the given mode, computed now (the stored means change
// only through Form17_Command2_Click).
IndicatorReleveView describeIndicatorReleve(const core::Workspace& ws, int32_t rec, MeanMode mode);

}  // namespace zembu::analysis
