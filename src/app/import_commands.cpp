// The import and export commands: the CC!/TURBOVEG and spreadsheet imports,
// the header data imports, the CC! export, the colour files, the display
// scale, the export code list, the cover definitions, the abbreviation
// conversion and "&Transformation".

#include <QTimer>

#include "app/commands.h"
#include "app/export_code_list_dialog.h"
#include "app/spreadsheet_import_wizard.h"
#include "app/display_scale_dialog.h"
#include "app/cc_export_dialog.h"
#include "app/cover_definition_dialog.h"
#include "app/cc_import_wizard.h"
#include "app/abbreviation_wizard.h"
#include "app/header_import_wizard.h"
#include "app/main_window.h"
#include "core/interaction.h"
#include "core/workspace.h"
#include "import/cover_definitions.h"
#include "import/header_import.h"
#include "view/colour_files.h"

namespace zembu::app {

namespace {

// Shows a dialog modally, its messages and choosers on top of it.
template <typename Dialog, typename Before = void (*)(Dialog&)>
void runDialog(MainWindow& window, Before before = [](Dialog&) {}) {
    Dialog dialog(window.workspace(), window.interaction(), &window);
    DialogParentScope scope(window.interaction(), &dialog);
    before(dialog);
    dialog.exec();
}

// impoheadturb_Click index 1: the comma-separated header file.
void importCommaHeaderFile(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    core::Interaction& ui = window.interaction();
    const auto file =
        ui.openFile({"OPEN COMMA DELIMITED HEADER FILE",
                     "CSV Files (*.csv)|*.csv|TXT files (*.txt)|*.txt|All files (*.*)|*.*", "", ws.currentDirectory, true});
    if (!file) return;
    core::BusyScope busy(ui);
    import::importCommaHeader(ws, *file, ui);
}

}  // namespace

void installImportCommands(MainWindow& window) {
    // cocofile_Click index 1: the CC! import wizard opens with its file chooser.
    window.setCommand("cocofile_Click#1", [&window] {
        runDialog<Form66>(window, [](Form66& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.chooseFile(); });
        });
    });
    // cocofile_Click index 2: the spreadsheet import wizard.
    window.setCommand("cocofile_Click#2", [&window] {
        runDialog<Form34>(window, [](Form34& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] { dialog.chooseFile(); });
        });
    });
    window.setCommand("impoheadturb_Click#0", [&window] { runDialog<Form68>(window); });
    window.setCommand("impoheadturb_Click#1", [&window] { importCommaHeaderFile(window); });
    window.setCommand("expodata_Click", [&window] { runDialog<Form52>(window); });
    window.setCommand("convertAbbreviations", [&window] { runDialog<Form67>(window); });

    window.setCommand("scaleAndDisplayParameters", [&window] { runDialog<Form50>(window); });
    window.setCommand("exportCodeList", [&window] { runDialog<Form14>(window); });
    window.setCommand("coverDefinition", [&window] { runDialog<Form60>(window); });
    // tabl_Click ("&Transformation").
    window.setCommand("tabl_Click", [&window] {
        core::BusyScope busy(window.interaction());
        import::tabltransf(window.workspace().table);
    });

    for (int index = 0; index < 2; ++index) {
        window.setCommand("speccoloUN_Click#" + std::to_string(index), [&window, index] {
            view::speccoloUN_Click(window.workspace(), index, window.interaction());
        });
        window.setCommand("barvsnimUN_Click#" + std::to_string(index), [&window, index] {
            view::barvsnimUN_Click(window.workspace(), index, window.interaction());
        });
    }
}

}  // namespace zembu::app
