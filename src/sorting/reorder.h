#pragma once
// Reordering the table by sort keys: species rows and relevé positions.
//
// A species row carries everything kept per row: its species info, layer,
// layer label, colour, frequency and the species separator below it; the
// row-of-record array is rebuilt afterwards. A relevé position carries its
// relevé order (record and TURBOVEG number) and its colour; the relevé
// separators stay where they are, so group boundaries keep their positions
// and the relevés are dealt anew among them. Cells never move.
//
// Other sorts (synoptic values, classification links) compute their own keys
// and call sortSpeciesRows / sortRelevePositions:
//
//   std::vector<double> keys(table.SpeciesCount + 1);
//   for (int32_t i = 1; i <= table.SpeciesCount; ++i) keys[i] = valueOfRow(i);
//   sortSpeciesRows(table, keys, speciesColour, Direction::Descending);

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/palette.h"
#include "core/table.h"
#include "sorting/quicksort.h"
#include "sorting/sort_keys.h"

namespace zembu::sorting {

// Colour filters take a palette colour number 0..7, or core::AllColours (9).

// Live species rows 1..SpeciesCount of a colour: result[i] != 0 (index 0 unused).
std::vector<char> speciesRowsOfColour(const core::Table& table, int colour);
// Relevé positions 1..ReleveCount of a colour (0 = uncoloured, "white").
std::vector<char> relevePositionsOfColour(const core::Table& table, int colour);
// True when a choice made by the two functions above holds any position.
bool anyChosen(const std::vector<char>& chosen);

// The column showing each relevé record (0 for a record no column shows),
// taken from the relevé order as it stands.
std::vector<int32_t> columnsOfRecords(const core::Table& table);

// Rows 1..order.size() take the rows order[j - 1] (an order as sortedOrder
// returns it); everything kept per row moves along, species separators too;
// the row-of-record array is rebuilt.
void reorderSpeciesRows(core::Table& table, const std::vector<int32_t>& order);

// Positions 1..order.size() take the relevés of positions order[j - 1]: the
// relevé order and colour move, the separators stay; the column-of-record
// array is rebuilt.
void reorderRelevePositions(core::Table& table, const std::vector<int32_t>& order);

// tridenidruhupodlemat / trideni_chi_pro_druhy: sorts the live species rows
// of a colour by their keys (keys[i] for row i = 1..SpeciesCount); the rows of
// other colours keep their places. Returns the order applied.
std::vector<int32_t> sortSpeciesRows(core::Table& table, const std::vector<TextKey>& keys, int colour,
                                     Direction direction, size_t significant = SignificantBytes);
std::vector<int32_t> sortSpeciesRows(core::Table& table, const std::vector<double>& keys, int colour,
                                     Direction direction);

// trideni_snimku_podle_mat50 / tridenisnimkupodleC / tridenisnimkupodleM:
// sorts the relevé positions of a colour by their keys (keys[k] for position
// k = 1..ReleveCount); relevés of other colours keep their positions. The
// caller renews the head lines afterwards. Returns the order applied.
std::vector<int32_t> sortRelevePositions(core::Table& table, const std::vector<TextKey>& keys, int colour,
                                         Direction direction, size_t significant = SignificantBytes);
std::vector<int32_t> sortRelevePositions(core::Table& table, const std::vector<double>& keys, int colour,
                                         Direction direction);

}  // namespace zembu::sorting
