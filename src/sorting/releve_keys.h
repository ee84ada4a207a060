#pragma once
// The sort keys of the relevé sorts, one per relevé position 1..ReleveCount
// (index 0 of every result is unused; positions outside the chosen colour get
// a key that is never looked at).

#include <cstdint>
#include <vector>

#include "core/table.h"
#include "sorting/sort_keys.h"

namespace zembu::core {
class ProgressMeter;
class Workspace;
}  // namespace zembu::core

namespace zembu::sorting {

// "Sort relevés" (Form5) by the rows of a species colour. Chosen rows whose
// names begin with "###" are group rows, numbered 1..M from the top; the other
// chosen rows are the chosen species. Per relevé of the relevé colour:
//   the number of group rows it holds (mod 256), two blanks, a text of M
//   characters with 255 at the number of each group row held ("." for the
//   others), the same text with the cover bytes, kod_P(number of chosen
//   species held), then per chosen species from the topmost row on
//   kod(SpeciesRecordCount - row) and the cover byte; cut to 50.
// With countOnly the key is just the number of chosen species, as the two
// bytes count / 128 and count % 128. Every key is then spread into seven-bit
// bytes (spreadKey) and its bytes 48..50 become kod_P(N - position), so that
// equal keys keep their left-to-right order. Compared whole, descending.
// One meter step per relevé.
std::vector<TextKey> releveBySpeciesKeys(const core::Table& table, int releveColour, int speciesColour,
                                         bool countOnly, core::ProgressMeter* meter = nullptr);

// Short headers numerically: minus the leading number of each relevé's head
// value (0 for text without a number); sorted descending, that is ascending
// by value.
std::vector<double> shortHeadNumberKeys(const core::Table& table);

// Short headers alphabetically: the head value, blank-padded to 50; ascending.
std::vector<TextKey> shortHeadTextKeys(const core::Table& table);

// Header data (Form20b): the values of the chosen header fields (numbers from
// 1, in the order given), each cut or blank-padded to 25 characters, joined
// and cut to 50; compared whole, ascending. A relevé without a header record
// gets blank values. One meter step per relevé.
std::vector<TextKey> headerDataKeys(const core::Workspace& ws, const std::vector<int>& fields,
                                    core::ProgressMeter* meter = nullptr);

}  // namespace zembu::sorting
