#pragma once
// The export code list: the phytosociological code written for every cover
// percentage 1..95 by the table exports, kept in "Export RTF codes::", and
// its ".cod" file of exactly 100 bytes (code i at byte i, 96..100 unused).

#include <filesystem>
#include <string>
#include <vector>

namespace zembu::core {
class Interaction;
class Settings;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

inline constexpr size_t CodeListSize = 100;

// The code list of the settings, padded with blanks to 100 characters.
std::string exportCodeList(const core::Settings& settings);

// Reads a ".cod" file: its first 100 bytes, blank-padded when shorter.
// Throws core::ZembuError when it cannot be read.
std::string readCodeListFile(const std::filesystem::path& file);
// Writes the 100 bytes; throws core::ZembuError when it cannot be written.
void writeCodeListFile(const std::filesystem::path& file, const std::string& codes);

// The list the dialog shows: the heading "Perc. value      Phyt. code" and
// one line per percentage 1..95.
std::string codeListHeading();
std::vector<std::string> codeListLines(const std::string& codes);

// Form14.Command3_Click ("CODE LIST IMPORT"): chooses a ".cod" file and takes
// its codes into "Export RTF codes::". Returns true when it did.
bool importCodeList(core::Workspace& ws, core::Interaction& ui);
// Form14.Command4_Click ("CODE LIST EXPORT"): writes the codes to a chosen file.
bool exportCodeListFile(core::Workspace& ws, core::Interaction& ui);
// Form14.List1_DblClick: asks for the code of one percentage (1..95).
bool changeCode(core::Workspace& ws, int percent, core::Interaction& ui);

}  // namespace zembu::import
