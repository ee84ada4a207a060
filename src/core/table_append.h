#pragma once
// Appending a second table to the loaded one.

#include <string>
#include <string_view>

#include "core/table.h"

namespace zembu::core {

// The name a species row is matched by: trimmed, without a leading
// four-character mark such as "(S) ".
std::string appendMatchName(std::string_view name);

// Adds the relevés and species of `added` to `table`:
// - the added relevés become columns after the existing ones, their record
//   numbers and columns offset by the old relevé count;
// - each added species row is matched with a row of the table by name
//   (appendMatchName) and layer, each row matched at most once; a matched
//   row receives the added relevés' cells, an unmatched one becomes a new row
//   with a new species record (a new live row after the live rows, or a new
//   formally deleted row at the end when it was deleted in `added`);
// - cells are re-encoded to the table's species records, and the species
//   strings and frequencies rebuilt.
// The table's species groups stay. Throws ZembuError (title "Program Info")
// before anything changes when the result would exceed the capacities.
void appendTable(Table& table, const Table& added);

}  // namespace zembu::core
