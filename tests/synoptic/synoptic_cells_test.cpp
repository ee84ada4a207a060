#include <gtest/gtest.h>

#include <array>

#include "core/settings.h"
#include "synoptic/cover_statistics.h"
#include "synoptic/synoptic_cells.h"
#include "synoptic/synoptic_table.h"
#include "support/test_support.h"

using namespace zembu::synoptic;

namespace {

// Statistics of a group of `size` relevés holding the species with the given covers.
struct Group {
    std::array<int32_t, HistogramSize> hist{};
    GroupStatistics stats;
    Group(int32_t size, std::vector<int> covers, int32_t count = -1) {
        stats.size = size;
        stats.count = count >= 0 ? count : static_cast<int32_t>(covers.size());
        stats.weight = stats.count;
        for (int p : covers) {
            if (p < 1) continue;
            ++hist[p];
            ++hist[0];
            stats.sumCover += p;
            stats.maxCover = std::max(stats.maxCover, p);
            stats.minCover = stats.minCover == 0 ? p : std::min(stats.minCover, p);
        }
        stats.coverCount = hist[0];
        stats.histogram = hist.data();
    }
};

std::string text(int type, const Group& g, const SynopticSettings& s = {}) { return synopticCell(type, g.stats, s).text; }

}  // namespace

TEST(SynopticCells, ConstancyOfRareAndBoundarySpecies) {
    const Group rare(300, {5});  // f = 0.33 %
    EXPECT_EQ(text(PercentageConstancy, rare), "1");
    EXPECT_EQ(text(CategoricalConstancy, rare), "I");
    EXPECT_EQ(text(AbsoluteConstancy, rare), "1");
    EXPECT_EQ(text(CategoricalConstancy, Group(100, {}, 20)), "I");   // f = 20
    EXPECT_EQ(text(CategoricalConstancy, Group(200, {}, 41)), "I");   // f = 20.5 rounds to 20
    EXPECT_EQ(text(CategoricalConstancy, Group(100, {}, 21)), "II");  // f = 21
    EXPECT_EQ(text(CategoricalConstancy, Group(200, {}, 161)), "IV");  // 80.5 rounds to 80
    EXPECT_EQ(text(CategoricalConstancy, Group(200, {}, 163)), "V");
    EXPECT_EQ(text(PercentageConstancy, Group(10, {})), ".");
    EXPECT_EQ(text(CategoricalConstancy, Group(10, {})), ".");
    EXPECT_EQ(text(AbsoluteConstancy, Group(10, {})), ".");
}

TEST(SynopticCells, CoverZeroOccurrencesCountButShowNoCover) {
    const Group zero(10, {0, 0, 0});
    EXPECT_EQ(text(PercentageConstancy, zero), "30");
    EXPECT_EQ(text(AbsoluteConstancy, zero), "3");
    for (int type = MaximumCover; type <= HeadWeightedCover; ++type) EXPECT_EQ(text(type, zero), ".") << type;
}

TEST(SynopticCells, CoverWeightedByShortHeaders) {
    // Group 1: relevés with head values 2, 3 and 5 (hsum 10), the species in
    // the first two; group 2: head values 0 and 0 (hsum 0).
    zembu::core::Table t = zembu::testing::tableFromCovers({{10, 40, 0, 25, 50}, {0, 0, 0, 0, 0}});
    const char* heads[] = {"     2", "     3", "   5.0", "     0", "  text"};
    for (int k = 1; k <= 5; ++k) t.ReleveHead[k] = heads[k - 1];
    t.SeparatorAfter[3] = 1;
    SynopticSettings s;
    s.coverLimit = 14;
    s.coverLimitHigher = 15;
    const SynopticTable result = computeSynopticTable(t, s, HeadWeightedCover);
    ASSERT_EQ(result.rows.size(), 2u);
    // (10 x 2 + 40 x 3 + 0 x 5) / 10 = 14.0, reaching the first threshold.
    EXPECT_EQ(result.rows[0].cells[0].first, (CellPart{"14.0", FirstThreshold}));
    EXPECT_EQ(result.rows[0].cells[1].first.text, ".");  // hsum 0
    EXPECT_EQ(result.rows[1].cells[0].first.text, ".");  // absent
    EXPECT_EQ(headWeightedCover(1, 8), 0.1);             // 0.125 -> 0.1
    EXPECT_EQ(headWeightedCover(3, 8), 0.4);             // 0.375 -> 0.4
    EXPECT_FALSE(headWeightedCover(5, 0).has_value());
}

TEST(SynopticCells, MedianModusZlatnikAndBarkman) {
    EXPECT_EQ(text(MedianCover, Group(10, {5, 5, 15, 15})), "10");
    EXPECT_EQ(text(MedianCover, Group(10, {5, 15, 15, 15})), "15");
    EXPECT_EQ(text(MedianCover, Group(10, {15, 5, 8})), "8");
    // Half-way medians show the label of the median rounded half to even.
    EXPECT_EQ(medianCover(Group(10, {5, 8}).hist.data()), 6.5);
    EXPECT_EQ(text(MedianCover, Group(10, {5, 8})), "6");
    EXPECT_EQ(text(MedianCover, Group(10, {6, 9})), "8");
    EXPECT_EQ(text(ModusCover, Group(10, {5, 5, 15, 15})), "5");
    EXPECT_EQ(text(ModusCover, Group(10, {5, 15, 15, 3})), "15");

    EXPECT_EQ(text(ZlatnikValue, Group(10, {30, 30, 30, 30, 30})), "37");  // 50 %, mean 30
    EXPECT_EQ(text(ZlatnikValue, Group(10, {1, 1, 1, 1, 1})), "0");        // mean exactly 1
    EXPECT_EQ(text(ZlatnikValue, Group(10, {80})), "0");                   // class I: 0.1
    EXPECT_EQ(cuchal(1, 10, 80), 0.1);
    EXPECT_EQ(cuchal(2, 10, 80), 0.1);   // 20 % is still class I
    EXPECT_EQ(cuchal(10, 10, 80), 157);  // 100 %: class V
    EXPECT_EQ(cuchal(5, 10, 3), 8);

    EXPECT_EQ(text(BarkmanCover, Group(4, {1})), "0.2");  // 0.25 -> 0.2
    EXPECT_EQ(text(BarkmanCover, Group(4, {3})), "0.8");  // 0.75 -> 0.8
    EXPECT_EQ(text(AverageCover, Group(10, {5, 8})), "6");  // 6.5 -> 6
    EXPECT_EQ(text(MaximumCover, Group(10, {5, 8, 2})), "8");
}

TEST(SynopticCells, CoverViewsShowTheirLabels) {
    std::string uhul = CoverLabels::defaultTable();
    uhul.replace(6 * 8, 6, "     2");
    uhul.replace(6 * 5, 6, "    1a");
    SynopticSettings s;
    s.labels = CoverLabels(uhul);
    EXPECT_EQ(text(MaximumCover, Group(10, {5, 8}), s), "2");
    EXPECT_EQ(text(ModusCover, Group(10, {5, 5, 8}), s), "1a");
    // A table shorter than 300 characters is replaced by the default.
    EXPECT_EQ(CoverLabels("     r     +").label(7), "7");
    EXPECT_EQ(CoverLabels().label(100), "100");
    EXPECT_EQ(CoverLabels().table().size(), 606u);
}

TEST(SynopticCells, FidelityTexts) {
    EXPECT_EQ(fidelityTableText(45.25), "  45.3");
    EXPECT_EQ(fidelityTableText(100.0), " 100.0");
    EXPECT_EQ(fidelityTableText(0.0), "  ---");
    EXPECT_EQ(fidelityTableText(VetoedFidelity), "  ---");
    EXPECT_EQ(fidelityTableText(std::nullopt), "  ---");
    EXPECT_EQ(fidelityPartText(45.0), " 45.0");
    EXPECT_EQ(fidelityPartText(0.5), "  0.5");
    EXPECT_EQ(fidelityPartText(0.25), "  0.2");
    EXPECT_EQ(fidelityPartText(-3.0), "  ---");
}

TEST(SynopticTitles, NameTheKindMeasureColumnsAndVeto) {
    FidelitySettings f;
    f.measure = PhiCoefficient;
    f.kind = FidelityIndex;
    EXPECT_EQ(synopticTitle(FidelityTable, f, 5), "Percentage synoptic table with fidelity index {phi coefficient} (5 columns)");
    f.kind = ModifiedFidelity;
    f.fisherVeto = true;
    EXPECT_EQ(synopticTitle(FidelityTable, f, 12),
              "Percentage synoptic table with modified fidelity {phi coefficient} (12 columns) - Fisher's exact test > 3");
    EXPECT_EQ(synopticTitle(PercentageConstancy, f, 12), "Percentage synoptic table");
    EXPECT_EQ(synopticTitle(BarkmanCover, f, 12), "Average cover (Barkman's TCV)");
    f.kind = StandardisedFidelity;
    f.fisherVeto = false;
    EXPECT_EQ(combinedTitle(1, f, 3),
              "Synoptic table with percentage constancy and standardised fidelity index {phi coefficient} (3 columns)");
    EXPECT_EQ(combinedTitle(3, f, 3),
              "Synoptic table with categorical constancy and standardised fidelity index {phi coefficient} (3 columns)");
    EXPECT_EQ(combinedTitle(4, f, 3),
              "Synoptic table with standardised fidelity {phi coefficient} and percentage constancy (3 columns)");
    f.kind = FidelityIndex;
    EXPECT_EQ(combinedTitle(5, f, 3), "Synoptic table with fidelity index {phi coefficient} and percentage constancy (3 columns)");
    EXPECT_EQ(combinedTitle(6, f, 3), "Synoptic table with percentage constancy and cover range");
}

TEST(SynopticTable, EmptyTableHasNoRows) {
    const zembu::core::Table empty;
    const SynopticTable t = computeSynopticTable(empty, SynopticSettings{}, PercentageConstancy);
    EXPECT_TRUE(t.rows.empty());
    EXPECT_EQ(t.groups.groupCount, 0);
}

TEST(SynopticTable, RowsFollowTheDisplayedSpeciesAndGroups) {
    // Three groups: columns 1-2, 3, 4-5; species 2 only in the last group.
    zembu::core::Table t = zembu::testing::tableFromCovers({{5, 5, 0, 0, 10}, {0, 0, 0, 30, 30}});
    t.SeparatorAfter[2] = 1;
    t.SeparatorAfter[3] = 2;
    const SynopticTable table = computeSynopticTable(t, SynopticSettings{}, PercentageConstancy);
    ASSERT_EQ(table.rows.size(), 2u);
    const auto texts = [&](int row) {
        std::vector<std::string> v;
        for (const SynopticCell& c : table.rows[row].cells) v.push_back(c.first.text);
        return v;
    };
    EXPECT_EQ(texts(0), (std::vector<std::string>{"100", ".", "50"}));
    EXPECT_EQ(texts(1), (std::vector<std::string>{".", ".", "100"}));
    // With the hierarchy on at level 1 the level-2 separator divides nothing.
    SynopticSettings s;
    s.grouping = {true, 1, false};
    EXPECT_EQ(computeSynopticTable(t, s, PercentageConstancy).groups.groupCount, 2);
}

TEST(SynopticCells, ZlatnikScaleAsTheDialogShowsIt) {
    const ZlatnikScale scale = zlatnikScale();
    EXPECT_EQ(scale.values[0], (std::array<std::string, 5>{".", "1", "2", "4", "6"}));        // +
    EXPECT_EQ(scale.values[2], (std::array<std::string, 5>{".", "9", "22", "37", "58"}));     // 2
    EXPECT_EQ(scale.values[5], (std::array<std::string, 5>{".", "27", "67", "112", "157"}));  // 5
}
