#pragma once
// The analysis step of the CC! import wizard (Form66.test_tabulky): reads the
// whole file once, checks its format and the capacities, counts relevés,
// species and pairs, and lists every distinct cover value with the
// percentage it will be stored as.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zembu::core {
class Interaction;
}

namespace zembu::import {

// How values of the data are turned into percentages
// ("Import CC! file in percentage/ordinal values::").
enum CcValueMode : int {
    PercentageValues = 0,  // values are percentages; the value list applies
    OrdinalValues = 1,     // values are ordinal numbers 1..9
};

struct CcOptions {
    int valueMode = PercentageValues;
    bool layerInformation = true;  // the eighth character of an abbreviation is the layer digit
};

// A distinct value of the data and the percentage it is stored as (above 95
// it is stored as 95).
struct CcValue {
    double value = 0.0;
    int64_t percent = 0;
};

// What the analysis found.
struct CcAnalysis {
    uint64_t fileSize = 0;
    int64_t pairCount = 0;
    int64_t largestReleveIndex = 0;
    int64_t largestSpeciesIndex = 0;
    int64_t speciesCount = 0;  // fields of the species list
    int64_t releveCount = 0;   // fields of the relevé list
    std::vector<CcValue> values;  // ascending, with their default percentages
};

// The default percentage of a value: its ceiling, at least 1.
int64_t defaultPercent(double value);

// The list line of a value: "Cover value" + the value ("0.000", right-aligned
// in 7) + " will be saved as" + the percentage right-aligned in 3.
std::string valueListLine(const CcValue& value);

// Form66.test_tabulky: analyses the file. On a file whose second line is no
// format line it shows "The file format is not correct!!!"; on indexes or
// lists beyond the capacities it explains the limit; both return nullopt.
// With layer information chosen and an abbreviation whose eighth character is
// no digit, it asks once whether the abbreviations hold layers; No clears
// options.layerInformation.
std::optional<CcAnalysis> test_tabulky(const std::filesystem::path& file, CcOptions& options,
                                       int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui);

// Form66.List1_DblClick: asks for a new percentage of value `index` (input box
// "COVER VALUE"). An answer above 95 becomes 95; a whole number 1..95 is
// taken; an empty answer or Cancel changes nothing; anything else shows "The
// value is incorrect!!!". Returns true when the percentage changed.
bool List1_DblClick(std::vector<CcValue>& values, size_t index, core::Interaction& ui);

}  // namespace zembu::import
