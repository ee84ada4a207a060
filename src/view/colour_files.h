#pragma once
// Colour files: the colours of relevés (".clr") and of species rows (".cls")
// saved to text and loaded onto the same or another table.
//
// ".clr": one line per relevé record: running number, TURBOVEG number, colour
// value, colour number. ".cls": four lines per live species row: name as
// held, layer, colour value, colour number. Numbers are written with a blank
// (or minus sign) in front and a blank behind.

#include <string>
#include <string_view>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::view {

// The text of a relevé colour file / a species colour file.
std::string releveColourText(core::Table& table);
std::string speciesColourText(const core::Table& table);

// How relevé colour lines find their relevé.
enum class ReleveMatch { RunningNumber, TurbovegNumber };

// Applies a relevé colour file: by running number each line colours the
// column showing its record; by TURBOVEG number it colours every column with
// that number. Lines without a match are skipped. Returns the lines applied.
// A file holding a colour number or value the palette does not have is
// refused with a core::ZembuError before any colour changes.
int64_t applyReleveColours(core::Table& table, std::string_view text, ReleveMatch match);

// Applies a species colour file: each group of four lines colours the first
// live row with the same trimmed name and the same layer. Returns the groups
// applied. Colours outside the palette are refused as above.
int64_t applySpeciesColours(core::Table& table, std::string_view text);

// The file name the colour dialogs propose: the file part of the current
// table file up to its first "." ("colour" when there is none), + extension.
std::string proposedColourFileName(const core::Workspace& ws, const std::string& extension);

// The colour files of the table written to / read from a named file. A file
// that cannot be read or written, or that holds colours the palette has not,
// is refused with a message and changes nothing. Return success.
bool saveReleveColourFile(core::Table& table, const std::string& file, core::Interaction& ui);
bool saveSpeciesColourFile(const core::Table& table, const std::string& file, core::Interaction& ui);
bool loadReleveColourFile(core::Table& table, const std::string& file, ReleveMatch match, core::Interaction& ui);
bool loadSpeciesColourFile(core::Table& table, const std::string& file, core::Interaction& ui);

// barvsnimUN_Click: relevé colours; index 0 saves ("RELEVÉ COLOUR EXPORT"),
// index 1 loads ("RELEVÉ COLOUR IMPORT", asking whether to match by running
// number). Returns true when the table's colours or a file changed.
bool barvsnimUN_Click(core::Workspace& ws, int index, core::Interaction& ui);

// speccoloUN_Click: species colours; index 0 saves ("SPECIES COLOUR
// EXPORT"), index 1 loads ("SPECIES COLOUR IMPORT").
bool speccoloUN_Click(core::Workspace& ws, int index, core::Interaction& ui);

}  // namespace zembu::view
