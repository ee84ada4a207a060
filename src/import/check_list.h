#pragma once
// Species check lists: the lists that turn species abbreviations into full
// names (DEDUZUR2.imp_spec). A check list is a text file with one species per
// line, either in fixed-width fields or comma separated, with or without a
// species number; lines holding "--I" are column rulers and are skipped.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Settings;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

// How a check list is laid out (settings "Check list file format::", "Check
// list fields::", "No length::", "Shortcut lenght::", "Name length::",
// "Check list encoding::").
struct CheckListFormat {
    bool commaSeparated = false;  // otherwise fixed-width fields
    bool withNumber = false;      // a species number comes first
    int numberLength = 5;
    int abbreviationLength = 7;
    int nameLength = 38;
    bool encodedNames = false;    // names are stored shifted (fixed width with numbers only)

    static CheckListFormat fromSettings(const core::Settings& settings);
};

// Encoded check lists store name character j (1-based) shifted by
// CheckListEncodingOffset - j: a plain character c is written as
// c + 40 - j. Reading takes 40 off again and adds j back; a result below a
// blank (32) becomes a blank, one above 255 becomes 255.
inline constexpr int CheckListEncodingOffset = 40;
std::string decodeCheckListName(std::string_view encoded);
std::string encodeCheckListName(std::string_view plain);

struct CheckListEntry {
    int32_t number = 0;        // the line's number when the list has none or holds 0
    std::string abbreviation;  // trimmed
    std::string name;          // without trailing blanks
};

// Reads the entries of a check list held in memory.
std::vector<CheckListEntry> parseCheckList(std::string_view content, const CheckListFormat& format);

// Replaces every row's abbreviation by the name of its check-list entry (and
// its number), matching trimmed abbreviations; the search for each row starts
// at the entry matched for the previous row, so lists in table order match in
// one pass. Rows without an entry keep their abbreviation and get the note
// "Abbreviation: Unknown" in their layer label. Returns the rows matched.
int32_t convertAbbreviations(core::Table& table, const std::vector<CheckListEntry>& entries);

// DEDUZUR2.imp_spec: converts the table's abbreviations with the check list
// named by "Check list file::" (nothing when that value is one character or
// shorter). A list that cannot be read shows "No correct check list was
// opened..." and changes nothing. Returns true when the list was applied.
bool imp_spec(core::Table& table, const core::Settings& settings, core::Interaction& ui);

// Form67 (conversion of the loaded table's abbreviations): stores the chosen
// list in "Check list file::" and runs imp_spec on the table.
bool convertTableAbbreviations(core::Workspace& ws, const std::string& checkList, core::Interaction& ui);

}  // namespace zembu::import
