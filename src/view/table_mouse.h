#pragma once
// Mouse work on the table view: selecting the current species row and relevé,
// colouring rows and columns (with Shift ranges), toggling separators,
// dragging a species row and moving a relevé to the end of the table.

#include <cstdint>

namespace zembu::core {
class Workspace;
}

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
};

// Picture1_MouseDown: the rules of a press on the table view.
MouseResult Picture1_MouseDown(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift, bool ctrl);

// Picture1_MouseUp: a left-button drag from one species row to another moves
// that row there (after an undo snapshot).
MouseResult Picture1_MouseUp(core::Workspace& ws, const TableHit& hit, MouseButton button);

}  // namespace zembu::view
