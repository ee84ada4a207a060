// zembu-cli colours IN.vod: the colour commands of the Species and Relevés
// menus on a table file: remove colours, load and save colour files.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/workspace.h"
#include "view/colour_commands.h"
#include "view/colour_files.h"

namespace zembu::cli {

namespace {

struct ColoursOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string remove;
    std::string loadReleves;
    std::string match = "running";
    std::string loadSpecies;
    std::string saveReleves;
    std::string saveSpecies;
};

// Removes, loads and saves in that order; false when a step was refused.
bool runColourSteps(const ColoursOptions& o, core::Workspace& ws, CommandLineInteraction& ui) {
    if (o.remove == "releves" || o.remove == "all") view::relcol_Click(ws, 1);
    if (o.remove == "species" || o.remove == "all") view::selecolo_Click(ws, 1);
    const view::ReleveMatch match =
        o.match == "running" ? view::ReleveMatch::RunningNumber : view::ReleveMatch::TurbovegNumber;
    if (!o.loadReleves.empty() && !view::loadReleveColourFile(ws.table, o.loadReleves, match, ui)) return false;
    if (!o.loadSpecies.empty() && !view::loadSpeciesColourFile(ws.table, o.loadSpecies, ui)) return false;
    if (!o.saveReleves.empty() && !view::saveReleveColourFile(ws.table, o.saveReleves, ui)) return false;
    if (!o.saveSpecies.empty() && !view::saveSpeciesColourFile(ws.table, o.saveSpecies, ui)) return false;
    return true;
}

void runColours(const ColoursOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const bool changes = !o.remove.empty() || !o.loadReleves.empty() || !o.loadSpecies.empty();
    if (changes && o.output.empty()) {
        refuse(context, ui, "--remove, --load-releves and --load-species change the table: give -o.");
        return;
    }
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    if (!runColourSteps(o, *ws, ui)) {
        context.exitCode = 1;
        return;
    }
    if (!o.output.empty()) writeResult(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installColoursCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<ColoursOptions>();
    CLI::App* command = app.add_subcommand(
        "colours",
        "The colours of relevés and species rows: remove them, load them from colour files (.clr for relevés, "
        ".cls for species, as the program saves them) and save them, in that order; with -o the table is "
        "written. A colour file with colours the palette has not is refused and changes nothing.");
    command->add_option("IN", o->input, "Table file to read")->required();
    command->add_option("-o,--output", o->output, "Table file to write");
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_option("--remove", o->remove, "Remove the colours of: releves, species or all")
        ->check(CLI::IsMember({"releves", "species", "all"}));
    command->add_option("--load-releves", o->loadReleves, "Relevé colour file (.clr) to load");
    command->add_option("--match", o->match,
                        "How relevé colour lines find their relevé: running (number, for the same table; the "
                        "default) or turboveg (number, for another table of the same relevés)")
        ->check(CLI::IsMember({"running", "turboveg"}));
    command->add_option("--load-species", o->loadSpecies, "Species colour file (.cls) to load");
    command->add_option("--save-releves", o->saveReleves, "Write the relevé colours to this file");
    command->add_option("--save-species", o->saveSpecies, "Write the species colours to this file");
    command->callback([o, &context] { runColours(*o, context); });
}

}  // namespace zembu::cli
