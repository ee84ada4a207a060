#pragma once
// Average values of constancy columns (Form35): for every relevé group the
// mean of one synoptic value over the species present in it, and a summary
// of those means.

#include <optional>
#include <string>
#include <vector>

#include "synoptic/synoptic_settings.h"

namespace zembu::core {
class Table;
}

namespace zembu::synoptic {

// The values offered, in list order.
enum AveragedValue : int {
    RelativeFrequencyValues = 0,
    AbsoluteFrequencyValues,
    PositiveFidelityValues,
    MaximumCoverValues,
    AverageCoverValues,
    MedianCoverValues,
    ModusCoverValues,
    ZlatnikValues,
    BarkmanValues,
};
inline constexpr int AveragedValueCount = 9;

// "Average of Relative Frequency Values ", ... as the list shows them.
std::string_view averagedValueName(int value);

struct ColumnAverages {
    std::vector<std::optional<double>> groupAverage;  // groups 1..K (index g - 1); none without species
    std::optional<double> total;                      // over every species of every group
    std::optional<double> minimum;                    // the smallest group average
    std::optional<double> diagnosticAverage;          // over the diagnostic species of every group
    std::optional<double> diagnosticMinimum;          // the smallest group average of diagnostic species
    std::optional<double> standardDeviation;          // of the group averages
    std::vector<std::string> lines;                   // the list as the dialog shows it
    std::string clipboardText;                        // the same, tab-separated
};

// Form35.Form_Load: the averages of one value. A species counts in a group
// where it is present (for fidelity: where its fidelity is positive); it is
// diagnostic where its fidelity is above "Fidelity limit::" (`fidelityLimit`).
ColumnAverages columnAverages(const core::Table& table, const SynopticSettings& settings, int value,
                              double fidelityLimit);

}  // namespace zembu::synoptic
