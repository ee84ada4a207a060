// zembu-cli abbreviations IN.vod -o OUT.vod --checklist FILE: Species →
// Convert Abbreviations into Full Names on a table file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/workspace.h"
#include "import/check_list.h"

namespace zembu::cli {

namespace {

struct AbbreviationsOptions {
    std::string input;
    std::string output;
    std::string checkList;
    bool replaceCompanions = false;
};

void runAbbreviations(const AbbreviationsOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    if (!import::convertTableAbbreviations(*ws, o.checkList, ui)) {
        context.exitCode = 1;
        return;
    }
    writeResult(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installAbbreviationsCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<AbbreviationsOptions>();
    CLI::App* command = app.add_subcommand(
        "abbreviations",
        "Convert the species abbreviations of a table into full names with a species check list, as Species → "
        "Convert Abbreviations into Full Names does (the list's layout comes from the settings). Rows without a "
        "match get \"Abbreviation: Unknown\" in their layer label.");
    addTableFileOptions(command, o->input, o->output, o->replaceCompanions);
    command->add_option("--checklist", o->checkList, "Species check list")->required();
    command->callback([o, &context] { runAbbreviations(*o, context); });
}

}  // namespace zembu::cli
