#pragma once
// Species rows as the editing commands change them: rows of one colour, a new
// live row with its cells, rows moved behind the live rows (formally deleted)
// and back, and the cover of two rows that meet in one relevé.
//
// Rows are moved, never dropped: a deleted row keeps its record, its cells
// and everything kept per row, so that it can come back.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::editing {

// Highest length of a species name.
inline constexpr size_t SpeciesNameLength = 50;

// The live rows (1..SpeciesCount) whose colour number is `colour`; 9 (all
// colours) gives every live row.
std::vector<int32_t> rowsOfColour(const core::Table& table, int colour);

// The cover byte of two rows meeting in one relevé: the integer part of
// a + (260 - a) * p / 100, a the first cover byte and p the second row's
// percentage; capped at 255 (95 %).
char combineCovers(char first, char second);

// A name with its program mark in front ("(S) ", "(D) ", "(r) "), cut to a
// species name's length.
std::string markedName(char mark, std::string_view name);

// What a new row is made of.
struct NewRow {
    int32_t number = 0;
    std::string name;                  // code-page bytes, at most 50 characters
    int layer = 0;
    std::string cells;                 // [kod(rec)][cover], in increasing rec order
    core::ColourEntry colour;          // black unless told otherwise
    std::string layerLabel = "   ";    // the label before the label mode applies
    std::string note;                  // species note of the new record
    core::IndicatorValues indicators;  // indicator values of the new record
};

// Makes the row as a new record (SpeciesRecordCount + 1) in row
// SpeciesRecordCount + 1, outside the table's rows; its cells are written
// into the relevé strings. The caller places it with placeRows. The table
// must have room for one more record.
int32_t addRecordRow(core::Table& table, const NewRow& row, int labelMode);

// Makes the row as a new record and puts it behind the live rows, in front
// of the deleted ones; returns its row (the new SpeciesCount).
int32_t appendLiveRow(core::Table& table, const NewRow& row, int labelMode);

// Reorders all rows 1..SpeciesRecordCount so that the live rows become
// `live` and the formally deleted ones `deleted`, in that order; the two
// lists together hold every row exactly once. Separators travel with their
// rows.
void placeRows(core::Table& table, const std::vector<int32_t>& live, const std::vector<int32_t>& deleted);

// Moves the given live rows behind the live rows, in front of the rows
// deleted before; the other rows keep their order.
void removeRows(core::Table& table, const std::vector<int32_t>& rows);

// Brings the given formally deleted rows back behind the live rows.
void restoreRows(core::Table& table, const std::vector<int32_t>& rows);

// A species row as the journal names it: its trimmed name, number and layer.
struct JournalSpecies {
    std::string name;    // the journal's name line, blanks in front removed
    std::string number;  // the journal's second line
    std::string layer;   // the journal's third line
};
JournalSpecies journalSpecies(const core::Table& table, int32_t row);

}  // namespace zembu::editing
