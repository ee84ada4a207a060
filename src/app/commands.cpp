#include "app/commands.h"

namespace zembu::app {

const std::vector<CommandInstaller>& commandInstallers() {
    static const std::vector<CommandInstaller> installers = {
        installEditCommands,
        installFileCommands,
        installHeadCommands,
        installWindowCommands,
        installViewCommands,
        installImportCommands,
        installReportCommands,
        installClassificationCommands,
        installSortingCommands,
        installIndicatorCommands,
        installAnalysisCommands,
        installSynopticCommands,
        installSettingsCommands,
        installSpeciesCommands,
        installExpertSystemCommands,
    };
    return installers;
}

}  // namespace zembu::app
