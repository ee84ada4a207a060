#pragma once
// The spreadsheet import (Form34): a table saved as delimited text, one header
// line of relevé identifiers and one line per species with its cover code in
// every relevé column.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

enum class SpreadsheetSeparator { Semicolon, Comma, Space };
char separatorCharacter(SpreadsheetSeparator separator);

// How cover codes are read (the cover step's options).
enum SpreadsheetCoverMode : int {
    PercentCodes = 0,        // codes are percentages
    BraunBlanquetCodes = 1,  // codes are Braun-Blanquet codes
    UserCodes = 2,           // the user gives the percentage of every code
};

// The file as the import sees it; the views point into the file's text.
struct SpreadsheetLayout {
    std::vector<std::string_view> identifiers;   // relevé identifiers, one per relevé column
    std::vector<std::string_view> speciesLines;  // the non-blank lines after the header line
    std::vector<std::string> codes;              // distinct cover codes (trimmed), in the order met
};

// Finds the header line (the first non-blank line holding the separator), the
// relevé identifiers (after the species field and, with a layer column, the
// layer column's field; empty fields at the end are dropped), the species
// lines (lines whose fields are all blank count as blank) and the distinct
// cover codes ("." and empty fields mean absence and are not codes). Throws
// core::ZembuError when no line holds the separator or the capacities are
// exceeded.
SpreadsheetLayout analyseSpreadsheet(std::string_view content, SpreadsheetSeparator separator, bool layerColumn,
                                     int32_t maxReleves, int32_t maxSpecies);

// The first lines of a file for the wizard's preview.
std::vector<std::string> previewLines(std::string_view content, size_t count);

// A cover code and the percentage it is stored as (0: no cell; -1: not valid).
struct CoverCode {
    std::string code;
    int percent = -1;
    std::string listText;  // shown after the code in the cover list
    bool valid() const { return percent >= 0; }
};

// Form34.krok3: the percentage of every code in a cover mode, with the
// messages for codes that cannot be used. In UserCodes mode every code is
// asked for (fusa).
std::vector<CoverCode> krok3(const std::vector<std::string>& codes, int mode, core::Interaction& ui);

// Form34.fusa: asks for the percentage of one code; an answer above -1 and at
// most 100 is taken (above 95 it is stored as 95), anything else shows "The
// value was not accepted!". Cancel leaves the code as it was. Returns true
// when an answer was taken.
bool fusa(CoverCode& code, core::Interaction& ui);

// The check made at Finish: every code has a valid percentage; otherwise
// "Some percentage value for used cover code was not filled correctly!".
bool coverCodesComplete(const std::vector<CoverCode>& codes, core::Interaction& ui);

// True when every identifier is a whole number 1..999999.
bool identifiersAreNumbers(const std::vector<std::string_view>& identifiers);

// Form34.krok4: builds the table. Identifiers that are not all numbers are
// replaced by 1, 2, 3, ... after the renumbering message. Throws
// core::ZembuError when the capacities are exceeded.
core::Table krok4(const SpreadsheetLayout& layout, SpreadsheetSeparator separator, bool layerColumn,
                  const std::vector<CoverCode>& codes, int32_t maxReleves, int32_t maxSpecies,
                  core::Interaction& ui);

// What the wizard gathered.
struct SpreadsheetChoices {
    std::filesystem::path file;
    SpreadsheetSeparator separator = SpreadsheetSeparator::Semicolon;
    bool layerColumn = false;
    std::vector<CoverCode> codes;
};

// The import step: reads the file, builds the table and puts it in place of
// the loaded one; the header store is emptied. Returns true on success; on a
// refusal the loaded table stays as it was.
bool importSpreadsheet(core::Workspace& ws, const SpreadsheetChoices& choices, core::Interaction& ui);

}  // namespace zembu::import
