// zembu-cli cocktail-stats IN.vod --species NAME...: the member statistics of
// a Cocktail group made of the named species, and the automatic m.

#include <CLI/CLI.hpp>

#include "classification/cocktail_statistics.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct CocktailStatsOptions {
    std::string file;
    std::vector<std::string> species;
};

void runCocktailStats(const CocktailStatsOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    classification::WorkingGroup group;
    for (const std::string& name : o.species) {
        const int32_t row = classification::firstRowNamed(ws->table, core::utf8ToCodePage(name));
        if (row == 0) {
            refuse(context, ui, "The species " + name + " is not in the table.");
            return;
        }
        group.members.push_back(classification::memberOfRow(ws->table, row));
        // As in the dialog, the species added last is the current row.
        ws->CurrentRow = row;
    }
    const classification::MemberStatistics statistics =
        classification::pravdepodobnost(ws->table, ws->CurrentRow, group, ui);
    if (statistics.stopped) {
        context.exitCode = 1;
        return;
    }
    for (const std::string& line : statistics.lines) context.out << line << '\n';
    context.out << "m\t" << group.minimumSpecies << '\n';
}

}  // namespace

void installCocktailStatsCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<CocktailStatsOptions>();
    CLI::App* command = app.add_subcommand(
        "cocktail-stats",
        "Member statistics of a Cocktail species group: for k = 1.. the relevés holding at least k members, "
        "observed / expected and their ratio (a dashed line before the first ratio above 1), then the "
        "automatic minimum number of members m.");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--species", o->species, "Names of the group's species (the first row of each name)")
        ->required();
    command->callback([o, &context] { runCocktailStats(*o, context); });
}

}  // namespace zembu::cli
