// The File menu's table file commands: "&Open", "&Append", "&Save" and the
// recent files.

#include "app/commands.h"
#include "app/main_window.h"
#include "core/menu_ids.h"
#include "core/recent_files.h"
#include "core/table_file.h"

namespace zembu::app {

void installFileCommands(MainWindow& window) {
    window.setCommand(core::menu::Open, [&window] {
        core::otevrittabulku(window.workspace(), window.interaction());
    });
    window.setCommand(core::menu::Append, [&window] {
        core::tableappend(window.workspace(), window.interaction());
    });
    window.setCommand(core::menu::Save, [&window] {
        core::ulozittabulku2(window.workspace(), window.interaction());
    });
    for (int i = 0; i < core::RecentFileCount; ++i) {
        window.setCommand("recentFile#" + std::to_string(i), [&window, i] {
            core::openRecentFile(window.workspace(), window.interaction(), i);
        });
    }
}

}  // namespace zembu::app
