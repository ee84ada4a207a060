// The Synoptic Table menu: the synoptic views and the tools around them, and
// the export of the synoptic table shown (File -> Export -> Synoptic Table).

#include "app/commands.h"
#include "app/fidelity_calculator_dialog.h"
#include "app/main_window.h"
#include "app/synoptic_export_dialog.h"
#include "app/synoptic_sort_dialog.h"
#include "app/uniqueness_dialog.h"
#include "app/zlatnik_scale_dialog.h"
#include "core/menu_ids.h"
#include "core/releve_groups.h"
#include "core/workspace.h"
#include "export/synoptic_cc.h"
#include "export/synoptic_rtf.h"
#include "sorting/synoptic_sorting.h"
#include "synoptic/group_averages.h"
#include "synoptic/synoptic_image.h"
#include "synoptic/synoptic_table.h"
#include "view/synoptic_view.h"

namespace zembu::app {

namespace {

// sortsyno_Click / synosort_Click: Form44, then the sort it asks for.
void sortInSynopticTable(MainWindow& w) {
    core::Workspace& ws = w.workspace();
    if (ws.table.ReleveCount < 1 || ws.table.SpeciesCount < 1) return;
    const std::vector<int32_t> groups = core::groupNumbersOf(ws.table, ws.separatorHierarchy, ws.separatorLevel);
    Form44 dialog(groups[static_cast<size_t>(ws.table.ReleveCount)], &w);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.extent() == Form44::Extent::SingleColumn)
        sorting::single_column(ws, dialog.criterion(), dialog.column(), dialog.speciesColour(), w.interaction());
    else
        sorting::entire_dataset(ws, dialog.criterion(), dialog.extent() == Form44::Extent::EntireDatasetExceptLastColumn,
                                dialog.speciesColour(), w.interaction());
}

// The synoptic type shown; 0 after telling the user that none is.
int shownSynopticType(MainWindow& w) {
    const int type = w.workspace().synopticType;
    if (type == 0)
        w.interaction().message("Please show a synoptic table first (Synoptic Table menu).", "Program Info",
                                core::MessageIcon::Information);
    return type;
}

// compsyno2_Click: saves the image of the synoptic table shown (index 0) or
// compares a stored image with it (index 1).
void compsyno2_Click(MainWindow& w, int index) {
    const int type = shownSynopticType(w);
    if (type == 0) return;
    if (index == 0) synoptic::ulozsyno(w.workspace(), type, w.interaction());
    else synoptic::otevsyno(w.workspace(), type, w.interaction());
}

// synoform_Click: the synoptic table shown, into the report document (index 0;
// a one-value table after Form62's options, the combined table at once) or
// as a CC! file of groups (index 1; percentage constancy and average cover).
void synoform_Click(MainWindow& w, int index) {
    core::Workspace& ws = w.workspace();
    core::Interaction& ui = w.interaction();
    const int type = shownSynopticType(w);
    if (type == 0) return;
    if (index == 1) {
        if (type == synoptic::PercentageConstancy) exporting::syntabCC(ws, 0, ui);
        else if (type == synoptic::AverageCover) exporting::syntabCC(ws, 1, ui);
        else
            ui.message("Only the percentage constancy and the average cover synoptic tables are written as CC! files.",
                       "Program Info", core::MessageIcon::Information);
        return;
    }
    exporting::SynopticRtfOptions options = exporting::readSynopticRtfOptions(ws.settings);
    if (type != synoptic::CombinedTable) {
        Form62 dialog(ws.settings, &w);
        if (dialog.exec() != QDialog::Accepted) return;
        options = dialog.options();
    }
    const synoptic::SynopticTable table =
        synoptic::computeSynopticTable(ws.table, synoptic::readSynopticSettings(ws), type, &ui);
    exporting::exportSynopticRtf(ws, table, options, ui);
}

}  // namespace

void installSynopticCommands(MainWindow& w) {
    for (int index = 1; index <= 4; ++index)
        w.setCommand(std::string(core::menu::SynopticConstancyAndFidelity) + "#" + std::to_string(index),
                     [&w, index] { view::synopt_Click(w.workspace(), index); });
    for (int index = 0; index <= 6; ++index)
        w.setCommand(std::string(core::menu::SynopticAbundance) + "#" + std::to_string(index),
                     [&w, index] { view::synav_Click(w.workspace(), index); });
    w.setCommand(core::menu::CombinedSynopticTable, [&w] { view::percwithvali_Click(w.workspace()); });
    for (int index = 0; index <= 1; ++index) {
        w.setCommand("synoform_Click#" + std::to_string(index), [&w, index] { synoform_Click(w, index); });
        w.setCommand("compsyno2_Click#" + std::to_string(index), [&w, index] { compsyno2_Click(w, index); });
    }

    // uniqueness_Click: Form24c, on a table with relevés.
    w.setCommand("uniqueness_Click", [&w] {
        if (w.workspace().table.ReleveCount < 1) return;
        Form24c dialog(w.workspace(), &w);
        dialog.exec();
    });
    w.setCommand("fidelityCalculator", [&w] {
        Form29 dialog(w.workspace(), w.interaction(), &w);
        dialog.exec();
    });
    w.setCommand("zlatnikTable", [&w] {
        Form37 dialog(&w);
        dialog.exec();
    });
    w.setCommand("sortsyno_Click", [&w] { sortInSynopticTable(w); });
    w.setCommand("synosort_Click", [&w] { sortInSynopticTable(w); });
    w.setCommand("spdataver", [&w] { synoptic::spdataver(w.workspace(), w.interaction()); });
    w.setCommand("shheadaver", [&w] { synoptic::shheadaver(w.workspace(), w.interaction()); });
}

}  // namespace zembu::app
