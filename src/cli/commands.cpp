#include "cli/commands.h"

namespace zembu::cli {

const std::vector<CommandInstaller>& commandInstallers() {
    static const std::vector<CommandInstaller> installers = {
        installInfoCommand,
        installConvertCommand,
        installImportCcCommand,
        installImportSpreadsheetCommand,
        installImportHeaderCommand,
        installExportCcCommand,
        installShowCommand,
        installTwinspanCommand,
        installFidelityCommand,
        installSynopticCommand,
        installUniquenessCommand,
    };
    return installers;
}

}  // namespace zembu::cli
