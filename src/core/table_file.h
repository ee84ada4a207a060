#pragma once
// The program's own table file (".VOD") and its header companions: the
// commands that open, save and append tables in the workspace.
//
// For tools and other commands the one call to load a table file is
// loadTableFile(ws, ui, file): it reads a binary or text table file with its
// header companions and journal into the workspace, or shows why it cannot
// and leaves the workspace as it was. The byte-level reader and writer are in
// vod_format.h.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {

class Interaction;
class Workspace;

// The filter of the table file choosers.
inline constexpr const char* TableFileFilter = "Table format VOD|*.vod|All files (*.*)|*.*";

// What loading does when a file holds more relevés or species than the
// workspace's capacities: Keep refuses with the capacity messages; FitFile
// gives the workspace's table larger capacities (up to 1,000,000 relevés and
// 15,000 species), for tools that must read any table.
enum class CapacityPolicy { Keep, FitFile };

// A companion name: the table file's name without its last three characters
// followed by the extension ("str" or "exp").
std::filesystem::path companionName(const std::filesystem::path& tableFile, std::string_view extension);

// The name a save writes to: the chosen name with ".VOD" appended when its
// file name has no dot.
std::string finalSaveName(const std::string& chosen);

// Reads a table file of either kind (binary or text, by its first bytes)
// into a new table and, when the whole file was read and found sound, puts
// it in the workspace: table, header store (from the companions), journal,
// running-number head, current table file and caption. A failure is shown
// through ui and changes nothing. Returns success. The recent-files list and
// the settings are not touched (see tableopen2).
bool loadTableFile(Workspace& ws, Interaction& ui, const std::filesystem::path& file,
                   CapacityPolicy policy = CapacityPolicy::Keep);

// The header companions a save to `file` would replace or delete although
// they are not a table file's: companions found beside a table file that
// does not exist yet (for example a TURBOVEG export of the same name).
// Companions of an existing table file belong to it and are not listed.
std::vector<std::filesystem::path> foreignCompanions(const std::string& file);

// savetabl: writes the table to the file (".VOD" appended to a name without
// a dot) as "ve64", then copies the header work files to the companions.
// Foreign companions (above) are touched only when the user answers Yes to
// the question naming them; No leaves everything as it was.
// The relevé record count is set to the relevé count and the indicator
// values are trimmed first. A failure is shown through ui and leaves the old
// file whole. Returns the name written, nullopt on failure.
std::optional<std::string> savetabl(Workspace& ws, Interaction& ui, const std::string& file);

// ulozittabulku2 ("&Save"): asks for a file name ("SAVE TABLE") and saves the
// table there; the name goes first in the recent-files list and the settings
// are written. Returns true when the table was saved.
bool ulozittabulku2(Workspace& ws, Interaction& ui);

// tableopen2: loads a table file and puts it first in the recent-files list,
// writing the settings. A relative name (as typed on the command line) is
// taken from the current folder and kept as the whole path. Returns success.
bool tableopen2(Workspace& ws, Interaction& ui, const std::string& file);

// The save offered before another table replaces the loaded one: asks "Save
// current file?" (Yes/No/Cancel) when the table holds species. Returns false
// when the replacing command must not go on (Cancel, or a save that did not
// happen).
bool offerSave(Workspace& ws, Interaction& ui);

// Asks for an existing table file ("Open Table"); nullopt when none was chosen.
std::optional<std::string> askForTableFile(Workspace& ws, Interaction& ui);

// What "&Open" loads: a whole table, or only the species groups of a table
// file (the species-groups import mode of the Cocktail dialog).
enum class OpenMode { Table, SpeciesGroups };

// otevrittabulku ("&Open"): offers to save, asks for a file ("Open Table")
// and loads it (tableopen2 for binary files, tableopen for the text form),
// or its species groups only (taxaopen2 / taxaopen). Returns success.
bool otevrittabulku(Workspace& ws, Interaction& ui, OpenMode mode = OpenMode::Table);

// Opens entry `index` (0..3) of the recent-files list, after offering to save.
bool openRecentFile(Workspace& ws, Interaction& ui, int index);

// tableappend ("&Append"): asks for a second table file and adds its relevés
// and species to the loaded table (see table_append.h). Returns success.
bool tableappend(Workspace& ws, Interaction& ui);

// taxaopen2 / taxaopen: replace the loaded table's species groups with those
// of a binary / text table file; nothing else changes. Return success.
bool taxaopen2(Workspace& ws, Interaction& ui, const std::string& file);
bool taxaopen(Workspace& ws, Interaction& ui, const std::string& file);

}  // namespace zembu::core
