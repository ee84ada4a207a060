#pragma once
// Menu commands on colours and coloured blocks: removing species and relevé
// colours, moving the species or relevés of the chosen colour together, and
// the move-to-end mode.

namespace zembu::core {
class Workspace;
}

namespace zembu::view {

// selecolo_Click: 0 uncolours the rows of the species colour box's colour
// (formally deleted rows too) and moves the box to the next entry; 1
// uncolours every row.
void selecolo_Click(core::Workspace& ws, int index);

// relcol_Click: 0 uncolours the columns of the relevé colour box's colour and
// moves the box to the next entry; 1 uncolours every column.
void relcol_Click(core::Workspace& ws, int index);

// naho_Click: 0 moves the species of the species colour box's colour
// upwards, 1 downwards (after an undo snapshot); the current row becomes 1.
void naho_Click(core::Workspace& ws, int index);

// vlev_Click: 0 / 1 move the relevés of the relevé colour box's colour left /
// right, 2 / 3 the same within each group (after an undo snapshot); 4 turns
// the move-to-end mode on or off.
void vlev_Click(core::Workspace& ws, int index);

// Status text of the move-to-end mode.
inline constexpr const char* MoveToEndStatus = "Move relevés to the end of table";

}  // namespace zembu::view
