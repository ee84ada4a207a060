// The sort commands on generated tables, as a person waits for them: undo
// copy, keys, quicksort and reorder. "Sort species" and "Sort relevés" on
// 1,000,000 relevés x 5,000 species (target below 2 s each) and dependence
// sorting on 30,000 x 5,000 (target below 5 s).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/index_code.h"
#include "core/palette.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "generator/generator.h"
#include "sorting/dependence_sorting.h"
#include "sorting/quicksort.h"
#include "sorting/releve_keys.h"
#include "sorting/releve_sort_commands.h"
#include "sorting/species_sort_commands.h"

namespace {

using namespace zembu;

std::unique_ptr<core::Workspace> generatedWorkspace(int32_t releves, int32_t species) {
    auto ws = std::make_unique<core::Workspace>("/tmp/zembu-sorting-bench");
    generator::GeneratorOptions o;
    o.releves = releves;
    o.species = species;
    o.speciesPerReleve = 25;
    o.communities = 20;
    o.colours = true;
    o.shuffle = true;
    o.maxReleves = releves;
    o.maxSpecies = species;
    ws->table = generator::generateTable(o);
    // Head values of a numeric header, many of them shared.
    for (int32_t rec = 1; rec <= releves; ++rec) ws->table.ReleveHead[rec] = std::to_string(rec * 7919 % 99991);
    return ws;
}

core::Workspace& largeWorkspace() {
    static const auto ws = generatedWorkspace(1000000, 5000);
    return *ws;
}

core::Workspace& typicalWorkspace() {
    static const auto ws = generatedWorkspace(30000, 5000);
    return *ws;
}

void BM_SortSpeciesByReleves(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    core::ScriptedInteraction ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, false}, ui));
}
BENCHMARK(BM_SortSpeciesByReleves)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortRelevesBySpecies(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    core::ScriptedInteraction ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(sorting::tridenisnimku2(ws, {core::AllColours, core::AllColours, false}, ui));
}
BENCHMARK(BM_SortRelevesBySpecies)->Unit(benchmark::kMillisecond)->Iterations(3);

// Where the time of "Sort relevés" goes: the keys alone, and the quicksort of them.
void BM_ReleveKeysOnly(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    for (auto _ : state)
        benchmark::DoNotOptimize(sorting::releveBySpeciesKeys(ws.table, core::AllColours, core::AllColours, false));
}
BENCHMARK(BM_ReleveKeysOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReleveQuicksortOnly(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    const auto keys = sorting::releveBySpeciesKeys(ws.table, core::AllColours, core::AllColours, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(sorting::sortedOrder(keys, {}, sorting::Direction::Descending, sorting::KeyLength));
}
BENCHMARK(BM_ReleveQuicksortOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortShortHeadsNumerically(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    core::ScriptedInteraction ui;
    for (auto _ : state) benchmark::DoNotOptimize(sorting::sortShortHeadsNumerically(ws, core::AllColours, ui));
}
BENCHMARK(BM_SortShortHeadsNumerically)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DependenceSorting(benchmark::State& state) {
    core::Workspace& ws = typicalWorkspace();
    core::ScriptedInteraction ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(sorting::depesorting(ws, {core::AllColours, static_cast<int>(state.range(0)), 0}, ui));
    state.counters["expected_s"] = sorting::expectedDependenceSeconds(ws.table, core::AllColours);
    int64_t cells = 0;
    for (int32_t k = 1; k <= ws.table.ReleveCount; ++k) cells += core::cellCount(ws.table.ReleveData[ws.table.ReleveOrder[k].record]);
    state.counters["species_per_releve"] = static_cast<double>(cells) / ws.table.ReleveCount;
}
BENCHMARK(BM_DependenceSorting)->Arg(5)->Arg(sorting::AllCommonOccurrences)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
