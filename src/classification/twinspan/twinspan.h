#pragma once
// One whole classification run: pseudospecies, the sample dichotomies, the
// species classification and the final orders of samples and species.

#include <string>
#include <vector>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/engine.h"
#include "classification/twinspan/parameters.h"
#include "classification/twinspan/pseudospecies.h"

namespace zembu::classification::twinspan {

struct TwinspanResult {
    // True when nothing was classified: the minimum group size exceeds the
    // number of non-empty samples, or the maximum level is 0.
    bool stoppedEarly = false;
    PseudospeciesTable table;
    EngineResult samples;   // row i = sample number i + 1
    EngineResult species;   // row s = internal species s
    std::vector<int> sampleOrder;   // samples with data in table order (unclassified ones first)
    std::vector<int> speciesOrder;  // species taking part, in table order
};

// Runs the classification. The parameters must pass checkParameters.
TwinspanResult runTwinspan(const CondensedData& data, const Parameters& parameters);

// Code of a class: its binary digits after the leading 1 ("" for class 1).
std::string classCode(int classNumber);

// Sorting key of a class: shifted left until it reaches end (2^(maxLevel+2)).
long long orderKey(int classNumber, long long end);

}  // namespace zembu::classification::twinspan
