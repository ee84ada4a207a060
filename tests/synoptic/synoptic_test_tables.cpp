#include "synoptic/synoptic_test_tables.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/index_code.h"
#include "support/test_support.h"

namespace zembu::testing {

core::Table randomSynopticTable(std::mt19937_64& random, const RandomTableShape& shape) {
    std::uniform_real_distribution<> chance(0, 1);
    std::vector<std::vector<int>> covers(shape.species, std::vector<int>(shape.releves, 0));
    for (auto& row : covers)
        for (int& cover : row)
            if (chance(random) < shape.presence)
                cover = chance(random) < 0.5 ? std::uniform_int_distribution<int>(1, 8)(random)
                                             : std::uniform_int_distribution<int>(1, 95)(random);
    core::Table t = tableFromCovers(covers);

    // Some cells with cover 0 (byte 160): present, but without cover.
    for (int32_t rec = 1; rec <= t.ReleveCount; ++rec) {
        std::string& cells = t.ReleveData[rec];
        for (int c = 0; c < core::cellCount(cells); ++c)
            if (chance(random) < 0.05) cells[c * core::CellSize + 3] = static_cast<char>(160);
    }
    t.tvorbadruhu();

    // Columns show the records in a shuffled order.
    std::vector<int32_t> records(t.ReleveCount);
    std::iota(records.begin(), records.end(), 1);
    std::shuffle(records.begin(), records.end(), random);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) t.ReleveOrder[k].record = records[k - 1];

    // Rows show the species records in a shuffled order; the last rows are deleted.
    std::vector<core::SpeciesInfoEntry> infos(t.SpeciesInfo.begin() + 1, t.SpeciesInfo.begin() + 1 + t.SpeciesRecordCount);
    std::shuffle(infos.begin(), infos.end(), random);
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
        t.SpeciesInfo[i] = infos[i - 1];
        t.SpeciesLayer[i] = static_cast<int16_t>(std::uniform_int_distribution<int>(0, 9)(random));
    }
    t.SpeciesCount = t.SpeciesRecordCount - shape.deleted;
    t.rebuildRowOfRecord();
    t.recountFrequencies();

    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        t.SeparatorAfter[k] = chance(random) < shape.separators
                                  ? static_cast<int16_t>(std::uniform_int_distribution<int>(1, 6)(random))
                                  : 0;
    return t;
}

}  // namespace zembu::testing
