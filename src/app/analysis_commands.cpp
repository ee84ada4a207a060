// The Analysis menu: the Beals smoothing export for the relevés of the
// relevé colour box's colour.

#include "analysis/beals_smoothing.h"
#include "app/commands.h"
#include "app/main_window.h"
#include "core/menu_ids.h"

namespace zembu::app {

void installAnalysisCommands(MainWindow& window) {
    window.setCommand(core::menu::BealsFromAllReleves, [&window] {
        if (analysis::cockrele_Click(window.workspace(), window.interaction()))
            window.interaction().status("The Beals smoothing values were written.");
    });
}

}  // namespace zembu::app
