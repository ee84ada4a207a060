#include <gtest/gtest.h>

#include "synoptic/group_counts.h"
#include "synoptic/group_data.h"
#include "support/test_support.h"

using namespace zembu::synoptic;

namespace {

// A table of `releves` empty columns with the given separators.
zembu::core::Table separated(int releves, std::vector<std::pair<int, int>> separators) {
    zembu::core::Table t = zembu::testing::tableFromCovers({std::vector<int>(releves, 0)});
    for (auto [k, level] : separators) t.SeparatorAfter[k] = static_cast<int16_t>(level);
    return t;
}

}  // namespace

TEST(GroupData, GroupsFollowSeparatorsAndHierarchy) {
    const zembu::core::Table t = separated(10, {{3, 2}, {7, 1}, {10, 1}});
    GroupData g = nastaveni_promennych_syn_tabulky(t, {false, 1, false});
    EXPECT_EQ(g.groupCount, 3);  // a separator after the last relevé opens no group
    EXPECT_EQ((std::vector<int32_t>(g.size.begin() + 1, g.size.end())), (std::vector<int32_t>{3, 4, 3}));
    g = nastaveni_promennych_syn_tabulky(t, {true, 1, false});
    EXPECT_EQ(g.groupCount, 2);  // level 2 is no boundary at level 1
    EXPECT_EQ(g.groupOfRecord[5], 1);
    EXPECT_EQ(g.groupOfRecord[8], 2);
}

TEST(GroupData, HigherLevelReferenceSetsAndMeans) {
    const zembu::core::Table t = separated(10, {{2, 2}, {4, 1}, {7, 2}});
    // Groups 1-2 | 3-4 || 5-7 | 8-10 at level 2; higher groups 1-4 and 5-10.
    GroupData g = prepareGroups(t, {true, 2, true}, false);
    ASSERT_EQ(g.groupCount, 4);
    EXPECT_EQ(g.referenceCount, 2);
    EXPECT_EQ((std::vector<int32_t>(g.referenceOf.begin() + 1, g.referenceOf.end())), (std::vector<int32_t>{1, 1, 2, 2}));
    EXPECT_EQ(g.referenceSize[1], 4);
    EXPECT_EQ(g.referenceSize[2], 6);
    EXPECT_EQ(g.meanSize[1], 2);
    EXPECT_EQ(g.meanSize[2], 3);
    // The (n-1) adjustment leaves the table's last group out of its set's mean.
    g = prepareGroups(t, {true, 2, true}, true);
    EXPECT_EQ(g.meanSize[2], 3);
    EXPECT_EQ(g.meanSize[1], 2);
    // Without the hierarchy the whole table is the one reference set.
    g = prepareGroups(t, {false, 2, true}, true);
    EXPECT_EQ(g.referenceCount, 1);
    EXPECT_EQ(g.meanSize[1], 7.0 / 3);  // groups of 2, 2, 3 without the last (3)
    // A single group with the adjustment has no mean.
    EXPECT_EQ(prepareGroups(separated(4, {}), {false, 1, false}, true).meanSize[1], 0);
}

TEST(GroupData, ProposedStandardSize) {
    EXPECT_FALSE(test_velikosti_Np(prepareGroups(separated(10, {}), {}, false)));
    const auto s = test_velikosti_Np(prepareGroups(separated(10, {{2, 1}, {5, 1}}), {}, false));
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(*s, 100.0 * 5 / 10 / 2);  // groups of 2 and 3 before the last
}

TEST(GroupCounts, ModifiedFidelityBringsGroupsToTheMeanSize) {
    // Groups of 2 and 6 relevés; the species in both relevés of group 1 and
    // in one of group 2.
    zembu::core::Table t = zembu::testing::tableFromCovers({{5, 5, 5, 0, 0, 0, 0, 0}});
    t.SeparatorAfter[2] = 1;
    FidelitySettings f;
    f.measure = PhiCoefficient;
    f.kind = ModifiedFidelity;
    const GroupData groups = prepareGroups(t, {}, false);
    GroupCounts counts(groups, f);
    counts.AC_partial_fidelity();
    for (int32_t g : {1, 1, 2}) counts.AD_partial_fidelity(g);
    // Nmean = 4: group 1 counts as 4 of 4 relevés, group 2 as 4/6 of 1.
    const double nScaled = 2 * 4.0 / 2 + 1 * 4.0 / 6;
    EXPECT_DOUBLE_EQ(*counts.Fidelity(1).value, *uvalue(f, 8, 4, nScaled, 4, 2).value);
    EXPECT_DOUBLE_EQ(*counts.Fidelity(2).value, *uvalue(f, 8, 4, nScaled, 4.0 / 6, 2).value);
    const FidelityInputs in = counts.AE_partial_fidelity(2);
    EXPECT_EQ(in.N, 8);
    EXPECT_EQ(in.Np, 6);
    EXPECT_EQ(in.n, 3);
    EXPECT_EQ(in.np, 1);
    EXPECT_EQ(in.fisher.n, 3);
    // Cleared for the next species.
    counts.AC_partial_fidelity();
    EXPECT_EQ(counts.count(1), 0);
    EXPECT_FALSE(counts.Fidelity(1).value);
}
