#include <string>
#include <vector>

#include "core/index_code.h"
#include "core/table.h"

namespace zembu::core {

namespace {

// A 64-bit mix of one cell, so that the cells of both dimensions can be
// compared as multisets by their sums in one pass each.
uint64_t cellHash(int32_t rec, int32_t s, unsigned char cover) {
    uint64_t x = (static_cast<uint64_t>(rec) << 32) ^ (static_cast<uint64_t>(s) << 8) ^ cover;
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

class Problems {
public:
    void add(std::string text) {
        if (list_.size() < 50) list_.push_back(std::move(text));
    }
    std::vector<std::string> take() { return std::move(list_); }
    bool any() const { return !list_.empty(); }

private:
    std::vector<std::string> list_;
};

}  // namespace

std::vector<std::string> checkInvariants(const Table& t) {
    Problems problems;
    const auto str = [](auto v) { return std::to_string(v); };

    if (t.MaxReleves < 1 || t.MaxSpecies < 1) problems.add("capacities are not positive");
    if (t.ReleveData.size() != static_cast<size_t>(t.MaxReleves) + 1 ||
        t.ReleveOrder.size() != static_cast<size_t>(t.MaxReleves) + 1 ||
        t.SpeciesData.size() != static_cast<size_t>(t.MaxSpecies) + 1 ||
        t.SpeciesInfo.size() != static_cast<size_t>(t.MaxSpecies) + 1)
        problems.add("arrays are not sized to the capacities");
    if (t.ReleveCount < 0 || t.ReleveCount > t.MaxReleves)
        problems.add("relevé count " + str(t.ReleveCount) + " outside 0.." + str(t.MaxReleves));
    if (t.ReleveRecordCount < 0 || t.ReleveRecordCount > t.MaxReleves)
        problems.add("relevé record count " + str(t.ReleveRecordCount) + " outside 0.." + str(t.MaxReleves));
    if (t.SpeciesRecordCount < 0 || t.SpeciesRecordCount > t.MaxSpecies)
        problems.add("species record count " + str(t.SpeciesRecordCount) + " outside 0.." + str(t.MaxSpecies));
    if (t.SpeciesCount < 0 || t.SpeciesCount > t.SpeciesRecordCount)
        problems.add("species count " + str(t.SpeciesCount) + " outside 0.." + str(t.SpeciesRecordCount));
    if (problems.any()) return problems.take();

    // Relevé order field 1 is a permutation of 1..ReleveCount.
    std::vector<char> seen(static_cast<size_t>(t.ReleveCount) + 1, 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveCount) {
            problems.add("column " + str(k) + " shows record " + str(rec) + " outside 1.." + str(t.ReleveCount));
        } else if (seen[rec]++) {
            problems.add("record " + str(rec) + " is shown in two columns");
        }
    }

    // Row of record is the inverse of species info field 3.
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (s < 1 || s > t.SpeciesRecordCount) {
            problems.add("row " + str(i) + " holds species record " + str(s) + " outside 1.." +
                         str(t.SpeciesRecordCount));
        } else if (t.SpeciesRowOfRecord[s] != i) {
            problems.add("row of species record " + str(s) + " is " + str(t.SpeciesRowOfRecord[s]) +
                         ", not " + str(i));
        }
    }

    // Cell strings: whole cells, records in range, cover bytes 161..255; and
    // the same multiset of (rec, s, cover) on both sides.
    uint64_t releveSum = 0, speciesSum = 0;
    int64_t releveCells = 0, speciesCells = 0;
    for (int32_t rec = 1; rec <= t.ReleveRecordCount; ++rec) {
        const std::string& cells = t.ReleveData[rec];
        if (cells.size() % CellSize != 0) problems.add("relevé string " + str(rec) + " is not whole cells");
        const int n = cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t s = cellRecord(cells, c);
            const auto cover = static_cast<unsigned char>(cellCoverByte(cells, c));
            if (s < 1 || s > t.SpeciesRecordCount)
                problems.add("relevé " + str(rec) + " holds species record " + str(s));
            if (cover < 161) problems.add("relevé " + str(rec) + " holds cover byte " + str(int(cover)));
            releveSum += cellHash(rec, s, cover);
            ++releveCells;
        }
    }
    for (int32_t s = 1; s <= t.SpeciesRecordCount; ++s) {
        const std::string& cells = t.SpeciesData[s];
        if (cells.size() % CellSize != 0) problems.add("species string " + str(s) + " is not whole cells");
        const int n = cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t rec = cellRecord(cells, c);
            const auto cover = static_cast<unsigned char>(cellCoverByte(cells, c));
            if (rec < 1 || rec > t.ReleveRecordCount)
                problems.add("species " + str(s) + " holds relevé record " + str(rec));
            speciesSum += cellHash(rec, s, cover);
            ++speciesCells;
        }
    }
    if (releveCells != speciesCells || releveSum != speciesSum)
        problems.add("relevé and species cell strings disagree (" + str(releveCells) + " and " +
                     str(speciesCells) + " cells)");

    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (s < 1 || s > t.SpeciesRecordCount) continue;
        if (t.SpeciesFrequency[i] != cellCount(t.SpeciesData[s]))
            problems.add("frequency of row " + str(i) + " is " + str(t.SpeciesFrequency[i]) + ", not " +
                         str(cellCount(t.SpeciesData[s])));
    }
    return problems.take();
}

}  // namespace zembu::core
