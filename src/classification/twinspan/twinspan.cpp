#include "classification/twinspan/twinspan.h"

#include <algorithm>
#include <numeric>

#include "classification/twinspan/species_classification.h"

namespace zembu::classification::twinspan {

std::string classCode(int classNumber) {
    std::string code;
    for (int k = classNumber; k > 1; k /= 2) code += static_cast<char>('0' + k % 2);
    std::reverse(code.begin(), code.end());
    return code;
}

long long orderKey(int classNumber, long long end) {
    if (classNumber <= 0) return 0;
    long long key = classNumber;
    while (key < end) key *= 2;
    return key;
}

namespace {

EngineInput sampleEngineInput(const PseudospeciesTable& t, const Parameters& p) {
    EngineInput in;
    in.rowStart = t.rowStart;
    in.columns = t.rowColumns;
    in.rowWeight = t.sampleWeight;
    in.columnWeight = t.pseudoWeight;
    in.columnUnit = t.pseudoSpecies;
    in.columnMarksUnit.resize(t.pseudoLevel.size());
    for (size_t j = 0; j < t.pseudoLevel.size(); ++j) in.columnMarksUnit[j] = t.pseudoLevel[j] == 1;
    in.columnIndicator = t.pseudoIndicator;
    in.unitCount = t.speciesCount();
    in.maxIndicators = p.maxIndicators;
    in.minGroupSize = p.minGroupSize;
    in.maxLevel = p.maxLevel;
    return in;
}

// Items sorted by their class's key, ties by item number.
std::vector<int> orderByClass(const std::vector<int>& items, const std::vector<int>& classes, long long end) {
    std::vector<int> order = items;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return orderKey(classes[a], end) < orderKey(classes[b], end);
    });
    return order;
}

// Reverses the species order when it runs against the sample order.
void alignSpeciesOrder(const PseudospeciesTable& t, const std::vector<int>& sampleOrder, std::vector<int>& speciesOrder) {
    std::vector<double> y(static_cast<size_t>(t.speciesCount()), 0.0);
    for (size_t k = 0; k < speciesOrder.size(); ++k) y[speciesOrder[k]] = static_cast<double>(k + 1);
    double s = 0, sx = 0, sy = 0, sxy = 0;
    for (size_t p = 0; p < sampleOrder.size(); ++p) {
        const int i = sampleOrder[p];
        const double x = static_cast<double>(p + 1);
        for (int q = t.occurrenceStart[i]; q < t.occurrenceStart[i + 1]; ++q) {
            const double w = t.occurrenceLevel[q];
            const double yy = y[t.occurrenceSpecies[q]];
            s += w;
            sx += w * x;
            sy += w * yy;
            sxy += w * x * yy;
        }
    }
    if (!(s > 0) || sxy - sx * sy / s <= 0) std::reverse(speciesOrder.begin(), speciesOrder.end());
}

}  // namespace

TwinspanResult runTwinspan(const CondensedData& data, const Parameters& p) {
    TwinspanResult r;
    r.table = buildPseudospecies(data, p);
    const PseudospeciesTable& t = r.table;
    if (p.maxLevel == 0 || p.minGroupSize > t.nonEmptySampleCount()) {
        r.stoppedEarly = true;
        return r;
    }
    r.samples = classifyRows(sampleEngineInput(t, p));
    r.species = classifyRows(speciesEngineInput(t, r.samples.rowClass, p.minGroupSize, p.maxLevel));

    const long long end = 1LL << (p.maxLevel + 2);
    std::vector<int> samples;
    for (int i = 0; i < t.sampleCount(); ++i)
        if (t.sampleHasData[i]) samples.push_back(i);
    r.sampleOrder = orderByClass(samples, r.samples.rowClass, end);
    std::vector<int> species(static_cast<size_t>(t.speciesCount()));
    std::iota(species.begin(), species.end(), 0);
    r.speciesOrder = orderByClass(species, r.species.rowClass, end);
    alignSpeciesOrder(t, r.sampleOrder, r.speciesOrder);
    return r;
}

}  // namespace zembu::classification::twinspan
