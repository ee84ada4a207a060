// Commands of the window itself: "E&xit", the user guide and "&About ZEMBU".

#include <QMessageBox>

#include "app/commands.h"
#include "app/help_window.h"
#include "app/main_window.h"

namespace zembu::app {

void installWindowCommands(MainWindow& window) {
    window.setCommand("exit", [&window] { window.close(); });
    window.setCommand("helpContents", [&window] {
        auto* help = window.findChild<HelpWindow*>();
        if (!help) help = new HelpWindow(&window);
        help->show();
        help->raise();
    });
    window.setCommand("aboutZembu", [&window] {
        QMessageBox::about(&window, "About ZEMBU",
                           QString("<h3>ZEMBU %1</h3>"
                                   "<p>Editing, classification and analysis of phytosociological tables: "
                                   "relevés as columns, species in their layers as rows, a cover value in "
                                   "every occupied cell.</p>")
                               .arg(QString::fromStdString(window.workspace().versionText)));
    });
}

}  // namespace zembu::app
