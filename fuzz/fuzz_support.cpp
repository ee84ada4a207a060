#include "fuzz_support.h"

#include <cstdio>
#include <unistd.h>

#include "core/index_code.h"

namespace zembu::fuzzing {

std::filesystem::path scratchFile(std::string_view bytes, const std::string& extension) {
    // In memory where the system has such a folder: the harnesses write a
    // file for every input.
    static const std::filesystem::path folder =
        std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                  : std::filesystem::temp_directory_path();
    const std::filesystem::path file = folder / ("zembu-fuzz-" + std::to_string(getpid()) + "." + extension);
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return file;
}

const core::Table& smallTable() {
    static const core::Table table = [] {
        core::Table t(MaxReleves, MaxSpecies);
        constexpr int32_t Species = 5;
        constexpr int32_t Releves = 6;
        t.ReleveCount = t.ReleveRecordCount = Releves;
        t.SpeciesCount = t.SpeciesRecordCount = Species;
        for (int32_t k = 1; k <= Releves; ++k) {
            t.ReleveOrder[k] = {k, 1000 + k};
            t.ReleveColour[k] = {0xFFFFFF, 0};
            t.ReleveHead[k] = "     " + std::to_string(k);
        }
        for (int32_t i = 1; i <= Species; ++i) {
            t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayer[i] = 6;
            t.SpeciesLayerLabel[i] = "   ";
            for (int32_t k = 1; k <= Releves; ++k)
                if ((i + k) % 3 != 0) core::appendCell(t.ReleveData[k], i, core::coverByte(1 + (i * k) % 95));
        }
        t.tvorbadruhu();
        t.recountFrequencies();
        return t;
    }();
    return table;
}

}  // namespace zembu::fuzzing
