#include "import/cc_import_command.h"

#include "core/errors.h"
#include "core/interaction.h"
#include "core/workspace.h"
#include "import/cc_import.h"
#include "import/check_list.h"
#include "import/install_table.h"

namespace zembu::import {

bool importCcFile(core::Workspace& ws, const CcImportChoices& choices, core::Interaction& ui) {
    core::BusyScope busy(ui);
    core::Table table;
    try {
        table = imp_tab(choices.file, choices.options, choices.values, ws.table.MaxReleves, ws.table.MaxSpecies, ui);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    if (choices.convertNames) imp_spec(table, ws.settings, ui);
    installImportedTable(ws, std::move(table), choices.file.string());
    clearHeaderStore(ws);
    if (choices.header) imp_head(ws, choices.header->str, choices.header->exp, ui);
    return true;
}

}  // namespace zembu::import
