// Synoptic tables of a national-size data set: 1,000,000 relevés x 5,000
// species in 100 groups, generated in memory once.
//
//   BM_FidelityTableWithVeto     phi, modified fidelity, Fisher veto on (the target case)
//   BM_FidelityTableWithoutVeto  the same without the Fisher test
//   BM_PercentageTable           counting and texts only, no fidelity
//   BM_FidelityViewWithVeto      the synoptic view of the main window, computed
//                                through the same code (the target case)
//   BM_OneSynopticScreen         one screen (40 groups x 60 rows) read from a
//                                computed view: target under 50 ms

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/index_code.h"
#include "core/settings.h"
#include "core/table.h"
#include "core/workspace.h"
#include "synoptic/synoptic_table.h"
#include "view/synoptic_view.h"

namespace {

constexpr int32_t Releves = 1000000;
constexpr int32_t Species = 5000;
constexpr int32_t Groups = 100;
constexpr int SpeciesPerReleve = 30;

// splitmix64: a small, fast generator; the table is the same on every run.
struct Random {
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>((next() >> 32) * n >> 32); }
};

// Groups of unequal size; every group has 50 species of its own that its
// relevés favour, the rest of a relevé comes from the whole species list with
// a strong preference for the common species.
void generateTable(zembu::core::Table& t) {
    t.setCapacities(Releves, Species);
    t.ReleveCount = t.ReleveRecordCount = Releves;
    t.SpeciesCount = t.SpeciesRecordCount = Species;
    Random random{42};

    // Group boundaries: sizes between 2,000 and 18,000 relevés.
    std::vector<int32_t> size(Groups);
    int64_t total = 0;
    for (int32_t& s : size) total += s = 2000 + static_cast<int32_t>(random.below(16000));
    int32_t column = 0;
    std::vector<int32_t> groupOfColumn(static_cast<size_t>(Releves) + 1);
    for (int32_t g = 0; g < Groups; ++g) {
        const int32_t share = g + 1 == Groups ? Releves - column
                                              : static_cast<int32_t>(static_cast<int64_t>(size[g]) * Releves / total);
        for (int32_t i = 0; i < share; ++i) groupOfColumn[++column] = g;
        t.SeparatorAfter[column] = 1;
    }
    t.SeparatorAfter[Releves] = 0;

    std::vector<int32_t> picked;
    for (int32_t rec = 1; rec <= Releves; ++rec) {
        const int32_t g = groupOfColumn[rec];
        picked.clear();
        for (int j = 0; j < SpeciesPerReleve; ++j) {
            int32_t s;
            if (j < 8) s = g * 50 + static_cast<int32_t>(random.below(50));
            else s = static_cast<int32_t>(random.below(random.below(Species) + 1));  // skewed to common species
            picked.push_back(s + 1);
        }
        std::sort(picked.begin(), picked.end());
        picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
        std::string& cells = t.ReleveData[rec];
        cells.reserve(picked.size() * zembu::core::CellSize);
        for (int32_t s : picked) zembu::core::appendCell(cells, s, zembu::core::coverByte(1 + static_cast<int>(random.below(95))));
        t.ReleveOrder[rec] = {rec, rec};
    }
    for (int32_t i = 1; i <= Species; ++i) {
        t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
        t.SpeciesRowOfRecord[i] = i;
    }
    t.tvorbadruhu();
    t.recountFrequencies();
}

// The table lives in a workspace, as the synoptic view needs one.
zembu::core::Workspace& bigWorkspace() {
    static zembu::core::Workspace* ws = [] {
        auto* w = new zembu::core::Workspace("/tmp/zembu-synoptic-bench");
        generateTable(w->table);
        namespace setting = zembu::core::setting;
        w->settings.setValue(setting::FidelityType, "2");
        w->settings.setValue(setting::PhiRecalculated, "2");
        w->settings.setValue(setting::PhiTestedByFisher, "Yes");
        w->settings.setValue(setting::SignificanceFetSynoptic, "3");
        w->settings.setValue(setting::FidelityLimit, "20");
        w->settings.setValue(setting::Fidelity2Limit, "50");
        return w;
    }();
    return *ws;
}

const zembu::core::Table& bigTable() { return bigWorkspace().table; }

zembu::synoptic::SynopticSettings phiModified(bool veto) {
    zembu::synoptic::SynopticSettings s;
    s.fidelity.measure = zembu::synoptic::PhiCoefficient;
    s.fidelity.kind = zembu::synoptic::ModifiedFidelity;
    s.fidelity.fisherVeto = veto;
    s.fidelity.fisherThreshold = 3;
    s.fidelityLimit = 20;
    s.fidelity2Limit = 50;
    return s;
}

void run(benchmark::State& state, const zembu::synoptic::SynopticSettings& settings, int type) {
    const zembu::core::Table& table = bigTable();
    size_t shown = 0;
    for (auto _ : state) {
        const zembu::synoptic::SynopticTable result = zembu::synoptic::computeSynopticTable(table, settings, type);
        shown = 0;
        for (const auto& row : result.rows)
            for (const auto& cell : row.cells) shown += cell.first.highlight != 0;
        benchmark::DoNotOptimize(shown);
    }
    state.counters["highlighted"] = static_cast<double>(shown);
}

void BM_FidelityTableWithVeto(benchmark::State& state) { run(state, phiModified(true), zembu::synoptic::FidelityTable); }
void BM_FidelityTableWithoutVeto(benchmark::State& state) { run(state, phiModified(false), zembu::synoptic::FidelityTable); }
void BM_PercentageTable(benchmark::State& state) { run(state, phiModified(false), zembu::synoptic::PercentageConstancy); }

void BM_FidelityViewWithVeto(benchmark::State& state) {
    zembu::core::Workspace& ws = bigWorkspace();
    ws.synopticType = zembu::synoptic::FidelityTable;
    int32_t groups = 0;
    for (auto _ : state) {
        const zembu::view::SynopticView view = zembu::view::computeSynopticView(ws);
        groups = view.groupCount;
        benchmark::DoNotOptimize(view.partWidth);
    }
    state.counters["groups"] = groups;
}

void BM_OneSynopticScreen(benchmark::State& state) {
    zembu::core::Workspace& ws = bigWorkspace();
    ws.synopticType = zembu::synoptic::FidelityTable;
    static const zembu::view::SynopticView view = zembu::view::computeSynopticView(ws);
    int32_t top = 1;
    for (auto _ : state) {
        top = top % 4900 + 37;  // another part of the table each time
        benchmark::DoNotOptimize(zembu::view::buildSynopticScreen(ws, view, 61, 40, top, 60));
    }
}

}  // namespace

BENCHMARK(BM_FidelityTableWithVeto)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FidelityTableWithoutVeto)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PercentageTable)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FidelityViewWithVeto)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OneSynopticScreen)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
