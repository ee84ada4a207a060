#include <gtest/gtest.h>

#include "core/index_code.h"
#include "core/species_numbers.h"
#include "core/table.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::testing::tableFromCovers;

TEST(IndexCode, EncodesTheGivenExamples) {
    EXPECT_EQ(kod(1), std::string("\xFF\x00\x01", 3));
    EXPECT_EQ(kod(300), std::string("\xFF\x01\x2C", 3));
    EXPECT_EQ(unkod(kod(1)), 1);
    EXPECT_EQ(unkod(kod(300)), 300);
}

TEST(IndexCode, RoundTripsOverTheWholeRange) {
    for (int32_t n = 0; n < IndexCodeLimit; n += 997) ASSERT_EQ(unkod(kod(n)), n) << n;
    for (int32_t n : {0, 255, 256, 65535, 65536, 1000000, IndexCodeLimit - 1}) EXPECT_EQ(unkod(kod(n)), n);
}

TEST(IndexCode, FirstByteOf127OrLessDecodesToZero) {
    EXPECT_EQ(unkod(std::string("\x7F\x01\x02", 3)), 0);
    EXPECT_EQ(unkod(std::string("\x00\x00\x05", 3)), 0);
    EXPECT_EQ(unkod(std::string("\x80\x00\x05", 3)), 127 * 65536 + 5);
    EXPECT_EQ(unkod(std::string_view("\xFF", 1)), 0);
}

TEST(IndexCode, SortKeysCompareInNumberOrder) {
    const auto less = [](int32_t a, int32_t b) {
        const std::string ka = kod_P(a), kb = kod_P(b);
        return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end(),
                                            [](char x, char y) { return static_cast<unsigned char>(x) <
                                                                        static_cast<unsigned char>(y); });
    };
    EXPECT_TRUE(less(1, 2));
    EXPECT_TRUE(less(255, 256));
    EXPECT_TRUE(less(65535, 65536));
    EXPECT_TRUE(less(65536, 1000000));
    EXPECT_EQ(coverByte(95), '\xFF');
    EXPECT_EQ(coverPercent('\xFF'), 95);
}

TEST(Table, RedefineDimensionsEmptiesEverything) {
    Table t = tableFromCovers({{5, 0}, {0, 38}});
    t.SeparatorAfter[1] = 2;
    t.SpeciesGroups.push_back({"group", {}});
    t.Redefine_dimensions();
    EXPECT_EQ(t.ReleveCount, 0);
    EXPECT_EQ(t.SpeciesRecordCount, 0);
    EXPECT_TRUE(t.ReleveData[1].empty());
    EXPECT_TRUE(t.SpeciesData[1].empty());
    EXPECT_EQ(t.SeparatorAfter[1], 0);
    EXPECT_EQ(t.SpeciesInfo[1].name, "");
    EXPECT_TRUE(t.SpeciesGroups.empty());
    EXPECT_EQ(t.ReleveData.size(), static_cast<size_t>(DefaultMaxReleves) + 1);
    EXPECT_EQ(t.SpeciesInfo.size(), static_cast<size_t>(DefaultMaxSpecies) + 1);
}

TEST(Table, LargestCapacitiesCanBeUsed) {
    Table t;
    t.setCapacities(LargestMaxReleves, LargestMaxSpecies);
    EXPECT_EQ(t.ReleveOrder.size(), 1000001u);
    EXPECT_EQ(t.SpeciesInfo.size(), 15001u);
    // A cell in the last relevé and the last species.
    t.ReleveCount = t.ReleveRecordCount = LargestMaxReleves;
    t.SpeciesCount = t.SpeciesRecordCount = LargestMaxSpecies;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) t.ReleveOrder[k].record = k;
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
        t.SpeciesInfo[i].record = i;
        t.SpeciesRowOfRecord[i] = i;
    }
    appendCell(t.ReleveData[LargestMaxReleves], LargestMaxSpecies, coverByte(3));
    t.tvorbadruhu();
    t.recountFrequencies();
    EXPECT_EQ(cellRecord(t.SpeciesData[LargestMaxSpecies], 0), LargestMaxReleves);
    EXPECT_EQ(t.SpeciesFrequency[LargestMaxSpecies], 1);
    EXPECT_TRUE(checkInvariants(t).empty());
}

TEST(Table, SpeciesStringsAreRebuiltInRecordOrder) {
    Table t = tableFromCovers({{5, 0, 7}, {0, 38, 95}});
    ASSERT_EQ(cellCount(t.SpeciesData[1]), 2);
    EXPECT_EQ(cellRecord(t.SpeciesData[1], 0), 1);
    EXPECT_EQ(cellRecord(t.SpeciesData[1], 1), 3);
    EXPECT_EQ(coverPercent(cellCoverByte(t.SpeciesData[1], 1)), 7);
    EXPECT_EQ(t.SpeciesFrequency[2], 2);
    // A relevé without species has an empty string and no cells anywhere.
    Table u = tableFromCovers({{0, 5}, {0, 6}});
    EXPECT_TRUE(u.ReleveData[1].empty());
    for (int s = 1; s <= 2; ++s)
        for (int c = 0; c < cellCount(u.SpeciesData[s]); ++c) EXPECT_NE(cellRecord(u.SpeciesData[s], c), 1);
}

TEST(Table, CellsAreFoundBothWays) {
    Table t = tableFromCovers({{5, 0, 7}, {0, 38, 95}});
    EXPECT_EQ(coverPercent(t.coverInReleve(3, 2)), 95);
    EXPECT_EQ(coverPercent(t.coverInSpecies(2, 3)), 95);
    EXPECT_EQ(t.coverInReleve(2, 1), 0);
    EXPECT_EQ(t.coverInSpecies(1, 2), 0);
    // By display position after the columns were reordered.
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);
    EXPECT_EQ(coverPercent(t.coverAt(1, 1)), 7);
    EXPECT_EQ(t.coverAt(3, 1), 0);
    EXPECT_EQ(t.coverAt(1, 99), 0);
}

TEST(Table, ColourBackupFollowsTheRecord) {
    Table t = tableFromCovers({{5, 6, 7}});
    t.ReleveColour[1] = {0x0000CC, 1};
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);
    std::swap(t.ReleveColour[1], t.ReleveColour[3]);
    t.zalozbarvy();
    EXPECT_EQ(t.ReleveColourByRecord[1].number, 1);
    EXPECT_EQ(t.ReleveColourByRecord[3].number, 0);
    t.fillColumnOfRecord();
    EXPECT_EQ(t.ReleveColumnOfRecord[1], 3);
    EXPECT_EQ(t.ReleveColumnOfRecord[3], 1);
}

TEST(Invariants, HoldForABuiltTableAndCatchEachKindOfFault) {
    const Table good = tableFromCovers({{5, 0, 7}, {0, 38, 95}, {1, 1, 1}});
    EXPECT_TRUE(checkInvariants(good).empty());

    Table t = good;
    t.ReleveOrder[2].record = 1;  // record shown twice
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.SpeciesRowOfRecord[2] = 3;
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.ReleveData[1][3] = static_cast<char>(170);  // cover differs from the species side
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.ReleveData[1].push_back('x');  // not whole cells
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    appendCell(t.ReleveData[2], 9, coverByte(3));  // species record out of range
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.SpeciesFrequency[1] = 7;
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.ReleveData[1][3] = static_cast<char>(160);  // cover 0
    t.SpeciesData[1][3] = static_cast<char>(160);
    EXPECT_FALSE(checkInvariants(t).empty());

    t = good;
    t.SpeciesCount = 5;  // more live rows than records
    EXPECT_FALSE(checkInvariants(t).empty());
}

TEST(SpeciesNumbers, TheSmallestFreeNumberOfTheProgramRange) {
    Table t = zembu::testing::tableFromCovers({{5}, {5}, {5}});
    t.SpeciesInfo[1].number = 58001;
    t.SpeciesInfo[2].number = 58003;
    t.SpeciesInfo[3].number = 12;
    EXPECT_EQ(freeSpeciesNumber(t), 58002);
    t.SpeciesInfo[2].number = 58002;
    EXPECT_EQ(freeSpeciesNumber(t), 58003);
}

TEST(SpeciesNumbers, NoneWhenEveryNumberIsTaken) {
    Table t;
    t.setCapacities(10, 7600);
    t.SpeciesCount = t.SpeciesRecordCount = 7500;
    for (int32_t i = 1; i <= 7500; ++i) t.SpeciesInfo[i].number = 58000 + i;
    EXPECT_FALSE(freeSpeciesNumber(t).has_value());
    t.SpeciesCount = 7499;  // a formally deleted row still holds its number
    EXPECT_FALSE(freeSpeciesNumber(t).has_value());
}
