// TWINSPAN on generated vegetation tables: 5,000 relevés x 500 species and
// 30,000 relevés x 1,000 species, cut levels 0 2 5 10 20, minimum group 5,
// level 6. The stage counters show where the time goes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/engine.h"
#include "classification/twinspan/parameters.h"
#include "classification/twinspan/printed_output.h"
#include "classification/twinspan/pseudospecies.h"
#include "classification/twinspan/punched_file.h"
#include "classification/twinspan/species_classification.h"
#include "classification/twinspan/twinspan.h"

namespace {

namespace tw = zembu::classification::twinspan;

// A table of several plant communities along a gradient: each relevé belongs
// to one community, holds most of its characteristic species, some species of
// the neighbouring communities and a few from anywhere, with cover
// percentages drawn like field estimates (many small covers, few dominants).
tw::CondensedData generateTable(int releves, int species, int communities, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const double covers[] = {0.1, 0.5, 1, 2, 3, 5, 8, 10, 15, 20, 25, 35, 40, 50, 60, 75, 85};
    auto cover = [&] {
        // Skewed towards small covers.
        const double u = uniform(random);
        const int index = static_cast<int>(std::floor(u * u * 17.0));
        return covers[std::min(index, 16)];
    };
    // Species of community c: a window of the species list centred on it.
    const int window = std::max(20, 3 * species / communities);
    tw::CondensedData data;
    data.title = "generated table";
    data.samples.resize(static_cast<size_t>(releves));
    std::vector<bool> used(static_cast<size_t>(species) + 1);
    for (int r = 0; r < releves; ++r) {
        const int c = static_cast<int>(uniform(random) * communities);
        const double centre = (c + 0.5) * species / communities;
        std::fill(used.begin(), used.end(), false);
        auto& list = data.samples[static_cast<size_t>(r)];
        auto add = [&](int s) {
            if (s < 1 || s > species || used[static_cast<size_t>(s)]) return;
            used[static_cast<size_t>(s)] = true;
            const double v = cover();
            list.push_back({s, v, static_cast<long long>(std::trunc(1000 * v + 0.5))});
        };
        // Core species of the community: presence falls off from the centre.
        for (int s = static_cast<int>(centre - window); s <= static_cast<int>(centre + window); ++s) {
            const double d = std::abs(s - centre) / window;
            if (uniform(random) < 0.55 * std::exp(-4.0 * d * d)) add(s);
        }
        // A few generalists and accidental species.
        for (int k = 0; k < 3; ++k) add(1 + static_cast<int>(uniform(random) * std::min(species, 15)));
        for (int k = 0; k < 2; ++k) add(1 + static_cast<int>(uniform(random) * species));
        if (list.empty()) add(1 + static_cast<int>(centre) % species);
    }
    data.speciesCount = species;
    for (int s = 1; s <= species; ++s) {
        char name[16];
        std::snprintf(name, sizeof name, "Sp%06d", s);
        data.speciesNames.emplace_back(name);
    }
    for (int r = 1; r <= releves; ++r) {
        char name[16];
        std::snprintf(name, sizeof name, "%8d", r);
        data.sampleNames.emplace_back(name);
    }
    return data;
}

tw::Parameters benchParameters() {
    tw::Parameters p;
    p.cutLevels = {0, 2, 5, 10, 20};
    p.minGroupSize = 5;
    p.maxIndicators = 7;
    p.maxLevel = 6;
    p.writePunched = true;
    return p;
}

const tw::CondensedData& table(int releves) {
    static const tw::CondensedData small = generateTable(5000, 500, 12, 11);
    static const tw::CondensedData large = generateTable(30000, 1000, 24, 29);
    return releves == 5000 ? small : large;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The whole classification, stage by stage.
void BM_Twinspan(benchmark::State& state) {
    const tw::CondensedData& data = table(static_cast<int>(state.range(0)));
    const tw::Parameters p = benchParameters();
    double pseudo = 0, samples = 0, species = 0, output = 0;
    size_t divisions = 0, occurrences = 0;
    for (auto _ : state) {
        auto t = std::chrono::steady_clock::now();
        const tw::PseudospeciesTable table = tw::buildPseudospecies(data, p);
        pseudo += secondsSince(t);
        occurrences = table.rowColumns.size();

        t = std::chrono::steady_clock::now();
        tw::EngineInput in;
        in.rowStart = table.rowStart;
        in.columns = table.rowColumns;
        in.rowWeight = table.sampleWeight;
        in.columnWeight = table.pseudoWeight;
        in.columnUnit = table.pseudoSpecies;
        for (int level : table.pseudoLevel) in.columnMarksUnit.push_back(level == 1);
        in.columnIndicator = table.pseudoIndicator;
        in.unitCount = table.speciesCount();
        in.maxIndicators = p.maxIndicators;
        in.minGroupSize = p.minGroupSize;
        in.maxLevel = p.maxLevel;
        const tw::EngineResult sampleResult = tw::classifyRows(in);
        samples += secondsSince(t);

        t = std::chrono::steady_clock::now();
        const tw::EngineResult speciesResult =
            tw::classifyRows(tw::speciesEngineInput(table, sampleResult.rowClass, p.minGroupSize, p.maxLevel));
        species += secondsSince(t);
        divisions = sampleResult.divisions.size() + speciesResult.divisions.size();
        benchmark::DoNotOptimize(speciesResult);
    }
    // The two output texts of the whole run.
    const tw::TwinspanResult result = tw::runTwinspan(data, p);
    const auto t = std::chrono::steady_clock::now();
    const std::string pun = tw::punchedFileText(data, result);
    const std::string twi = tw::printedOutputText(data, p, result);
    output = secondsSince(t);
    benchmark::DoNotOptimize(pun);
    benchmark::DoNotOptimize(twi);

    const double n = static_cast<double>(state.iterations());
    state.counters["pseudospecies_s"] = pseudo / n;
    state.counters["samples_s"] = samples / n;
    state.counters["species_s"] = species / n;
    state.counters["output_texts_s"] = output;
    state.counters["divisions"] = static_cast<double>(divisions);
    state.counters["pseudo_occurrences"] = static_cast<double>(occurrences);
}
BENCHMARK(BM_Twinspan)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
