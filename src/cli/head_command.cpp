// zembu-cli head IN.vod --by KIND [ARG]: the table head a Head menu item (or
// Form17's axis labels, or Form49) computes, per relevé in column order.

#include <CLI/CLI.hpp>

#include "analysis/diversity_indices.h"
#include "analysis/heat_load.h"
#include "analysis/indicator_means.h"
#include "analysis/indicator_table.h"
#include "analysis/species_heads.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/palette.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct HeadOptions {
    std::string file;
    std::vector<std::string> by;
    std::string speciesColour = "black";
    bool weighted = false;
    std::string indicatorTable;
    std::string match = "number";
};

const std::pair<const char*, analysis::SpeciesHead> SpeciesHeads[] = {
    {"count", analysis::SpeciesHead::Count},     {"sum", analysis::SpeciesHead::Sum},
    {"average", analysis::SpeciesHead::Mean},    {"pass", analysis::SpeciesHead::Percentage},
};

constexpr const char* HeadChoices =
    "count, sum, average, pass, species-data minimum|maximum, shannon, evenness pielou|evar, heat-load MODEL, "
    "radiation MODEL or indicator AXIS";

// Kinds of head that take no argument.
bool takesNoArgument(std::string_view kind) {
    for (const auto& [name, head] : SpeciesHeads)
        if (kind == name) return true;
    return kind == "shannon";
}

bool takesArgument(std::string_view kind) {
    return kind == "species-data" || kind == "evenness" || kind == "heat-load" || kind == "radiation" ||
           kind == "indicator";
}

const char* const AxisNames[] = {"light", "temperature", "continentality", "moisture", "reaction", "nutrients"};

// Axis 1..6 from its number or name; 0 when neither.
int axisOf(std::string_view text) {
    const std::string name = core::lowerAscii(core::trim(text));
    for (int a = 1; a <= 6; ++a)
        if (name == std::to_string(a) || name == AxisNames[a - 1] || (a == 5 && name == "soil-reaction")) return a;
    return 0;
}

// The argument after the kind, or a refusal naming the choices.
std::optional<std::string> argumentOf(const HeadOptions& o, const char* choices, CliContext& context,
                                      core::Interaction& ui) {
    if (o.by.size() == 2) return o.by[1];
    refuse(context, ui, "--by " + o.by[0] + " needs " + choices + ".");
    return std::nullopt;
}

// Computes the head; false when it was refused.
bool computeHead(const HeadOptions& o, core::Workspace& ws, CliContext& context, core::Interaction& ui) {
    const std::string& kind = o.by[0];
    for (const auto& [name, head] : SpeciesHeads)
        if (kind == name) return analysis::speciesDataHead(ws, ui, head);
    if (kind == "species-data") {
        const auto extreme = argumentOf(o, "minimum or maximum", context, ui);
        if (!extreme) return false;
        if (*extreme != "minimum" && *extreme != "maximum") {
            refuse(context, ui, "--by species-data needs minimum or maximum, not " + *extreme + ".");
            return false;
        }
        return analysis::specdatahlavicka(ws, ui, *extreme == "minimum" ? analysis::SpeciesHead::Minimum
                                                                         : analysis::SpeciesHead::Maximum);
    }
    if (kind == "shannon") {
        analysis::sh_store_Click(ws);
        return true;
    }
    if (kind == "evenness") {
        const auto index = argumentOf(o, "pielou or evar", context, ui);
        if (!index) return false;
        if (*index != "pielou" && *index != "evar") {
            refuse(context, ui, "--by evenness needs pielou or evar, not " + *index + ".");
            return false;
        }
        analysis::even_Click(ws, *index == "pielou" ? 0 : 1);
        return true;
    }
    if (kind == "heat-load" || kind == "radiation") {
        const auto model = argumentOf(o, "a model 1, 2 or 3", context, ui);
        if (!model) return false;
        if (*model != "1" && *model != "2" && *model != "3") {
            refuse(context, ui, "--by " + kind + " needs a model 1, 2 or 3, not " + *model + ".");
            return false;
        }
        analysis::Form49_Command1_Click(ws, ui, std::stoi(*model) - 1,
                                        kind == "heat-load" ? analysis::HeatLoad : analysis::Radiation);
        return true;
    }
    // indicator AXIS (the kinds were checked before)
    const auto axisText = argumentOf(o, "an axis 1-6 or light, temperature, continentality, moisture, reaction, nutrients",
                                     context, ui);
    if (!axisText) return false;
    const int axis = axisOf(*axisText);
    if (axis == 0) {
        refuse(context, ui, "--by indicator needs an axis 1-6 or light, temperature, continentality, moisture, "
                            "reaction, nutrients, not " + *axisText + ".");
        return false;
    }
    if (!o.indicatorTable.empty() && !assignIndicatorTable(ws.table, o.indicatorTable, o.match == "name", context, ui))
        return false;
    analysis::Form17_Command2_Click(ws, ui, o.weighted ? analysis::MeanMode::Weighted : analysis::MeanMode::Plain,
                                    axis);
    return true;
}

void runHead(const HeadOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const std::optional<int> colour = colourOption(o.speciesColour, "--species-colour", context, ui);
    if (!colour) return;
    if (*colour == core::AllColours) {
        refuse(context, ui, "--species-colour takes one colour, not all.");
        return;
    }
    const std::string& kind = o.by[0];
    if (!takesNoArgument(kind) && !takesArgument(kind)) {
        refuse(context, ui, "Unknown head " + kind + ": use " + HeadChoices + ".");
        return;
    }
    if (takesNoArgument(kind) && o.by.size() > 1) {
        refuse(context, ui, "--by " + kind + " takes no argument.");
        return;
    }
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    ws->speciesColourBox = *colour;
    if (!computeHead(o, *ws, context, ui)) {
        context.exitCode = 1;
        return;
    }
    printHeads(ws->table, context.out);
}

}  // namespace

void installHeadCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<HeadOptions>();
    CLI::App* command = app.add_subcommand(
        "head",
        "The table head a Head menu item computes, for every relevé in column order: its running number, a "
        "tab and its head text. Species-data heads work on the species of --species-colour: count (how many "
        "grow in the relevé), sum (of their covers), average (their mean cover), pass (their percentage of "
        "the relevé's cover), species-data minimum|maximum (their smallest or largest cover). Index heads: "
        "shannon, evenness pielou|evar, heat-load MODEL and radiation MODEL (1-3, from the LATITUDE, SLOPE "
        "and ASPECT header fields), indicator AXIS (the mean indicator value of axis 1-6 or its name).");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--by", o->by, std::string("The head: ") + HeadChoices)->required()->expected(1, 2);
    command->add_option("--species-colour", o->speciesColour,
                        std::string("Colour of the species the species-data heads work on: ") + ColourNames +
                            " (default black)");
    command->add_flag("--weighted", o->weighted, "indicator: weight the values by the numbers in the layer labels");
    command->add_option("--indicator-table", o->indicatorTable,
                        "indicator: assign the values of this indicator table first (59-byte records)");
    command->add_option("--match", o->match, "indicator: match the indicator table's species by number or name")
        ->check(CLI::IsMember({"number", "name"}));
    command->callback([o, &context] { runHead(*o, context); });
}

}  // namespace zembu::cli
