#pragma once
// The subcommands of zembu-cli. Each installer adds one subcommand (its
// options and the callback that runs it) to the application.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace zembu::cli {

using CommandInstaller = void (*)(CLI::App& app, CliContext& context);

// Every subcommand's installer, in the order "--help" lists them.
const std::vector<CommandInstaller>& commandInstallers();

// Subcommands.
void installInfoCommand(CLI::App& app, CliContext& context);
void installConvertCommand(CLI::App& app, CliContext& context);
void installImportCcCommand(CLI::App& app, CliContext& context);
void installImportSpreadsheetCommand(CLI::App& app, CliContext& context);
void installImportHeaderCommand(CLI::App& app, CliContext& context);
void installExportCcCommand(CLI::App& app, CliContext& context);
void installTwinspanCommand(CLI::App& app, CliContext& context);
void installFidelityCommand(CLI::App& app, CliContext& context);
void installSynopticCommand(CLI::App& app, CliContext& context);
void installUniquenessCommand(CLI::App& app, CliContext& context);
void installShowCommand(CLI::App& app, CliContext& context);
void installCocktailStatsCommand(CLI::App& app, CliContext& context);
void installCocktailGroupCommand(CLI::App& app, CliContext& context);
void installSelectCommand(CLI::App& app, CliContext& context);
void installIndicesCommand(CLI::App& app, CliContext& context);
void installHeadCommand(CLI::App& app, CliContext& context);
void installIndicatorMeansCommand(CLI::App& app, CliContext& context);
void installBealsCommand(CLI::App& app, CliContext& context);
void installRtfNewCommand(CLI::App& app, CliContext& context);
void installExportSynopticCommand(CLI::App& app, CliContext& context);
void installSynopticImageCommands(CLI::App& app, CliContext& context);
void installDiagnosticCommand(CLI::App& app, CliContext& context);
void installCocktailExportCommand(CLI::App& app, CliContext& context);
void installTwinspanLinkCommand(CLI::App& app, CliContext& context);
void installSortSpeciesCommand(CLI::App& app, CliContext& context);
void installSortRelevesCommand(CLI::App& app, CliContext& context);
void installSpeciesCommand(CLI::App& app, CliContext& context);
void installReleveCommands(CLI::App& app, CliContext& context);
void installMoveCommand(CLI::App& app, CliContext& context);
void installColoursCommand(CLI::App& app, CliContext& context);
void installTransformCommand(CLI::App& app, CliContext& context);
void installAbbreviationsCommand(CLI::App& app, CliContext& context);
void installExpertCommands(CLI::App& app, CliContext& context);

// A number as the tool prints it for scripts: the shortest text that reads
// back as the same double; "---" for no value.
std::string fullPrecision(std::optional<double> value);

}  // namespace zembu::cli
