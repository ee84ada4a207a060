#pragma once
// The sort keys of the species sorts, one per live species row (index 0 of
// every result is unused; rows outside the chosen colour get a key that is
// never looked at).

#include <cstdint>
#include <vector>

#include "core/table.h"
#include "sorting/sort_keys.h"

namespace zembu::core {
class ProgressMeter;
}

namespace zembu::sorting {

// "Sort species" (Form4): the occurrence pattern of each row of the species
// colour in the relevés of the relevé colour. Key = "000", the count of such
// occurrences (kod_P), then per occurrence from the leftmost column on the
// position code kod_P(N - column) and the cover byte; blank-padded, cut to
// 50. Sorted descending on the first 25 bytes: more occurrences first, then
// the species whose first occurrence lies further left, then the higher
// cover there, and so on. With layerFirst the first byte is the digit
// 9 - layer, so layers come in ascending order with this order within each.
// One meter step per row.
std::vector<TextKey> speciesByReleveKeys(const core::Table& table, int speciesColour, int releveColour,
                                         bool layerFirst, core::ProgressMeter* meter = nullptr);

// Alphabetical sort: the species name, blank-padded to 50 (compared whole).
std::vector<TextKey> speciesNameKeys(const core::Table& table);

// Median cover: the covers of a row's occurrences in descending order v1..vn
// with h = n / 2 (not rounded): vh when h > 1 and n is even, the mean of
// v[floor h] and v[floor h + 1] when h > 1 and n is odd, v1 otherwise. The
// key is the whole part of that cover in percent; 0 for a row without
// occurrences.
std::vector<double> medianCoverKeys(const core::Table& table, core::ProgressMeter* meter = nullptr);

// Average vegetation richness: the mean number of live species rows in the
// relevés that hold the row's species; 0 for a row without occurrences.
std::vector<double> richnessKeys(const core::Table& table, core::ProgressMeter* meter = nullptr);

// Species data (Form48): the row's species data text (its layer label),
// blank-padded to 50 (compared whole) ...
std::vector<TextKey> speciesDataTextKeys(const core::Table& table);
// ... or its leading number (0 for a text that does not start with one).
std::vector<double> speciesDataNumberKeys(const core::Table& table);

}  // namespace zembu::sorting
