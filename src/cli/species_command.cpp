// zembu-cli species IN.vod -o OUT.vod ACTION: the species editing commands of
// the Species menu on a table file, the result written to another file.

#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "core/workspace.h"
#include "editing/layer_combination.h"
#include "editing/species_commands.h"
#include "editing/species_rows.h"

namespace zembu::cli {

namespace {

struct SpeciesOptions {
    std::string input;
    std::string output;
    std::string action;
    std::string colour = "black";
    std::optional<std::string> name;
    std::optional<int> layer;
    std::vector<int> layers;
    std::optional<int> into;
    std::optional<int> threshold;
    std::vector<int32_t> rows;
    bool replaceCompanions = false;
};

const std::vector<std::string> Actions = {"merge",  "merge-same", "combine-layers", "divide",
                                          "delete", "undelete",   "add",            "rename"};

editing::LayerChoice layerChoice(const std::vector<int>& layers) {
    editing::LayerChoice choice{};
    if (layers.empty()) choice.fill(true);
    for (int layer : layers) choice[static_cast<size_t>(layer)] = true;
    return choice;
}

// Runs the action; false when it was refused (the reason is on standard error).
bool runAction(const SpeciesOptions& o, core::Workspace& ws, CommandLineInteraction& ui, CliContext& context) {
    const core::Table& t = ws.table;
    std::vector<int32_t> rows = o.rows;
    if (rows.empty() && o.action != "undelete" && o.action != "rename") {
        const auto colour = colourOption(o.colour, "--colour", context, ui);
        if (!colour) return false;
        rows = editing::rowsOfColour(t, *colour);
    }
    const auto nameText = [&](int32_t row) {
        return o.name ? core::utf8ToCodePage(*o.name) : std::string(core::trim(t.SpeciesInfo[row].name));
    };

    if (o.action == "merge") {
        if (rows.empty()) {
            refuse(context, ui, "There is no species to merge.");
            return false;
        }
        const int32_t first = *std::min_element(rows.begin(), rows.end());
        if (first < 1 || first > t.SpeciesCount) {
            refuse(context, ui, "Row " + std::to_string(first) + " is not a species row of the table.");
            return false;
        }
        return editing::aggregateRows(ws, ui, rows, nameText(first), o.layer.value_or(t.SpeciesLayer[first]))
            .has_value();
    }
    if (o.action == "merge-same") {
        const auto merged = editing::sloucenidruhu_auto(ws, ui, layerChoice(o.layers));
        if (merged) context.out << "merged: " << *merged << " species\n";
        return merged.has_value();
    }
    if (o.action == "combine-layers") {
        if (!editing::checkLayerChoice(ws, ui, o.layers.empty() ? editing::LayerChoice{} : layerChoice(o.layers),
                                       o.into))
            return false;
        editing::LayerCombination combination(t, layerChoice(o.layers), *o.into);
        const size_t offered = combination.count();
        const auto lines = combination.confirmAll(ws, ui);
        for (const std::string& line : lines) context.out << core::codePageToUtf8(line) << '\n';
        return lines.size() == offered;
    }
    if (o.action == "divide") {
        if (!o.threshold || *o.threshold < 2 || *o.threshold > 95) {
            refuse(context, ui, "Give --threshold, a whole number from 2 to 95.");
            return false;
        }
        return editing::divideRows(ws, ui, rows, *o.threshold).has_value();
    }
    if (o.action == "delete") return editing::deleteRows(ws, ui, rows);
    if (o.action == "undelete") {
        if (rows.empty())
            for (int32_t i = t.SpeciesCount + 1; i <= t.SpeciesRecordCount; ++i) rows.push_back(i);
        return editing::undeleteRows(ws, ui, rows);
    }
    if (o.action == "add") {
        if (!o.name || !o.layer) {
            refuse(context, ui, "Give the new species' --name and --layer.");
            return false;
        }
        return editing::addEmptySpecies(ws, ui, core::utf8ToCodePage(*o.name), *o.layer).has_value();
    }
    // rename
    if (rows.size() != 1 || rows.front() < 1 || rows.front() > t.SpeciesCount) {
        refuse(context, ui, "Give the one species row to change with --rows.");
        return false;
    }
    const int32_t row = rows.front();
    return editing::zmenjmen(ws, ui, row, nameText(row), o.layer.value_or(t.SpeciesLayer[row]));
}

void runSpecies(const SpeciesOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    // The table came from a file: the journal has its home.
    core::pushRecentFile(ws->settings, o.input);
    CommandLineInteraction ui(context.err, core::Answer::Yes);
    if (!runAction(o, *ws, ui, context)) {
        context.exitCode = 1;
        return;
    }
    const auto written = saveResult(*ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    context.out << "species: " << ws->table.SpeciesCount << " live, "
                << ws->table.SpeciesRecordCount - ws->table.SpeciesCount << " deleted\n";
    context.out << "written: " << *written << '\n';
}

}  // namespace

void installSpeciesCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<SpeciesOptions>();
    CLI::App* command = app.add_subcommand(
        "species",
        "Edit the species rows of a table as the Species menu does and write the result: merge the rows of a "
        "colour (or --rows) into one \"(S)\" row, merge-same species in --layers, combine-layers --layers into "
        "one layer --into, divide rows at a --threshold into \"(D)\" and \"(r)\" rows, delete or undelete rows, "
        "add an empty species, rename a row (--name, --layer). Merges and deletions are recorded in the table's "
        "species journal.");
    addTableFileOptions(command, o->input, o->output, o->replaceCompanions);
    command->add_option("ACTION", o->action, "merge, merge-same, combine-layers, divide, delete, undelete, add or rename")
        ->required()
        ->check(CLI::IsMember(Actions));
    command->add_option("--colour", o->colour,
                        std::string("Species colour the action works on: ") + ColourNames + "; default black");
    command->add_option("--name", o->name, "Name of the merged, added or renamed species");
    command->add_option("--layer", o->layer, "Layer of the merged, added or renamed species")->check(CLI::Range(0, 9));
    command->add_option("--layers", o->layers, "Layers to merge or combine, e.g. 1,2,3 (default: all)")
        ->delimiter(',')
        ->check(CLI::Range(0, 9));
    command->add_option("--into", o->into, "The layer combined rows go to")->check(CLI::Range(0, 9));
    command->add_option("--threshold", o->threshold, "Lowest cover (%) of a dominant occurrence, 2-95");
    command->add_option("--rows", o->rows, "Species rows to work on instead of a colour, e.g. 3,7,12")->delimiter(',');
    command->callback([o, &context] { runSpecies(*o, context); });
}

}  // namespace zembu::cli
