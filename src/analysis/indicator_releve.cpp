#include "analysis/indicator_releve.h"

#include <algorithm>
#include <string_view>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

constexpr const char* LayerTitles[] = {"Tree layer E3", "Shrub layer E2", "Herb layer E1", "Juveniles E1",
                                       "Moss layer E0", "Without layer"};

}  // namespace

void ellenberg_Click(core::Workspace& ws, core::Interaction& ui) {
    ui.message(SelectReleveForMeansMessage, "Program Info", core::MessageIcon::Information);
    ws.clickMode = core::ClickMode::IndicatorMeans;
}

const char* indicatorLayerTitle(int layer) {
    if (layer >= 1 && layer <= 3) return LayerTitles[0];
    if (layer == 4 || layer == 5) return LayerTitles[1];
    if (layer == 6) return LayerTitles[2];
    if (layer == 7 || layer == 8) return LayerTitles[3];
    if (layer == 9) return LayerTitles[4];
    return LayerTitles[5];
}

IndicatorReleveView describeIndicatorReleve(const core::Workspace& ws, int32_t rec, MeanMode mode) {
    const core::Table& t = ws.table;
    IndicatorReleveView view;
    if (rec < 1 || rec > t.ReleveRecordCount) return view;
    view.releve = rec;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (t.ReleveOrder[k].record == rec) view.turbovegNumber = t.ReleveOrder[k].turbovegNumber;

    std::vector<IndicatorSpeciesLine> lines;
    const std::string& cells = t.ReleveData[rec];
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t row = t.liveRowOfCell(cells, c);
        if (row == 0 || t.SpeciesInfo[row].name.starts_with("###")) continue;
        lines.push_back({row, std::string(core::trim(t.SpeciesInfo[row].name)),
                         core::coverPercent(core::cellCoverByte(cells, c)),
                         t.SpeciesIndicator[core::cellRecord(cells, c)]});
    }
    std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.row < b.row; });
    for (const char* title : LayerTitles) {
        IndicatorLayerGroup group{title, {}};
        for (const IndicatorSpeciesLine& line : lines)
            if (std::string_view(indicatorLayerTitle(t.SpeciesLayer[line.row])) == title) group.species.push_back(line);
        if (!group.species.empty()) view.groups.push_back(std::move(group));
    }

    const ReleveIndicatorSums sums = indicatorSums(t, rec);
    for (int a = 0; a < 6; ++a) {
        view.means[static_cast<size_t>(a)] = indicatorMean(sums, a, mode);
        view.counts[static_cast<size_t>(a)] = sums.count[static_cast<size_t>(a)];
    }
    return view;
}

}  // namespace zembu::analysis
