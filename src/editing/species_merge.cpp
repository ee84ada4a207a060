#include "editing/species_merge.h"

#include <algorithm>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/species_numbers.h"
#include "core/text.h"

namespace zembu::editing {

std::string aggregateName(std::string_view name) {
    const std::string_view trimmed = core::trim(name);
    if (trimmed.substr(0, 4) == "(S) ") return std::string(trimmed.substr(0, SpeciesNameLength));
    return markedName('S', trimmed);
}

MergePlan planMerge(const core::Table& t, std::vector<int32_t> rows, std::string_view name, int layer) {
    if (t.SpeciesRecordCount >= t.MaxSpecies) throw core::ZembuError(MergeCapacityMessage);
    const auto number = core::freeSpeciesNumber(t);
    if (!number) throw core::ZembuError(core::NumberFailureMessage);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    MergePlan plan;
    for (int32_t i : rows)
        if (i >= 1 && i <= t.SpeciesCount) plan.records.push_back(t.SpeciesInfo[i].record);
    plan.name = aggregateName(name);
    plan.layer = layer;
    plan.number = *number;
    return plan;
}

JournalAggregation journalOfMerge(const core::Table& t, const MergePlan& plan) {
    JournalAggregation a;
    a.result = {plan.name, std::to_string(plan.number), std::to_string(plan.layer)};
    for (int32_t s : plan.records) a.members.push_back(journalSpecies(t, t.SpeciesRowOfRecord[s]));
    return a;
}

std::string mergedCells(const core::Table& t, const std::vector<int32_t>& records) {
    // (relevé record, cover) of every cell of the merged rows, row after row;
    // a stable sort by record keeps the rows' table order within a relevé.
    std::vector<std::pair<int32_t, char>> cells;
    for (int32_t s : records) {
        const std::string& data = t.SpeciesData[s];
        for (int c = 0; c < core::cellCount(data); ++c)
            cells.emplace_back(core::cellRecord(data, c), core::cellCoverByte(data, c));
    }
    std::stable_sort(cells.begin(), cells.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string merged;
    for (size_t k = 0; k < cells.size();) {
        const int32_t rec = cells[k].first;
        char cover = cells[k].second;
        for (++k; k < cells.size() && cells[k].first == rec; ++k) cover = combineCovers(cover, cells[k].second);
        core::appendCell(merged, rec, cover);
    }
    return merged;
}

int32_t applyMerge(core::Table& t, const MergePlan& plan, int labelMode) {
    std::vector<int32_t> merged;
    for (int32_t s : plan.records) merged.push_back(t.SpeciesRowOfRecord[s]);
    NewRow row;
    row.number = plan.number;
    row.name = plan.name;
    row.layer = plan.layer;
    row.cells = mergedCells(t, plan.records);
    // The new row joins the live rows at their end; the merged rows go behind them.
    appendLiveRow(t, row, labelMode);
    removeRows(t, merged);
    return t.SpeciesCount;
}

}  // namespace zembu::editing
