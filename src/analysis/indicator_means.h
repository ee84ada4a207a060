#pragma once
// Mean indicator values of relevés: per relevé and axis the plain mean of
// its species' values, or the mean weighted by the number in each species
// row's layer label; the selected axis written into the table head; and the
// export of the means of all relevés ("ecol.txt").

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

enum class MeanMode { Plain, Weighted };

inline constexpr const char* EcologicalExportTitle = "Export of average ecological values";
inline constexpr const char* EcologicalExportName = "ecol.txt";
inline constexpr const char* EcologicalExportFilter = "Text format txt|*.txt|All files (*.*)|*.*";

// The sums of one relevé's counted species (live rows not beginning "###"),
// per axis: values above 0, their count, and the weighted sums.
struct ReleveIndicatorSums {
    int32_t species = 0;             // counted species
    std::vector<int> covers;         // their covers
    std::array<double, 6> sum{};     // sum of values
    std::array<int32_t, 6> count{};  // species with a value above 0
    std::array<double, 6> weightedSum{};
    std::array<double, 6> weightTotal{};
};

// The numbers behind the sums, read once for a run over many relevés: each
// species record's six values (0 where a value does not count) and each
// row's weight, the number of its layer label.
struct IndicatorNumbers {
    std::vector<std::array<double, 6>> values;  // by species record
    std::vector<double> weights;                // by row
};
IndicatorNumbers indicatorNumbers(const core::Table& table);

ReleveIndicatorSums indicatorSums(const core::Table& table, int32_t rec, const IndicatorNumbers& numbers);
ReleveIndicatorSums indicatorSums(const core::Table& table, int32_t rec);

// The mean of axis a (0..5) in thousandths (x 1000, rounded half away from
// zero); nothing when no species counts (plain) or the weights add up to 0.
std::optional<int32_t> indicatorMean(const ReleveIndicatorSums& sums, int a, MeanMode mode);

// Form17.Command2_Click: the means of every relevé (x 1000, rounded half away
// from zero) into ReleveIndicatorMean; an axis without counting species
// keeps its stored mean. With headAxis 1..6 each relevé's head shows the
// stored mean of that axis / 1000 formatted "0.0". One progress step per relevé.
void Form17_Command2_Click(core::Workspace& ws, core::Interaction& ui, MeanMode mode,
                           std::optional<int> headAxis);

// The lines of the export of means (without line ends): the heading, then
// one line per column whose colour number is colour (9: every column).
// withGroups gives the group export (Form17.Command4_Click): the group number
// in front and no Shannon-Wiener column; otherwise Form17.Command3_Click.
std::vector<std::string> ecologicalExportLines(const core::Workspace& ws, int colour, bool withGroups);

// Writes the export lines with CR LF, atomically; false when it fails.
bool writeEcologicalExport(const core::Workspace& ws, const std::filesystem::path& file, int colour,
                           bool withGroups);

// The export with its file chooser (colour of the main window's relevé
// colour box); a file that cannot be written is reported. True when written.
bool exportEcologicalValues(core::Workspace& ws, core::Interaction& ui, bool withGroups);

}  // namespace zembu::analysis
