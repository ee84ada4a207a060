// Importing a large Cornell Condensed file: 1,000,000 relevés with about 25
// species each (about 360 MB of CC! text). Reports the bytes of CC! text per
// second and the peak memory of the process.
//
// The file is generated once into the temporary folder (it is written a
// piece at a time, so the generator adds little to the peak).

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "core/interaction.h"
#include "import/cc_analysis.h"
#include "import/cc_import.h"

namespace {

using namespace zembu;

constexpr int32_t kReleves = 1000000;
constexpr int32_t kSpecies = 3000;
constexpr int32_t kMaxSpecies = 15000;

class QuietInteraction : public core::Interaction {
public:
    void message(std::string_view, std::string_view, core::MessageIcon) override {}
    core::Answer question(std::string_view, std::string_view, core::Buttons, core::MessageIcon) override {
        return core::Answer::Yes;
    }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const core::FileRequest&) override { return {}; }
    std::optional<std::string> saveFile(const core::FileRequest&) override { return {}; }
};

// Writes the CC! file: relevé index I5, five pairs (I5, F8.3) per line.
std::filesystem::path generatedFile() {
    static const std::filesystem::path file = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("zembu-bench-" + std::to_string(getpid()) + ".cc!");
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::mt19937 random(20240501);
        std::uniform_int_distribution<int> count(15, 35);
        std::uniform_int_distribution<int> species(1, kSpecies);
        const double covers[] = {1, 2, 3, 4, 8, 13, 18, 38, 63, 88, 0.5, 2.5, 15, 25};
        std::uniform_int_distribution<int> cover(0, 13);
        std::string chunk;
        char pair[32];
        chunk += "Generated vegetation data" + std::string(45, ' ') + "T\r\n";
        chunk += "(I5,5(I5,F8.3))" + std::string(54, ' ') + "5\r\n";
        for (int32_t r = 1; r <= kReleves; ++r) {
            const int n = count(random);
            for (int i = 0; i < n; ++i) {
                if (i % 5 == 0) {
                    if (i > 0) chunk += "\r\n";
                    std::snprintf(pair, sizeof pair, "%5d", r);
                    chunk += pair;
                }
                std::snprintf(pair, sizeof pair, "%5d%8.3f", species(random), covers[cover(random)]);
                chunk += pair;
            }
            chunk += "\r\n";
            if (chunk.size() > (1 << 20)) {
                std::fwrite(chunk.data(), 1, chunk.size(), f);
                chunk.clear();
            }
        }
        chunk += "0000\r\n";
        for (int32_t s = 1; s <= kSpecies; ++s) {
            std::snprintf(pair, sizeof pair, "Sp%05d6", s);
            chunk += pair;
            if (s % 10 == 0 || s == kSpecies) chunk += "\r\n";
        }
        for (int32_t r = 1; r <= kReleves; ++r) {
            std::snprintf(pair, sizeof pair, "%8d", 100000 + r);
            chunk += pair;
            if (r % 10 == 0 || r == kReleves) chunk += "\r\n";
            if (chunk.size() > (1 << 20)) {
                std::fwrite(chunk.data(), 1, chunk.size(), f);
                chunk.clear();
            }
        }
        std::fwrite(chunk.data(), 1, chunk.size(), f);
        std::fclose(f);
        std::atexit([] { std::filesystem::remove(std::filesystem::temp_directory_path() /
                                                 ("zembu-bench-" + std::to_string(getpid()) + ".cc!")); });
        return path;
    }();
    return file;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_CcAnalysis(benchmark::State& state) {
    const auto file = generatedFile();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(file));
    QuietInteraction ui;
    for (auto _ : state) {
        import::CcOptions options;
        auto analysis = import::test_tabulky(file, options, kReleves, kMaxSpecies, ui);
        if (!analysis || analysis->releveCount != kReleves) state.SkipWithError("analysis failed");
        benchmark::DoNotOptimize(analysis);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_CcImport(benchmark::State& state) {
    const auto file = generatedFile();
    const auto bytes = static_cast<int64_t>(std::filesystem::file_size(file));
    QuietInteraction ui;
    import::CcOptions options;
    const auto analysis = import::test_tabulky(file, options, kReleves, kMaxSpecies, ui);
    for (auto _ : state) {
        core::Table table = import::imp_tab(file, options, analysis->values, kReleves, kMaxSpecies, ui);
        if (table.ReleveCount != kReleves) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(table);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_MB"] = peakMegabytes();
}

}  // namespace

BENCHMARK(BM_CcAnalysis)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CcImport)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
