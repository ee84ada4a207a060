// zembu-cli import-cc IN [--ordinal] [--no-layers] [--checklist FILE]
// [--header FILE.exp] -o OUT.vod: a CC! file (TURBOVEG output) imported as
// the wizard would, written as a table file.

#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/file_util.h"
#include "core/workspace.h"
#include "import/cc_import_command.h"

namespace zembu::cli {

namespace {

struct ImportCcOptions {
    std::string in;
    std::string out;
    bool replaceCompanions = false;
    bool ordinal = false;
    bool noLayers = false;
    std::string checkList;
    std::string header;
};

int runImportCc(const ImportCcOptions& o, CliContext& context) {
    core::Workspace ws;
    ws.otevini();
    CommandLineInteraction ui(context.err, core::Answer::Yes);

    import::CcImportChoices choices;
    choices.file = o.in;
    choices.options.valueMode = o.ordinal ? import::OrdinalValues : import::PercentageValues;
    choices.options.layerInformation = !o.noLayers;
    if (!o.checkList.empty()) {
        if (!core::findFileIgnoringCase(o.checkList)) {
            ui.message("No correct check list was opened...", "Program Info", core::MessageIcon::Information);
            return 1;
        }
        ws.settings.setValue(core::setting::CheckListFile, o.checkList);
        choices.convertNames = true;
    }
    if (!o.header.empty()) {
        choices.header = import::test_hlavicky(o.header, ui);
        if (!choices.header) return 1;
    }

    // A tool reads any file the program could: the capacities follow the file.
    const auto analysis = import::test_tabulky(o.in, choices.options, core::LargestMaxReleves,
                                               core::LargestMaxSpecies, ui);
    if (!analysis) return 1;
    fitCapacities(ws.table, static_cast<int32_t>(std::max(analysis->releveCount, analysis->largestReleveIndex)),
                  static_cast<int32_t>(std::max(analysis->speciesCount, analysis->largestSpeciesIndex)));
    choices.values = analysis->values;

    if (!import::importCcFile(ws, choices, ui)) return 1;
    return writeImportedTable(ws, ui, o.out, context.out, o.replaceCompanions);
}

}  // namespace

void installImportCcCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("import-cc", "Import a Cornell Condensed (CC!) file, as TURBOVEG writes it.");
    auto o = std::make_shared<ImportCcOptions>();
    command->add_option("IN", o->in, "CC! file to read")->required();
    command->add_option("-o,--output", o->out, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_flag("--ordinal", o->ordinal, "Values are ordinal numbers 1-9 (otherwise percentages)");
    command->add_flag("--no-layers", o->noLayers, "Abbreviations carry no layer digit in their 8th character");
    command->add_option("--checklist", o->checkList, "Species check list that turns abbreviations into names");
    command->add_option("--header", o->header, "TURBOVEG header data (the .exp or .str file of the pair)");
    command->callback([&context, o] { context.exitCode = runImportCc(*o, context); });
}

}  // namespace zembu::cli
