#pragma once
// The desktop program's commands, installed into the main window by area.
// Each installer connects the menu items of its area (by handler id) to
// functions that gather choices, call the library and let the window refresh.

#include <vector>

namespace zembu::app {

class MainWindow;

using CommandInstaller = void (*)(MainWindow& window);

// Every area's installer, run when the main window is built.
const std::vector<CommandInstaller>& commandInstallers();

// Areas.
void installEditCommands(MainWindow& window);
void installFileCommands(MainWindow& window);
void installHeadCommands(MainWindow& window);
void installWindowCommands(MainWindow& window);
void installViewCommands(MainWindow& window);
void installImportCommands(MainWindow& window);
void installReportCommands(MainWindow& window);
void installClassificationCommands(MainWindow& window);
void installSortingCommands(MainWindow& window);
void installIndicatorCommands(MainWindow& window);
void installAnalysisCommands(MainWindow& window);
void installSynopticCommands(MainWindow& window);
void installSettingsCommands(MainWindow& window);
void installSpeciesCommands(MainWindow& window);
void installExpertSystemCommands(MainWindow& window);

}  // namespace zembu::app
