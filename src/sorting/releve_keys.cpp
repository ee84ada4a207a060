#include "sorting/releve_keys.h"

#include <algorithm>
#include <cstring>

#include "core/header_store.h"
#include "core/index_code.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"
#include "sorting/reorder.h"

namespace zembu::sorting {

namespace {

size_t at(int32_t n) { return static_cast<size_t>(n); }

void step(core::ProgressMeter* meter) {
    if (meter) meter->merak();
}

// Writes bytes into a key from offset on, as far as the key reaches; returns
// the offset after them.
size_t put(TextKey& key, size_t offset, const char* bytes, size_t count) {
    if (offset < KeyLength) std::memcpy(key.data() + offset, bytes, std::min(count, KeyLength - offset));
    return offset + count;
}

// What the rows of the species colour are to the relevé sort.
struct ChosenRows {
    std::vector<char> species;      // chosen species by row
    std::vector<int32_t> groupRow;  // number 1..M of a group row by row, 0 otherwise
    int32_t groups = 0;             // M
};

ChosenRows chooseRows(const core::Table& t, int speciesColour) {
    ChosenRows rows;
    rows.species.assign(at(t.SpeciesCount) + 1, 0);
    rows.groupRow.assign(at(t.SpeciesCount) + 1, 0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        if (speciesColour != core::AllColours && t.SpeciesColour[i].number != speciesColour) continue;
        if (t.SpeciesInfo[i].name.starts_with("###")) rows.groupRow[at(i)] = ++rows.groups;
        else rows.species[at(i)] = 1;
    }
    return rows;
}

}  // namespace

std::vector<TextKey> releveBySpeciesKeys(const core::Table& t, int releveColour, int speciesColour, bool countOnly,
                                         core::ProgressMeter* meter) {
    const int32_t n = t.ReleveCount;
    const ChosenRows rows = chooseRows(t, speciesColour);
    const size_t m = at(rows.groups);
    std::vector<TextKey> keys(at(n) + 1, makeTextKey(""));
    std::string held(m, '.'), covers(m, '.');
    // Species held as row * 256 + (255 - cover): ascending means topmost
    // first, then the higher cover.
    std::vector<uint64_t> entries;
    // Records in their own order: the cell strings are read one after the other.
    const std::vector<int32_t> columns = columnsOfRecords(t);
    for (int32_t rec = 1; rec < static_cast<int32_t>(columns.size()); ++rec) {
        const int32_t k = columns[at(rec)];
        if (k == 0) continue;
        step(meter);
        if (releveColour != core::AllColours && t.ReleveColour[k].number != releveColour) continue;
        const std::string& cells = t.ReleveData[at(rec)];
        std::fill(held.begin(), held.end(), '.');
        std::fill(covers.begin(), covers.end(), '.');
        entries.clear();
        int32_t groupsHeld = 0;
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t row = t.liveRowOfCell(cells, c);
            if (row == 0) continue;
            const auto cover = static_cast<unsigned char>(core::cellCoverByte(cells, c));
            if (const int32_t g = rows.groupRow[at(row)]; g > 0) {
                if (cover <= 128) continue;
                held[at(g - 1)] = static_cast<char>(255);
                covers[at(g - 1)] = static_cast<char>(cover);
                ++groupsHeld;
            } else if (rows.species[at(row)]) {
                entries.push_back(static_cast<uint64_t>(row) << 8 | (255u - cover));
            }
        }

        TextKey raw = makeTextKey("");
        if (countOnly) {
            const auto count = static_cast<int32_t>(entries.size());
            raw[0] = static_cast<char>(count / 128);
            raw[1] = static_cast<char>(count % 128);
        } else {
            raw[0] = static_cast<char>(groupsHeld % 256);
            size_t offset = 3;  // after the two blanks
            offset = put(raw, offset, held.data(), m);
            offset = put(raw, offset, covers.data(), m);
            offset = put(raw, offset, core::kod_P(static_cast<int32_t>(entries.size())).data(), 3);
            uint64_t first[MaxKeyEntries];
            const size_t shown =
                smallestEntries(entries, offset < KeyLength ? (KeyLength - offset + 3) / 4 : 0, first);
            for (size_t e = 0; e < shown; ++e) {
                char entry[4];
                core::kodInto(entry, t.SpeciesRecordCount - static_cast<int32_t>(first[e] >> 8));
                entry[3] = static_cast<char>(255 - (first[e] & 0xFF));
                offset = put(raw, offset, entry, 4);
            }
        }
        TextKey& key = keys[at(k)];
        key = spreadKey(raw);
        // kod_P keeps the order of positions in tables of any width.
        std::memcpy(key.data() + 47, core::kod_P(n - k).data(), 3);
    }
    return keys;
}

std::vector<double> shortHeadNumberKeys(const core::Table& t) {
    std::vector<double> keys(at(t.ReleveCount) + 1, 0.0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec >= 1 && rec <= t.MaxReleves) keys[at(k)] = -core::leadingNumber(t.ReleveHead[at(rec)]);
    }
    return keys;
}

std::vector<TextKey> shortHeadTextKeys(const core::Table& t) {
    std::vector<TextKey> keys(at(t.ReleveCount) + 1, makeTextKey(""));
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec >= 1 && rec <= t.MaxReleves) keys[at(k)] = makeTextKey(t.ReleveHead[at(rec)]);
    }
    return keys;
}

std::vector<TextKey> headerDataKeys(const core::Workspace& ws, const std::vector<int>& fields,
                                    core::ProgressMeter* meter) {
    const core::Table& t = ws.table;
    std::vector<TextKey> keys(at(t.ReleveCount) + 1, makeTextKey(""));
    core::HeaderValueFile values(ws.headerValueFile(), ws.header);
    std::string joined;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        step(meter);
        const auto record = values.isOpen() ? values.record(t.ReleveOrder[k].record) : std::nullopt;
        joined.clear();
        for (int field : fields) joined += core::leftJustify(record ? ws.header.fieldText(*record, field) : "", 25);
        keys[at(k)] = makeTextKey(joined);
    }
    return keys;
}

}  // namespace zembu::sorting
