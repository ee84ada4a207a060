#pragma once
// Everything a synoptic table is computed with, read once from the settings
// and the main window's separator state.

#include <cstdint>

#include "synoptic/cover_labels.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/group_data.h"

namespace zembu::core {
class Settings;
class Workspace;
}

namespace zembu::synoptic {

// Synoptic table types (0 is the ordinary table view).
enum SynopticType : int {
    PercentageConstancy = 1,
    CategoricalConstancy = 2,
    AbsoluteConstancy = 3,
    FidelityTable = 4,
    MaximumCover = 5,
    AverageCover = 6,
    MedianCover = 7,
    ModusCover = 8,
    ZlatnikValue = 9,
    BarkmanCover = 10,
    HeadWeightedCover = 11,  // cover weighted by the short-head values of the relevés
    CombinedTable = 20,
};

// Highlight classes of a cell.
inline constexpr int Plain = 0;
inline constexpr int FirstThreshold = 1;
inline constexpr int SecondThreshold = 3;

struct SynopticSettings {
    FidelitySettings fidelity;
    GroupingOptions grouping;
    int combinedForm = 1;  // "Fidelity display type in combined synoptic table::", 1..6
    // Thresholds, whole numbers.
    int frequencyLimit = 0, frequency2Limit = 0;  // types 1-3 and constancy parts
    int fidelityLimit = 0, fidelity2Limit = 0;    // type 4 and fidelity parts
    int coverLimit = 0, coverLimitHigher = 0;     // types 5-11
    CoverLabels labels;
};

// Reads the synoptic settings (fidelity rules written back as in
// readFidelitySettings); thresholds are rounded half to even, a combined
// form outside 1..6 gives 1.
SynopticSettings readSynopticSettings(core::Settings& settings, bool hierarchy, int level);

// The same with the workspace's separator hierarchy switch and level.
SynopticSettings readSynopticSettings(core::Workspace& ws);

// A highlight colour of the settings ("... threshold color1::" and the like)
// as 0x00BBGGRR; 0 when none is chosen (or the value is no colour).
int32_t highlightColourSetting(const core::Settings& settings, int index);

}  // namespace zembu::synoptic
