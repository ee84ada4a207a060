// The report commands: the report document ("&Select RTF File"), the
// analysis of constancy columns and the average values of constancy columns.

#include "app/column_averages_dialog.h"
#include "app/commands.h"
#include "app/constancy_columns_dialog.h"
#include "app/main_window.h"
#include "app/wizard_frame.h"
#include "core/workspace.h"
#include "export/rtf_document.h"

namespace zembu::app {

namespace {

// Shows a dialog modally, its messages and choosers on top of it.
template <typename Dialog>
void runDialog(MainWindow& window) {
    if (window.workspace().table.ReleveCount == 0) return;
    Dialog dialog(window.workspace(), window.interaction(), &window);
    DialogParentScope scope(window.interaction(), &dialog);
    dialog.exec();
}

}  // namespace

void installReportCommands(MainWindow& window) {
    window.setCommand("expoRTF", [&window] { exporting::expoRTF(window.workspace(), window.interaction()); });
    window.setCommand("analsyno_Click", [&window] { runDialog<Form55>(window); });
    window.setCommand("uumax_Click", [&window] { runDialog<Form35>(window); });
}

}  // namespace zembu::app
