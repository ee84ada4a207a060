#include "classification/twinspan/species_classification.h"

#include <algorithm>
#include <cmath>

namespace zembu::classification::twinspan {

EngineInput speciesEngineInput(const PseudospeciesTable& t, const std::vector<int>& sampleClass, int minGroupSize,
                               int maxLevel) {
    const int species = t.speciesCount();
    const int K = sampleClass.empty() ? 0 : *std::max_element(sampleClass.begin(), sampleClass.end());

    // Pseudospecies occurrences per class, then per subtree.
    std::vector<double> classTotal(static_cast<size_t>(K) + 1, 0.0);
    // Occurrences grouped by species: (class, levels).
    std::vector<int> byStart(static_cast<size_t>(species) + 1, 0);
    for (int i = 0; i < t.sampleCount(); ++i) {
        if (sampleClass[i] <= 0) continue;
        for (int q = t.occurrenceStart[i]; q < t.occurrenceStart[i + 1]; ++q)
            if (t.occurrenceLevel[q] > 0) ++byStart[t.occurrenceSpecies[q] + 1];
    }
    for (int s = 0; s < species; ++s) byStart[s + 1] += byStart[s];
    std::vector<std::pair<int, int>> byClass(static_cast<size_t>(byStart.back()));
    std::vector<int> fill(byStart.begin(), byStart.end() - 1);
    for (int i = 0; i < t.sampleCount(); ++i) {
        const int k = sampleClass[i];
        if (k <= 0) continue;
        for (int q = t.occurrenceStart[i]; q < t.occurrenceStart[i + 1]; ++q) {
            const int levels = t.occurrenceLevel[q];
            if (levels == 0) continue;
            classTotal[k] += levels;
            const int s = t.occurrenceSpecies[q];
            byClass[fill[s]++] = {k, levels};
        }
    }
    for (int k = K; k >= 2; --k) classTotal[k / 2] += classTotal[k];

    EngineInput in;
    in.minGroupSize = minGroupSize;
    in.maxLevel = maxLevel;
    in.maxIndicators = 0;
    const int columns = 3 * K;
    in.unitCount = columns;
    in.columnWeight.assign(static_cast<size_t>(columns), 0.0);
    in.columnUnit.resize(static_cast<size_t>(columns));
    in.columnMarksUnit.assign(static_cast<size_t>(columns), true);
    in.columnIndicator.assign(static_cast<size_t>(columns), false);
    for (int k = 1; k <= K; ++k) {
        int e = 0;
        for (long long v = 2LL * k; v <= 1023; v *= 2) ++e;
        const double m = std::pow(1.414, e) * classTotal[k];
        in.columnWeight[3 * k - 3] = m;
        in.columnWeight[3 * k - 2] = 2 * m;
        in.columnWeight[3 * k - 1] = 2 * m;
    }
    for (int j = 0; j < columns; ++j) in.columnUnit[j] = j;

    // Per species: its subtree totals in the classes it reaches, in a
    // scratch array reset through the list of touched classes.
    const double t1 = K >= 1 ? classTotal[1] : 0.0;
    std::vector<double> st(static_cast<size_t>(K) + 1, 0.0);
    std::vector<int> touched;
    for (int s = 0; s < species; ++s) {
        touched.clear();
        for (int q = byStart[s]; q < byStart[s + 1]; ++q) {
            const auto [leaf, levels] = byClass[q];
            for (int k = leaf; k >= 1; k /= 2) {
                if (st[k] == 0.0) touched.push_back(k);
                st[k] += levels;
            }
        }
        std::sort(touched.begin(), touched.end());
        const double t1s = st[1];
        for (int k : touched) {
            if (k < 2) continue;
            const double tk = classTotal[k];
            const double tks = st[k];
            const double r = tks * (t1 - tk) / (tk * (t1s - tks) + 1e-7);
            if (r >= 0.8) in.columns.push_back(3 * k - 3);
            if (r >= 2.0) in.columns.push_back(3 * k - 2);
            if (r >= 6.0) in.columns.push_back(3 * k - 1);
        }
        for (int k : touched) st[k] = 0.0;
        in.rowStart.push_back(static_cast<int>(in.columns.size()));
    }

    // Row weights: the weight of the samples holding the species at level 1.
    in.rowWeight.assign(static_cast<size_t>(species), 0.0);
    std::vector<double> levelOneWeight(static_cast<size_t>(species), 1.0);
    for (int j = 0; j < t.pseudospeciesCount(); ++j)
        if (t.pseudoLevel[j] == 1)
            levelOneWeight[t.pseudoSpecies[j]] = t.pseudoWeight[j];
    for (int i = 0; i < t.sampleCount(); ++i)
        for (int q = t.occurrenceStart[i]; q < t.occurrenceStart[i + 1]; ++q) {
            if (t.occurrenceLevel[q] == 0) continue;
            const int s = t.occurrenceSpecies[q];
            in.rowWeight[s] += t.sampleWeight[i] * levelOneWeight[s];
        }
    for (double& w : in.rowWeight) w += 0.00001;
    return in;
}

}  // namespace zembu::classification::twinspan
