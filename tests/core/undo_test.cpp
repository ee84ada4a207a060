#include <gtest/gtest.h>

#include "core/head_lines.h"
#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::testing::TempDir;

TEST(Undo, RestoresTheTwelveArraysButNotTheCells) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 0, 7}, {0, 38, 95}, {1, 2, 3}});
    Table& t = ws.table;
    t.ReleveHead[1] = "     1";
    EXPECT_FALSE(ws.undo.available);
    ZalohaDat(ws);
    EXPECT_TRUE(ws.undo.available);
    const Table before = t;

    // A rearrangement of everything the copy holds ...
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);
    t.ReleveColour[2] = {0x0000CC, 1};
    t.SeparatorAfter[1] = 3;
    t.ReleveHead[1] = "     9";
    t.ReleveColumnOfRecord[1] = 3;
    std::swap(t.SpeciesInfo[1], t.SpeciesInfo[3]);
    t.SpeciesRowOfRecord[1] = 3;
    t.SpeciesRowOfRecord[3] = 1;
    t.SpeciesColour[2] = {0xDD0000, 2};
    t.SpeciesSeparatorAfter[2] = 1;
    t.SpeciesLayer[1] = 1;
    t.SpeciesLayerLabel[1] = "1";
    t.SpeciesFrequency[1] = 9;
    // ... and a change of cells made since.
    t.ReleveData[1][3] = coverByte(50);
    t.SpeciesData[1][3] = coverByte(50);

    ScriptedInteraction ui;
    ASSERT_TRUE(VytazeniZalohyDat(ws, ui));
    EXPECT_FALSE(ws.undo.available);
    EXPECT_EQ(t.ReleveOrder, before.ReleveOrder);
    EXPECT_EQ(t.ReleveColour, before.ReleveColour);
    EXPECT_EQ(t.SeparatorAfter, before.SeparatorAfter);
    EXPECT_EQ(t.ReleveHead, before.ReleveHead);
    EXPECT_EQ(t.ReleveColumnOfRecord, before.ReleveColumnOfRecord);
    EXPECT_EQ(t.SpeciesInfo, before.SpeciesInfo);
    EXPECT_EQ(t.SpeciesRowOfRecord, before.SpeciesRowOfRecord);
    EXPECT_EQ(t.SpeciesColour, before.SpeciesColour);
    EXPECT_EQ(t.SpeciesSeparatorAfter, before.SpeciesSeparatorAfter);
    EXPECT_EQ(t.SpeciesLayer, before.SpeciesLayer);
    EXPECT_EQ(t.SpeciesLayerLabel, before.SpeciesLayerLabel);
    EXPECT_EQ(t.SpeciesFrequency, before.SpeciesFrequency);
    EXPECT_EQ(coverPercent(t.ReleveData[1][3]), 50);  // the cell change stays
    EXPECT_SCRIPT_DONE(ui);

    // One level only: a second undo does nothing.
    EXPECT_FALSE(VytazeniZalohyDat(ws, ui));
}

TEST(Undo, RefusesWhenTheTableChangedItsSize) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 0}, {0, 38}});
    ZalohaDat(ws);
    ws.table.SpeciesRecordCount = 1;
    ws.table.SpeciesCount = 1;
    ScriptedInteraction ui;
    ui.expectMessage("The table has changed its size since the last rearrangement; it cannot be undone.", "ZEMBU");
    EXPECT_FALSE(VytazeniZalohyDat(ws, ui));
    EXPECT_FALSE(ws.undo.available);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(Undo, GivesBackTheHeadCaptionAndTheTickOfTheHeadMenu) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 0, 7}});
    hlavicka(ws);
    ZalohaDat(ws);
    // What a head command such as Group Number leaves.
    hlavickasekvencni(ws);
    ws.head = HeadKind::GroupNumber;
    ws.headMode = 3;
    ws.headCaption = "Group number:";
    renewHead(ws);
    ASSERT_TRUE(ws.menuChecks["grounumb_Click"]);

    ScriptedInteraction ui;
    ASSERT_TRUE(VytazeniZalohyDat(ws, ui));
    EXPECT_EQ(ws.head, HeadKind::RunningNumber);
    EXPECT_EQ(ws.headMode, 1);
    EXPECT_EQ(ws.headCaption, "Running number:");
    EXPECT_TRUE(ws.menuChecks["relanum_Click"]);
    EXPECT_FALSE(ws.menuChecks["grounumb_Click"]);
    EXPECT_EQ(ws.display.headLines, hlavickared(ws.table));
}
