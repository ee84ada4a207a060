// zembu-cli cocktail-stats and cocktail-group: a Cocktail species group made
// of named species, its member statistics and automatic m, and the group
// stored in the table's group list and written into the table as a row.

#include <CLI/CLI.hpp>

#include "classification/cocktail_group_list.h"
#include "classification/cocktail_statistics.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

// The working group of the named species (the first row of each name); as in
// the dialog, the species added last becomes the current row. Refuses a name
// the table lacks.
std::optional<classification::WorkingGroup> groupOfSpecies(core::Workspace& ws, const std::vector<std::string>& names,
                                                           CliContext& context, core::Interaction& ui) {
    classification::WorkingGroup group;
    for (const std::string& name : names) {
        const int32_t row = classification::firstRowNamed(ws.table, core::utf8ToCodePage(name));
        if (row == 0) {
            refuse(context, ui, "The species " + name + " is not in the table.");
            return std::nullopt;
        }
        group.members.push_back(classification::memberOfRow(ws.table, row));
        ws.CurrentRow = row;
    }
    return group;
}

struct CocktailStatsOptions {
    std::string file;
    std::vector<std::string> species;
};

void runCocktailStats(const CocktailStatsOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    auto group = groupOfSpecies(*ws, o.species, context, ui);
    if (!group) return;
    const classification::MemberStatistics statistics =
        classification::pravdepodobnost(ws->table, ws->CurrentRow, *group, ui);
    if (statistics.stopped) {
        context.exitCode = 1;
        return;
    }
    for (const std::string& line : statistics.lines) context.out << line << '\n';
    context.out << "m\t" << group->minimumSpecies << '\n';
}

struct CocktailGroupOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string name;
    std::vector<std::string> species;
    std::optional<int> minimum;
    bool row = false;
};

void runCocktailGroup(const CocktailGroupOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err, core::Answer::Yes);
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    auto group = groupOfSpecies(*ws, o.species, context, ui);
    if (!group) return;
    group->name = core::utf8ToCodePage(o.name);
    if (o.minimum) {
        // "Manual setting": m as given.
        group->manualSetting = true;
        group->minimumSpecies = *o.minimum;
    } else if (classification::pravdepodobnost(ws->table, ws->CurrentRow, *group, ui).stopped) {
        context.exitCode = 1;
        return;
    }
    if (!classification::storeGroup(ws->table, *group, group->name, ui)) {
        context.exitCode = 1;
        return;
    }
    std::optional<int32_t> row;
    if (o.row) {
        row = classification::addGroupRow(*ws, ui, *group);
        if (!row) {
            context.exitCode = 1;
            return;
        }
    }
    const auto written = saveResult(*ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    context.out << "group: " << o.name << ", members: " << group->members.size() << ", m: " << group->minimumSpecies
                << '\n';
    if (row) context.out << "row: " << *row << '\n';
    context.out << "written: " << *written << '\n';
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

void installCocktailGroupCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<CocktailGroupOptions>();
    CLI::App* command = app.add_subcommand(
        "cocktail-group",
        "Store a Cocktail species group of the named species in the table's group list (a group of that name "
        "is replaced) and write the table; with --row also add the group row \"### NAME\", present in every "
        "relevé holding at least m members. m is the automatic value of the member statistics unless --min "
        "sets it.");
    addTableFileOptions(command, o->input, o->output, o->replaceCompanions);
    command->add_option("--name", o->name, "The group's name (at most 38 characters)")->required();
    command->add_option("--species", o->species, "Names of the group's species (the first row of each name)")
        ->required();
    command->add_option("--min", o->minimum, "m, the members a relevé must hold (manual setting)")
        ->check(CLI::Range(1, 200));
    command->add_flag("--row", o->row, "Add the group row into the table");
    command->callback([o, &context] { runCocktailGroup(*o, context); });
}

}  // namespace zembu::cli
