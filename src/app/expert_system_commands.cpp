// Analysis -> "&Expert System" (Form24b).

#include "app/commands.h"
#include "app/expert_system_dialog.h"
#include "app/main_window.h"

namespace zembu::app {

void installExpertSystemCommands(MainWindow& w) {
    w.setCommand("expertSystem", [&w] {
        Form24b dialog(w.workspace(), w.interaction(), [&w] { w.refresh(); }, &w);
        dialog.exec();
    });
}

}  // namespace zembu::app
