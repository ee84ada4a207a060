// The ZEMBU desktop program.

#include <QApplication>
#include <iostream>

#include "app/main_window.h"
#include "app/qt_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "session/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZEMBU");
    QApplication::setApplicationVersion(ZEMBU_VERSION);

    zembu::core::Workspace ws;
    if (!ws.workDirectoryProblem().empty()) std::cerr << "zembu: " << ws.workDirectoryProblem() << '\n';
    zembu::app::QtInteraction ui;
    zembu::session::Form_Load(ws, ui);

    zembu::app::MainWindow window(ws, ui);
    window.show();
    // zembu [FILE]: opens a table file at start.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const std::string file = arguments.at(1).toStdString();
        window.runCommand([&] { zembu::core::tableopen2(ws, ui, file); });
    }
    return app.exec();
}
