// Species editing on a typical table (30,000 relevés, about 25 species a
// relevé, 5,000 species rows in five layers): one merge of two rows, "Merge
// ALL Same Species" over all layers, "Combine Layers" merging every species
// automatically, and applying the aggregations of an expert system file.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "classification/expert_system.h"
#include "core/recent_files.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "editing/layer_combination.h"
#include "editing/species_commands.h"
#include "generator/generator.h"

namespace {

namespace fs = std::filesystem;
using namespace zembu;

const core::Table& typicalTable() {
    static const core::Table table = [] {
        generator::GeneratorOptions o;
        o.releves = 30000;
        o.species = 5000;
        o.speciesPerReleve = 25;
        o.layers = 5;
        o.maxSpecies = 15000;  // room for the merged rows
        return generator::generateTable(o);
    }();
    return table;
}

// A workspace holding a fresh copy of the table, with an empty journal.
struct Fresh {
    Fresh() : ws(fs::temp_directory_path() / "zembu-species-editing-bench") {
        reset();
        core::pushRecentFile(ws.settings, "bench.vod");
    }
    // The table as generated again, outside the timing.
    void reset(benchmark::State& state) {
        state.PauseTiming();
        reset();
        state.ResumeTiming();
    }
    void reset() {
        ws.table = typicalTable();
        ws.journal.clear();
    }
    core::Workspace ws;
    core::ScriptedInteraction ui;
};

editing::LayerChoice allLayers() {
    editing::LayerChoice layers;
    layers.fill(true);
    return layers;
}

void BM_MergeTwoRows(benchmark::State& state) {
    Fresh f;
    for (auto _ : state) {
        f.reset(state);
        if (!editing::aggregateRows(f.ws, f.ui, {1, 2}, "Merged", 6)) state.SkipWithError("the merge was refused");
    }
}
BENCHMARK(BM_MergeTwoRows)->Unit(benchmark::kMillisecond);

void BM_MergeAllSameSpecies(benchmark::State& state) {
    Fresh f;
    int merged = 0;
    for (auto _ : state) {
        f.reset(state);
        merged = editing::sloucenidruhu_auto(f.ws, f.ui, allLayers()).value_or(-1);
    }
    state.counters["groups"] = merged;
}
BENCHMARK(BM_MergeAllSameSpecies)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CombineLayersAutomatically(benchmark::State& state) {
    Fresh f;
    size_t merged = 0;
    for (auto _ : state) {
        f.reset(state);
        editing::LayerCombination steps(f.ws.table, allLayers(), 6);
        merged = steps.confirmAll(f.ws, f.ui).size();
    }
    state.counters["species"] = static_cast<double>(merged);
}
BENCHMARK(BM_CombineLayersAutomatically)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ApplyExpertAggregations(benchmark::State& state) {
    Fresh f;
    editing::sloucenidruhu_auto(f.ws, f.ui, allLayers());
    const std::string content = [&] {
        std::string text;
        for (const std::string& line : classification::expertSystemLines(f.ws.journal.lines(), {}))
            text += line + "\r\n";
        return text;
    }();
    const classification::ExpertSystem system = classification::parseExpertSystem(content);
    int applied = 0;
    for (auto _ : state) {
        f.reset(state);
        const auto report = classification::applyExpertAggregations(f.ws, f.ui, system);
        applied = report ? report->applied : -1;
    }
    state.counters["aggregations"] = applied;
}
BENCHMARK(BM_ApplyExpertAggregations)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
