// zembu-cli indicator-means IN.vod [--table FILE --by number|name] [--export
// FILE [--groups]]: the mean indicator values of every relevé, and the export
// of the means ("ecol.txt").

#include <CLI/CLI.hpp>

#include "analysis/indicator_means.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct IndicatorMeansOptions {
    std::string file;
    std::string indicatorTable;
    std::string by = "number";
    bool weighted = false;
    std::string exportFile;
    bool groups = false;
    std::string releveColour = "all";
};

void runIndicatorMeans(const IndicatorMeansOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const std::optional<int> colour = colourOption(o.releveColour, "--releve-colour", context, ui);
    if (!colour) return;
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    if (!o.indicatorTable.empty() && !assignIndicatorTable(ws->table, o.indicatorTable, o.by == "name", context, ui))
        return;
    if (!o.exportFile.empty() && !analysis::writeEcologicalExport(*ws, o.exportFile, *colour, o.groups)) {
        refuse(context, ui, "The file " + o.exportFile + " cannot be written.", "Program Info");
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
        "The mean indicator values of every relevé, from the values the table file holds or, with --table, "
        "from an indicator table (59-byte records) assigned first. Prints the running number and the six "
        "means (light, temperature, continentality, moisture, soil reaction, nutrients) in column order; a "
        "relevé without species of a value keeps the mean its file holds. --export writes the plain means of "
        "the relevés of --releve-colour as the program's \"ecol.txt\" (with --groups: the group numbers in "
        "front, no Shannon-Wiener column).");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--table", o->indicatorTable, "Indicator table file");
    command->add_option("--by", o->by, "Match species by number or by name")
        ->check(CLI::IsMember({"number", "name"}));
    command->add_flag("--weighted", o->weighted, "Weight the values by the numbers in the layer labels");
    CLI::Option* exportOption = command->add_option("--export", o->exportFile, "Write the export of means to this file");
    command->add_flag("--groups", o->groups, "The export with the group numbers of the relevés")->needs(exportOption);
    command->add_option("--releve-colour", o->releveColour,
                        std::string("Colour of the relevés exported: ") + ColourNames + " (default all)");
    command->callback([o, &context] { runIndicatorMeans(*o, context); });
}

}  // namespace zembu::cli
