// Every sort command against keys built here from the rules, on random small
// tables: the chosen rows or relevés must stand in the order of these keys,
// everything else where it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "core/index_code.h"
#include "core/palette.h"
#include "core/text.h"
#include "core/workspace.h"
#include "sorting/releve_sort_commands.h"
#include "sorting/species_sort_commands.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::TempDir;

namespace {

using Key = std::vector<double>;  // compared lexicographically

struct RandomTable {
    core::Table table;
    std::map<std::pair<int32_t, int32_t>, int> cover;  // (species record, relevé record) -> percent
};

RandomTable randomTable(std::mt19937& rng) {
    const int species = 6 + static_cast<int>(rng() % 7);
    const int releves = 5 + static_cast<int>(rng() % 11);
    std::vector<std::vector<int>> covers(species, std::vector<int>(releves, 0));
    const int values[] = {1, 3, 5, 15, 38, 50, 95};
    for (auto& row : covers)
        for (int& c : row)
            if (rng() % 5 < 2) c = values[rng() % 7];
    RandomTable r{zembu::testing::tableFromCovers(covers), {}};
    core::Table& t = r.table;
    for (int i = 0; i < species; ++i)
        for (int k = 0; k < releves; ++k)
            if (covers[i][k]) r.cover[{i + 1, k + 1}] = covers[i][k];
    // Columns not in record order, colours, layers and names with shared beginnings.
    std::vector<core::ReleveOrderEntry> order(t.ReleveOrder.begin() + 1, t.ReleveOrder.begin() + releves + 1);
    std::shuffle(order.begin(), order.end(), rng);
    std::copy(order.begin(), order.end(), t.ReleveOrder.begin() + 1);
    for (int32_t k = 1; k <= releves; ++k) {
        const int colour = static_cast<int>(rng() % 3);
        t.ReleveColour[k] = {colour ? 0x9999FF : core::UncolouredReleve, colour};
    }
    const char* heads[] = {"    12", "     3", "   abc", "   7.5", "    -2", "      "};
    for (int32_t rec = 1; rec <= releves; ++rec) t.ReleveHead[rec] = heads[rng() % 6];
    const char* stems[] = {"Carex", "Poa", "Carex sylvatica subsp. sylvatica var"};
    for (int32_t i = 1; i <= species; ++i) {
        t.SpeciesColour[i] = rng() % 3 ? core::ColourEntry{0, 0} : core::ColourEntry{0xCC, 1};
        t.SpeciesLayer[i] = static_cast<int16_t>(rng() % 3 * 3);
        t.SpeciesInfo[i].name = std::string(stems[rng() % 3]) + " " + std::to_string(rng() % 4);
        t.SpeciesLayerLabel[i] = heads[rng() % 6];
    }
    t.fillColumnOfRecord();
    return r;
}

// Positions holding items (species or relevé records) and whether each took part.
struct Snapshot {
    std::vector<int32_t> items;
    std::vector<char> chosen;
};

Snapshot speciesSnapshot(const core::Table& t, int colour) {
    Snapshot s;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        s.items.push_back(t.SpeciesInfo[i].record);
        s.chosen.push_back(colour == core::AllColours || t.SpeciesColour[i].number == colour);
    }
    return s;
}

Snapshot releveSnapshot(const core::Table& t, int colour) {
    Snapshot s;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        s.items.push_back(t.ReleveOrder[k].record);
        s.chosen.push_back(colour == core::AllColours || t.ReleveColour[k].number == colour);
    }
    return s;
}

// Checks a sort: positions not chosen hold what they held, the chosen ones
// the same items in key order (ties in any order).
void expectSorted(const Snapshot& before, const Snapshot& after, const std::function<Key(int32_t)>& keyOf,
                  bool descending, const std::string& what) {
    ASSERT_EQ(before.items.size(), after.items.size()) << what;
    std::vector<int32_t> was, now;
    for (size_t p = 0; p < before.items.size(); ++p) {
        if (!before.chosen[p]) {
            EXPECT_EQ(after.items[p], before.items[p]) << what << ": position " << p + 1 << " moved";
            continue;
        }
        was.push_back(before.items[p]);
        now.push_back(after.items[p]);
    }
    std::vector<int32_t> a = was, b = now;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b) << what;
    for (size_t j = 1; j < now.size(); ++j) {
        const Key first = keyOf(now[j - 1]), second = keyOf(now[j]);
        EXPECT_TRUE(descending ? !(first < second) : !(second < first))
            << what << ": items " << now[j - 1] << " and " << now[j] << " out of order";
    }
}

}  // namespace

TEST(SortReference, SpeciesSortsOrderByTheirRules) {
    std::mt19937 rng(31);
    TempDir dir;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        RandomTable r = randomTable(rng);
        r.table.SpeciesColour[1] = {0, 0};  // some row is black
        core::Workspace ws(dir / std::to_string(round));
        ws.table = r.table;
        const core::Table& t = ws.table;
        core::ScriptedInteraction ui;
        const int speciesColour = round % 3 == 0 ? core::AllColours : 0;
        const int releveColour = round % 4 == 0 ? core::AllColours : static_cast<int>(round % 2);

        // Occurrences of a species record as (column, cover), the columns as they were before.
        std::vector<int32_t> columnOf(static_cast<size_t>(t.ReleveCount) + 1);
        for (int32_t k = 1; k <= t.ReleveCount; ++k) columnOf[static_cast<size_t>(t.ReleveOrder[k].record)] = k;
        std::vector<int> colourOfColumn(static_cast<size_t>(t.ReleveCount) + 1);
        for (int32_t k = 1; k <= t.ReleveCount; ++k) colourOfColumn[static_cast<size_t>(k)] = t.ReleveColour[k].number;
        const auto occurrences = [&](int32_t s, bool filtered) {
            std::vector<std::pair<int32_t, int>> list;
            for (const auto& [cell, percent] : r.cover) {
                if (cell.first != s) continue;
                const int32_t k = columnOf[static_cast<size_t>(cell.second)];
                if (!filtered || releveColour == core::AllColours || colourOfColumn[static_cast<size_t>(k)] == releveColour)
                    list.emplace_back(k, percent);
            }
            return list;
        };
        const auto byRelevesKey = [&](int32_t s, int16_t layer, bool layerFirst) {
            auto list = occurrences(s, true);
            std::sort(list.begin(), list.end(), [](auto a, auto b) { return a.first != b.first ? a.first < b.first : a.second > b.second; });
            Key key;
            if (layerFirst) key.push_back(-layer);
            key.push_back(static_cast<double>(list.size()));
            // Four occurrences and the position of the fifth fit into the significant bytes.
            for (size_t e = 0; e < list.size() && e < 5; ++e) {
                key.push_back(-list[e].first);
                if (e < 4) key.push_back(list[e].second);
            }
            return key;
        };
        const auto layerOf = [&](const core::Table& table, int32_t s) { return table.SpeciesLayer[table.SpeciesRowOfRecord[s]]; };

        // Form4, with and without the layer criterion.
        for (bool layerFirst : {false, true}) {
            ws.table = r.table;
            const Snapshot before = speciesSnapshot(t, speciesColour);
            bool anyReleve = releveColour == core::AllColours;
            for (int32_t k = 1; k <= t.ReleveCount; ++k) anyReleve |= t.ReleveColour[k].number == releveColour;
            if (!anyReleve) ui.expectMessage(sorting::NoReleveOfColour, "Program Info");
            sorting::tridenidruhu2(ws, {speciesColour, releveColour, layerFirst}, ui);
            expectSorted(before, speciesSnapshot(t, speciesColour),
                         [&](int32_t s) { return anyReleve ? byRelevesKey(s, layerOf(t, s), layerFirst) : Key{}; }, true,
                         "species by relevés");
            EXPECT_TRUE(core::checkInvariants(t).empty());
        }

        // Alphabetical.
        ws.table = r.table;
        Snapshot before = speciesSnapshot(t, speciesColour);
        sorting::sortSpeciesAlphabetically(ws, speciesColour, ui);
        expectSorted(before, speciesSnapshot(t, speciesColour), [&](int32_t s) {
            Key key;
            for (unsigned char c : t.SpeciesInfo[t.SpeciesRowOfRecord[s]].name) key.push_back(c);
            return key;
        }, false, "alphabetical");

        // Median cover in percent.
        ws.table = r.table;
        before = speciesSnapshot(t, speciesColour);
        sorting::sortSpeciesByMedianCover(ws, speciesColour, ui);
        expectSorted(before, speciesSnapshot(t, speciesColour), [&](int32_t s) {
            std::vector<int> v;
            for (auto [k, percent] : occurrences(s, false)) v.push_back(percent);
            std::sort(v.rbegin(), v.rend());
            const size_t n = v.size();
            if (n == 0) return Key{0};
            if (n <= 2) return Key{static_cast<double>(v[0])};
            if (n % 2 == 0) return Key{static_cast<double>(v[n / 2 - 1])};
            return Key{std::floor((v[n / 2 - 1] + v[n / 2]) / 2.0)};
        }, true, "median cover");

        // Average vegetation richness.
        ws.table = r.table;
        before = speciesSnapshot(t, speciesColour);
        sorting::sortSpeciesByRichness(ws, speciesColour, ui);
        expectSorted(before, speciesSnapshot(t, speciesColour), [&](int32_t s) {
            double sum = 0, n = 0;
            for (const auto& [cell, percent] : r.cover) {
                if (cell.first != s) continue;
                for (const auto& [other, p] : r.cover) sum += other.second == cell.second;
                ++n;
            }
            return Key{n > 0 ? sum / n : 0};
        }, true, "richness");

        // Species data, numerically ascending and alphabetically descending.
        ws.table = r.table;
        before = speciesSnapshot(t, speciesColour);
        sorting::sortSpeciesBySpeciesData(ws, {speciesColour, true, false}, ui);
        expectSorted(before, speciesSnapshot(t, speciesColour), [&](int32_t s) {
            return Key{core::leadingNumber(t.SpeciesLayerLabel[t.SpeciesRowOfRecord[s]])};
        }, false, "species data numerically");
        ws.table = r.table;
        before = speciesSnapshot(t, speciesColour);
        sorting::sortSpeciesBySpeciesData(ws, {speciesColour, false, true}, ui);
        expectSorted(before, speciesSnapshot(t, speciesColour), [&](int32_t s) {
            Key key;
            for (unsigned char c : core::leftJustify(t.SpeciesLayerLabel[t.SpeciesRowOfRecord[s]], 50)) key.push_back(c);
            return key;
        }, true, "species data alphabetically");
        EXPECT_SCRIPT_DONE(ui);
    }
}

TEST(SortReference, ReleveSortsOrderByTheirRules) {
    std::mt19937 rng(57);
    TempDir dir;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        RandomTable r = randomTable(rng);
        // Only rows 1..3 are red: a relevé holds at most three chosen species,
        // so the whole pattern fits into the significant part of the key.
        for (int32_t i = 1; i <= r.table.SpeciesCount; ++i) r.table.SpeciesColour[i] = {i <= 3 ? 0xCC : 0, i <= 3 ? 1 : 0};
        core::Workspace ws(dir / std::to_string(round));
        const core::Table& t = ws.table;
        core::ScriptedInteraction ui;
        const int releveColour = round % 3 == 0 ? core::AllColours : static_cast<int>(round % 2);
        bool anyReleve = releveColour == core::AllColours;
        for (int32_t k = 1; k <= r.table.ReleveCount; ++k) anyReleve |= r.table.ReleveColour[k].number == releveColour;
        if (!anyReleve) continue;

        for (bool countOnly : {false, true}) {
            ws.table = r.table;
            const Snapshot before = releveSnapshot(t, releveColour);
            std::map<int32_t, int32_t> columnBefore;
            for (int32_t k = 1; k <= t.ReleveCount; ++k) columnBefore[t.ReleveOrder[k].record] = k;
            sorting::tridenisnimku2(ws, {releveColour, 1, countOnly}, ui);
            // Equal patterns keep their left-to-right order: the key ends in the former column.
            expectSorted(before, releveSnapshot(t, releveColour), [&](int32_t rec) {
                std::vector<std::pair<int32_t, int>> held;  // (row, percent) of the red species
                for (const auto& [cell, percent] : r.cover)
                    if (cell.second == rec && cell.first <= 3) held.emplace_back(cell.first, percent);
                std::sort(held.begin(), held.end());
                Key key{static_cast<double>(held.size())};
                if (!countOnly)
                    for (auto [row, percent] : held) key.insert(key.end(), {-static_cast<double>(row), static_cast<double>(percent)});
                key.push_back(-columnBefore[rec]);
                return key;
            }, true, countOnly ? "relevés by species count" : "relevés by species");
            for (int32_t k = 1; k <= t.ReleveCount; ++k) EXPECT_EQ(t.SeparatorAfter[k], r.table.SeparatorAfter[k]);
            EXPECT_TRUE(core::checkInvariants(t).empty());
        }

        ws.table = r.table;
        Snapshot before = releveSnapshot(t, releveColour);
        sorting::sortShortHeadsNumerically(ws, releveColour, ui);
        expectSorted(before, releveSnapshot(t, releveColour),
                     [&](int32_t rec) { return Key{core::leadingNumber(t.ReleveHead[rec])}; }, false,
                     "short heads numerically");

        ws.table = r.table;
        before = releveSnapshot(t, releveColour);
        sorting::sortShortHeadsAlphabetically(ws, releveColour, ui);
        expectSorted(before, releveSnapshot(t, releveColour), [&](int32_t rec) {
            Key key;
            for (unsigned char c : t.ReleveHead[rec]) key.push_back(c);
            return key;
        }, false, "short heads alphabetically");
        EXPECT_SCRIPT_DONE(ui);
    }
}
