// zembu-cli expert-save, expert-apply and expert-classify: the expert system
// file written from a table, its species aggregations applied to a table, and
// the relevés classified by its unit definitions.

#include <CLI/CLI.hpp>

#include "classification/expert_system.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct ExpertOptions {
    std::string table;
    std::string expertFile;
    std::string output;
    bool replaceCompanions = false;
};

std::optional<classification::ExpertSystem> readExpert(const std::string& file, CliContext& context,
                                                       core::Interaction& ui) {
    try {
        return classification::readExpertSystemFile(file);
    } catch (const core::ZembuError& e) {
        refuse(context, ui, e);
        return std::nullopt;
    }
}

void runSave(const ExpertOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.table, context);
    if (!ws) return;
    CommandLineInteraction ui(context.err);
    const auto lines = classification::expertSystemLines(ws->journal.lines(), ws->table.SpeciesGroups);
    if (!classification::writeExpertLines(o.output, lines)) {
        refuse(context, ui, "The file " + o.output + " cannot be written.");
        return;
    }
    context.out << "written: " << o.output << '\n';
}

void runApply(const ExpertOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.table, context);
    if (!ws) return;
    CommandLineInteraction ui(context.err);
    const auto system = readExpert(o.expertFile, context, ui);
    if (!system) return;
    core::pushRecentFile(ws->settings, o.table);  // the journal's table file
    const auto report = classification::applyExpertAggregations(*ws, ui, *system);
    if (!report) {
        context.exitCode = 1;
        return;
    }
    for (const std::string& line : report->lines) context.out << line << '\n';
    const auto written = saveResult(*ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    context.out << "aggregations applied: " << report->applied << '\n' << "written: " << *written << '\n';
}

void runClassify(const ExpertOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.table, context);
    if (!ws) return;
    CommandLineInteraction ui(context.err);
    const auto system = readExpert(o.expertFile, context, ui);
    if (!system) return;
    if (system->units.empty()) {
        refuse(context, ui, "Section 3 of the expert system file holds no group definition.");
        return;
    }
    const classification::ClassificationOutcome outcome = classification::classifyReleves(ws->table, *system);
    if (!outcome.classification) {
        refuse(context, ui, core::codePageToUtf8(outcome.unit) + ": " + outcome.error.text, outcome.error.title);
        return;
    }
    const core::Table& t = ws->table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int unit = outcome.classification->unitOfColumn[static_cast<size_t>(k)];
        context.out << t.ReleveOrder[k].record << '\t'
                    << (unit < 0 ? std::string("---")
                                 : core::codePageToUtf8(outcome.classification->units[static_cast<size_t>(unit)]))
                    << '\n';
    }
}

}  // namespace

void installExpertCommands(CLI::App& app, CliContext& context) {
    auto save = std::make_shared<ExpertOptions>();
    CLI::App* command = app.add_subcommand(
        "expert-save",
        "Write the expert system file of a table: its species aggregations (from the species journal), its "
        "Cocktail species groups and an empty section for the unit definitions.");
    command->add_option("IN", save->table, "Table file")->required();
    command->add_option("-o,--output", save->output, "Expert system file to write")->required();
    command->callback([save, &context] { runSave(*save, context); });

    auto apply = std::make_shared<ExpertOptions>();
    command = app.add_subcommand(
        "expert-apply",
        "Apply the species aggregations of an expert system file to a table and write the result. Prints each "
        "merged species as \"old -> new\" and the species the table lacks.");
    command->add_option("IN", apply->table, "Table file")->required();
    command->add_option("ESY", apply->expertFile, "Expert system file")->required();
    command->add_option("-o,--output", apply->output, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, apply->replaceCompanions, ReplaceCompanionsHelp);
    command->callback([apply, &context] { runApply(*apply, context); });

    auto classify = std::make_shared<ExpertOptions>();
    command = app.add_subcommand(
        "expert-classify",
        "Classify the relevés of a table by the unit definitions (name = formula) of an expert system file. "
        "Prints one line per relevé in column order: its running number, a tab and its unit (the first unit "
        "whose formula holds; --- for none).");
    command->add_option("IN", classify->table, "Table file")->required();
    command->add_option("ESY", classify->expertFile, "Expert system file")->required();
    command->callback([classify, &context] { runClassify(*classify, context); });
}

}  // namespace zembu::cli
