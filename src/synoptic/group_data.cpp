#include "synoptic/group_data.h"

#include "core/releve_groups.h"
#include "core/table.h"

namespace zembu::synoptic {

GroupData nastaveni_promennych_syn_tabulky(const core::Table& table, const GroupingOptions& options) {
    GroupData groups;
    groups.releveCount = table.ReleveCount;
    groups.groupOfColumn = core::groupNumbersOf(table, options.hierarchy, options.level);
    groups.groupCount = groups.releveCount > 0 ? groups.groupOfColumn[groups.releveCount] : 0;
    const size_t K = static_cast<size_t>(groups.groupCount);

    groups.size.assign(K + 1, 0);
    groups.groupOfRecord.assign(static_cast<size_t>(table.MaxReleves) + 1, 0);
    for (int32_t k = 1; k <= groups.releveCount; ++k) {
        const int32_t g = groups.groupOfColumn[k];
        ++groups.size[g];
        const int32_t rec = table.ReleveOrder[k].record;
        if (rec >= 1 && rec <= table.MaxReleves) groups.groupOfRecord[rec] = g;
    }

    groups.referenceCount = 1;
    groups.referenceOf.assign(K + 1, 1);
    groups.referenceSize = {0, groups.releveCount};
    groups.meanSize = {0, 0};
    return groups;
}

void AA_partial_fidelity(GroupData& groups, const core::Table& table, const GroupingOptions& options) {
    const size_t K = static_cast<size_t>(groups.groupCount);
    groups.referenceOf.assign(K + 1, 1);
    groups.referenceCount = 1;
    groups.referenceSize = {0, groups.releveCount};
    if (!options.hierarchy || !options.higherLevelReference || groups.releveCount == 0) return;

    // Higher-level boundaries are a subset of the group boundaries, so every
    // group lies inside one higher-level group.
    const std::vector<int32_t> higher = core::groupNumbersOf(table, true, options.level - 1);
    groups.referenceCount = higher[groups.releveCount];
    groups.referenceSize.assign(static_cast<size_t>(groups.referenceCount) + 1, 0);
    for (int32_t k = 1; k <= groups.releveCount; ++k) {
        groups.referenceOf[groups.groupOfColumn[k]] = higher[k];
        ++groups.referenceSize[higher[k]];
    }
}

void AB_partial_fidelity(GroupData& groups, bool adjustedNMinus1) {
    const size_t sets = static_cast<size_t>(groups.referenceCount) + 1;
    std::vector<double> sum(sets, 0);
    std::vector<int32_t> count(sets, 0);
    for (int32_t g = 1; g <= groups.groupCount; ++g) {
        if (adjustedNMinus1 && g == groups.lastGroup()) continue;
        sum[groups.referenceOf[g]] += groups.size[g];
        ++count[groups.referenceOf[g]];
    }
    groups.meanSize.assign(sets, 0);
    for (size_t r = 1; r < sets; ++r) groups.meanSize[r] = count[r] > 0 ? sum[r] / count[r] : 0;
}

GroupData prepareGroups(const core::Table& table, const GroupingOptions& options, bool adjustedNMinus1) {
    GroupData groups = nastaveni_promennych_syn_tabulky(table, options);
    AA_partial_fidelity(groups, table, options);
    AB_partial_fidelity(groups, adjustedNMinus1);
    return groups;
}

std::optional<double> test_velikosti_Np(const GroupData& groups) {
    const int32_t K = groups.groupCount;
    if (K < 2) return std::nullopt;
    const double N = groups.releveCount;
    return 100 * (N - groups.size[K]) / N / (K - 1);
}

}  // namespace zembu::synoptic
