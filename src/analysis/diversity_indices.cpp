#include "analysis/diversity_indices.h"

#include "core/diversity.h"
#include "core/head_modes.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

// Writes a value computed from each relevé's counted covers into its head.
template <typename Index>
void fillHeadFromCovers(core::Workspace& ws, Index index) {
    core::Table& t = ws.table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        t.ReleveHead[rec] = indexHeadText(index(core::countedCovers(t, rec)));
    }
    showAnalysisHead(ws);
}

}  // namespace

std::string indexHeadText(double value) { return core::headText(core::formatNumber(value, "0.000")); }

void showAnalysisHead(core::Workspace& ws) {
    ws.head = core::HeadKind::AnalysisValue;
    ws.headMode = 4;
    ws.headCaption.clear();
    core::renewHead(ws);
}

void sh_store_Click(core::Workspace& ws) {
    if (ws.table.ReleveCount == 0) return;
    core::ZalohaDat(ws);
    fillHeadFromCovers(ws, core::shannonWiener);
}

void even_Click(core::Workspace& ws, int index) {
    if (index == 0) fillHeadFromCovers(ws, core::pielouEvenness);
    else fillHeadFromCovers(ws, core::evar);
}

}  // namespace zembu::analysis
