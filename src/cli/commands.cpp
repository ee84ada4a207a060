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
        installTwinspanLinkCommand,
        installFidelityCommand,
        installSynopticCommand,
        installUniquenessCommand,
        installExportSynopticCommand,
        installSynopticImageCommands,
        installDiagnosticCommand,
        installRtfNewCommand,
        installCocktailStatsCommand,
        installCocktailGroupCommand,
        installSelectCommand,
        installCocktailExportCommand,
        installIndicesCommand,
        installHeadCommand,
        installIndicatorMeansCommand,
        installBealsCommand,
        installSortSpeciesCommand,
        installSortRelevesCommand,
        installSpeciesCommand,
        installReleveCommands,
        installMoveCommand,
        installColoursCommand,
        installTransformCommand,
        installAbbreviationsCommand,
        installExpertCommands,
    };
    return installers;
}

}  // namespace zembu::cli
