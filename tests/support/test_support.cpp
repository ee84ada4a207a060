#include "support/test_support.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "core/index_code.h"

namespace zembu::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("zembu-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

core::Table tableFromCovers(const std::vector<std::vector<int>>& covers) {
    core::Table t;
    const int32_t species = static_cast<int32_t>(covers.size());
    const int32_t releves = covers.empty() ? 0 : static_cast<int32_t>(covers[0].size());
    t.ReleveCount = t.ReleveRecordCount = releves;
    t.SpeciesCount = t.SpeciesRecordCount = species;
    for (int32_t k = 1; k <= releves; ++k) {
        t.ReleveOrder[k] = {k, 1000 + k};
        t.ReleveColour[k] = {0xFFFFFF, 0};
    }
    for (int32_t i = 1; i <= species; ++i) {
        t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
        t.SpeciesRowOfRecord[i] = i;
        t.SpeciesLayer[i] = 6;
        t.SpeciesLayerLabel[i] = "   ";
        for (int32_t k = 1; k <= releves; ++k) {
            const int p = covers[i - 1][k - 1];
            if (p > 0) core::appendCell(t.ReleveData[k], i, core::coverByte(p));
        }
    }
    t.tvorbadruhu();
    t.recountFrequencies();
    return t;
}

std::vector<int32_t> rowRecords(const core::Table& t) {
    std::vector<int32_t> records;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) records.push_back(t.SpeciesInfo[i].record);
    return records;
}

std::vector<int32_t> columnRecords(const core::Table& t) {
    std::vector<int32_t> records;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) records.push_back(t.ReleveOrder[k].record);
    return records;
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace zembu::testing
