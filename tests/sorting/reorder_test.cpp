#include <gtest/gtest.h>

#include "core/palette.h"
#include "sorting/reorder.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::tableFromCovers;
using zembu::testing::columnRecords;
using zembu::testing::rowRecords;

TEST(Reorder, ASpeciesRowCarriesEverythingItHoldsItsSeparatorToo) {
    core::Table t = tableFromCovers({{1, 0}, {2, 2}, {0, 3}, {4, 4}});
    t.SpeciesSeparatorAfter[2] = 3;
    t.SpeciesColour[2] = {0xCC, 1};
    t.SpeciesLayer[2] = 1;
    t.SpeciesLayerLabel[2] = "1";
    // Keys put row 2 last; rows 1, 3, 4 in descending key order.
    const std::vector<double> keys{0, 30, 10, 20, 40};
    const auto order = sorting::sortSpeciesRows(t, keys, core::AllColours, sorting::Direction::Descending);
    EXPECT_EQ(order, (std::vector<int32_t>{4, 1, 3, 2}));
    EXPECT_EQ(rowRecords(t), (std::vector<int32_t>{4, 1, 3, 2}));
    EXPECT_EQ(t.SpeciesSeparatorAfter[4], 3);
    EXPECT_EQ(t.SpeciesSeparatorAfter[2], 0);
    EXPECT_EQ(t.SpeciesColour[4].number, 1);
    EXPECT_EQ(t.SpeciesLayer[4], 1);
    EXPECT_EQ(t.SpeciesLayerLabel[4], "1");
    EXPECT_EQ(t.SpeciesFrequency[4], 2);
    EXPECT_EQ(t.SpeciesRowOfRecord[2], 4);
    EXPECT_TRUE(core::checkInvariants(t).empty());
}

TEST(Reorder, RowsOfOtherColoursAndDeletedRowsStay) {
    core::Table t = tableFromCovers({{1}, {2}, {3}, {4}, {5}});
    t.SpeciesCount = 4;  // row 5 formally deleted
    for (int i : {1, 3}) t.SpeciesColour[i] = {0xCC, 1};
    const std::vector<double> keys{0, 1, 2, 3, 4};
    sorting::sortSpeciesRows(t, keys, 0, sorting::Direction::Descending);
    EXPECT_EQ(rowRecords(t), (std::vector<int32_t>{1, 4, 3, 2}));
    EXPECT_EQ(t.SpeciesInfo[5].record, 5);
    EXPECT_TRUE(core::checkInvariants(t).empty());

    EXPECT_THROW(sorting::sortSpeciesRows(t, std::vector<double>(3), 0, sorting::Direction::Ascending),
                 std::invalid_argument);
}

TEST(Reorder, RelevesMoveWithTheirColoursWhileSeparatorsKeepTheirPositions) {
    core::Table t = tableFromCovers({std::vector<int>(10, 5)});
    for (int32_t k = 1; k <= 10; ++k) t.ReleveColour[k] = {k % 2 ? 0xFFFFFF : 0x9999FF, k % 2 ? 0 : 1};
    t.SeparatorAfter[5] = 1;
    std::vector<double> keys(11);
    for (int32_t k = 1; k <= 10; ++k) keys[k] = k;  // reverses the white ones
    sorting::sortRelevePositions(t, keys, 0, sorting::Direction::Descending);
    EXPECT_EQ(columnRecords(t), (std::vector<int32_t>{9, 2, 7, 4, 5, 6, 3, 8, 1, 10}));
    EXPECT_EQ(t.ReleveOrder[1].turbovegNumber, 1009);
    EXPECT_EQ(t.SeparatorAfter[5], 1);
    for (int32_t k = 1; k <= 10; ++k) {
        EXPECT_EQ(t.ReleveColour[k].number, k % 2 ? 0 : 1);
        EXPECT_EQ(t.ReleveColumnOfRecord[t.ReleveOrder[k].record], k);
    }
    EXPECT_TRUE(core::checkInvariants(t).empty());
}
