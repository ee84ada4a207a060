#include "view/table_mouse.h"

#include "core/palette.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "view/block_moves.h"
#include "view/separators.h"

namespace zembu::view {

namespace {

// Colours rows (or columns) first-1 down to the anchor, or up to the nearest
// one above that already has the colour: the Shift range of a right click.
template <typename ColourOf, typename Paint>
void extendRange(int32_t clicked, int32_t anchor, int number, ColourOf colourOf, Paint paint) {
    if (clicked < 2) return;
    int32_t nearest = 0;
    for (int32_t j = clicked - 1; j >= 1; --j)
        if (colourOf(j) == number) {
            nearest = j;
            break;
        }
    if (nearest == 0) return;  // no row above has the colour
    const int32_t stop = anchor >= 1 && anchor < clicked ? anchor : nearest;
    for (int32_t j = clicked - 1; j > stop; --j) paint(j);
}

MouseResult speciesRowPress(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift, bool ctrl) {
    core::Table& t = ws.table;
    const int32_t r = hit.row;
    MouseResult result;
    if (r < 1 || r > t.SpeciesCount) return result;
    result.redraw = true;
    if (button == MouseButton::Left) {
        if (shift && hit.column == 0) {
            toggleSpeciesSeparator(ws, r);
            return result;
        }
        ws.CurrentRow = r;
        ws.dragRow = r;
        ws.anchorRow = r;
        result.showRowLabels = true;
        return result;
    }
    ws.CurrentRow = r;
    result.showRowLabels = true;
    const int entry = ctrl && !shift ? ws.aggregationColourBox : ws.speciesColourBox;
    const core::ColourEntry colour{core::speciesBoxColour(ws.palette, entry), entry};
    t.SpeciesColour[r] = colour;
    if (shift && !ctrl)
        extendRange(r, ws.anchorRow, entry, [&](int32_t j) { return t.SpeciesColour[j].number; },
                    [&](int32_t j) { t.SpeciesColour[j] = colour; });
    ws.anchorRow = 0;
    return result;
}

MouseResult releveColumnPress(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift) {
    core::Table& t = ws.table;
    const int32_t c = hit.column;
    MouseResult result;
    if (c < 1 || c > t.ReleveCount) return result;
    result.redraw = true;
    if (button == MouseButton::Left) {
        if (shift) {
            toggleReleveSeparator(ws, c);
            return result;
        }
        ws.CurrentReleve = t.ReleveOrder[c].record;
        result.showReleveLabels = true;
        if (ws.moveToEndMode && c < t.ReleveCount) {
            core::ZalohaDat(ws);
            moveReleveToEnd(t, c);
        }
        result.movedToEnd = ws.moveToEndMode;
        return result;
    }
    const int entry = ws.releveColourBox;
    const core::ColourEntry colour{core::releveBoxColour(ws.palette, entry), entry > 0 ? entry : 0};
    t.ReleveColour[c] = colour;
    if (shift)
        extendRange(c, ws.anchorColumn, colour.number, [&](int32_t j) { return t.ReleveColour[j].number; },
                    [&](int32_t j) { t.ReleveColour[j] = colour; });
    ws.anchorColumn = c;
    return result;
}

MouseResult pickReleve(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift) {
    MouseResult result;
    result.redraw = true;
    result.clickModeEnded = true;
    const core::ClickMode mode = ws.clickMode;
    ws.clickMode = core::ClickMode::None;
    const core::Table& t = ws.table;
    if (button != MouseButton::Left || shift || hit.area == TableHit::Area::None || hit.column < 1 ||
        hit.column > t.ReleveCount)
        return result;
    ws.CurrentReleve = t.ReleveOrder[hit.column].record;
    result.showReleveLabels = true;
    result.pickedFor = mode;
    result.pickedReleve = ws.CurrentReleve;
    return result;
}

}  // namespace

bool leaveClickMode(core::Workspace& ws) {
    const bool on = ws.clickMode != core::ClickMode::None;
    ws.clickMode = core::ClickMode::None;
    return on;
}

MouseResult Picture1_MouseDown(core::Workspace& ws, const TableHit& hit, MouseButton button, bool shift, bool ctrl) {
    if (ws.clickMode != core::ClickMode::None) return pickReleve(ws, hit, button, shift);
    switch (hit.area) {
        case TableHit::Area::Body: return speciesRowPress(ws, hit, button, shift, ctrl);
        case TableHit::Area::Head: return releveColumnPress(ws, hit, button, shift);
        case TableHit::Area::None: break;
    }
    return {};
}

MouseResult Picture1_MouseUp(core::Workspace& ws, const TableHit& hit, MouseButton button) {
    MouseResult result;
    result.redraw = true;
    const int32_t from = ws.dragRow;
    ws.dragRow = 0;
    if (button != MouseButton::Left || hit.area != TableHit::Area::Body) return result;
    const int32_t to = hit.row;
    if (from < 1 || to < 1 || from == to || from > ws.table.SpeciesCount || to > ws.table.SpeciesCount) return result;
    core::ZalohaDat(ws);
    presundruhu(ws.table, from, to);
    ws.CurrentRow = to;
    result.showRowLabels = true;
    return result;
}

}  // namespace zembu::view
