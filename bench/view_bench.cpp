// One screen of the table (120 columns x 60 rows) built from a table of
// 1,000,000 relevés, and one scroll step.

#include <benchmark/benchmark.h>

#include <random>

#include "core/display_scale.h"
#include "core/index_code.h"
#include "core/workspace.h"
#include "view/table_screen.h"

namespace {

using namespace zembu;

// A million relevés with about 25 of 5,000 species each.
core::Workspace& largeWorkspace() {
    static core::Workspace* ws = [] {
        auto* w = new core::Workspace("/tmp/zembu-view-bench");
        core::Table& t = w->table;
        t.setCapacities(1000000, 5000);
        t.ReleveCount = t.ReleveRecordCount = 1000000;
        t.SpeciesCount = t.SpeciesRecordCount = 5000;
        std::mt19937 rng(42);
        for (int32_t i = 1; i <= 5000; ++i) {
            t.SpeciesInfo[i] = {i, "Species number " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayerLabel[i] = "6";
        }
        for (int32_t k = 1; k <= t.ReleveCount; ++k) {
            t.ReleveOrder[k] = {k, k};
            t.ReleveColour[k] = k % 7 == 0 ? core::ColourEntry{0x9999FF, 1} : core::ColourEntry{0xFFFFFF, 0};
            t.ReleveHead[k] = std::to_string(k % 1000000);
            const int32_t base = static_cast<int32_t>(rng() % 4900);
            for (int c = 0; c < 25; ++c)
                core::appendCell(t.ReleveData[k], 1 + (base + static_cast<int32_t>(rng() % 100)) % 5000,
                                 core::coverByte(1 + static_cast<int>(rng() % 95)));
            if (k % 50 == 0) t.SeparatorAfter[k] = 1;
        }
        core::font1(w->display.displayTable);
        return w;
    }();
    return *ws;
}

void BM_OneScreen(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    const view::Viewport v{500000, 2000, 120, 60};
    for (auto _ : state) benchmark::DoNotOptimize(view::buildTableScreen(ws, v));
}
BENCHMARK(BM_OneScreen)->Unit(benchmark::kMicrosecond);

void BM_ScrollStep(benchmark::State& state) {
    core::Workspace& ws = largeWorkspace();
    int32_t first = 1;
    for (auto _ : state) {
        first = first % 999000 + 1;  // one column further each time
        benchmark::DoNotOptimize(view::buildTableScreen(ws, {first, 2000, 120, 60}));
    }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
