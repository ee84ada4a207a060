// zembu-cli synoptic IN.vod --type T: the synoptic table of a table file.

#include <CLI/CLI.hpp>

#include <memory>

#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "cli/table_reports.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "synoptic/synoptic_settings.h"

namespace zembu::cli {

namespace {

struct SynopticCommandOptions {
    SynopticFlags flags;
    std::string type;
    std::optional<int> form;
};

void runSynoptic(const SynopticCommandOptions& o, CliContext& context) {
    const int type = synopticTypeOf(o.type);
    const std::unique_ptr<core::Workspace> ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return;
    if (o.form) ws->settings.setValue(core::setting::FidelityDisplayTypeCombined, std::to_string(*o.form));
    printSynopticTable(*ws, type, context.out);
}

}  // namespace

void installSynopticCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SynopticCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "synoptic",
        "Synoptic table of a table file, groups from its separators: one line per live species row with "
        "its name, its layer and the cell text of every group (two columns per group in the combined table).");
    addSynopticFlags(*command, options->flags);
    addSynopticTypeOption(*command, options->type);
    command->add_option("--form", options->form, "Form 1..6 of the combined table")->check(CLI::Range(1, 6));
    command->callback([options, &context] { runSynoptic(*options, context); });
}

}  // namespace zembu::cli
