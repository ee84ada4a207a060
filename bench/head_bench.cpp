// Values in the head of a table of 1,000,000 relevés: a species-data head,
// the Shannon-Wiener index, the indicator means with their head, the counts
// the menu captions renew after every command, and the export of means.

#include <benchmark/benchmark.h>


#include "analysis/diversity_indices.h"
#include "analysis/indicator_means.h"
#include "analysis/species_heads.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/palette.h"
#include "core/workspace.h"
#include "generator/generator.h"

namespace {

using namespace zembu;

// Answers nothing: the commands below ask nothing on a good table.
class SilentInteraction : public core::Interaction {
public:
    void message(std::string_view, std::string_view, core::MessageIcon) override {}
    core::Answer question(std::string_view, std::string_view, core::Buttons, core::MessageIcon) override {
        return core::Answer::No;
    }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const core::FileRequest&) override { return {}; }
    std::optional<std::string> saveFile(const core::FileRequest&) override { return {}; }
};

// A generated table of a million relevés with about 25 of 5,000 species
// each, some species coloured, every species with indicator values.
core::Workspace& largeWorkspace() {
    static core::Workspace* ws = [] {
        auto* w = new core::Workspace("/tmp/zembu-head-bench");
        generator::GeneratorOptions options;
        options.releves = 1000000;
        options.species = 5000;
        options.communities = 12;
        options.colours = true;
        options.indicatorValues = true;
        options.layerLabels = true;
        w->table = generator::generateTable(options);
        w->speciesColourBox = 1;
        return w;
    }();
    return *ws;
}

void BM_CountOfSelectedSpecies(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    SilentInteraction ui;
    for (auto _ : state) analysis::speciesDataHead(ws, ui, analysis::SpeciesHead::Count);
}
BENCHMARK(BM_CountOfSelectedSpecies)->Unit(benchmark::kMillisecond);

void BM_ShannonWienerHead(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    for (auto _ : state) analysis::sh_store_Click(ws);
}
BENCHMARK(BM_ShannonWienerHead)->Unit(benchmark::kMillisecond);

void BM_IndicatorMeansIntoTheHead(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    SilentInteraction ui;
    for (auto _ : state) analysis::Form17_Command2_Click(ws, ui, analysis::MeanMode::Plain, 4);
}
BENCHMARK(BM_IndicatorMeansIntoTheHead)->Unit(benchmark::kMillisecond);

void BM_ExportOfMeans(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    for (auto _ : state) benchmark::DoNotOptimize(analysis::ecologicalExportLines(ws, core::AllColours, false));
}
BENCHMARK(BM_ExportOfMeans)->Unit(benchmark::kMillisecond);

// What every refresh of the window costs for the count captions.
void BM_SelectionCaptions(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    for (auto _ : state) core::menu_Click(ws);
}
BENCHMARK(BM_SelectionCaptions)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
