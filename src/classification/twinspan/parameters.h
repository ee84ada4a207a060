#pragma once
// The choices of one classification run, as the dialogue collects them.

#include <string>
#include <utility>
#include <vector>

namespace zembu::classification::twinspan {

struct Parameters {
    // Pseudospecies cut levels, increasing; at most 9.
    std::vector<double> cutLevels{0, 2, 5, 10, 20};
    int minGroupSize = 5;        // 2..10000: smaller groups are not divided
    int maxIndicators = 7;       // 0..15 indicators per division
    int maxTableSpecies = 100;   // 0..1000 species in the printed table
    int maxLevel = 6;            // 0..15 levels of division
    bool longOutput = false;     // printed output lists the preferential pseudospecies
    bool divisionDiagrams = false;
    bool writePunched = false;   // write the machine-readable classification
    // Per cut level: weight of the pseudospecies of that level and its
    // indicator potential (0 = never an indicator). Empty = all 1.
    std::vector<double> levelWeights;
    std::vector<double> indicatorPotentials;
    // Species numbers (of the file) that may not serve as indicators.
    std::vector<int> nonIndicatorSpecies;
    // Samples left out (sample numbers of the file).
    std::vector<int> omittedSamples;
    // Weights other than 1 for samples and species: (file number, weight).
    std::vector<std::pair<int, double>> sampleWeights;
    std::vector<std::pair<int, double>> speciesWeights;
};

// Default cut levels when the dialogue answers -1.
inline const std::vector<double>& defaultCutLevels() {
    static const std::vector<double> levels{0, 2, 5, 10, 20};
    return levels;
}

// Checks the limits; returns an empty text when the parameters are usable,
// otherwise the message that says which limit is broken.
std::string checkParameters(const Parameters& p);

}  // namespace zembu::classification::twinspan
