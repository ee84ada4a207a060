#pragma once
// The blocks of the species journal.
//
// An aggregation is written as
//   "---", the new row's name ("(S) ..."), its number, its layer, the count m,
//   then per merged species "     " + name, its number, its layer,
//   "XXX";
// a deletion as "DDD", per species the same three lines, "***"; an
// undeletion as "UUU", ..., "+++". The expert system file reads the
// aggregations back.

#include <string>
#include <vector>

#include "editing/species_rows.h"

namespace zembu::editing {

// Five blanks in front of a merged, deleted or undeleted species' name.
inline constexpr const char* JournalIndent = "     ";

struct JournalAggregation {
    JournalSpecies result;                // the new row
    std::vector<JournalSpecies> members;  // the merged rows
};

// The lines of an aggregation block.
std::vector<std::string> aggregationBlock(const JournalAggregation& aggregation);
// The lines of a deletion ("DDD" .. "***") and an undeletion ("UUU" .. "+++") block.
std::vector<std::string> deletionBlock(const std::vector<JournalSpecies>& species);
std::vector<std::string> undeletionBlock(const std::vector<JournalSpecies>& species);

// The aggregation blocks of a journal, in order. A block cut short by the end
// of the journal keeps the members it has; other blocks are passed over.
std::vector<JournalAggregation> readAggregations(const std::vector<std::string>& journal);

}  // namespace zembu::editing
