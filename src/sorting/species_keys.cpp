#include "sorting/species_keys.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/index_code.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "sorting/reorder.h"

namespace zembu::sorting {

namespace {

size_t at(int32_t n) { return static_cast<size_t>(n); }

void step(core::ProgressMeter* meter) {
    if (meter) meter->merak();
}

// The cells of the species record of live row i.
std::string_view cellsOfRow(const core::Table& t, int32_t i) {
    const int32_t s = t.SpeciesInfo[i].record;
    if (s < 1 || s > t.MaxSpecies) return {};
    return t.SpeciesData[at(s)];
}

// Calls visit(rec, cover byte) for each occurrence of row i in a relevé shown in the table.
template <typename Visit>
void forEachShownOccurrence(const core::Table& t, const std::vector<int32_t>& columns, int32_t i, Visit visit) {
    const std::string_view cells = cellsOfRow(t, i);
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t rec = core::cellRecord(cells, c);
        if (rec < 1 || at(rec) >= columns.size() || columns[at(rec)] == 0) continue;
        visit(rec, static_cast<unsigned char>(core::cellCoverByte(cells, c)));
    }
}

}  // namespace

std::vector<TextKey> speciesByReleveKeys(const core::Table& t, int speciesColour, int releveColour, bool layerFirst,
                                         core::ProgressMeter* meter) {
    constexpr size_t head = 6;                                 // "000" and the count
    constexpr size_t entriesInKey = (KeyLength - head) / 4;    // entries that fit into the key
    const int32_t n = t.ReleveCount;
    const std::vector<int32_t> columns = columnsOfRecords(t);
    std::vector<TextKey> keys(at(t.SpeciesCount) + 1, makeTextKey(""));
    // Occurrences as column * 256 + (255 - cover): ascending means leftmost
    // first, then the higher cover.
    std::vector<uint64_t> occurrences;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        step(meter);
        if (speciesColour != core::AllColours && t.SpeciesColour[i].number != speciesColour) continue;
        occurrences.clear();
        forEachShownOccurrence(t, columns, i, [&](int32_t rec, unsigned char cover) {
            const int32_t k = columns[at(rec)];
            if (releveColour == core::AllColours || t.ReleveColour[k].number == releveColour)
                occurrences.push_back(static_cast<uint64_t>(k) << 8 | (255u - cover));
        });
        uint64_t first[MaxKeyEntries];
        const size_t shown = smallestEntries(occurrences, entriesInKey, first);

        TextKey& key = keys[at(i)];
        std::memcpy(key.data(), "000", 3);
        if (layerFirst) key[0] = static_cast<char>('0' + 9 - std::clamp<int>(t.SpeciesLayer[i], 0, 9));
        std::memcpy(key.data() + 3, core::kod_P(static_cast<int32_t>(occurrences.size())).data(), 3);
        for (size_t e = 0; e < shown; ++e) {
            char* entry = key.data() + head + 4 * e;
            const auto column = static_cast<int32_t>(first[e] >> 8);
            // kod_P keeps the order of positions in tables of any width.
            std::memcpy(entry, core::kod_P(n - column).data(), 3);
            entry[3] = static_cast<char>(255 - (first[e] & 0xFF));
        }
    }
    return keys;
}

std::vector<TextKey> speciesNameKeys(const core::Table& t) {
    std::vector<TextKey> keys(at(t.SpeciesCount) + 1, makeTextKey(""));
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) keys[at(i)] = makeTextKey(t.SpeciesInfo[i].name);
    return keys;
}

std::vector<double> medianCoverKeys(const core::Table& t, core::ProgressMeter* meter) {
    const std::vector<int32_t> columns = columnsOfRecords(t);
    std::vector<double> keys(at(t.SpeciesCount) + 1, 0.0);
    std::vector<int> covers;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        step(meter);
        covers.clear();
        forEachShownOccurrence(t, columns, i, [&](int32_t, unsigned char cover) { covers.push_back(cover); });
        if (covers.empty()) continue;
        std::sort(covers.begin(), covers.end(), std::greater<>());
        const size_t count = covers.size();
        const double h = static_cast<double>(count) / 2;
        const size_t whole = count / 2;  // the whole part of h, 1-based index into covers
        double value = covers[0];
        if (h > 1 && count % 2 == 0) value = covers[whole - 1];
        else if (h > 1) value = (covers[whole - 1] + covers[whole]) / 2.0;
        keys[at(i)] = static_cast<double>(static_cast<int64_t>(value - 160));
    }
    return keys;
}

std::vector<double> richnessKeys(const core::Table& t, core::ProgressMeter* meter) {
    const std::vector<int32_t> columns = columnsOfRecords(t);
    // Live species rows in each relevé shown.
    std::vector<int32_t> richness(columns.size(), 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || at(rec) >= columns.size()) continue;
        const std::string& cells = t.ReleveData[at(rec)];
        for (int c = 0; c < core::cellCount(cells); ++c)
            if (t.liveRowOfCell(cells, c) > 0) ++richness[at(rec)];
    }
    std::vector<double> keys(at(t.SpeciesCount) + 1, 0.0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        step(meter);
        int64_t sum = 0, occurrences = 0;
        forEachShownOccurrence(t, columns, i, [&](int32_t rec, unsigned char) {
            sum += richness[at(rec)];
            ++occurrences;
        });
        if (occurrences > 0) keys[at(i)] = static_cast<double>(sum) / static_cast<double>(occurrences);
    }
    return keys;
}

std::vector<TextKey> speciesDataTextKeys(const core::Table& t) {
    std::vector<TextKey> keys(at(t.SpeciesCount) + 1, makeTextKey(""));
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) keys[at(i)] = makeTextKey(t.SpeciesLayerLabel[i]);
    return keys;
}

std::vector<double> speciesDataNumberKeys(const core::Table& t) {
    std::vector<double> keys(at(t.SpeciesCount) + 1, 0.0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) keys[at(i)] = core::leadingNumber(t.SpeciesLayerLabel[i]);
    return keys;
}

}  // namespace zembu::sorting
