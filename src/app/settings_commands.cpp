// The settings dialog, opened from "Make Se&parators" -> "&Settings" and
// from the Synoptic Table menu.

#include "app/commands.h"
#include "app/main_window.h"
#include "app/settings_dialog.h"
#include "export/rtf_document.h"
#include "session/program_settings.h"

namespace zembu::app {

namespace {

// separ_Click(20): Form57 on the given page; its choices are put in force on OK.
void separ_Click(MainWindow& w, Form57::Page page) {
    Form57 dialog(
        w.workspace(),
        [&w] {
            w.updateSynopticView();
            w.refresh();
        },
        [&w] {
            exporting::expoRTF(w.workspace(), w.interaction(), true);
            w.refresh();
        },
        &w);
    dialog.showPage(page);
    if (dialog.exec() != QDialog::Accepted) return;
    session::applyProgramSettings(w.workspace(), dialog.chosen(), w.interaction());
}

}  // namespace

void installSettingsCommands(MainWindow& w) {
    w.setCommand("separ_Click#20", [&w] { separ_Click(w, Form57::TablePage); });
    w.setCommand("synopticSettings", [&w] { separ_Click(w, Form57::SynopticPage); });
}

}  // namespace zembu::app
