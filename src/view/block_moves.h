#pragma once
// Block moves: gathering the relevés or species rows of one colour into one
// contiguous block, a species row dragged to another place, and a relevé
// moved to the end of the table.
//
// A column carries its relevé order, colours and separator entry; a row
// carries its species info, colours, layer label, frequency and layer. Cells
// never move: they belong to records.

#include <cstdint>
#include <vector>

#include "core/table.h"

namespace zembu::view {

// Reorders columns 1..n so that new column j shows old column order[j - 1].
void reorderColumns(core::Table& table, const std::vector<int32_t>& order);

// Reorders live rows 1..n so that new row j is old row order[j - 1], and
// rebuilds the row-of-record array for them. Species separators move with
// their rows when carrySeparators is set.
void reorderRows(core::Table& table, const std::vector<int32_t>& order, bool carrySeparators);

// posunsnimkuvlevo: relevés of colour x to the left, behind the first column
// of that colour. Returns false when no column has the colour.
bool posunsnimkuvlevo(core::Table& table, int colour);
// posunsnimkuvpravo: relevés of colour x to the right, in front of the last
// column of that colour.
bool posunsnimkuvpravo(core::Table& table, int colour);
// posunsnimkuvlevoskup / posunsnimkuvpravoskup: the same moves within each
// relevé group (groups bounded by the separators that count at the current
// level).
void posunsnimkuvlevoskup(core::Table& table, int colour, bool hierarchy, int level);
void posunsnimkuvpravoskup(core::Table& table, int colour, bool hierarchy, int level);

// presundruhunahoru: species rows of colour x upwards, behind the first live
// row of that colour.
bool presundruhunahoru(core::Table& table, int colour);
// presundruhudolu: species rows of colour x downwards, in front of the last
// live row of that colour.
bool presundruhudolu(core::Table& table, int colour);

// presundruhu: moves live row `from` to row `to`; the rows between shift by
// one towards the vacated place and everything kept per row moves with it.
void presundruhu(core::Table& table, int32_t from, int32_t to);

// Moves column k to the last column; the others keep their order.
void moveReleveToEnd(core::Table& table, int32_t column);

// The new order of a left move of colour x over the given positions (values
// are the colour numbers of the positions in order; result: indexes into it).
std::vector<int32_t> leftMoveOrder(const std::vector<int>& colours, int colour);
// The new order of a right move.
std::vector<int32_t> rightMoveOrder(const std::vector<int>& colours, int colour);

}  // namespace zembu::view
