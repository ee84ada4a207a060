#pragma once
// Header data import: fills the header store (structure file "hlavicka.stc"
// and value file "hlavicka.exc" of the session folder) for the relevés of the
// table, from a TURBOVEG EXP/STR export or from a comma-separated file.
// Source records are matched to relevés by the relevé (TURBOVEG) number.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

// True when a structure line names the relevé-number field ("abcde",
// "Releve number", "Releve Number", "Relevé number" in the table's code page,
// in the old DOS code page or in UTF-8).
bool namesReleveNumberField(std::string_view line);

// A checked EXP/STR pair.
struct HeaderFiles {
    std::filesystem::path str;
    std::filesystem::path exp;
    std::vector<std::string> fieldLines;  // the lines of the STR file
};

// The STR and EXP names of a chosen header file: the name without its last
// three characters + "str" / "exp"; when no file of that name exists, the
// file whose name differs only in case.
HeaderFiles headerFilePair(const std::filesystem::path& chosen);

// Form68.test_hlavicky2 and Form66.test_hlavicky: derives the pair, requires
// the EXP file, lists the STR lines and requires a relevé-number field
// ("Header file does not contain 'Relevé number' field!!! Header data cannot
// be connected with the table."). Returns the pair when it can be used.
std::optional<HeaderFiles> test_hlavicky(const std::filesystem::path& chosen, core::Interaction& ui);

// The store contents the EXP/STR import makes for a table.
struct HeaderStoreContents {
    std::string structure;  // "hlavicka.stc"
    std::string values;     // "hlavicka.exc"
    bool hasReleveNumberField = false;
    int64_t records = 0;  // EXP records read
    int64_t matched = 0;  // records that found their relevé
};

// The EXP/STR import on a table: one record per EXP line (as long as the
// first line; shorter lines are padded, longer ones cut), the relevé number
// read from the six characters at the start column of the relevé-number
// field, each record written into the slot of its relevé's record number.
// Relevés without a record get blanks; records without a relevé are dropped.
HeaderStoreContents buildHeaderStore(const core::Table& table, std::string_view str, std::string_view exp,
                             core::Interaction& ui);

// DEDUZUR2.imp_head: writes the header store of the workspace from an EXP/STR
// pair. Without a relevé-number field it shows "Header has no information
// about Turboveg number!!!" and leaves the copied structure with blank
// records. Returns true when the records were matched.
bool imp_head(core::Workspace& ws, const std::filesystem::path& str, const std::filesystem::path& exp,
              core::Interaction& ui);

// Form68.Command5_Click: how many EXP records belong to relevés of the table.
struct HeaderMatchCount {
    int64_t records = 0;
    int64_t matched = 0;
};
HeaderMatchCount countHeaderMatches(const core::Table& table, const HeaderFiles& files);
// The message that reports it.
std::string headerMatchMessage(const HeaderMatchCount& count);

// The comma-separated header import on a table: the store contents, or a
// core::ZembuError when the first line names no relevé-number field.
HeaderStoreContents buildCommaHeaderStore(const core::Table& table, std::string_view content);

// form1.impoheadturb_Click index 1: the comma-separated header import into the
// workspace's header store. Returns true when the store was written.
bool importCommaHeader(core::Workspace& ws, const std::filesystem::path& file, core::Interaction& ui);

// Writes both store files; throws core::ZembuError when they cannot be written.
void writeHeaderStore(core::Workspace& ws, const HeaderStoreContents& store);

// Removes both store files (a table without header data).
void clearHeaderStore(core::Workspace& ws);

}  // namespace zembu::import
