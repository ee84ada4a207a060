#pragma once
// Relevé groups: the relevés between separators. A separator counts as a
// group boundary when the hierarchy switch is off or its level is at most the
// current level.

#include <cstdint>
#include <utility>
#include <vector>

#include "core/table.h"

namespace zembu::core {

// True when the separator entry after a column is a group boundary.
inline bool isBoundary(int16_t entry, bool hierarchy, int level) {
    return entry > 0 && (!hierarchy || entry <= level);
}

// Numbers the groups of columns 1..ReleveCount into ReleveGroup (1-based);
// returns the number of groups (the group number of the last column).
int32_t numberGroups(Table& table, bool hierarchy, int level);

// The group number of every column (index 0 unused), without touching the table.
std::vector<int32_t> groupNumbersOf(const Table& table, bool hierarchy, int level);

// synoskupik: groups honouring the hierarchy, for group-based computations.
int32_t synoskupik(Table& table, bool hierarchy, int level);

// iniClusters: groups ignoring the hierarchy (every separator a boundary).
int32_t iniClusters(Table& table);

// The column ranges [first, last] of the groups, left to right.
std::vector<std::pair<int32_t, int32_t>> groupRanges(const Table& table, bool hierarchy, int level);

}  // namespace zembu::core
