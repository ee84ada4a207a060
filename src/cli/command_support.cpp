#include "cli/command_support.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include "analysis/indicator_table.h"
#include "cli/cli_interaction.h"
#include "core/errors.h"
#include "core/head_modes.h"
#include "core/text.h"
#include "core/table_file.h"
#include "view/separators.h"

namespace zembu::cli {

std::unique_ptr<core::Workspace> loadWorkspace(const std::string& file, CliContext& context) {
    auto ws = std::make_unique<core::Workspace>();
    CommandLineInteraction ui(context.err);
    if (!core::loadTableFile(*ws, ui, file, core::CapacityPolicy::FitFile)) {
        context.exitCode = 1;
        return nullptr;
    }
    return ws;
}

void refuse(CliContext& context, core::Interaction& ui, std::string_view text, std::string_view title) {
    ui.message(text, title, core::MessageIcon::Critical);
    context.exitCode = 1;
}

void refuse(CliContext& context, core::Interaction& ui, const core::ZembuError& error) {
    refuse(context, ui, error.what(), error.title());
}

bool assignIndicatorTable(core::Table& table, const std::string& file, bool byName, CliContext& context,
                          core::Interaction& ui) {
    try {
        analysis::assignIndicatorValues(table, analysis::readIndicatorRecords(file, ui), byName);
        return true;
    } catch (const core::ZembuError& e) {
        refuse(context, ui, e);
        return false;
    }
}

void printHeads(const core::Table& table, std::ostream& out) {
    for (int32_t k = 1; k <= table.ReleveCount; ++k) {
        const int32_t rec = table.ReleveOrder[k].record;
        out << rec << '\t' << core::trim(table.ReleveHead[rec]) << '\n';
    }
}

void fitCapacities(core::Table& table, int32_t releves, int32_t species) {
    if (releves > table.MaxReleves || species > table.MaxSpecies)
        table.setCapacities(std::max(releves, table.MaxReleves), std::max(species, table.MaxSpecies));
}

std::optional<std::string> saveTable(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file,
                                     bool replaceCompanions) {
    const std::vector<std::filesystem::path> foreign = core::foreignCompanions(file);
    if (!foreign.empty() && !replaceCompanions) {
        std::string names;
        for (const auto& f : foreign) names += (names.empty() ? "" : " and ") + f.string();
        ui.message(names + (foreign.size() == 1 ? " belongs" : " belong") + " to no table file and would be " +
                       "replaced or deleted by the header data of " + core::finalSaveName(file) +
                       "; nothing was written. Give " + ReplaceCompanionsFlag + " to replace " +
                       (foreign.size() == 1 ? "it." : "them."),
                   "zembu-cli", core::MessageIcon::Critical);
        return std::nullopt;
    }
    ui.setAnswer(core::Answer::Yes);  // the question about them is answered by the flag
    const auto written = core::savetabl(ws, ui, file);
    ui.setAnswer(core::Answer::No);
    return written;
}

std::optional<std::string> saveResult(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file,
                                      bool replaceCompanions, CliContext& context) {
    auto written = saveTable(ws, ui, file, replaceCompanions);
    if (!written) context.exitCode = 1;
    return written;
}

void writeResult(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, bool replaceCompanions,
                 CliContext& context) {
    if (const auto written = saveResult(ws, ui, file, replaceCompanions, context))
        context.out << "written: " << *written << '\n';
}

void addTableFileOptions(CLI::App* command, std::string& input, std::string& output, bool& replaceCompanions) {
    command->add_option("IN", input, "Table file to read")->required();
    command->add_option("-o,--output", output, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, replaceCompanions, ReplaceCompanionsHelp);
}

int writeImportedTable(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, std::ostream& out,
                       bool replaceCompanions) {
    const auto written = saveTable(ws, ui, file, replaceCompanions);
    if (!written) return 1;
    out << "imported: " << ws.table.ReleveCount << " relevés, " << ws.table.SpeciesCount << " species\n";
    out << "written: " << *written << '\n';
    return 0;
}

void showHead(core::Workspace& ws, const std::string& head) {
    if (head == "group") view::hlavickaskup(ws);
    else if (head == "turboveg") core::hlavickaturb(ws);
    else if (head == "running") core::hlavicka(ws);
    else if (head == "sequence") core::hlavickasekvencni(ws);
}

}  // namespace zembu::cli
