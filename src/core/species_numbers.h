#pragma once
// Species numbers of rows made in the program (merged species, Cocktail group
// rows): the smallest number from 58001 to 65500 that no row of the table
// carries, deleted rows included.

#include <cstdint>
#include <optional>

namespace zembu::core {

class Table;

inline constexpr int32_t FirstProgramSpeciesNumber = 58001;
inline constexpr int32_t LastProgramSpeciesNumber = 65500;

// Shown when every number of the range is taken.
inline constexpr const char* NumberFailureMessage =
    "Number failure. Please contact author of the program for correction.";

// The smallest free species number of the range; none when all are taken.
std::optional<int32_t> freeSpeciesNumber(const Table& table);

}  // namespace zembu::core
