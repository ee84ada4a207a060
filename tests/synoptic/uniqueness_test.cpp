#include <gtest/gtest.h>

#include "synoptic/uniqueness.h"
#include "support/test_support.h"

using namespace zembu::synoptic;

namespace {

SynopticSettings phiIndex() {
    SynopticSettings s;
    s.fidelity.measure = PhiCoefficient;
    s.fidelity.kind = FidelityIndex;
    return s;
}

// Three groups of three relevés.
zembu::core::Table threeGroups(const std::vector<std::vector<int>>& covers) {
    zembu::core::Table t = zembu::testing::tableFromCovers(covers);
    t.SeparatorAfter[3] = 1;
    t.SeparatorAfter[6] = 1;
    return t;
}

}  // namespace

TEST(Uniqueness, GroupsSharingNothingAreUnique) {
    // Each species lives in one group only.
    const auto t = threeGroups({{5, 5, 5, 0, 0, 0, 0, 0, 0},
                                {0, 0, 0, 5, 5, 5, 0, 0, 0},
                                {0, 0, 0, 0, 0, 0, 5, 5, 5}});
    const UniquenessResult r = sharpness(t, phiIndex(), 1, 10);
    ASSERT_TRUE(r.uniqueness);
    EXPECT_DOUBLE_EQ(*r.uniqueness, 1);
    EXPECT_EQ(r.similarity[0], 100.0);
    EXPECT_EQ(r.similarity[1], 0.0);
    EXPECT_DOUBLE_EQ(r.speciesAverage[0], 1);
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[0], "Group No. 1");
    EXPECT_EQ(r.lines[1], "Uniqueness for the fidelity cut level: 10   1.000");
    EXPECT_EQ(r.lines[2], "Assymetric simil. index");
    EXPECT_EQ(r.lines[3], "               Assym. SI   Species Average");
    EXPECT_EQ(r.lines[4], "  Group No.   1:   100.0               1.0");
    EXPECT_EQ(r.lines[5], "  Group No.   2:     0.0               1.0");
}

TEST(Uniqueness, IdenticalGroupsShareTheirWholeProfile) {
    // Groups 1 and 2 hold the same two species, group 3 another one.
    const auto t = threeGroups({{5, 5, 5, 5, 5, 5, 0, 0, 0},
                                {5, 5, 0, 5, 5, 0, 0, 0, 0},
                                {0, 0, 0, 0, 0, 0, 5, 5, 5}});
    const UniquenessResult r = sharpness(t, phiIndex(), 2, 5);
    ASSERT_TRUE(r.similarity[0]);
    EXPECT_NEAR(*r.similarity[0], 100, 1e-9);
    EXPECT_NEAR(*r.similarity[1], 100, 1e-9);
    EXPECT_EQ(*r.similarity[2], 0);
    EXPECT_NEAR(*r.uniqueness, 0.5, 1e-12);
    EXPECT_EQ(sharpness(t, phiIndex(), 1, 5).similarity[1], r.similarity[0]);
}

TEST(Uniqueness, NothingAboveTheCutIsUndefined) {
    const auto t = threeGroups({{5, 5, 5, 5, 5, 5, 5, 5, 5}});
    const UniquenessResult r = sharpness(t, phiIndex(), 3, 10);
    EXPECT_FALSE(r.uniqueness);
    EXPECT_EQ(r.lines[1], "Uniqueness for the fidelity cut level: 10   Undef.");
    for (int g = 0; g < 3; ++g) EXPECT_FALSE(r.similarity[g]);
    EXPECT_EQ(r.lines[6], "  Group No.   3:  undef.               1.0");
    EXPECT_TRUE(sharpness(t, phiIndex(), 4, 10).lines.empty());
}
