// zembu-cli delete-releves and separators: the Relevés menu's deletion and
// the Separators menu's commands on a table file, written as a new file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/workspace.h"
#include "view/releve_deletion.h"
#include "view/separators.h"

namespace zembu::cli {

namespace {

struct ReleveCommandOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string action;
    std::string releveColour = "white";
    std::string head;
    int64_t groups = 0;
    std::string which = "level";
    int32_t column = 0;
    int level = 1;
    bool hierarchy = false;
};

// Writes the table and prints the relevé and separator counts.
void finish(core::Workspace& ws, CommandLineInteraction& ui, const ReleveCommandOptions& o, CliContext& context) {
    const auto written = saveResult(ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    const core::Table& t = ws.table;
    int32_t separators = 0;
    for (int32_t k = 1; k < t.ReleveCount; ++k) separators += t.SeparatorAfter[k] != 0;
    context.out << "releves: " << t.ReleveCount << ", separators: " << separators << '\n';
    context.out << "written: " << *written << '\n';
}

std::unique_ptr<core::Workspace> openFor(const ReleveCommandOptions& o, CliContext& context) {
    auto ws = loadWorkspace(o.input, context);
    if (!ws) return nullptr;
    ws->separatorLevel = o.level;
    ws->separatorHierarchy = o.hierarchy;
    showHead(*ws, o.head);
    return ws;
}

void runDeleteReleves(const ReleveCommandOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err, core::Answer::Yes);
    const auto colour = oneColourOption(o.releveColour, "--releve-colour", context, ui);
    if (!colour) return;
    const auto ws = openFor(o, context);
    if (!ws) return;
    if (!view::deleteReleves(*ws, *colour, ui)) {
        context.exitCode = 1;
        return;
    }
    finish(*ws, ui, o, context);
}

// The Separators menu's commands; false when the action was refused.
bool runSeparatorAction(const ReleveCommandOptions& o, core::Workspace& ws, CommandLineInteraction& ui,
                        CliContext& context) {
    if (o.action == "colour-changes") {
        view::withcolo_Click(ws);
        return true;
    }
    if (o.action == "short-head") {
        view::withshor_Click(ws);
        return true;
    }
    if (o.action == "remove") {
        const int index = o.which == "level" ? 0 : o.which == "all" ? 1 : o.which == "from" ? 2 : 3;
        if (index >= 2) {
            if (o.column < 1 || o.column > ws.table.ReleveCount) {
                refuse(context, ui, "--which from and to need --column, a column of the table.");
                return false;
            }
            ws.CurrentReleve = ws.table.ReleveOrder[o.column].record;
        }
        view::delsep_Click(ws, index);
        return true;
    }
    const auto colour = oneColourOption(o.releveColour, "--releve-colour", context, ui);
    if (!colour) return false;
    if (o.action == "around-colour") {
        view::separatorsAroundColour(ws, *colour);
    } else if (o.action == "by-short-head") {
        view::divideByShortHeaders(ws, *colour);
    } else {  // equal-groups
        if (o.groups < 1 || o.groups > ws.table.ReleveCount) {
            refuse(context, ui, "Give --groups, a whole number from 1 to the number of relevés.");
            return false;
        }
        view::divideIntoEqualGroups(ws, *colour, o.groups);
    }
    return true;
}

void runSeparators(const ReleveCommandOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = openFor(o, context);
    if (!ws) return;
    if (!runSeparatorAction(o, *ws, ui, context)) {
        context.exitCode = 1;
        return;
    }
    finish(*ws, ui, o, context);
}

void addCommonOptions(CLI::App* command, ReleveCommandOptions& o) {
    addTableFileOptions(command, o.input, o.output, o.replaceCompanions);
    command->add_option("--level", o.level, "Current separator level (default 1)")->check(CLI::Range(1, 6));
    command->add_flag("--hierarchy", o.hierarchy,
                      "Separator hierarchy on: only separators of the current level or coarser count");
    command->add_option("--head", o.head, std::string("Head to show first: ") + ShownHeadNames)
        ->check(CLI::IsMember(ShownHeads));
}

}  // namespace

void installReleveCommands(CLI::App& app, CliContext& context) {
    auto deletion = std::make_shared<ReleveCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "delete-releves",
        "Delete the relevés of one colour as the Relevés menu does: their columns, cells and header records go, "
        "the other relevés are renumbered in their order, and a separator after a deleted relevé moves to the "
        "nearest relevé before it. Refused when every relevé would go.");
    addCommonOptions(command, *deletion);
    command->add_option("--releve-colour", deletion->releveColour,
                        std::string("Relevés to delete (default white): ") + ColourNames);
    command->callback([deletion, &context] { runDeleteReleves(*deletion, context); });

    auto separators = std::make_shared<ReleveCommandOptions>();
    command = app.add_subcommand(
        "separators",
        "Make or remove relevé separators as the Separators menu does and write the table: colour-changes "
        "(between relevés of different colours), short-head (between different short heads), around-colour "
        "(before and after every run of relevés of --releve-colour), equal-groups (--groups groups of equal size "
        "within the relevés of --releve-colour), by-short-head (within them, where the head value changes), "
        "remove (--which level, all, from or to --column). New separators take --level.");
    addCommonOptions(command, *separators);
    command->add_option("ACTION", separators->action,
                        "colour-changes, short-head, around-colour, equal-groups, by-short-head or remove")
        ->required()
        ->check(CLI::IsMember({"colour-changes", "short-head", "around-colour", "equal-groups", "by-short-head",
                               "remove"}));
    command->add_option("--releve-colour", separators->releveColour,
                        std::string("around-colour, equal-groups, by-short-head: the relevés (default white): ") +
                            ColourNames);
    command->add_option("--groups", separators->groups, "equal-groups: the number of groups");
    command->add_option("--which", separators->which,
                        "remove: level (the current level and finer; all with the hierarchy off), all (relevé "
                        "and species separators), from or to the relevé in --column")
        ->check(CLI::IsMember({"level", "all", "from", "to"}));
    command->add_option("--column", separators->column, "remove --which from|to: the selected relevé's column");
    command->callback([separators, &context] { runSeparators(*separators, context); });
}

}  // namespace zembu::cli
