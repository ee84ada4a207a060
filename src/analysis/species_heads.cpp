#include "analysis/species_heads.h"

#include <algorithm>

#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/selection.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

const char* patternOf(SpeciesHead head) {
    switch (head) {
        case SpeciesHead::Percentage: return "0.0";
        case SpeciesHead::Mean: return "###0.0";
        default: return "###";
    }
}

}  // namespace

double speciesHeadValue(const core::Workspace& ws, int32_t rec, SpeciesHead head) {
    const core::Table& t = ws.table;
    if (rec < 1 || rec > t.ReleveRecordCount) return 0;
    const std::string& cells = t.ReleveData[rec];
    int32_t count = 0;
    int64_t sum = 0, total = 0;
    int smallest = 0, largest = 0;
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t row = t.liveRowOfCell(cells, c);
        if (row == 0 || t.SpeciesInfo[row].name.starts_with("###")) continue;
        const int cover = core::coverPercent(core::cellCoverByte(cells, c));
        if (cover <= 0) continue;  // a damaged cover byte is no cover
        total += cover;
        if (!core::isSelectedSpecies(ws, row)) continue;
        smallest = count == 0 ? cover : std::min(smallest, cover);
        largest = std::max(largest, cover);
        ++count;
        sum += cover;
    }
    switch (head) {
        case SpeciesHead::Count: return count;
        case SpeciesHead::Sum: return static_cast<double>(sum);
        case SpeciesHead::Percentage: return total > 0 ? 100.0 * static_cast<double>(sum) / static_cast<double>(total) : 0;
        case SpeciesHead::Mean: return count > 0 ? static_cast<double>(sum) / count : 0;
        case SpeciesHead::Minimum: return smallest;
        case SpeciesHead::Maximum: return largest;
    }
    return 0;
}

std::string speciesHeadText(double value, SpeciesHead head) {
    return core::headText(core::formatNumber(value, patternOf(head)));
}

bool speciesDataHead(core::Workspace& ws, core::Interaction& ui, SpeciesHead head) {
    if (core::selectedSpeciesCount(ws) == 0) {
        ui.message(NoSpeciesSelectedMessage, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    core::ProgressMeter meter(ui, t.ReleveCount);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        meter.merak();
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        t.ReleveHead[rec] = speciesHeadText(speciesHeadValue(ws, rec, head), head);
    }
    ws.head = core::HeadKind::SpeciesData;
    ws.headMode = 4;
    ws.headCaption.clear();
    core::renewHead(ws);
    return true;
}

bool spechlavicka(core::Workspace& ws, core::Interaction& ui, SpeciesHead head) {
    return speciesDataHead(ws, ui, head == SpeciesHead::Sum ? SpeciesHead::Sum : SpeciesHead::Count);
}

bool averhlavicka(core::Workspace& ws, core::Interaction& ui) { return speciesDataHead(ws, ui, SpeciesHead::Mean); }

bool PASShlavicka(core::Workspace& ws, core::Interaction& ui) {
    return speciesDataHead(ws, ui, SpeciesHead::Percentage);
}

bool specdatahlavicka(core::Workspace& ws, core::Interaction& ui, SpeciesHead head) {
    return speciesDataHead(ws, ui, head == SpeciesHead::Minimum ? SpeciesHead::Minimum : SpeciesHead::Maximum);
}

}  // namespace zembu::analysis
