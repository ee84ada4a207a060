#pragma once
// The last step of the CC! import wizard (Form66, step 5/5): builds the table,
// converts the abbreviations with the check list when asked, puts the table
// in place and fills the header store from the EXP/STR pair when asked.

#include <filesystem>
#include <optional>
#include <vector>

#include "import/cc_analysis.h"
#include "import/header_import.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

struct CcImportChoices {
    std::filesystem::path file;
    CcOptions options;
    std::vector<CcValue> values;  // the value list of the analysis, as edited
    bool convertNames = false;    // run imp_spec with "Check list file::"
    std::optional<HeaderFiles> header;
};

// Imports the file. A file that cannot be read, is in the wrong format or
// exceeds the capacities is refused with its message before anything changes;
// returns false then.
bool importCcFile(core::Workspace& ws, const CcImportChoices& choices, core::Interaction& ui);

}  // namespace zembu::import
