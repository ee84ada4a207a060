// zembu-cli cocktail-export IN.vod -o groups.txt [--names]: the Cocktail
// species groups kept with a table, written as the group file.

#include <CLI/CLI.hpp>

#include "classification/cocktail_group_list.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct CocktailExportOptions {
    std::string file;
    std::string output;
    bool names = false;
};

void runCocktailExport(const CocktailExportOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    CommandLineInteraction ui(context.err);
    if (!classification::writeGroupsFile(ws->table, o.output, o.names, ui)) {
        context.exitCode = 1;
        return;
    }
    context.out << "groups: " << ws->table.SpeciesGroups.size() << '\n' << "written: " << o.output << '\n';
}

}  // namespace

void installCocktailExportCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<CocktailExportOptions>();
    CLI::App* command = app.add_subcommand(
        "cocktail-export",
        "Write the Cocktail species groups of a table: one line per group, its name, the number of members and "
        "the members' identity codes (with --names each preceded by the species name), separated by \";\".");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("-o,--output", o->output, "The group file to write (for example groups.txt)")->required();
    command->add_flag("--names", o->names, "Write the species names too");
    command->callback([o, &context] { runCocktailExport(*o, context); });
}

}  // namespace zembu::cli
