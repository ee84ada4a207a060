#pragma once
// What a TWINSPAN classification makes of the table, worked out before the
// table changes: the sort keys of the relevé positions and species rows, the
// code every relevé shows in the head, and the separators between the
// classified relevés.

#include <cstdint>
#include <string>
#include <vector>

#include "classification/twinspan_result.h"
#include "core/table.h"

namespace zembu::classification {

// Head text of a relevé outside the classification.
inline constexpr const char* UnclassifiedHead = "------";

// The head text of a code: its digits after the "*", padded with "-" and
// cut to 6 characters ("*10" gives "10----").
std::string twinspanHead(const std::string& code);

// By relevé record (index 0 unused): the code of every classified relevé of
// the table, empty for the others. Names that are no relevé record of the
// table are passed over.
std::vector<std::string> codesByRecord(const core::Table& table, const TwinspanClassification& classification);

// The relevé keys (by position 1..ReleveCount, index 0 unused), to be sorted
// descending: the classified relevés gather at the first position of colour
// `colour` (or at the first classified one when no relevé has the colour),
// ordered by code, highest character first ("1" before "0" before a shorter
// code), relevés with equal codes in their table order; every other relevé
// keeps its order around them. The keys differ for every position.
std::vector<double> twinspanReleveKeys(const core::Table& table, const std::vector<std::string>& codeOfRecord,
                                       int colour);

// The species keys (by row 1..SpeciesCount, index 0 unused), to be sorted
// ascending: rows of classified species by their code followed by "0"s and
// cut to 7 characters, rows with equal keys in their table order, then the
// unclassified rows in their order. Species are named by their record.
std::vector<double> twinspanSpeciesKeys(const core::Table& table, const TwinspanClassification& classification);

// The separators of the divisions, on the table as it stands: the
// separators after relevés of colour `colour` are cleared; then for division
// level L = 1..6, between two neighbouring relevés that both have the colour
// whose head codes agree before character L and differ in it, a separator of
// level L, unless one stands there already.
void placeDivisionSeparators(core::Table& table, const std::vector<std::string>& codeOfRecord, int colour);

// The deepest division level among the codes, at most 6 (1 when none is divided).
int deepestDivisionLevel(const std::vector<std::string>& codeOfRecord);

}  // namespace zembu::classification
