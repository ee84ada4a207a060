#pragma once
// The text and highlight class of one synoptic cell (one species in one
// group) for every synoptic type and for the forms of the combined table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "synoptic/synoptic_settings.h"

namespace zembu::synoptic {

// One shown value and its highlight class (Plain, FirstThreshold, SecondThreshold).
struct CellPart {
    std::string text;
    int highlight = Plain;
    bool operator==(const CellPart&) const = default;
};

// A cell: one value, or in the combined table two values side by side in
// their display order.
struct SynopticCell {
    CellPart first;
    CellPart second;  // combined table only
    bool operator==(const SynopticCell&) const = default;
};

// What is known of one species in one group.
struct GroupStatistics {
    int32_t size = 0;       // Np(g), relevés of the group
    int32_t count = 0;      // relevés of the group with the species
    double weight = 0;      // occurrence weights summed over those relevés
    int maxCover = 0;       // largest cover percentage (0: none of at least 1 %)
    int minCover = 0;       // smallest cover percentage of at least 1 %
    int64_t sumCover = 0;   // sum of the cover percentages
    int32_t coverCount = 0; // occurrences with a cover of at least 1 %
    const int32_t* histogram = nullptr;  // hist[0..100]; needed by median and modus
    double headSum = 0;          // hsum(g): short-head values of the group's relevés summed
    double headWeightedSum = 0;  // cover x short-head value, summed over the occurrences
    std::optional<double> fidelity;      // Fidelity(g), for the fidelity values
};

// Percentage constancy: 100 count / size rounded half to even, except that a
// species present below 0.5 % still gives 1.
int percentageConstancy(int32_t count, int32_t size);

// Constancy class of a percentage: "I" (up to 20), "II", "III", "IV", "V"
// (above 80); "." for 0.
std::string_view constancyClass(int percentage);

// Highlight class: Plain below the first threshold, SecondThreshold at or
// above the second, FirstThreshold between.
int highlightClass(double value, int first, int second);

// The cell of synoptic type 1..11. Cells that show an absent value ("." or
// "  ---") are never highlighted.
CellPart synopticCell(int type, const GroupStatistics& stats, const SynopticSettings& settings);

// The cell of the combined table in form 1..6.
SynopticCell combinedCell(int form, const GroupStatistics& stats, const SynopticSettings& settings);

// Text of a fidelity in the fidelity table: "0.0" right-aligned in six
// characters, "  ---" for a value <= 0 or none.
std::string fidelityTableText(std::optional<double> fidelity);

// Text of a fidelity in the combined table: rounded to one decimal (half to
// even), right-aligned in five characters, "  ---" for a value <= 0 or none.
std::string fidelityPartText(std::optional<double> fidelity);

// Cover range of the combined table's form 6: "min-max" in cover labels, one
// label when both agree, "." without a cover of at least 1 %.
std::string coverRangeText(const GroupStatistics& stats, const CoverLabels& labels);

}  // namespace zembu::synoptic
