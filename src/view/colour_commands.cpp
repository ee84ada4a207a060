#include "view/colour_commands.h"

#include "core/menu_captions.h"
#include "core/palette.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "view/block_moves.h"

namespace zembu::view {

namespace {

int nextEntry(int entry) { return entry >= core::PaletteColourCount - 1 ? 0 : entry + 1; }

}  // namespace

void selecolo_Click(core::Workspace& ws, int index) {
    core::Table& t = ws.table;
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i)
        if (index == 1 || t.SpeciesColour[i].number == ws.speciesColourBox) t.SpeciesColour[i] = {0, 0};
    if (index == 0) ws.speciesColourBox = nextEntry(ws.speciesColourBox);
    core::Combo1_Click(ws);
}

void relcol_Click(core::Workspace& ws, int index) {
    core::Table& t = ws.table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (index == 1 || t.ReleveColour[k].number == ws.releveColourBox)
            t.ReleveColour[k] = {core::UncolouredReleve, 0};
    if (index == 0) {
        ws.releveColourBox = nextEntry(ws.releveColourBox);
        core::Combo2_click(ws);
    }
}

void naho_Click(core::Workspace& ws, int index) {
    core::ZalohaDat(ws);
    if (index == 0) presundruhunahoru(ws.table, ws.speciesColourBox);
    else presundruhudolu(ws.table, ws.speciesColourBox);
    ws.CurrentRow = 1;
}

void vlev_Click(core::Workspace& ws, int index) {
    if (index == 4) {
        ws.moveToEndMode = !ws.moveToEndMode;
        return;
    }
    core::ZalohaDat(ws);
    const int colour = ws.releveColourBox;
    switch (index) {
        case 0: posunsnimkuvlevo(ws.table, colour); break;
        case 1: posunsnimkuvpravo(ws.table, colour); break;
        case 2: posunsnimkuvlevoskup(ws.table, colour, ws.separatorHierarchy, ws.separatorLevel); break;
        case 3: posunsnimkuvpravoskup(ws.table, colour, ws.separatorHierarchy, ws.separatorLevel); break;
        default: break;
    }
}

}  // namespace zembu::view
