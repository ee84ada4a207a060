// The Synoptic Table menu: the synoptic views and the tools around them.

#include "app/commands.h"
#include "app/fidelity_calculator_dialog.h"
#include "app/main_window.h"
#include "app/synoptic_sort_dialog.h"
#include "app/uniqueness_dialog.h"
#include "app/zlatnik_scale_dialog.h"
#include "core/menu_ids.h"
#include "core/releve_groups.h"
#include "core/workspace.h"
#include "sorting/synoptic_sorting.h"
#include "synoptic/group_averages.h"
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

}  // namespace

void installSynopticCommands(MainWindow& w) {
    for (int index = 1; index <= 4; ++index)
        w.setCommand(std::string(core::menu::SynopticConstancyAndFidelity) + "#" + std::to_string(index),
                     [&w, index] { view::synopt_Click(w.workspace(), index); });
    for (int index = 0; index <= 6; ++index)
        w.setCommand(std::string(core::menu::SynopticAbundance) + "#" + std::to_string(index),
                     [&w, index] { view::synav_Click(w.workspace(), index); });
    w.setCommand(core::menu::CombinedSynopticTable, [&w] { view::percwithvali_Click(w.workspace()); });

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
