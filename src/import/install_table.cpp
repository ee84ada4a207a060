#include "import/install_table.h"

#include "core/head_modes.h"
#include "core/workspace.h"

namespace zembu::import {

void installImportedTable(core::Workspace& ws, core::Table&& table, const std::string& sourceFile) {
    ws.table = std::move(table);
    ws.undo.clear();
    ws.journal.clear();
    core::hlavicka(ws);
    ws.CurrentRow = 1;
    ws.CurrentReleve = 0;
    ws.settings.setValue(core::setting::LastImportedFile, sourceFile);
}

}  // namespace zembu::import
