#pragma once
// Cover scales: every cover in the table is a whole percentage 1..95 (95 for
// anything above 94 %), held in a cell as the byte 160 + percentage. Field
// codes are turned into percentages here: the Braun-Blanquet codes, the
// ordinal 1-9 scale and plain percentages.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zembu::import {

inline constexpr int MaxCoverPercent = 95;

// A percentage above 95 becomes 95.
inline int capPercent(int64_t percent) {
    return percent > MaxCoverPercent ? MaxCoverPercent : static_cast<int>(percent);
}

// Percentage of an ordinal value 1..9 (1, 2, 3, 4, 8, 18, 38, 63, 88). A value
// is rounded to a whole number first; values below 1 count as 1 and values
// above 9 as 9, so no occurrence is lost and none gets a cover out of range.
int ordinalPercent(double ordinal);

// One Braun-Blanquet code as the spreadsheet import knows it.
struct BraunBlanquetCode {
    const char* code;      // "r", "+", "1", "2m", ...
    const char* alias;     // "m", "a", "b" for "2m", "2a", "2b"; empty otherwise
    int percent;           // percentage stored
    const char* listText;  // " -   8 % (2a)"
};

// The ten codes in the order r, +, 1, 2m, 2a, 2b, 2, 3, 4, 5.
const BraunBlanquetCode* braunBlanquetCodes();
inline constexpr int BraunBlanquetCodeCount = 10;

// The Braun-Blanquet code that matches text exactly (code or alias), or nullptr.
const BraunBlanquetCode* findBraunBlanquetCode(std::string_view text);

}  // namespace zembu::import
