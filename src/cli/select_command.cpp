// zembu-cli select IN.vod --formula TEXT: the relevés a selection formula
// selects; with -o, "Make selection": they are coloured and the table written.

#include <CLI/CLI.hpp>

#include "classification/releve_formula.h"
#include "classification/releve_selection.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct SelectOptions {
    std::string file;
    std::string formula;
    bool definition = false;
    std::string output;
    std::string releveColour = "red";
    bool replaceCompanions = false;
};

// Colours the selected relevés and writes the table.
void colourSelection(const SelectOptions& o, core::Workspace& ws, CommandLineInteraction& ui, CliContext& context) {
    const auto colour = oneColourOption(o.releveColour, "--releve-colour", context, ui);
    if (!colour) return;
    const auto count = classification::makeSelection(ws, ui, core::utf8ToCodePage(o.formula), *colour);
    if (!count) {
        context.exitCode = 1;
        return;
    }
    const auto written = saveResult(ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    context.out << "selected: " << *count << '\n' << "written: " << *written << '\n';
}

void runSelect(const SelectOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    if (!o.output.empty()) {
        colourSelection(o, *ws, ui, context);
        return;
    }
    const classification::FormulaParse parse = classification::parseFormula(ws->table, core::utf8ToCodePage(o.formula));
    if (!parse.ok()) {
        refuse(context, ui, parse.error.text, parse.error.title);
        return;
    }
    if (o.definition) {
        for (const std::string& line : classification::describeFormula(*parse.formula)) context.out << line << '\n';
        return;
    }
    const std::vector<char> selected = classification::evaluateFormula(ws->table, *parse.formula);
    for (int32_t k = 1; k <= ws->table.ReleveCount; ++k)
        if (selected[static_cast<size_t>(k)]) context.out << ws->table.ReleveOrder[k].record << '\n';
}

}  // namespace

void installSelectCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<SelectOptions>();
    CLI::App* command = app.add_subcommand(
        "select",
        "Relevés selected by a formula of terms <species name> or <### group name> (optionally with UPnn, "
        "a cover above nn %) joined by AND, OR and NOT, with parentheses for every change of operator. "
        "Prints the running numbers of the selected relevés in column order; with -o, colours them (Make "
        "selection) and writes the table.");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--formula", o->formula, "The formula")->required();
    command->add_flag("--definition", o->definition, "Print the formula's structure instead of the relevés");
    command->add_option("-o,--output", o->output, "Colour the selected relevés and write the table to this file");
    command->add_option("--releve-colour", o->releveColour,
                        std::string("-o: the colour the selected relevés take (default red): ") + ColourNames);
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->callback([o, &context] { runSelect(*o, context); });
}

}  // namespace zembu::cli
