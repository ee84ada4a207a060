#include "classification/cocktail_fidelity.h"

#include <algorithm>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/table.h"
#include "core/text.h"
#include "synoptic/fidelity_measures.h"

namespace zembu::classification {

namespace {

// Name column of the lists.
std::string listName(const core::Table& table, int32_t row) {
    return core::codePageToUtf8(core::padRight(core::trim(table.SpeciesInfo[row].name), 40));
}

// Marks, by relevé record, the relevés shown in columns of the colour.
std::vector<char> recordsOfColour(const core::Table& table, int colourNumber, int32_t& count) {
    std::vector<char> inGroup(static_cast<size_t>(table.ReleveRecordCount) + 1, 0);
    count = 0;
    for (int32_t k = 1; k <= table.ReleveCount; ++k) {
        const int32_t rec = table.ReleveOrder[k].record;
        if (table.ReleveColour[k].number != colourNumber || rec < 1 || rec > table.ReleveRecordCount) continue;
        inGroup[rec] = 1;
        ++count;
    }
    return inGroup;
}

}  // namespace

std::optional<GroupFidelity> zavislosti(const core::Table& table, const synoptic::FidelitySettings& settings,
                                        int colourNumber, std::string_view groupName, core::Interaction& ui) {
    int32_t Np = 0;
    const std::vector<char> inGroup = recordsOfColour(table, colourNumber, Np);
    const int32_t N = table.ReleveCount;
    if (Np < 1) {
        ui.message(NoGroupRelevesMessage, "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    if (Np == N) {
        ui.message(AllRelevesInGroupMessage, "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    GroupFidelity result;
    result.heading = "Group:  " + core::codePageToUtf8(groupName);
    for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
        const int32_t s = table.SpeciesInfo[i].record;
        int32_t n = 0, np = 0;
        if (s >= 1 && s <= table.MaxSpecies) {
            const std::string& cells = table.SpeciesData[s];
            n = core::cellCount(cells);
            for (int c = 0; c < n; ++c) {
                const int32_t rec = core::cellRecord(cells, c);
                if (rec >= 1 && rec < static_cast<int32_t>(inGroup.size()) && inGroup[rec]) ++np;
            }
        }
        SpeciesFidelity f;
        f.row = i;
        const double dN = N, dNp = Np;
        if (n * (dNp / dN) * ((dN - dNp) / dN) > 0)
            f.fidelity = synoptic::uvalue(settings, dN, dNp, n, np, settings.kind).value.value_or(0);
        f.positive = f.fidelity > 0;
        f.line = listName(table, i) + " " + core::padLeft(core::formatNumber(f.fidelity, "0.00"), 8) +
                 (f.positive ? " +" : "");
        result.species.push_back(std::move(f));
    }
    std::stable_sort(result.species.begin(), result.species.end(),
                     [](const SpeciesFidelity& a, const SpeciesFidelity& b) { return a.fidelity > b.fidelity; });
    return result;
}

std::vector<SpeciesConstancy> constancyColumn(const core::Table& table, int colourNumber, int coverThreshold) {
    std::vector<SpeciesConstancy> list;
    int32_t groupSize = 0;
    const std::vector<char> inGroup = recordsOfColour(table, colourNumber, groupSize);
    if (groupSize == 0) return list;
    std::vector<int32_t> count(static_cast<size_t>(table.SpeciesRecordCount) + 1, 0);
    for (int32_t rec = 1; rec < static_cast<int32_t>(inGroup.size()); ++rec) {
        if (!inGroup[rec]) continue;
        const std::string& cells = table.ReleveData[rec];
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t row = table.liveRowOfCell(cells, c);
            if (row != 0 && core::coverPercent(core::cellCoverByte(cells, c)) > coverThreshold) ++count[row];
        }
    }
    for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
        if (count[i] == 0) continue;
        const int constancy = static_cast<int>(core::roundHalfEven(100.0 * count[i] / groupSize));
        list.push_back({i, constancy, listName(table, i) + " " + core::padLeft(std::to_string(constancy), 4)});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const SpeciesConstancy& a, const SpeciesConstancy& b) { return a.constancy > b.constancy; });
    return list;
}

}  // namespace zembu::classification
