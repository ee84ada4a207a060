#pragma once
// Merging species rows into one new row: the rule every aggregation shares
// ("&Merge ... Species", "Merge &ALL Same Species", "&Combine Layers" and the
// expert system file).
//
// The covers of the merged rows meet relevé by relevé and combine row by row
// in table order (combineCovers); a relevé where one row occurs keeps its
// cover. The new row "(S) " + name, mark "S", goes behind the live rows with
// a new record and a program-made species number; the merged rows are
// formally deleted.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"
#include "editing/journal_blocks.h"

namespace zembu::editing {

// Shown when the table has no room for another species record.
inline constexpr const char* MergeCapacityMessage = "Please save the table and increase the table size limit.";

// A merge made ready: nothing is changed yet.
struct MergePlan {
    std::vector<int32_t> records;  // species records of the merged rows, in table order
    std::string name;              // the new row's name, "(S) " in front
    int layer = 0;
    int32_t number = 0;            // the new row's species number
};

// The name of an aggregate: "(S) " + name, unless the name has it already.
std::string aggregateName(std::string_view name);

// Prepares the merge of live rows (any order) into a row named
// aggregateName(name) in the layer. Throws core::ZembuError with the capacity
// message or the number failure when the table has no room or no free
// species number left.
MergePlan planMerge(const core::Table& table, std::vector<int32_t> rows, std::string_view name, int layer);

// The journal block of a planned merge (read before it is applied).
JournalAggregation journalOfMerge(const core::Table& table, const MergePlan& plan);

// The cells of the new row: the merged rows' covers combined per relevé.
std::string mergedCells(const core::Table& table, const std::vector<int32_t>& records);

// Carries out a planned merge; returns the new row.
int32_t applyMerge(core::Table& table, const MergePlan& plan, int labelMode);

}  // namespace zembu::editing
