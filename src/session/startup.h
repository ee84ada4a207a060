#pragma once
// Start and end of a session: the start-up steps that lead to the first,
// empty table, and the exit steps that offer to save the table. They gather
// the settings of every subject, so they stand above the subject folders.

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::session {

// form1.Form_Load: the start-up steps, in order: table sized to the default
// capacities, start time and version, header work files removed, initial
// values and captions, palette, settings read and capacities applied, current
// folder, display settings, report document, display scale, current row.
void Form_Load(core::Workspace& ws, core::Interaction& ui);

// form1.Form_Unload: asks "Save current file?" when the table holds species.
// Returns false when the program must stay open: Cancel, or a save that was
// cancelled or failed. Otherwise writes the settings and returns true.
bool Form_Unload(core::Workspace& ws, core::Interaction& ui);

}  // namespace zembu::session
