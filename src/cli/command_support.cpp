#include "cli/command_support.h"

#include <algorithm>

#include "analysis/indicator_table.h"
#include "cli/cli_interaction.h"
#include "core/errors.h"
#include "core/text.h"
#include "core/table_file.h"

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

int writeImportedTable(core::Workspace& ws, core::Interaction& ui, const std::string& file, std::ostream& out) {
    const auto written = core::savetabl(ws, ui, file);
    if (!written) return 1;
    out << "imported: " << ws.table.ReleveCount << " relevés, " << ws.table.SpeciesCount << " species\n";
    out << "written: " << *written << '\n';
    return 0;
}

}  // namespace zembu::cli
