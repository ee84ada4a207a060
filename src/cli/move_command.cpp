// zembu-cli move IN.vod -o OUT.vod ACTION: the block moves of the Sorting
// menu: the species rows or relevés of one colour moved together.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/workspace.h"
#include "view/colour_commands.h"

namespace zembu::cli {

namespace {

struct MoveOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string action;
    std::string colour;
};

// The menu item of each action: species moves take the species colour box,
// relevé moves the relevé colour box.
struct MoveAction {
    const char* name;
    bool species;
    int index;
};
constexpr MoveAction MoveActions[] = {
    {"species-up", true, 0},          {"species-down", true, 1},
    {"releves-left", false, 0},       {"releves-right", false, 1},
    {"releves-left-in-groups", false, 2}, {"releves-right-in-groups", false, 3},
};

void runMove(const MoveOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto colour = oneColourOption(o.colour, "--colour", context, ui);
    if (!colour) return;
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    for (const MoveAction& action : MoveActions) {
        if (o.action != action.name) continue;
        if (action.species) {
            ws->speciesColourBox = *colour;
            view::naho_Click(*ws, action.index);
        } else {
            ws->releveColourBox = *colour;
            view::vlev_Click(*ws, action.index);
        }
    }
    writeResult(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installMoveCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<MoveOptions>();
    CLI::App* command = app.add_subcommand(
        "move",
        "Move the species rows or relevés of one colour together as Sorting → Move Species / Move Relevés does: "
        "species-up, species-down, releves-left, releves-right, or releves-left-in-groups / "
        "releves-right-in-groups (within each group between separators).");
    addTableFileOptions(command, o->input, o->output, o->replaceCompanions);
    std::vector<std::string> names;
    for (const MoveAction& action : MoveActions) names.emplace_back(action.name);
    command->add_option("ACTION", o->action, "species-up, species-down, releves-left, releves-right, "
                                              "releves-left-in-groups or releves-right-in-groups")
        ->required()
        ->check(CLI::IsMember(names));
    command->add_option("--colour", o->colour, std::string("The colour of the rows or relevés to move: ") + ColourNames)
        ->required();
    command->callback([o, &context] { runMove(*o, context); });
}

}  // namespace zembu::cli
