// zembu-cli sort-species IN.vod -o OUT.vod --by ...: the species sorts of
// the Sorting menu on a table file, written as a new table file; with
// --criterion, the sorts of a synoptic table (Form44).

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "cli/synoptic_options.h"
#include "core/releve_groups.h"
#include "sorting/dependence_sorting.h"
#include "sorting/species_sort_commands.h"
#include "sorting/synoptic_sorting.h"

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
    // Synoptic tables.
    std::string synopticType;
    std::string criterion;
    std::optional<int32_t> byColumn;
    std::optional<double> entireDataset;
    bool exceptLastColumn = false;
    SynopticFlags flags;
};

// Form44 on the table: by one column or into blocks.
sorting::SortOutcome sortBySynopticCriterion(core::Workspace& ws, const SortSpeciesOptions& o, int species,
                                             CommandLineInteraction& ui) {
    const sorting::SynopticCriterion criterion = *sorting::criterionNamed(o.criterion);
    if (o.byColumn) return sorting::single_column(ws, criterion, *o.byColumn, species, ui);
    return sorting::entireDatasetWithLimit(ws, criterion, o.exceptLastColumn, species, *o.entireDataset, ui);
}

// Which sort the options ask for; a refusal text when they do not name exactly one.
std::string sortProblem(const SortSpeciesOptions& o) {
    if (o.by.empty() == o.criterion.empty()) return "Give either --by or --criterion";
    if (!o.criterion.empty() && o.byColumn.has_value() == o.entireDataset.has_value())
        return "--criterion needs either --by-column or --entire-dataset";
    return {};
}

void runSortSpecies(const SortSpeciesOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto species = colourOption(o.speciesColour, "--species-colour", context, ui);
    const auto releves = colourOption(o.releveColour, "--releve-colour", context, ui);
    if (!species || !releves) return;
    if (const std::string problem = sortProblem(o); !problem.empty()) {
        refuse(context, ui, problem);
        return;
    }
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    ws->display.layerLabelMode = o.layerView ? 1 : 0;
    if (!o.synopticType.empty() || !o.criterion.empty()) {
        if (const auto problem = applySynopticFlags(o.flags, *ws)) {
            refuse(context, ui, *problem);
            return;
        }
        ws->synopticType = o.synopticType.empty() ? 0 : synopticTypeOf(o.synopticType);
    }

    sorting::SortOutcome outcome;
    if (!o.criterion.empty()) {
        const std::vector<int32_t> groups =
            core::groupNumbersOf(ws->table, ws->separatorHierarchy, ws->separatorLevel);
        const int32_t K = ws->table.ReleveCount > 0 ? groups[static_cast<size_t>(ws->table.ReleveCount)] : 0;
        if (o.byColumn && *o.byColumn > K) {
            refuse(context, ui, "The table has no group " + std::to_string(*o.byColumn));
            return;
        }
        outcome = sortBySynopticCriterion(*ws, o, *species, ui);
    } else if (o.by == "releves") {
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
                        "species-data: the species data column (layer labels); or give --criterion")
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
    command->add_option("--synoptic", o->synopticType,
                        std::string("The synoptic view shown while sorting (--by releves sorts by the group "
                                    "constancies in views 1-3): ") + SynopticTypeHelp)
        ->check(synopticTypeProblem);
    command->add_option("--criterion", o->criterion,
                        "Sort by a synoptic value (Sort Species in Synoptic Table): barkman, fidelity, maximum, "
                        "frequency, average, median, modus or zlatnik")
        ->check(CLI::IsMember({"barkman", "fidelity", "maximum", "frequency", "average", "median", "modus", "zlatnik"}));
    command->add_option("--by-column", o->byColumn, "--criterion: sort by the value in this group (single column)")
        ->check(CLI::PositiveNumber);
    command->add_option("--entire-dataset", o->entireDataset,
                        "--criterion: blocks of the species whose highest value reaches this limit, group by group");
    command->add_flag("--except-last-column", o->exceptLastColumn, "--entire-dataset: no block for the last group");
    addSynopticSettingFlags(*command, o->flags);
    command->callback([o, &context] { runSortSpecies(*o, context); });
}

}  // namespace zembu::cli
