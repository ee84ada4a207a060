// The Synoptic Table menu: the synoptic views and the tools around them.

#include "app/commands.h"
#include "app/main_window.h"
#include "core/menu_ids.h"
#include "core/workspace.h"
#include "view/synoptic_view.h"

namespace zembu::app {

void installSynopticCommands(MainWindow& w) {
    for (int index = 1; index <= 4; ++index)
        w.setCommand(std::string(core::menu::SynopticConstancyAndFidelity) + "#" + std::to_string(index),
                     [&w, index] { view::synopt_Click(w.workspace(), index); });
    for (int index = 0; index <= 6; ++index)
        w.setCommand(std::string(core::menu::SynopticAbundance) + "#" + std::to_string(index),
                     [&w, index] { view::synav_Click(w.workspace(), index); });
    w.setCommand(core::menu::CombinedSynopticTable, [&w] { view::percwithvali_Click(w.workspace()); });
}

}  // namespace zembu::app
