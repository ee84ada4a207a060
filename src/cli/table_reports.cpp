#include "cli/table_reports.h"

#include "cli/commands.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/synoptic_table.h"
#include "synoptic/uniqueness.h"

namespace zembu::cli {

void printSynopticTable(core::Workspace& ws, int type, std::ostream& out) {
    const synoptic::SynopticSettings settings = synoptic::readSynopticSettings(ws);
    synoptic::SynopticCalculator calculator(ws.table, settings, type);
    std::vector<synoptic::SynopticCell> cells;
    if (ws.table.ReleveCount == 0) return;
    for (int32_t i = 1; i <= ws.table.SpeciesCount; ++i) {
        calculator.computeRow(i, cells);
        out << core::codePageToUtf8(ws.table.SpeciesInfo[i].name) << '\t' << ws.table.SpeciesLayer[i];
        for (const synoptic::SynopticCell& cell : cells) {
            out << '\t' << cell.first.text;
            if (type == synoptic::CombinedTable) out << '\t' << cell.second.text;
        }
        out << '\n';
    }
}

bool printUniqueness(core::Workspace& ws, int h, double cut, std::ostream& out) {
    const synoptic::SynopticSettings settings = synoptic::readSynopticSettings(ws);
    const synoptic::UniquenessResult r = synoptic::sharpness(ws.table, settings, h, cut);
    if (r.lines.empty()) return false;
    out << "Uniqueness\t" << (r.uniqueness ? fullPrecision(r.uniqueness) : "Undef.") << '\n';
    for (int32_t g = 1; g <= r.groupCount; ++g) {
        const auto& asi = r.similarity[static_cast<size_t>(g) - 1];
        out << g << '\t' << (asi ? core::formatNumber(*asi, "0.0") : "undef.") << '\t'
            << core::formatNumber(r.speciesAverage[static_cast<size_t>(g) - 1], "0.0") << '\n';
    }
    return true;
}

}  // namespace zembu::cli
