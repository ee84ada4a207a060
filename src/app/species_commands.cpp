// The Species menu's editing commands: merge, merge same species (Form54),
// combine layers (Form12), divide, delete, undelete (Form11), add an empty
// species, name and layer change (Form10).

#include "app/commands.h"
#include "app/layer_combination_dialog.h"
#include "app/main_window.h"
#include "app/merge_same_species_dialog.h"
#include "app/name_layer_dialog.h"
#include "app/undelete_species_dialog.h"
#include "core/interaction.h"
#include "core/menu_ids.h"
#include "core/text.h"
#include "core/workspace.h"
#include "editing/species_commands.h"

namespace zembu::app {

void installSpeciesCommands(MainWindow& w) {
    w.setCommand(core::menu::MergeSpecies,
                 [&w] { editing::sloucenidruhu(w.workspace(), w.interaction(), w.workspace().aggregationColourBox); });
    w.setCommand("mergsame_Click", [&w] {
        Form54 dialog(&w);
        if (dialog.exec() != QDialog::Accepted) return;
        const auto merged = editing::sloucenidruhu_auto(w.workspace(), w.interaction(), dialog.layers());
        if (merged && *merged > 0) w.interaction().status(std::to_string(*merged) + " species merged");
    });
    w.setCommand("comblaye_Click", [&w] {
        Form12 dialog(w.workspace(), w.interaction(), [&w] { w.refresh(); }, &w);
        dialog.exec();
    });
    w.setCommand("blokrozdedruh_Click",
                 [&w] { editing::rozdelenidruhu(w.workspace(), w.interaction(), w.workspace().speciesColourBox); });
    w.setCommand(core::menu::DeleteSpecies,
                 [&w] { editing::druhmaza_Click(w.workspace(), w.interaction(), w.workspace().speciesColourBox); });
    w.setCommand("uprazpet_Click", [&w] {
        core::Workspace& ws = w.workspace();
        if (ws.table.SpeciesRecordCount == ws.table.SpeciesCount) {
            w.interaction().message("No species is deleted.", "ZEMBU", core::MessageIcon::Information);
            return;
        }
        Form11 dialog(ws.table, &w);
        if (dialog.exec() == QDialog::Accepted) editing::undeleteRows(ws, w.interaction(), dialog.chosenRows());
    });
    w.setCommand("addempty_Click", [&w] { editing::addempty_Click(w.workspace(), w.interaction()); });
    w.setCommand("zmenjmen_Click", [&w] {
        core::Workspace& ws = w.workspace();
        const int32_t row = ws.CurrentRow;
        if (row < 1 || row > ws.table.SpeciesCount) {
            w.interaction().message("Please select a species in the table first.", "ZEMBU",
                                    core::MessageIcon::Information);
            return;
        }
        Form10 dialog(core::codePageToUtf8(core::trim(ws.table.SpeciesInfo[row].name)), ws.table.SpeciesLayer[row], &w);
        if (dialog.exec() != QDialog::Accepted) return;
        editing::zmenjmen(ws, w.interaction(), row, core::utf8ToCodePage(dialog.name()), dialog.layer());
    });
}

}  // namespace zembu::app
