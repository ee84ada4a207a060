#pragma once
// Deleting the relevés of one colour ("Delete WHITE &Relevés"): their columns,
// records and cells go, the other relevés keep their order, colours, heads
// and header data, and the separators keep the groups the remaining relevés
// were in.

#include <cstdint>
#include <vector>

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::view {

// Removes the columns whose `remove` entry (by column, index 0 unused) is
// set, from the table alone: the remaining records are renumbered 1.. in
// their old record order, cell strings re-encoded, species strings and
// frequencies rebuilt. A separator after a removed column moves to the
// nearest remaining column before it (the coarser level wins). Returns, by
// new record, the old record number (index 0 unused).
std::vector<int32_t> removeColumns(core::Table& table, const std::vector<char>& remove);

// Deletes the relevés whose colour number is `colour` (the relevé colour
// box's entry): asks "Do you want to delete N <colour> relevés?" (Yes/No),
// takes the undo snapshot, removes them, rewrites the header value file
// without their records, and renews the head. When every relevé would go it
// shows "All relevés cannot be deleted!!!" and changes nothing; when none has
// the colour it says so. Returns true when relevés were deleted.
bool deleteReleves(core::Workspace& ws, int colour, core::Interaction& ui);

}  // namespace zembu::view
