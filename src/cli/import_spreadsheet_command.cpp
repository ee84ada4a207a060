// zembu-cli import-spreadsheet IN --separator semicolon|comma|space
// [--layer-column] --cover percent|braun-blanquet -o OUT.vod.

#include <CLI/CLI.hpp>

#include <map>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/workspace.h"
#include "import/import_file.h"
#include "import/spreadsheet_import.h"

namespace zembu::cli {

namespace {

struct ImportSpreadsheetOptions {
    std::string in;
    std::string out;
    import::SpreadsheetSeparator separator = import::SpreadsheetSeparator::Semicolon;
    bool layerColumn = false;
    int cover = import::PercentCodes;
    bool replaceCompanions = false;
};

int runImportSpreadsheet(const ImportSpreadsheetOptions& o, CliContext& context) {
    core::Workspace ws;
    ws.otevini();
    CommandLineInteraction ui(context.err);
    import::SpreadsheetChoices choices;
    choices.file = o.in;
    choices.separator = o.separator;
    choices.layerColumn = o.layerColumn;
    try {
        const std::string content = import::readImportFile(o.in);
        const import::SpreadsheetLayout layout = import::analyseSpreadsheet(
            content, o.separator, o.layerColumn, core::LargestMaxReleves, core::LargestMaxSpecies);
        fitCapacities(ws.table, static_cast<int32_t>(layout.identifiers.size()),
                      static_cast<int32_t>(layout.speciesLines.size()));
        choices.codes = import::krok3(layout.codes, o.cover, ui);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Information);
        return 1;
    }
    if (!import::importSpreadsheet(ws, choices, ui)) return 1;
    return writeImportedTable(ws, ui, o.out, context.out, o.replaceCompanions);
}

}  // namespace

void installImportSpreadsheetCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("import-spreadsheet", "Import a table saved from a spreadsheet as delimited text.");
    auto o = std::make_shared<ImportSpreadsheetOptions>();
    const std::map<std::string, import::SpreadsheetSeparator> separators = {
        {"semicolon", import::SpreadsheetSeparator::Semicolon},
        {"comma", import::SpreadsheetSeparator::Comma},
        {"space", import::SpreadsheetSeparator::Space}};
    const std::map<std::string, int> covers = {{"percent", import::PercentCodes},
                                               {"braun-blanquet", import::BraunBlanquetCodes}};
    command->add_option("IN", o->in, "Spreadsheet text file to read")->required();
    command->add_option("-o,--output", o->out, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_option("--separator", o->separator, "Field separator: semicolon, comma or space")
        ->required()
        ->transform(CLI::CheckedTransformer(separators, CLI::ignore_case));
    command->add_flag("--layer-column", o->layerColumn, "The second column holds the layer of each species");
    command->add_option("--cover", o->cover, "Cover codes: percent or braun-blanquet")
        ->required()
        ->transform(CLI::CheckedTransformer(covers, CLI::ignore_case));
    command->callback([&context, o] { context.exitCode = runImportSpreadsheet(*o, context); });
}

}  // namespace zembu::cli
