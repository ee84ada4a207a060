#include "core/table.h"

#include "core/index_code.h"

namespace zembu::core {

namespace {

template <typename T>
void resetVector(std::vector<T>& v, size_t size) {
    v.clear();
    v.shrink_to_fit();
    v.resize(size);
}

}  // namespace

Table::Table() { Redefine_dimensions(); }

Table::Table(int32_t maxReleves, int32_t maxSpecies) : MaxReleves(maxReleves), MaxSpecies(maxSpecies) {
    Redefine_dimensions();
}

void Table::setCapacities(int32_t maxReleves, int32_t maxSpecies) {
    MaxReleves = maxReleves;
    MaxSpecies = maxSpecies;
    Redefine_dimensions();
}

void Table::Redefine_dimensions() {
    ReleveCount = ReleveRecordCount = SpeciesCount = SpeciesRecordCount = 0;
    const size_t r = static_cast<size_t>(MaxReleves) + 1;
    const size_t s = static_cast<size_t>(MaxSpecies) + 1;

    resetVector(ReleveData, r);
    resetVector(ReleveOrder, r);
    resetVector(ReleveColour, r);
    resetVector(ReleveColourByRecord, r);
    resetVector(ReleveColumnOfRecord, r);
    resetVector(SeparatorAfter, r);
    resetVector(ReleveGroup, r);
    resetVector(ReleveHead, r);
    resetVector(ReleveIndicatorMean, r);

    resetVector(SpeciesData, s);
    resetVector(SpeciesInfo, s);
    resetVector(SpeciesRowOfRecord, s);
    resetVector(SpeciesLayer, s);
    resetVector(SpeciesLayerLabel, s);
    resetVector(SpeciesColour, s);
    resetVector(SpeciesSeparatorAfter, s);
    resetVector(SpeciesFrequency, s);
    resetVector(SpeciesNote, s);
    resetVector(SpeciesIndicator, s);
    resetVector(SpeciesMark, s);

    SpeciesGroups.clear();
}

void Table::tvorbadruhu() {
    const int32_t lastSpecies = MaxSpecies;
    // Count first so every species string is allocated once.
    std::vector<int32_t> counts(static_cast<size_t>(lastSpecies) + 1, 0);
    for (int32_t rec = 1; rec <= ReleveCount; ++rec) {
        const std::string& cells = ReleveData[rec];
        const int n = cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t s = cellRecord(cells, c);
            if (s >= 1 && s <= lastSpecies) ++counts[s];
        }
    }
    for (int32_t s = 0; s <= lastSpecies; ++s) {
        SpeciesData[s].clear();
        if (counts[s] > 0) SpeciesData[s].reserve(static_cast<size_t>(counts[s]) * CellSize);
    }
    for (int32_t rec = 1; rec <= ReleveCount; ++rec) {
        const std::string& cells = ReleveData[rec];
        const int n = cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t s = cellRecord(cells, c);
            if (s >= 1 && s <= lastSpecies) appendCell(SpeciesData[s], rec, cellCoverByte(cells, c));
        }
    }
}

void Table::zalozbarvy() {
    for (int32_t k = 1; k <= ReleveCount; ++k) {
        const int32_t rec = ReleveOrder[k].record;
        if (rec >= 1 && rec <= MaxReleves) ReleveColourByRecord[rec] = ReleveColour[k];
    }
}

void Table::fillColumnOfRecord() {
    for (int32_t k = 1; k <= ReleveCount; ++k) {
        const int32_t rec = ReleveOrder[k].record;
        if (rec >= 1 && rec <= MaxReleves) ReleveColumnOfRecord[rec] = k;
    }
}

void Table::rebuildRowOfRecord() {
    for (int32_t i = 1; i <= SpeciesRecordCount; ++i) {
        const int32_t s = SpeciesInfo[i].record;
        if (s >= 1 && s <= MaxSpecies) SpeciesRowOfRecord[s] = i;
    }
}

void Table::recountFrequencies() {
    for (int32_t i = 1; i <= SpeciesRecordCount; ++i) {
        const int32_t s = SpeciesInfo[i].record;
        SpeciesFrequency[i] = (s >= 1 && s <= MaxSpecies) ? cellCount(SpeciesData[s]) : 0;
    }
}

namespace {

char findCell(const std::string& cells, int32_t record) {
    const int n = cellCount(cells);
    for (int c = 0; c < n; ++c)
        if (cellRecord(cells, c) == record) return cellCoverByte(cells, c);
    return 0;
}

}  // namespace

char Table::coverInReleve(int32_t rec, int32_t s) const {
    if (rec < 1 || rec > MaxReleves) return 0;
    return findCell(ReleveData[rec], s);
}

char Table::coverInSpecies(int32_t s, int32_t rec) const {
    if (s < 1 || s > MaxSpecies) return 0;
    return findCell(SpeciesData[s], rec);
}

char Table::coverAt(int32_t row, int32_t column) const {
    if (row < 1 || row > SpeciesRecordCount || column < 1 || column > ReleveCount) return 0;
    return coverInReleve(ReleveOrder[column].record, SpeciesInfo[row].record);
}

}  // namespace zembu::core
