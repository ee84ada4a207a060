#include <gtest/gtest.h>

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
