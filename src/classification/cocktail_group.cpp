#include "classification/cocktail_group.h"

#include "core/index_code.h"
#include "core/text.h"

namespace zembu::classification {

int InString(std::string_view cells, std::string_view code) {
    if (code.size() != 3) return 0;
    size_t from = 0;
    while (true) {
        const size_t found = cells.find(code, from);
        if (found == std::string_view::npos) return 0;
        if (found % core::CellSize == 0) return static_cast<int>(found) + 1;
        from = found + 1;
    }
}

int32_t firstRowOfSpeciesNumber(const core::Table& table, int32_t number) {
    for (int32_t i = 1; i <= table.SpeciesCount; ++i)
        if (table.SpeciesInfo[i].number == number) return i;
    return 0;
}

int32_t firstRowNamed(const core::Table& table, std::string_view name) {
    const std::string_view wanted = core::trim(name);
    for (int32_t i = 1; i <= table.SpeciesCount; ++i)
        if (core::trim(table.SpeciesInfo[i].name) == wanted) return i;
    return 0;
}

GroupMember memberOfRow(const core::Table& table, int32_t row) {
    const core::SpeciesInfoEntry& info = table.SpeciesInfo[row];
    return {std::string(core::trim(info.name)), info.number};
}

std::vector<int32_t> memberCountsByRecord(const core::Table& table, const std::vector<int32_t>& speciesRecords) {
    std::vector<int32_t> counts(static_cast<size_t>(table.ReleveRecordCount) + 1, 0);
    for (int32_t s : speciesRecords) {
        if (s < 1 || s > table.MaxSpecies) continue;
        // Walking the cells of the member's string finds exactly the relevés
        // InString finds: every cell start, never a code inside a cell.
        const std::string& cells = table.SpeciesData[s];
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec >= 1 && rec <= table.ReleveRecordCount) ++counts[rec];
        }
    }
    return counts;
}

bool isGroupRowName(std::string_view name) { return name.substr(0, 3) == "###"; }

}  // namespace zembu::classification
