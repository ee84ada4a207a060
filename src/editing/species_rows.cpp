#include "editing/species_rows.h"

#include <algorithm>

#include "core/index_code.h"
#include "core/text.h"
#include "view/block_moves.h"
#include "view/layer_labels.h"

namespace zembu::editing {

std::vector<int32_t> rowsOfColour(const core::Table& t, int colour) {
    std::vector<int32_t> rows;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        if (colour == 9 || t.SpeciesColour[i].number == colour) rows.push_back(i);
    return rows;
}

char combineCovers(char first, char second) {
    const int a = static_cast<unsigned char>(first);
    const int p = core::coverPercent(second);
    return static_cast<char>(std::min(255, a + (260 - a) * p / 100));
}

std::string markedName(char mark, std::string_view name) {
    std::string marked = std::string("(") + mark + ") " + std::string(core::trim(name));
    if (marked.size() > SpeciesNameLength) marked.resize(SpeciesNameLength);
    return marked;
}

int32_t addRecordRow(core::Table& t, const NewRow& row, int labelMode) {
    const int32_t s = t.SpeciesRecordCount + 1;
    const int32_t i = s;
    t.SpeciesRecordCount = s;
    t.SpeciesInfo[i] = {row.number, row.name.substr(0, SpeciesNameLength), s};
    t.SpeciesRowOfRecord[s] = i;
    t.SpeciesLayer[i] = static_cast<int16_t>(row.layer);
    t.SpeciesLayerLabel[i] = row.layerLabel;
    view::patro_vypsani(t, i, row.layer, labelMode);
    t.SpeciesColour[i] = row.colour;
    t.SpeciesSeparatorAfter[i] = 0;
    t.SpeciesFrequency[i] = core::cellCount(row.cells);
    t.SpeciesData[s] = row.cells;
    t.SpeciesNote[s] = row.note;
    t.SpeciesIndicator[s] = row.indicators;
    t.SpeciesMark[s] = core::speciesMarkOfName(t.SpeciesInfo[i].name);
    for (int c = 0; c < core::cellCount(row.cells); ++c)
        core::appendCell(t.ReleveData[core::cellRecord(row.cells, c)], s, core::cellCoverByte(row.cells, c));
    return i;
}

void placeRows(core::Table& t, const std::vector<int32_t>& live, const std::vector<int32_t>& deleted) {
    std::vector<int32_t> order;
    order.reserve(live.size() + deleted.size());
    order.insert(order.end(), live.begin(), live.end());
    order.insert(order.end(), deleted.begin(), deleted.end());
    view::reorderRows(t, order, true);
    t.SpeciesCount = static_cast<int32_t>(live.size());
}

int32_t appendLiveRow(core::Table& t, const NewRow& row, int labelMode) {
    const int32_t made = addRecordRow(t, row, labelMode);
    std::vector<int32_t> live, deleted;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) live.push_back(i);
    live.push_back(made);
    for (int32_t i = t.SpeciesCount + 1; i < made; ++i) deleted.push_back(i);
    placeRows(t, live, deleted);
    return t.SpeciesCount;
}

namespace {

std::vector<char> flagged(const core::Table& t, const std::vector<int32_t>& rows) {
    std::vector<char> flags(static_cast<size_t>(t.SpeciesRecordCount) + 1, 0);
    for (int32_t i : rows)
        if (i >= 1 && i <= t.SpeciesRecordCount) flags[static_cast<size_t>(i)] = 1;
    return flags;
}

}  // namespace

void removeRows(core::Table& t, const std::vector<int32_t>& rows) {
    const std::vector<char> gone = flagged(t, rows);
    std::vector<int32_t> live, deleted;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) (gone[i] ? deleted : live).push_back(i);
    for (int32_t i = t.SpeciesCount + 1; i <= t.SpeciesRecordCount; ++i) deleted.push_back(i);
    placeRows(t, live, deleted);
}

void restoreRows(core::Table& t, const std::vector<int32_t>& rows) {
    const std::vector<char> back = flagged(t, rows);
    std::vector<int32_t> live, deleted;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) live.push_back(i);
    for (int32_t i = t.SpeciesCount + 1; i <= t.SpeciesRecordCount; ++i) (back[i] ? live : deleted).push_back(i);
    placeRows(t, live, deleted);
}

JournalSpecies journalSpecies(const core::Table& t, int32_t row) {
    return {std::string(core::trim(t.SpeciesInfo[row].name)), std::to_string(t.SpeciesInfo[row].number),
            std::to_string(t.SpeciesLayer[row])};
}

}  // namespace zembu::editing
