#pragma once
// What the synoptic and uniqueness subcommands print, from a workspace that
// holds the loaded table and the settings of the run. Tab-separated, one
// line per item.

#include <ostream>

namespace zembu::core {
class Workspace;
}

namespace zembu::cli {

// One line per live species row: the name, the layer, then the cell text of
// every group (two columns per group in the combined table, its two values
// in display order). type: 1..11, or synoptic::CombinedTable.
void printSynopticTable(core::Workspace& ws, int type, std::ostream& out);

// The uniqueness of group h at cut level t: "Uniqueness", U (full
// precision, or "Undef."); then per group its number, the asymmetric
// similarity index ("0.0", or "undef.") and the species average ("0.0").
// Returns false (printing nothing) when h is not a group of the table.
bool printUniqueness(core::Workspace& ws, int h, double cut, std::ostream& out);

}  // namespace zembu::cli
