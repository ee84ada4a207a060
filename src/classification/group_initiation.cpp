#include "classification/group_initiation.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "core/index_code.h"
#include "core/table.h"
#include "core/workspace.h"
#include "synoptic/fidelity_measures.h"

namespace zembu::classification {

std::optional<std::vector<double>> autozavislosti(const core::Table& table,
                                                  const synoptic::FidelitySettings& settings, int32_t memberRow) {
    if (memberRow < 1 || memberRow > table.SpeciesRecordCount) return std::nullopt;
    const int32_t member = table.SpeciesInfo[memberRow].record;
    if (member < 1 || member > table.MaxSpecies) return std::nullopt;
    const std::string& memberCells = table.SpeciesData[member];
    const int32_t N = table.ReleveCount;
    const int32_t Np = core::cellCount(memberCells);
    if (Np < MinimumInitiationReleves || N - Np < MinimumInitiationReleves) return std::nullopt;

    // np of every row: walk the relevés holding the member and count their species.
    std::vector<int32_t> np(static_cast<size_t>(table.SpeciesRecordCount) + 1, 0);
    for (int c = 0; c < Np; ++c) {
        const int32_t rec = core::cellRecord(memberCells, c);
        if (rec < 1 || rec > table.ReleveRecordCount) continue;
        const std::string& cells = table.ReleveData[rec];
        for (int d = 0; d < core::cellCount(cells); ++d) {
            const int32_t s = core::cellRecord(cells, d);
            if (s < 1 || s > table.SpeciesRecordCount) continue;
            const int32_t row = table.SpeciesRowOfRecord[s];
            if (row >= 1 && row <= table.SpeciesRecordCount) ++np[row];
        }
    }
    std::vector<double> fidelity(static_cast<size_t>(table.SpeciesCount) + 1, 0.0);
    const double dN = N, dNp = Np;
    for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
        const int32_t s = table.SpeciesInfo[i].record;
        const int32_t n = s >= 1 && s <= table.MaxSpecies ? core::cellCount(table.SpeciesData[s]) : 0;
        if (n == 0 || n * (dNp / dN) * ((dN - dNp) / dN) <= 0) continue;
        fidelity[i] = synoptic::uvalue(settings, dN, dNp, n, np[i], synoptic::FidelityIndex).value.value_or(0);
    }
    return fidelity;
}

int runGroupInitiation(core::Workspace& ws, const synoptic::FidelitySettings& settings,
                       std::vector<GroupMember>& members, int k) {
    const core::Table& t = ws.table;
    std::unordered_set<int32_t> numbers;
    for (const GroupMember& m : members) numbers.insert(m.speciesNumber);
    int appended = 0;
    for (size_t i = 0; i < members.size(); ++i) {
        const int32_t row = firstRowOfSpeciesNumber(t, members[i].speciesNumber);
        if (row == 0) continue;
        ws.CurrentRow = row;
        const auto fidelity = autozavislosti(t, settings, row);
        if (!fidelity) continue;
        std::vector<int32_t> ranking(static_cast<size_t>(t.SpeciesCount));
        std::iota(ranking.begin(), ranking.end(), 1);
        std::stable_sort(ranking.begin(), ranking.end(),
                         [&](int32_t a, int32_t b) { return (*fidelity)[a] > (*fidelity)[b]; });
        const size_t take = std::min(ranking.size(), static_cast<size_t>(std::max(k, 0)) + 1);
        for (size_t r = 0; r < take; ++r) {
            const int32_t candidate = ranking[r];
            if (!numbers.insert(t.SpeciesInfo[candidate].number).second) continue;
            members.push_back(memberOfRow(t, candidate));
            ++appended;
        }
    }
    return appended;
}

}  // namespace zembu::classification
