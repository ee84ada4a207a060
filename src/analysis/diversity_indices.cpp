#include "analysis/diversity_indices.h"

#include <cmath>

#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

// The constant the published index uses in place of pi.
constexpr double EvarPi = 3.1415927;

// Writes a value computed from each relevé's counted covers into its head.
template <typename Index>
void fillHeadFromCovers(core::Workspace& ws, Index index) {
    core::Table& t = ws.table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        t.ReleveHead[rec] = indexHeadText(index(countedCovers(t, rec)));
    }
    showAnalysisHead(ws);
}

}  // namespace

std::vector<int> countedCovers(const core::Table& table, int32_t rec) {
    std::vector<int> covers;
    if (rec < 1 || rec > table.ReleveRecordCount) return covers;
    const std::string& cells = table.ReleveData[rec];
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t row = table.liveRowOfCell(cells, c);
        if (row == 0 || table.SpeciesInfo[row].name.starts_with("###")) continue;
        const int cover = core::coverPercent(core::cellCoverByte(cells, c));
        if (cover > 0) covers.push_back(cover);  // a damaged cover byte is no cover
    }
    return covers;
}

double shannonWiener(const std::vector<int>& covers) {
    double total = 0;
    for (int c : covers) total += c;
    if (total <= 0) return 0;
    double h = 0;
    for (int c : covers)
        if (c > 0) {
            const double p = c / total;
            h -= p * std::log(p);
        }
    return h;
}

double pielouEvenness(const std::vector<int>& covers) {
    return covers.size() > 1 ? shannonWiener(covers) / std::log(static_cast<double>(covers.size())) : 0;
}

double evar(const std::vector<int>& covers) {
    const size_t S = covers.size();
    if (S < 2) return 0;
    double mean = 0;
    for (int c : covers) mean += std::log(static_cast<double>(c));
    mean /= static_cast<double>(S);
    double variance = 0;
    for (int c : covers) {
        const double d = std::log(static_cast<double>(c)) - mean;
        variance += d * d;
    }
    variance /= static_cast<double>(S);
    return 1 - (2 / EvarPi) * std::atan(variance);
}

std::string indexHeadText(double value) { return core::padLeft(core::formatNumber(value, "0.000"), 6); }

void showAnalysisHead(core::Workspace& ws) {
    ws.head = core::HeadKind::AnalysisValue;
    ws.headMode = 4;
    ws.headCaption.clear();
    core::renewHead(ws);
}

void sh_store_Click(core::Workspace& ws) {
    if (ws.table.ReleveCount == 0) return;
    core::ZalohaDat(ws);
    fillHeadFromCovers(ws, shannonWiener);
}

void even_Click(core::Workspace& ws, int index) {
    if (index == 0) fillHeadFromCovers(ws, pielouEvenness);
    else fillHeadFromCovers(ws, evar);
}

}  // namespace zembu::analysis
