// Beals smoothing of generated tables (about 25 species a relevé).
//
//   BM_BealsCooccurrence/R/S  counting the co-occurrences of R relevés x S species
//   BM_BealsValues/R/S        counting plus the values of every live species in all relevés
//   BM_BealsExport/R/S        the whole export with the usual limit 0.1, written to a file
//
// The target case is 30,000 relevés x 5,000 species (BM_BealsValues/30000/5000);
// the other sizes show how the time grows with relevés and with species.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

#include "analysis/beals_smoothing.h"
#include "core/scripted_interaction.h"
#include "core/table.h"
#include "generator/generator.h"

namespace {

const zembu::core::Table& table(int32_t releves, int32_t species) {
    static std::map<std::pair<int32_t, int32_t>, std::unique_ptr<zembu::core::Table>> tables;
    auto& slot = tables[{releves, species}];
    if (!slot) {
        zembu::generator::GeneratorOptions options;
        options.releves = releves;
        options.species = species;
        options.speciesPerReleve = 25;
        options.communities = 12;
        options.seed = 7;
        slot = std::make_unique<zembu::core::Table>(zembu::generator::generateTable(options));
    }
    return *slot;
}

void BM_BealsCooccurrence(benchmark::State& state) {
    const zembu::core::Table& t = table(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) {
        zembu::analysis::BealsSmoothing beals(t);
        benchmark::DoNotOptimize(beals.cooccurrences(1, 1));
    }
}

void BM_BealsValues(benchmark::State& state) {
    const zembu::core::Table& t = table(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    int64_t cells = 0;
    for (int32_t rec = 1; rec <= t.ReleveRecordCount; ++rec) cells += t.ReleveData[rec].size() / 4;
    int64_t pairs = 0, terms = 0;
    for (auto _ : state) {
        zembu::analysis::BealsSmoothing beals(t);
        pairs = beals.pairCount();
        terms = 0;
        for (int32_t rec = 1; rec <= t.ReleveRecordCount; ++rec) terms += beals.termsOf(rec);
        std::vector<int32_t> values;
        int64_t total = 0;
        for (int32_t k = 1; k <= t.ReleveCount; ++k) {
            beals.valuesOf(t.ReleveOrder[k].record, values);
            for (int32_t v : values) total += v;
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["pairs"] = static_cast<double>(pairs);
    state.counters["terms"] = static_cast<double>(terms);
    state.counters["values"] = static_cast<double>(t.ReleveCount) * t.SpeciesCount;
}

void BM_BealsExport(benchmark::State& state) {
    const zembu::core::Table& t = table(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("zembu-beals-bench-" + std::to_string(getpid()) + ".txt");
    int64_t lines = 0;
    for (auto _ : state) {
        zembu::core::ScriptedInteraction ui;
        lines = zembu::analysis::writeBealsFile(t, 9, 0.1, file, ui);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    std::filesystem::remove(file);
}

}  // namespace

BENCHMARK(BM_BealsCooccurrence)->Args({30000, 5000})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BealsValues)
    ->Args({30000, 5000})
    ->Args({10000, 5000})
    ->Args({20000, 5000})
    ->Args({60000, 5000})
    ->Args({30000, 1250})
    ->Args({30000, 2500})
    ->Args({30000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_BealsExport)->Args({30000, 5000})->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
