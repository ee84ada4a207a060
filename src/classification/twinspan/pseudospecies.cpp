#include "classification/twinspan/pseudospecies.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "classification/twinspan/record_format.h"
#include "core/errors.h"

namespace zembu::classification::twinspan {

int PseudospeciesTable::nonEmptySampleCount() const {
    int n = 0;
    for (int i = 0; i < sampleCount(); ++i)
        if (!sampleIsEmpty(i)) ++n;
    return n;
}

int pseudospeciesLevel(long long thousandths, const std::vector<long long>& cutThousandths) {
    int q = 0;
    for (long long c : cutThousandths)
        if (thousandths >= c) ++q;
    return q;
}

namespace {

long long thousandthsOfCut(double cut) {
    // Cut levels come as doubles; their shortest decimal form gives the exact value.
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", cut);
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, cut);
        if (std::strtod(text, nullptr) == cut) break;
    }
    return readDecimal(text)->thousandths;
}

}  // namespace

PseudospeciesTable buildPseudospecies(const CondensedData& data, const Parameters& parameters) {
    PseudospeciesTable t;
    t.cutCount = static_cast<int>(parameters.cutLevels.size());
    for (double c : parameters.cutLevels) t.cutThousandths.push_back(thousandthsOfCut(c));
    const int samples = data.sampleCount();

    std::vector<bool> omitted(static_cast<size_t>(samples), false);
    for (int s : parameters.omittedSamples)
        if (s >= 1 && s <= samples) omitted[s - 1] = true;

    // Levels of every occurrence, duplicates of a species in a sample merged.
    std::vector<int> occStart{0};
    std::vector<int> occFileSpecies;
    std::vector<int> occLevel;
    std::vector<int> topLevel(static_cast<size_t>(data.speciesCount) + 1, 0);
    // Where a species stands in the current sample's list, valid when seenIn says so.
    std::vector<int> seenIn(static_cast<size_t>(data.speciesCount) + 1, -1);
    std::vector<size_t> seenAt(static_cast<size_t>(data.speciesCount) + 1, 0);
    for (int i = 0; i < samples; ++i) {
        if (!omitted[i]) {
            for (const Couplet& c : data.samples[i]) {
                const int q = pseudospeciesLevel(c.thousandths, t.cutThousandths);
                if (seenIn[c.species] == i) {
                    occLevel[seenAt[c.species]] = std::max(occLevel[seenAt[c.species]], q);
                    continue;
                }
                seenIn[c.species] = i;
                seenAt[c.species] = occFileSpecies.size();
                occFileSpecies.push_back(c.species);
                occLevel.push_back(q);
            }
            for (size_t k = static_cast<size_t>(occStart.back()); k < occFileSpecies.size(); ++k) {
                int& top = topLevel[static_cast<size_t>(occFileSpecies[k])];
                top = std::max(top, occLevel[k]);
            }
        }
        occStart.push_back(static_cast<int>(occFileSpecies.size()));
    }

    // Compact species numbers.
    std::vector<int> internal(static_cast<size_t>(data.speciesCount) + 1, -1);
    std::unordered_map<int, double> speciesWeightOf(parameters.speciesWeights.begin(), parameters.speciesWeights.end());
    for (int s = 1; s <= data.speciesCount; ++s) {
        if (topLevel[s] == 0) continue;
        internal[s] = static_cast<int>(t.speciesFileNumber.size());
        t.speciesFileNumber.push_back(s);
        const auto w = speciesWeightOf.find(s);
        t.speciesWeight.push_back(w == speciesWeightOf.end() ? 1.0 : w->second);
    }
    const int speciesCount = t.speciesCount();

    // Pseudospecies, level by level.
    std::vector<bool> excluded(static_cast<size_t>(data.speciesCount) + 1, false);
    for (int s : parameters.nonIndicatorSpecies)
        if (s >= 1 && s <= data.speciesCount) excluded[s] = true;
    std::vector<std::vector<int>> column(static_cast<size_t>(t.cutCount) + 1);
    for (int level = 1; level <= t.cutCount; ++level) {
        std::vector<int>& col = column[level];
        col.assign(static_cast<size_t>(speciesCount), -1);
        const double levelWeight =
            parameters.levelWeights.empty() ? 1.0 : parameters.levelWeights[level - 1];
        const double potential =
            parameters.indicatorPotentials.empty() ? 1.0 : parameters.indicatorPotentials[level - 1];
        for (int s = 0; s < speciesCount; ++s) {
            const int fileNumber = t.speciesFileNumber[s];
            if (topLevel[fileNumber] < level) continue;
            col[s] = t.pseudospeciesCount();
            t.pseudoSpecies.push_back(s);
            t.pseudoLevel.push_back(level);
            t.pseudoWeight.push_back(levelWeight * t.speciesWeight[s]);
            t.pseudoIndicator.push_back(potential != 0.0 && !excluded[fileNumber]);
        }
    }

    // Sample rows and occurrence lists in internal numbers; their positions are ints.
    long long entries = 0;
    for (int i = 0; i < samples; ++i)
        for (int k = occStart[i]; k < occStart[i + 1]; ++k) entries += occLevel[k];
    if (entries > std::numeric_limits<int>::max())
        throw core::ZembuError("The data set is too large: it makes " + std::to_string(entries) +
                                   " pseudospecies occurrences, more than this program can hold.",
                               "TWINSPAN");

    std::unordered_map<int, double> sampleWeightOf(parameters.sampleWeights.begin(), parameters.sampleWeights.end());
    t.rowStart.push_back(0);
    t.occurrenceStart.push_back(0);
    for (int i = 0; i < samples; ++i) {
        for (int k = occStart[i]; k < occStart[i + 1]; ++k) {
            const int s = internal[occFileSpecies[k]];
            const int q = occLevel[k];
            if (s < 0) continue;  // a species without any occurrence at level 1 or above
            for (int level = 1; level <= q; ++level)
                t.rowColumns.push_back(column[level][s]);
            t.occurrenceSpecies.push_back(s);
            t.occurrenceLevel.push_back(static_cast<uint8_t>(q));
        }
        t.rowStart.push_back(static_cast<int>(t.rowColumns.size()));
        t.occurrenceStart.push_back(static_cast<int>(t.occurrenceSpecies.size()));
        t.sampleHasData.push_back(!omitted[i] && !data.samples[i].empty());
        const auto w = sampleWeightOf.find(i + 1);
        t.sampleWeight.push_back(w == sampleWeightOf.end() ? 1.0 : w->second);
    }
    return t;
}

}  // namespace zembu::classification::twinspan
