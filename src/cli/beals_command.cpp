// zembu-cli beals IN.vod --limit L -o OUT.txt: the Beals smoothing export.

#include <CLI/CLI.hpp>

#include "analysis/beals_smoothing.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/palette.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct BealsOptions {
    std::string file;
    std::string output;
    double limit = 0.1;
    int colour = core::AllColours;
};

void runBeals(const BealsOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    try {
        analysis::writeBealsFile(ws->table, o.colour, o.limit, o.output, ui);
    } catch (const core::ZembuError& e) {
        refuse(context, ui, e);
    }
}

}  // namespace

void installBealsCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<BealsOptions>();
    CLI::App* command = app.add_subcommand(
        "beals",
        "Beals smoothing: for every live species in every relevé of a colour, the chance that it occurs "
        "there from its co-occurrences in the whole table (plus 1 when present). Writes the values reaching "
        "the limit as lines \"TURBOVEG number;species number;layer;value\".");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--limit", o->limit, "Smallest value written, 0 to 0.999")
        ->required()
        ->check(CLI::Range(0.0, 0.999));
    command->add_option("--colour", o->colour, "Relevé colour 0..7 (0 uncoloured); 9, the default, for all relevés")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 5, 6, 7, 9}));
    command->add_option("-o,--output", o->output, "Output file")->required();
    command->callback([o, &context] { runBeals(*o, context); });
}

}  // namespace zembu::cli
