// zembu-cli transform IN.vod -o OUT.vod: Table → Transformation on a table
// file: every cell becomes 2 % or 1 % by its species' threshold.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/workspace.h"
#include "import/cover_definitions.h"

namespace zembu::cli {

namespace {

struct TransformOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
};

void runTransform(const TransformOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    import::tabltransf(ws->table);
    writeResult(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installTransformCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<TransformOptions>();
    CLI::App* command = app.add_subcommand(
        "transform",
        "Table → Transformation: every cell becomes cover 2 % when its percentage reaches its species' threshold "
        "(the number in the row's layer label) and 1 % otherwise.");
    addTableFileOptions(command, o->input, o->output, o->replaceCompanions);
    command->callback([o, &context] { runTransform(*o, context); });
}

}  // namespace zembu::cli
