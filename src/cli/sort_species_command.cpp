// zembu-cli sort-species IN.vod -o OUT.vod --by ...: the species sorts of
// the Sorting menu on a table file, written as a new table file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "sorting/dependence_sorting.h"
#include "sorting/species_sort_commands.h"

namespace zembu::cli {

namespace {

struct SortSpeciesOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string by;
    std::string speciesColour = "all";
    std::string releveColour = "all";
    bool layerFirst = false;
    bool layerView = false;
    std::string mds = "1";
    int32_t minimumFrequency = 0;
    bool numeric = false;
    bool descending = false;
    bool keys = false;
};

void runSortSpecies(const SortSpeciesOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto species = colourOption(o.speciesColour, "--species-colour", context, ui);
    const auto releves = colourOption(o.releveColour, "--releve-colour", context, ui);
    if (!species || !releves) return;
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    ws->display.layerLabelMode = o.layerView ? 1 : 0;

    sorting::SortOutcome outcome;
    if (o.by == "releves") {
        outcome = sorting::tridenidruhu2(*ws, {*species, *releves, o.layerFirst}, ui);
    } else if (o.by == "alphabetical") {
        outcome = sorting::sortSpeciesAlphabetically(*ws, *species, ui);
    } else if (o.by == "median") {
        outcome = sorting::sortSpeciesByMedianCover(*ws, *species, ui);
    } else if (o.by == "richness") {
        outcome = sorting::sortSpeciesByRichness(*ws, *species, ui);
    } else if (o.by == "dependence") {
        const int mds = o.mds == "all" ? sorting::AllCommonOccurrences : std::stoi(o.mds);
        outcome = sorting::depesorting(*ws, {*species, mds, o.minimumFrequency}, ui);
    } else {
        outcome = sorting::sortSpeciesBySpeciesData(*ws, {*species, o.numeric, o.descending}, ui);
    }
    if (o.keys && outcome.sorted) printKeys(*ws, outcome, SortedDimension::Species, context.out);
    finishSort(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installSortSpeciesCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<SortSpeciesOptions>();
    CLI::App* command = app.add_subcommand(
        "sort-species",
        "Sort the species rows of a table file as the Sorting menu does and write the sorted table. Rows of "
        "other colours than --species-colour keep their places.");
    command->add_option("IN", o->input, "Table file to read")->required();
    command->add_option("-o,--output", o->output, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_option("--by", o->by,
                        "releves: occurrences in the relevés of --releve-colour (Sort Species); alphabetical; "
                        "median: median cover; richness: average vegetation richness; dependence; "
                        "species-data: the species data column (layer labels)")
        ->required()
        ->check(CLI::IsMember({"releves", "alphabetical", "median", "richness", "dependence", "species-data"}));
    command->add_option("--species-colour", o->speciesColour, std::string("Rows to sort (default all): ") + ColourNames);
    command->add_option("--releve-colour", o->releveColour,
                        std::string("--by releves: relevés whose occurrences count (default all): ") + ColourNames);
    command->add_flag("--layer-first", o->layerFirst, "--by releves: layers in ascending order first");
    command->add_flag("--layer-view", o->layerView,
                      "--by releves: layer labels show the layer digit afterwards (otherwise they are blanked, "
                      "as in the program without the layer view)");
    command->add_option("--mds", o->mds, "--by dependence: average of the 1, 3, 5 or 10 most dependent species, or all")
        ->check(CLI::IsMember({"1", "3", "5", "10", "all"}));
    command->add_option("--min-frequency", o->minimumFrequency, "--by dependence: minimum frequency of the species")
        ->check(CLI::NonNegativeNumber);
    command->add_flag("--numeric", o->numeric, "--by species-data: by the leading number instead of the text");
    command->add_flag("--descending", o->descending, "--by species-data: largest first");
    command->add_flag("--keys", o->keys, "Print each sorted row's final key (text keys in hexadecimal)");
    command->callback([o, &context] { runSortSpecies(*o, context); });
}

}  // namespace zembu::cli
