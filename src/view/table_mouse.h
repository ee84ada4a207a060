#pragma once
// Mouse work on the table view: selecting the current species row and relevé,
// colouring rows and columns (with Shift ranges), toggling separators,
// dragging a species row and moving a relevé to the end of the table.

#include <cstdint>

#include "core/workspace.h"

namespace zembu::view {

// Where a press landed, in table terms (the widget maps pixels to it).
struct TableHit {
    enum class Area { None, Head, Body };
    Area area = Area::None;
    int32_t row = 0;          // species row under the pointer (body)
    int32_t column = 0;       // relevé column under the pointer; 0 over the name and layer
};

enum class MouseButton { Left, Right };

// What the widget has to do after a mouse event.
struct MouseResult {
    bool redraw = false;
    bool movedToEnd = false;   // restart the move-to-end timer
    bool showRowLabels = false;
    bool showReleveLabels = false;
    bool clickModeEnded = false;  // the click mode is over (picked or left)
    core::ClickMode pickedFor = core::ClickMode::None;  // the command the relevé was picked for
    int32_t pickedReleve = 0;     // the picked relevé's record; 0 when none was picked
};

// Picture1_MouseDown: the rules of a press on the table view. While a click
// mode is on (ws.clickMode), the press ends it: a left click without Shift
// on a relevé column (in the head or the body) picks that relevé and makes
// it the current one; any other press only leaves the mode.
MouseResult Picture1_MouseDown(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift, bool ctrl);

// Leaves the click mode without picking a relevé (Esc). True when one was on.
bool leaveClickMode(core::Workspace& ws);

// Picture1_MouseUp: a left-button drag from one species row to another moves
// that row there (after an undo snapshot).
MouseResult Picture1_MouseUp(core::Workspace& ws, const TableHit& hit, MouseButton button);

}  // namespace zembu::view
