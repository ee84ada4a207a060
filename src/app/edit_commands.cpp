// The Edit menu: "&Undo".

#include "app/commands.h"
#include "app/main_window.h"
#include "core/menu_ids.h"
#include "core/undo.h"

namespace zembu::app {

void installEditCommands(MainWindow& window) {
    window.setCommand(core::menu::Undo, [&window] {
        core::VytazeniZalohyDat(window.workspace(), window.interaction());
    });
}

}  // namespace zembu::app
