#pragma once
// Pseudospecies: every species present at cut level k or above in a sample
// counts as "species s at level k" for every level up to the highest cut
// level its value reaches. Species are renumbered compactly (only species
// with an occurrence take part); pseudospecies are numbered level by level,
// species in increasing order within a level.

#include <cstdint>
#include <vector>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/parameters.h"

namespace zembu::classification::twinspan {

struct PseudospeciesTable {
    int cutCount = 0;
    std::vector<long long> cutThousandths;  // cut levels in thousandths

    // Species taking part, index = internal number - 1: their file numbers.
    std::vector<int> speciesFileNumber;
    std::vector<double> speciesWeight;

    // Pseudospecies (the columns), index = pseudospecies number - 1.
    std::vector<int> pseudoSpecies;   // internal species index
    std::vector<int> pseudoLevel;     // 1-based level
    std::vector<double> pseudoWeight; // level weight x species weight
    std::vector<bool> pseudoIndicator;  // may serve as an indicator

    // Samples, index = sample number - 1 (all numbers up to the largest).
    std::vector<double> sampleWeight;
    // Columns of every sample: rowColumns[rowStart[i] .. rowStart[i + 1]).
    std::vector<int> rowStart;
    std::vector<int> rowColumns;
    // Occurrences of every sample in file order: species index and level
    // (0 for a value below the first cut level of a species that occurs
    // elsewhere; such entries only show in the printed table).
    std::vector<int> occurrenceStart;
    std::vector<int> occurrenceSpecies;
    std::vector<uint8_t> occurrenceLevel;

    // Samples with at least one couplet in the data (omitted ones excluded).
    std::vector<bool> sampleHasData;

    int sampleCount() const { return static_cast<int>(sampleWeight.size()); }
    int speciesCount() const { return static_cast<int>(speciesFileNumber.size()); }
    int pseudospeciesCount() const { return static_cast<int>(pseudoSpecies.size()); }
    bool sampleIsEmpty(int i) const { return rowStart[i] == rowStart[i + 1]; }
    int nonEmptySampleCount() const;
};

// Level of a value: the number of cut levels it reaches (0 = below the first).
int pseudospeciesLevel(long long thousandths, const std::vector<long long>& cutThousandths);

// Builds the pseudospecies table. A species given twice in one sample counts
// once, with its larger value; omitted samples are left empty.
PseudospeciesTable buildPseudospecies(const CondensedData& data, const Parameters& parameters);

}  // namespace zembu::classification::twinspan
