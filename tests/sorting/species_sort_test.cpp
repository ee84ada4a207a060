#include <gtest/gtest.h>

#include "core/palette.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/species_keys.h"
#include "sorting/species_sort_commands.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::tableFromCovers;
using zembu::testing::rowRecords;
using zembu::testing::TempDir;

namespace {

constexpr int Black = 0, Red = 1;

// Species 1..5 over relevés 1..4: counts and first occurrences that exercise
// every tie-break of the sort by relevés.
core::Table patternTable() {
    return tableFromCovers({
        {0, 0, 5, 0},   // 1: one occurrence, third relevé
        {5, 0, 0, 5},   // 2: two occurrences
        {0, 10, 0, 0},  // 3: one occurrence, second relevé, cover 10
        {0, 20, 0, 0},  // 4: one occurrence, second relevé, cover 20
        {0, 0, 0, 0},   // 5: none
    });
}

}  // namespace

TEST(SpeciesSort, ByRelevesCountThenLeftmostOccurrenceThenCover) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = patternTable();
    core::ScriptedInteraction ui;
    const auto outcome = sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, false}, ui);
    ASSERT_TRUE(outcome.sorted);
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{2, 4, 3, 1, 5}));
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
    EXPECT_GT(ui.progressShown(), 0);
    EXPECT_EQ(ui.busyDepth(), 0);
    // The key of species 2: "000", count 2, then (N - 1, cover) and (N - 4, cover).
    EXPECT_EQ(outcome.keyText(1).substr(0, 28), "303030000002000003A5000000A5");
}

TEST(SpeciesSort, BlackSpeciesByWhiteRelevesLeaveEveryOtherRowInPlace) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = patternTable();
    ws.table.SpeciesColour[3] = {0xCC, Red};
    ws.table.ReleveColour[1] = {0x9999FF, Red};  // species 2's first occurrence no longer counts
    ws.table.SpeciesSeparatorAfter[2] = 2;
    core::ScriptedInteraction ui;
    sorting::tridenidruhu2(ws, {Black, Black, false}, ui);
    // Black rows 1, 2, 4, 5 take species 4 (2nd relevé), 1 (3rd), 2 (4th), 5; species 3 stays in row 3.
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{4, 1, 3, 2, 5}));
    // The separator below species 2 went with it.
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[4], 2);
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[2], 0);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(SpeciesSort, ByRelevesRefusesWithoutRowsOrRelevesOfTheColour) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = patternTable();
    core::ScriptedInteraction ui;
    ui.expectMessage("Please mark any species by selected colour!", "Program Info");
    ui.expectMessage("Please mark any relevé by selected colour!", "Program Info");
    EXPECT_FALSE(sorting::tridenidruhu2(ws, {Red, Black, false}, ui).sorted);
    EXPECT_FALSE(sorting::tridenidruhu2(ws, {Black, Red, false}, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(ws.undo.available);

    core::Workspace empty(dir / "empty");
    EXPECT_FALSE(sorting::tridenidruhu2(empty, {}, ui).sorted);
}

TEST(SpeciesSort, LayerFirstAndTheLayerLabelsAfterwards) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = patternTable();
    ws.table.SpeciesLayer[2] = 9;  // the most frequent species in the moss layer
    ws.table.SpeciesLayer[1] = 1;
    ws.display.layerLabelMode = 1;  // layer view
    core::ScriptedInteraction ui;
    sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, true}, ui);
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{1, 4, 3, 5, 2}));
    EXPECT_EQ(ws.table.SpeciesLayerLabel[1], "1");
    EXPECT_EQ(ws.table.SpeciesLayerLabel[5], "9");

    ws.display.layerLabelMode = 0;
    sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, false}, ui);
    EXPECT_EQ(ws.table.SpeciesLayerLabel[1], "    ");
}

TEST(SpeciesSort, MedianCoverFollowsItsRule) {
    core::Table t = tableFromCovers({
        {5, 15, 38, 0},   // three covers: (38 + 15) / 2 -> 26
        {50, 38, 15, 5},  // four covers: the second, 38
        {0, 7, 0, 0},     // one cover: 7
        {3, 0, 9, 0},     // two covers: the larger, 9
        {0, 0, 0, 0},     // none: 0
    });
    EXPECT_EQ(sorting::medianCoverKeys(t), (std::vector<double>{0, 26, 38, 7, 9, 0}));

    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = t;
    core::ScriptedInteraction ui;
    sorting::ssmcbarv_Click(ws, 1, ui);
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{2, 1, 4, 3, 5}));
}

TEST(SpeciesSort, RichnessIsTheMeanSpeciesCountOfTheRelevesHoldingTheSpecies) {
    core::Table t = tableFromCovers({
        {5, 5, 0},  // relevés with 3 and 1 species: 2
        {5, 0, 0},  // 3
        {5, 0, 5},  // 3 and 2: 2.5
        {0, 0, 5},  // 2
        {0, 0, 0},  // none: 0
    });
    EXPECT_EQ(sorting::richnessKeys(t), (std::vector<double>{0, 2, 3, 2.5, 2, 0}));
    t.SpeciesCount = 4;  // a deleted species no longer counts
    t.ReleveData[1] += std::string("\xFF\x00\x05\xA5", 4);  // species 5 in relevé 1
    t.tvorbadruhu();
    EXPECT_EQ(sorting::richnessKeys(t), (std::vector<double>{0, 2, 3, 2.5, 2}));
}

TEST(SpeciesSort, AlphabeticalComparesWholeNamesAndSpeciesDataBothWays) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{1}, {1}, {1}, {1}});
    const std::string stem(30, 'x');
    ws.table.SpeciesInfo[1].name = stem + "b";
    ws.table.SpeciesInfo[2].name = "abc";
    ws.table.SpeciesInfo[3].name = stem + "a";
    ws.table.SpeciesInfo[4].name = "Abc";
    core::ScriptedInteraction ui;
    sorting::setrdruhabecbarv_Click(ws, 1, ui);
    EXPECT_EQ(rowRecords(ws.table), (std::vector<int32_t>{4, 2, 3, 1}));

    const char* labels[] = {"12", "3", "abc", "7.5"};
    for (int32_t i = 1; i <= 4; ++i) ws.table.SpeciesLayerLabel[i] = labels[i - 1];
    sorting::sortSpeciesBySpeciesData(ws, {core::AllColours, true, false}, ui);
    const auto labelsNow = [&ws] {
        std::vector<std::string> now;
        for (int32_t i = 1; i <= 4; ++i) now.push_back(ws.table.SpeciesLayerLabel[i]);
        return now;
    };
    EXPECT_EQ(labelsNow(), (std::vector<std::string>{"abc", "3", "7.5", "12"}));
    sorting::sortSpeciesBySpeciesData(ws, {core::AllColours, false, true}, ui);
    EXPECT_EQ(labelsNow(), (std::vector<std::string>{"abc", "7.5", "3", "12"}));
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
}

TEST(SpeciesSort, UndoTakesTheSortBack) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = patternTable();
    ws.table.SpeciesSeparatorAfter[1] = 1;
    const core::Table before = ws.table;
    core::ScriptedInteraction ui;
    sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, false}, ui);
    ASSERT_NE(rowRecords(ws.table), rowRecords(before));
    ASSERT_TRUE(core::VytazeniZalohyDat(ws, ui));
    EXPECT_EQ(rowRecords(ws.table), rowRecords(before));
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter, before.SpeciesSeparatorAfter);
    EXPECT_EQ(ws.table.SpeciesLayerLabel, before.SpeciesLayerLabel);
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
}
