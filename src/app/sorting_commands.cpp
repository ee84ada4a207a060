// The Sorting menu's sorts: species by relevés, alphabetically, by median
// cover, by richness, by dependence and by species data; relevés by species,
// by short headers and by header data.

#include <string>

#include "app/commands.h"
#include "app/dependence_sorting_dialog.h"
#include "app/header_data_sort_dialog.h"
#include "app/main_window.h"
#include "app/sort_releves_dialog.h"
#include "app/sort_species_dialog.h"
#include "app/species_data_sort_dialog.h"
#include "core/workspace.h"
#include "sorting/releve_sort_commands.h"
#include "sorting/species_sort_commands.h"

namespace zembu::app {

namespace {

using SubmenuSort = sorting::SortOutcome (*)(core::Workspace&, int, core::Interaction&);

// Items 0 and 1 of a "&Black" / "&All" or "for &White Relevés" / "for &All Relevés" submenu.
void installSubmenu(MainWindow& w, const std::string& handler, SubmenuSort sort) {
    for (int i = 0; i < 2; ++i)
        w.setCommand(handler + "#" + std::to_string(i), [&w, sort, i] { sort(w.workspace(), i, w.interaction()); });
}

}  // namespace

void installSortingCommands(MainWindow& w) {
    w.setCommand("sortSpecies", [&w] {
        Form4 dialog(&w);
        if (dialog.exec() == QDialog::Accepted) sorting::tridenidruhu2(w.workspace(), dialog.options(), w.interaction());
    });
    installSubmenu(w, "setrdruhabecbarv_Click", sorting::setrdruhabecbarv_Click);
    installSubmenu(w, "ssmcbarv_Click", sorting::ssmcbarv_Click);
    installSubmenu(w, "ssavrbarv_Click", sorting::ssavrbarv_Click);
    w.setCommand("dependenceSorting", [&w] {
        Form27 dialog(w.workspace().table, w.workspace().speciesColourBox, &w);
        if (dialog.exec() == QDialog::Accepted) sorting::depesorting(w.workspace(), dialog.options(), w.interaction());
    });
    w.setCommand("sortSpeciesBySpeciesDataLayerEIVEtc", [&w] {
        Form48 dialog(w.workspace().speciesColourBox, &w);
        if (dialog.exec() == QDialog::Accepted)
            sorting::sortSpeciesBySpeciesData(w.workspace(), dialog.options(), w.interaction());
    });

    w.setCommand("sortReleves", [&w] {
        Form5 dialog(&w);
        if (dialog.exec() == QDialog::Accepted) sorting::tridenisnimku2(w.workspace(), dialog.options(), w.interaction());
    });
    installSubmenu(w, "sortturb_Click", sorting::sortturb_Click);
    installSubmenu(w, "sortalfa_Click", sorting::sortalfa_Click);
    w.setCommand("sortRelevesByHeaderData", [&w] {
        Form20b dialog(w.workspace().header, &w);
        if (dialog.exec() == QDialog::Accepted)
            sorting::sortRelevesByHeaderData(w.workspace(), dialog.options(), w.interaction());
    });
}

}  // namespace zembu::app
