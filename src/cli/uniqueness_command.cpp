// zembu-cli uniqueness IN.vod --group H --cut T: the uniqueness of a relevé group.

#include <CLI/CLI.hpp>

#include <memory>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "cli/table_reports.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct UniquenessOptions {
    SynopticFlags flags;
    int group = 1;
    double cut = 0;
};

void runUniqueness(const UniquenessOptions& o, CliContext& context) {
    const std::unique_ptr<core::Workspace> ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return;
    if (!printUniqueness(*ws, o.group, o.cut, context.out)) {
        CommandLineInteraction ui(context.err);
        refuse(context, ui, "The table has no group " + std::to_string(o.group));
    }
}

}  // namespace

void installUniquenessCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<UniquenessOptions>();
    CLI::App* command = app.add_subcommand(
        "uniqueness",
        "Uniqueness of a relevé group: the line \"Uniqueness\" with its value, then per group its number, "
        "the asymmetric similarity index to the chosen group and the species average.");
    addSynopticFlags(*command, options->flags);
    command->add_option("--group", options->group, "The chosen group, 1..K")->required();
    command->add_option("--cut", options->cut, "Fidelity cut level: fidelities below it count as 0")->required();
    command->callback([options, &context] { runUniqueness(*options, context); });
}

}  // namespace zembu::cli
