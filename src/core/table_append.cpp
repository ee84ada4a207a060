#include "core/table_append.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/text.h"
#include "core/vod_format.h"

namespace zembu::core {

std::string appendMatchName(std::string_view name) {
    std::string_view t = trim(name);
    if (!t.empty() && t.front() == '(' && t.size() >= 4) t = trim(t.substr(4));
    return std::string(t);
}

namespace {

using Key = std::pair<std::string, int16_t>;

// Moves the row entries [from, to) of a row array down by `by` rows.
template <typename T>
void shiftRows(std::vector<T>& rows, int32_t from, int32_t to, int32_t by) {
    if (by <= 0 || from >= to) return;
    std::move_backward(rows.begin() + from, rows.begin() + to, rows.begin() + to + by);
}

}  // namespace

void appendTable(Table& t, const Table& b) {
    // Match the added rows first; nothing changes until the result is known to fit.
    std::map<Key, int32_t> rowOfKey;  // first row of the table with the key
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i)
        rowOfKey.emplace(Key{appendMatchName(t.SpeciesInfo[i].name), t.SpeciesLayer[i]}, i);

    std::vector<int32_t> matchedRow(static_cast<size_t>(b.SpeciesRecordCount) + 1, 0);
    std::vector<char> taken(static_cast<size_t>(t.SpeciesRecordCount) + 1, 0);
    int32_t newLive = 0, newDeleted = 0;
    for (int32_t i = 1; i <= b.SpeciesRecordCount; ++i) {
        const auto found = rowOfKey.find(Key{appendMatchName(b.SpeciesInfo[i].name), b.SpeciesLayer[i]});
        if (found != rowOfKey.end() && !taken[found->second]) {
            matchedRow[i] = found->second;
            taken[found->second] = 1;
        } else if (i <= b.SpeciesCount) {
            ++newLive;
        } else {
            ++newDeleted;
        }
    }
    const int64_t releves = static_cast<int64_t>(t.ReleveCount) + b.ReleveCount;
    if (releves > t.MaxReleves)
        throw ZembuError("The tables together have " + std::to_string(releves) + " relevés.\rIt exceeds the limit (" +
                             std::to_string(t.MaxReleves) +
                             "). Please change limits and try to append the table once more.",
                         "Program Info");
    const int64_t species = static_cast<int64_t>(t.SpeciesRecordCount) + newLive + newDeleted;
    if (species > t.MaxSpecies)
        throw ZembuError("The tables together have " + std::to_string(species) +
                             " species (with formally deleted records).\rIt exceeds the limit (" +
                             std::to_string(t.MaxSpecies) +
                             "). Please change limits and try to append the table once more.",
                         "Program Info");

    // Room for the new live rows before the formally deleted ones.
    const int32_t oldLive = t.SpeciesCount;
    const int32_t oldRows = t.SpeciesRecordCount;
    shiftRows(t.SpeciesInfo, oldLive + 1, oldRows + 1, newLive);
    shiftRows(t.SpeciesLayer, oldLive + 1, oldRows + 1, newLive);
    shiftRows(t.SpeciesLayerLabel, oldLive + 1, oldRows + 1, newLive);
    shiftRows(t.SpeciesColour, oldLive + 1, oldRows + 1, newLive);
    shiftRows(t.SpeciesSeparatorAfter, oldLive + 1, oldRows + 1, newLive);

    // Species records of the added table's records in the table.
    std::vector<int32_t> recordOf(static_cast<size_t>(b.SpeciesRecordCount) + 1, 0);
    int32_t nextRecord = oldRows;
    int32_t nextLiveRow = oldLive;
    int32_t nextDeletedRow = oldRows + newLive;
    for (int32_t i = 1; i <= b.SpeciesRecordCount; ++i) {
        const int32_t sb = b.SpeciesInfo[i].record;
        if (matchedRow[i] > 0) {
            const int32_t row = matchedRow[i] > oldLive ? matchedRow[i] + newLive : matchedRow[i];
            recordOf[sb] = t.SpeciesInfo[row].record;
            continue;
        }
        const int32_t s = ++nextRecord;
        const int32_t row = i <= b.SpeciesCount ? ++nextLiveRow : ++nextDeletedRow;
        recordOf[sb] = s;
        t.SpeciesInfo[row] = {b.SpeciesInfo[i].number, b.SpeciesInfo[i].name, s};
        t.SpeciesLayer[row] = b.SpeciesLayer[i];
        t.SpeciesLayerLabel[row] = b.SpeciesLayerLabel[i];
        t.SpeciesColour[row] = b.SpeciesColour[i];
        t.SpeciesSeparatorAfter[row] = b.SpeciesSeparatorAfter[i];
        t.SpeciesNote[s] = b.SpeciesNote[sb];
        t.SpeciesIndicator[s] = b.SpeciesIndicator[sb];
    }

    // The added relevés: columns and records after the existing ones.
    const int32_t offset = t.ReleveCount;
    for (int32_t k = 1; k <= b.ReleveCount; ++k) {
        t.ReleveOrder[offset + k] = {offset + b.ReleveOrder[k].record, b.ReleveOrder[k].turbovegNumber};
        t.ReleveColour[offset + k] = b.ReleveColour[k];
        t.SeparatorAfter[offset + k] = b.SeparatorAfter[k];
    }
    for (int32_t rec = 1; rec <= b.ReleveCount; ++rec) {
        const std::string& cells = b.ReleveData[rec];
        std::string& out = t.ReleveData[offset + rec];
        out.clear();
        out.reserve(cells.size());
        for (int c = 0; c < cellCount(cells); ++c)
            appendCell(out, recordOf[cellRecord(cells, c)], cellCoverByte(cells, c));
        t.ReleveIndicatorMean[offset + rec] = b.ReleveIndicatorMean[rec];
        t.ReleveHead[offset + rec] = b.ReleveHead[rec];
    }

    t.ReleveCount += b.ReleveCount;
    t.ReleveRecordCount = t.ReleveCount;
    t.SpeciesCount += newLive;
    t.SpeciesRecordCount += newLive + newDeleted;
    t.rebuildRowOfRecord();
    t.tvorbadruhu();
    t.recountFrequencies();
    rebuildSpeciesMarks(t);
}

}  // namespace zembu::core
