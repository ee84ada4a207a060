#pragma once
// The Cornell Condensed ("CC!") export: the relevés of one relevé colour with
// their covers raised to a power (1 for percentages, 0.5 for square roots, 0
// for presence), species and relevés renumbered in the order they are met.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::exporting {

struct CcExportOptions {
    int colour = 0;        // relevé colour number exported; 9 exports every relevé
    double power = 1.0;    // transformation number t, 0..1
};

// The eight-character abbreviation of a species: a marked name "(X) Name"
// becomes "X/Name"; then its first four characters, the three after its first
// blank (or its first three), blank-padded to seven, and the layer digit.
std::string ccAbbreviation(std::string_view name, int layer);

// The exported file and the abbreviation given to every row written.
struct CcExport {
    std::string text;
    std::vector<std::pair<int32_t, std::string>> rowAbbreviations;  // (row, abbreviation)
    int32_t releves = 0;
    int32_t species = 0;
};

// Builds the CC! text. Relevé indexes that need more than five digits and
// species indexes that need more than four widen their columns (and the
// format line says so), so fields never run into each other.
CcExport ccText(const core::Table& table, const CcExportOptions& options, core::Interaction* ui = nullptr);

// Form52.Command1_Click's check: the transformation number of the text, or
// nullopt after "Use a correct transformation number!" when it is outside 0..1.
std::optional<double> checkTransformation(std::string_view text, core::Interaction& ui);

// The name the save dialog proposes: the table file's name with its last
// three characters replaced by "cc!".
std::string proposedCcName(const std::string& tableFile);

// DEDUZUR1.ccfilexp: asks for the file ("SAVE CORNELL CONDENSED FILE") and
// writes the export there; with `abbreviationsAsLabels` the layer labels are
// cleared and every written species' row shows its abbreviation. Returns true
// when a file was written.
bool ccfilexp(core::Workspace& ws, const CcExportOptions& options, bool abbreviationsAsLabels,
              core::Interaction& ui);

// Writes the export to a named file; throws core::ZembuError when it fails.
CcExport writeCcFile(const core::Table& table, const CcExportOptions& options, const std::filesystem::path& file,
                     core::Interaction* ui = nullptr);

// DEDUZUR2.cc_exp: writes "temp.cc!" into a folder for the links to outside
// programs. Returns the path written; throws core::ZembuError when it fails.
std::filesystem::path cc_exp(const core::Table& table, const std::filesystem::path& directory, int colour,
                             double power);

}  // namespace zembu::exporting
