#pragma once
// The synoptic table as a Cornell Condensed ("CC!") file: the relevé groups
// are the file's relevés, the species rows its species, and the values the
// percentage frequency or the mean cover of a species in a group.

#include <filesystem>
#include <string>

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::synoptic {
struct SynopticSettings;
}

namespace zembu::core {
class Table;
}

namespace zembu::exporting {

enum SynopticCcMode : int {
    FrequencyValues = 0,  // percentage frequency, 100 count / group size
    MeanCoverValues = 1,  // mean cover percentage of the species' occurrences
};

// The CC! text: title and format lines; per group the pairs (species row,
// value "0.0" rounded half to even to a whole number) of the species present,
// five to a line; "0000"; the species codes (upper case) of rows 1..S and the
// group numbers, ten to a line.
std::string synopticCcText(const core::Table& table, const synoptic::SynopticSettings& settings, int mode);

// syntabCC: asks for the file ("CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE"),
// refuses a name that still holds "*" with "Write some file name!", and
// writes the file. Returns true when it was written.
bool syntabCC(core::Workspace& ws, int mode, core::Interaction& ui);

// Writes the file; throws core::ZembuError when it cannot be written.
void writeSynopticCcFile(core::Workspace& ws, int mode, const std::filesystem::path& file);

}  // namespace zembu::exporting
