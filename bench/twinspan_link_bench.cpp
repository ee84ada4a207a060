// The TWINSPAN link around the classification itself, on generated tables of
// 30,000 relevés (about 25 species a relevé, 1,000 species rows):
//
//   BM_LinkFiles/R   writing the data and answer files of R relevés
//   BM_LinkApply/R   reading an output file of R classified relevés and
//                    applying it: relevé and species reorder, head, separators
//   BM_LinkWhole/R   both, as a run of the dialog does them
//
// The target is BM_LinkWhole/30000 under 5 s. The output file is made up
// (codes of up to six levels) so that the program's own time stays out.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

#include "classification/twinspan_apply.h"
#include "classification/twinspan_link.h"
#include "core/file_util.h"
#include "core/scripted_interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "generator/generator.h"

namespace {

namespace fs = std::filesystem;
namespace cl = zembu::classification;
using zembu::core::Table;

const Table& table(int32_t releves) {
    static std::unique_ptr<Table> t;
    if (!t || t->ReleveCount != releves) {
        zembu::generator::GeneratorOptions options;
        options.releves = releves;
        options.species = 1000;
        options.speciesPerReleve = 25;
        options.communities = 12;
        options.seed = 11;
        t = std::make_unique<Table>(zembu::generator::generateTable(options));
    }
    return *t;
}

std::string code(std::mt19937& random) {
    std::string c = "*";
    const int levels = 1 + static_cast<int>(random() % 6);
    for (int l = 0; l < levels; ++l) c += random() % 2 ? '1' : '0';
    return c;
}

// An output file classifying every relevé and species of the table.
std::string punchedText(const Table& t) {
    std::mt19937 random(5);
    // Relevé names fill columns 7-14 and the class 15-21; species names
    // 7-15 and the class 16-21; the code starts in column 25.
    const auto record = [](int number, const std::string& name, const std::string& c) {
        return zembu::core::leftJustify(zembu::core::padLeft(std::to_string(number), 5) + " " + name + " 1", 24) +
               zembu::core::leftJustify(c, 30) + "\r\n";
    };
    std::string text = " Temporary source file\r\n\r\n SAMPLE CLASSIFICATION\r\n There are" +
                       zembu::core::padLeft(std::to_string(t.ReleveCount), 6) + "  ITEMS\r\n";
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        text += record(k, zembu::core::padLeft(std::to_string(t.ReleveOrder[k].record), 8), code(random));
    text += "\r\n\r\n SPECIES CLASSIFICATION\r\n There are" + zembu::core::padLeft(std::to_string(t.SpeciesCount), 6) +
            "  ITEMS\r\n";
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const std::string name = zembu::core::leftJustify(std::to_string(t.SpeciesInfo[i].record), 8);
        text += record(i, name.substr(0, 4) + " " + name.substr(4), code(random));
    }
    return text;
}

struct Bench {
    fs::path folder = fs::temp_directory_path() / ("zembu-link-bench-" + std::to_string(getpid()));
    zembu::core::Workspace ws{folder / "home"};
    zembu::core::ScriptedInteraction ui;
    cl::TwinspanLinkOptions options;
    std::string punched;

    explicit Bench(int32_t releves) {
        ws.table = table(releves);
        options.program = "/bin/true";
        options.sortSpecies = true;
        options.makeSeparators = true;
        punched = punchedText(ws.table);
    }
    ~Bench() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    fs::path runFolder() const { return folder / "run"; }
};

void BM_LinkFiles(benchmark::State& state) {
    Bench b(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(cl::prepareTwinspanRun(b.ws, b.ui, b.options, b.runFolder()));
}

void BM_LinkApply(benchmark::State& state) {
    Bench b(static_cast<int32_t>(state.range(0)));
    const Table original = b.ws.table;
    for (auto _ : state) {
        state.PauseTiming();
        b.ws.table = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            cl::applyTwinspanClassification(b.ws, b.ui, cl::readTwinspanClassification(b.punched), {0, true, true}));
    }
}

void BM_LinkWhole(benchmark::State& state) {
    Bench b(static_cast<int32_t>(state.range(0)));
    const Table original = b.ws.table;
    zembu::core::ProgramOutcome ran;
    ran.started = true;
    ran.exitCode = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.ws.table = original;
        state.ResumeTiming();
        const auto run = cl::prepareTwinspanRun(b.ws, b.ui, b.options, b.runFolder());
        state.PauseTiming();
        // What the program would write.
        zembu::core::writeFileAtomically(b.runFolder() / cl::TwinspanPunchedFileName, b.punched);
        state.ResumeTiming();
        benchmark::DoNotOptimize(cl::finishTwinspanRun(b.ws, b.ui, *run, ran));
    }
}

}  // namespace

BENCHMARK(BM_LinkFiles)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinkApply)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinkWhole)->Arg(30000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
