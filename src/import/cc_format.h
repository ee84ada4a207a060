#pragma once
// Reading the parts of a Cornell Condensed ("CC!") file:
//
//   line 1      title (ignored)
//   line 2      format line, must contain "(I"
//   data lines  relevé index, then pairs (species index, value), free format
//   "0000"      the first line whose relevé index is 0 ends the data
//   species     abbreviations in fields of eight characters, ten per line
//   relevés     relevé numbers in fields of eight characters, ten per line
//
// The data part is parsed straight from the file held in memory: fields are
// found by blanks, numbers by the leading-number rule.

#include <cstdint>
#include <string_view>
#include <vector>

#include "import/import_file.h"

namespace zembu::import {

// One (species index, value) pair of a data line.
struct CcPair {
    int64_t species;
    double value;
};

// A data line: its relevé index (0 ends the data) and its pairs, up to the
// first missing or zero species index. A species index that is not a number
// counts as 0; a value that is not a number counts as 0.
struct CcDataLine {
    int64_t releve = 0;
    std::vector<CcPair> pairs;
};

// Parses one data line into `out` (its pair list is reused).
void parseCcDataLine(std::string_view line, CcDataLine& out);

// True when line 2 is a format line ("(I" somewhere in it).
inline bool isCcFormatLine(std::string_view line) { return line.find("(I") != std::string_view::npos; }

// Number of eight-character fields of a list line: its length / 8, rounded
// half to even.
int64_t ccListFieldCount(std::string_view line);

// Field n (0-based) of a list line: up to eight characters (fewer at the end
// of a short line).
inline std::string_view ccListField(std::string_view line, int64_t n) {
    const size_t start = static_cast<size_t>(n) * 8;
    return start >= line.size() ? std::string_view() : line.substr(start, 8);
}

// Reads the species list that follows the data: lines are taken until they
// hold at least `largestSpecies` fields; a line that begins with two blanks
// (the relevé list) ends the list early and is left for the relevé list.
// Returns the fields in order.
std::vector<std::string_view> readCcSpeciesList(LineCursor& cursor, int64_t largestSpecies);

// Reads the relevé list: the remaining lines up to the end or to a blank
// line, every field in order; blank fields at the very end (padding of the
// last line) are dropped.
std::vector<std::string_view> readCcReleveList(LineCursor& cursor);

// The relevé number of a relevé-list field (its trimmed numeric value).
int32_t ccReleveNumber(std::string_view field);

}  // namespace zembu::import
