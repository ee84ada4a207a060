#pragma once
// Building a table from a CC! file (Form66.imp_tab).

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/table.h"
#include "import/cc_analysis.h"

namespace zembu::core {
class Interaction;
}

namespace zembu::import {

// Form66.imp_tab: reads the CC! file into a new table with the given
// capacities. Each pair becomes the cell [kod(species index)][160 + p] of its
// relevé, p from the value list (percentage mode; a value not in the list
// gets its default percentage) or the ordinal scale, capped at 95. The
// species list gives the rows (abbreviation and layer digit, "Wrong layer: X"
// for a layer character above "9"); the relevé list gives the relevé numbers
// and the relevé count: data of relevé indexes beyond it are left out.
// Species indexes of the data beyond the species list get rows with a blank
// abbreviation noted "Abbreviation: Unknown". Progress follows the bytes
// read. Throws core::ZembuError on a file in the wrong format or beyond the
// capacities; nothing is changed then.
core::Table imp_tab(const std::filesystem::path& file, const CcOptions& options, const std::vector<CcValue>& values,
                    int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui);

// The same from CC! text already in memory.
core::Table importCcText(std::string_view content, const CcOptions& options, const std::vector<CcValue>& values,
                         int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui);

// The head text of the running number of a relevé record: right-aligned in
// six characters (a longer number keeps its last six digits).
std::string runningNumberHead(int32_t rec);

}  // namespace zembu::import
