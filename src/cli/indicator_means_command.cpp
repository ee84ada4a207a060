// zembu-cli indicator-means IN.vod --table FILE --by number|name: the mean
// indicator values of every relevé after assigning an indicator table.

#include <CLI/CLI.hpp>

#include "analysis/indicator_means.h"
#include "analysis/indicator_table.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct IndicatorMeansOptions {
    std::string file;
    std::string indicatorTable;
    std::string by = "number";
    bool weighted = false;
};

void runIndicatorMeans(const IndicatorMeansOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    try {
        const auto records = analysis::readIndicatorTable(o.indicatorTable);
        if (o.by == "name") analysis::assignIndicatorValuesByName(ws->table, records);
        else analysis::assignIndicatorValuesByNumber(ws->table, records);
    } catch (const core::ZembuError& e) {
        refuse(context, ui, e);
        return;
    }
    analysis::Form17_Command2_Click(*ws, ui, o.weighted ? analysis::MeanMode::Weighted : analysis::MeanMode::Plain,
                                    std::nullopt);
    const core::Table& t = ws->table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        context.out << rec;
        for (int32_t mean : t.ReleveIndicatorMean[rec]) context.out << '\t' << core::formatNumber(mean / 1000.0, "0.000");
        context.out << '\n';
    }
}

}  // namespace

void installIndicatorMeansCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<IndicatorMeansOptions>();
    CLI::App* command = app.add_subcommand(
        "indicator-means",
        "Assigns the indicator values of an indicator table (59-byte records) to the species and computes "
        "the mean indicator values of every relevé. Prints the running number and the six means (light, "
        "temperature, continentality, moisture, soil reaction, nutrients) in column order; a relevé without "
        "species of a value keeps the mean its file holds.");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--table", o->indicatorTable, "Indicator table file")->required();
    command->add_option("--by", o->by, "Match species by number or by name")
        ->check(CLI::IsMember({"number", "name"}));
    command->add_flag("--weighted", o->weighted, "Weight the values by the numbers in the layer labels");
    command->callback([o, &context] { runIndicatorMeans(*o, context); });
}

}  // namespace zembu::cli
