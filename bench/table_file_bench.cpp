// Opening and saving table files of 30,000 and 1,000,000 relevés (about 25
// species a relevé, 5,000 species rows, header data), as the desktop program
// does it: the file with its companions, into / out of a workspace.
//
// Counters: file size in MB and the process's peak resident memory (VmHWM)
// in MB after the benchmark. For the peak of one case alone run it by
// itself once the files exist, e.g. --benchmark_filter=Open/1000000.

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <memory>

#include "core/file_util.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "generator/generator.h"

namespace {

namespace fs = std::filesystem;
using namespace zembu;

double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Files stay between runs, so that a second run measures opening alone.
fs::path benchFolder() {
    const fs::path folder = fs::temp_directory_path() / "zembu-table-file-bench";
    fs::create_directories(folder);
    return folder;
}

generator::GeneratorOptions optionsFor(int32_t releves) {
    generator::GeneratorOptions o;
    o.releves = releves;
    o.species = 5000;
    o.speciesPerReleve = 25;
    o.communities = 12;
    o.layers = 5;
    o.separators = true;
    o.colours = true;
    o.maxReleves = std::max(releves, 30000);
    return o;
}

// A workspace holding a generated table of the given size (made once).
core::Workspace& workspaceFor(int32_t releves) {
    static std::map<int32_t, std::unique_ptr<core::Workspace>> cache;
    auto& ws = cache[releves];
    if (!ws) {
        ws = std::make_unique<core::Workspace>(benchFolder() / "home");
        generator::generateWorkspace(*ws, optionsFor(releves));
    }
    return *ws;
}

fs::path fileFor(int32_t releves) { return benchFolder() / ("table-" + std::to_string(releves) + ".vod"); }

void Save(benchmark::State& state) {
    const auto releves = static_cast<int32_t>(state.range(0));
    core::Workspace& ws = workspaceFor(releves);
    core::ScriptedInteraction ui;
    for (auto _ : state) {
        if (!core::savetabl(ws, ui, fileFor(releves).string())) state.SkipWithError("save failed");
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(fileFor(releves))) / (1 << 20);
    state.counters["peak_MB"] = peakMegabytes();
}

void Open(benchmark::State& state) {
    const auto releves = static_cast<int32_t>(state.range(0));
    if (!fs::exists(fileFor(releves))) generator::writeGeneratedTableFile(fileFor(releves), optionsFor(releves));
    core::Workspace ws(benchFolder() / "home");
    ws.table.setCapacities(std::max(releves, 30000), 5000);
    core::ScriptedInteraction ui;
    for (auto _ : state) {
        if (!core::loadTableFile(ws, ui, fileFor(releves))) state.SkipWithError("open failed");
    }
    state.counters["releves"] = ws.table.ReleveCount;
    state.counters["peak_MB"] = peakMegabytes();
}

}  // namespace

BENCHMARK(Save)->Arg(30000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Open)->Arg(30000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
