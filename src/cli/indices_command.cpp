// zembu-cli indices IN.vod --index NAME: a diversity or site index of every relevé.

#include <CLI/CLI.hpp>

#include "analysis/diversity_indices.h"
#include "analysis/heat_load.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct IndicesOptions {
    std::string file;
    std::string index;
    int model = 1;
};

void runIndices(const IndicesOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    if (o.index == "shannon") analysis::sh_store_Click(*ws);
    else if (o.index == "pielou") analysis::even_Click(*ws, 0);
    else if (o.index == "evar") analysis::even_Click(*ws, 1);
    else
        analysis::Form49_Command1_Click(*ws, ui, o.model - 1,
                                        o.index == "heatload" ? analysis::HeatLoad : analysis::Radiation);
    printHeads(ws->table, context.out);
}

}  // namespace

void installIndicesCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<IndicesOptions>();
    CLI::App* command = app.add_subcommand(
        "indices",
        "A per-relevé index as the table head shows it: Shannon-Wiener, Pielou's or Smith and Wilson's "
        "evenness, or the potential direct irradiation or heat load from the LATITUDE, SLOPE and ASPECT "
        "header fields. Prints the running number and the head text of every relevé in column order.");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--index", o->index, "shannon, pielou, evar, radiation or heatload")
        ->required()
        ->check(CLI::IsMember({"shannon", "pielou", "evar", "radiation", "heatload"}));
    command->add_option("--model", o->model, "Irradiation model 1..3 (1 and 2 give logarithms)")
        ->check(CLI::Range(1, 3));
    command->callback([o, &context] { runIndices(*o, context); });
}

}  // namespace zembu::cli
