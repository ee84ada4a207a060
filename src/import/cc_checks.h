#pragma once
// Refusals of import files that do not fit the table's capacities: each throws
// core::ZembuError (title "Program Info") before any data is taken.

#include <cstdint>

namespace zembu::import {

// A relevé index of a data line outside 1..maxReleves.
void checkReleveIndex(int64_t index, int64_t line, int32_t maxReleves);
// A species index of a data line outside 1..maxSpecies.
void checkSpeciesIndex(int64_t index, int64_t line, int32_t maxSpecies);
// More relevés / species than the capacity allows.
void checkReleveCount(int64_t count, int32_t maxReleves);
void checkSpeciesCount(int64_t count, int32_t maxSpecies);
// A file whose data lines run to its end without an end-of-data line, and a
// file without a relevé list, are refused: neither is a whole CC! file.
void checkEndOfData(bool found);
void checkReleveList(int64_t count);

}  // namespace zembu::import
