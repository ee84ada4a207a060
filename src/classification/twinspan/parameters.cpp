#include "classification/twinspan/parameters.h"

namespace zembu::classification::twinspan {

namespace {

std::string outside(const std::string& what, long long value, int low, int high) {
    return what + " " + std::to_string(value) + " lies outside " + std::to_string(low) + ".." + std::to_string(high) +
           ".";
}

}  // namespace

std::string checkParameters(const Parameters& p) {
    const size_t cuts = p.cutLevels.size();
    if (cuts < 1 || cuts > 9) return outside("The number of cut levels", static_cast<long long>(cuts), 1, 9);
    for (size_t k = 1; k < cuts; ++k)
        if (!(p.cutLevels[k] > p.cutLevels[k - 1])) return "The pseudospecies cut levels must increase.";
    if (p.minGroupSize < 2 || p.minGroupSize > 10000)
        return outside("The minimum group size", p.minGroupSize, 2, 10000);
    if (p.maxIndicators < 0 || p.maxIndicators > 15)
        return outside("The maximum number of indicators", p.maxIndicators, 0, 15);
    if (p.maxTableSpecies < 0 || p.maxTableSpecies > 1000)
        return outside("The maximum number of species in the table", p.maxTableSpecies, 0, 1000);
    if (p.maxLevel < 0 || p.maxLevel > 15) return outside("The maximum level of divisions", p.maxLevel, 0, 15);
    if (!p.levelWeights.empty() && p.levelWeights.size() != cuts)
        return "There must be one weight for each cut level.";
    if (!p.indicatorPotentials.empty() && p.indicatorPotentials.size() != cuts)
        return "There must be one indicator potential for each cut level.";
    for (double w : p.levelWeights)
        if (!(w > 0)) return "The weights of the pseudospecies levels must be positive.";
    for (double v : p.indicatorPotentials)
        if (v < 0) return "The indicator potentials must not be negative.";
    for (const auto& [item, w] : p.sampleWeights)
        if (!(w > 0)) return "The sample weights must be positive.";
    for (const auto& [item, w] : p.speciesWeights)
        if (!(w > 0)) return "The species weights must be positive.";
    return {};
}

}  // namespace zembu::classification::twinspan
