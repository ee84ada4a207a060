#pragma once
// The species classification: after the samples are classified, every
// species gets a row of "pseudo-sample" columns saying in which sample
// classes (and their subtrees) it is concentrated, and the same dichotomy
// engine divides these rows, without indicators.

#include <vector>

#include "classification/twinspan/engine.h"
#include "classification/twinspan/pseudospecies.h"

namespace zembu::classification::twinspan {

// The engine input of the species classification from the final sample
// classes (0 for samples not classified). Row s is internal species s.
EngineInput speciesEngineInput(const PseudospeciesTable& table, const std::vector<int>& sampleClass, int minGroupSize,
                               int maxLevel);

}  // namespace zembu::classification::twinspan
