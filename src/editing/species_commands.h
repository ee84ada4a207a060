#pragma once
// The commands of the Species menu that change the species rows: aggregate
// the rows of one colour ("&Merge BLACK Species"), merge the same species of
// chosen layers (Form54), divide species into dominant and rare occurrences,
// delete and undelete species (Form11), add an empty species, change a
// species' name and layer (Form10). Layer combination (Form12) is in
// layer_combination.h.
//
// Every command checks everything before it changes anything: a refusal is a
// message through the Interaction and leaves the table and the journal as they
// were. Names are code-page bytes, as in the table. The commands that write
// the species journal need a table file name first.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::editing {

inline constexpr int LayerCount = 10;
using LayerChoice = std::array<bool, LayerCount>;

inline constexpr const char* SaveFirstMessage = "Save your file first!!!";
inline constexpr const char* SpeciesLimitMessage =
    "The number of species exeeds the ZEMBU limit! Please, change the dimension of the program first.";
inline constexpr const char* LayerMessage = "The layer must be a number from 0 to 9.";

// A layer typed by the user: one number 0..9, blanks around allowed.
std::optional<int> parseLayer(std::string_view text);

// Checks that the species journal belongs to a table file: otherwise shows
// "Save your file first!!!" (title "WARNING!!!") and returns false.
bool journalHasTableFile(core::Workspace& ws, core::Interaction& ui);

// Aggregates live rows into one row "(S) " + name in the layer (the rule of
// species_merge.h) and writes the journal block. Returns the new row, or
// nothing after a refusal.
std::optional<int32_t> aggregateRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& rows,
                                     std::string_view name, int layer);

// sloucenidruhu ("&Merge BLACK Species"): aggregates the live rows of the
// colour after asking the new name ("Write species name:", title "Species
// aggregating") and layer ("Select layer:"), both proposed from the first
// row; an empty answer ends the command.
std::optional<int32_t> sloucenidruhu(core::Workspace& ws, core::Interaction& ui, int colour);

// sloucenidruhu_auto ("Merge &ALL Same Species", Form54): live rows of the
// same name in the chosen layers are aggregated group by group, each under
// its first row's name and layer. All groups are merged or none. Returns the
// number of groups merged, or nothing after a refusal.
std::optional<int> sloucenidruhu_auto(core::Workspace& ws, core::Interaction& ui, const LayerChoice& layers);

// The groups sloucenidruhu_auto merges: rows of one name in the chosen
// layers, at least two, in the order of their first rows.
std::vector<std::vector<int32_t>> sameSpeciesGroups(const core::Table& table, const LayerChoice& layers);

// Divides live rows into "(D) " + name with the occurrences of at least
// `threshold` percent and "(r) " + name with the others; the two rows take
// the place of the divided one, which is formally deleted. Returns the number
// of rows divided, or nothing after a refusal.
std::optional<int> divideRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& rows,
                              int threshold);

// rozdelenidruhu ("&Divide Species into (D) a (r)"): asks the threshold
// (2..95) and divides the live rows of the colour.
std::optional<int> rozdelenidruhu(core::Workspace& ws, core::Interaction& ui, int colour);

// Deletes live rows after "Are you sure to delete " + n + " species???";
// deleting every live row is refused. The rows are formally deleted and the
// journal gets a deletion block. Returns true when rows were deleted.
bool deleteRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& rows);

// druhmaza_Click ("D&elete BLACK Species"): deletes the live rows of the colour.
bool druhmaza_Click(core::Workspace& ws, core::Interaction& ui, int colour);

// The formally deleted rows (SpeciesCount+1..SpeciesRecordCount), as Form11
// lists them: name and layer.
std::vector<std::string> deletedSpeciesLines(const core::Table& table);

// Form11 ("&Undelete Species"): brings formally deleted rows back behind the
// live rows and writes an undeletion block. Returns true when rows came back.
bool undeleteRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& rows);

// Adds a live row with the name and layer, a program-made species number and
// no occurrences. Returns the new row.
std::optional<int32_t> addEmptySpecies(core::Workspace& ws, core::Interaction& ui, std::string_view name, int layer);

// addempty_Click ("&Add Empty Species"): asks the name ("Write species
// name:", title "Add New Species") and the layer ("Write species layer
// (0-9): ") and adds the row.
std::optional<int32_t> addempty_Click(core::Workspace& ws, core::Interaction& ui);

// Form10 ("&Name and Layer Change"): gives a live row a new name and layer,
// after the undo copy is taken. Returns true when the row was changed.
bool zmenjmen(core::Workspace& ws, core::Interaction& ui, int32_t row, std::string_view name, int layer);

}  // namespace zembu::editing
