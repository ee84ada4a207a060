#include "core/releve_groups.h"

#include <algorithm>

namespace zembu::core {

int32_t numberGroups(Table& t, bool hierarchy, int level) {
    int32_t g = 1;
    for (int32_t j = 1; j <= t.ReleveCount; ++j) {
        t.ReleveGroup[j] = g;
        if (isBoundary(t.SeparatorAfter[j], hierarchy, level)) ++g;
    }
    return t.ReleveCount > 0 ? t.ReleveGroup[t.ReleveCount] : 0;
}

std::vector<int32_t> groupNumbersOf(const Table& t, bool hierarchy, int level) {
    std::vector<int32_t> groups(static_cast<size_t>(std::max(t.ReleveCount, 0)) + 1, 0);
    int32_t g = 1;
    for (int32_t j = 1; j <= t.ReleveCount; ++j) {
        groups[j] = g;
        if (isBoundary(t.SeparatorAfter[j], hierarchy, level)) ++g;
    }
    return groups;
}

int32_t synoskupik(Table& t, bool hierarchy, int level) { return numberGroups(t, hierarchy, level); }

int32_t iniClusters(Table& t) { return numberGroups(t, false, 6); }

std::vector<std::pair<int32_t, int32_t>> groupRanges(const Table& t, bool hierarchy, int level) {
    std::vector<std::pair<int32_t, int32_t>> ranges;
    int32_t first = 1;
    for (int32_t j = 1; j <= t.ReleveCount; ++j) {
        if (j == t.ReleveCount || isBoundary(t.SeparatorAfter[j], hierarchy, level)) {
            ranges.emplace_back(first, j);
            first = j + 1;
        }
    }
    return ranges;
}

}  // namespace zembu::core
