#include <gtest/gtest.h>

#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/group_averages.h"

using namespace zembu;
using core::Answer;

namespace {

class GroupAveragesTest : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};
    core::ScriptedInteraction ui;

    void SetUp() override {
        // Groups: relevés 1-2 and 3-4.
        ws.table = zembu::testing::tableFromCovers({{5, 10, 0, 20}, {1, 0, 1, 0}});
        ws.table.SeparatorAfter[2] = 1;
        const char* heads[] = {"     2", "   3.5", "   abc", "    -1"};
        for (int rec = 1; rec <= 4; ++rec) ws.table.ReleveHead[rec] = heads[rec - 1];
        ws.table.SpeciesLayerLabel[1] = "   4";
        ws.table.SpeciesLayerLabel[2] = "   7";
    }
};

}  // namespace

TEST_F(GroupAveragesTest, ShortHeadsPerGroupWithMinimumAndMaximum) {
    ui.expectQuestion("Add the group minimum and maximum?", "Program Info", Answer::Yes);
    ui.expectMessage("The group averages were saved into the clipboard!", "Program Info");
    EXPECT_TRUE(synoptic::shheadaver(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.clipboard(),
              "SHORT HEAD AVERAGES\n"
              "Group average\n"
              "Group No.   No. of rel.       Value\n"
              "        1             2      2.7500\n"
              "        2             1     -1.0000\n"
              "Group minimum\n"
              "Group No.   No. of rel.       Value\n"
              "        1             2      2.0000\n"
              "        2             1     -1.0000\n"
              "Group maximum\n"
              "Group No.   No. of rel.       Value\n"
              "        1             2      3.5000\n"
              "        2             1     -1.0000\n");
}

TEST_F(GroupAveragesTest, SpeciesDataOverTheOccurrencesOfEachGroup) {
    // Group 1: species 1 twice (4), species 2 once (7); group 2: species 1 (4) and 2 (7).
    const auto text = synoptic::speciesDataAverages(ws, false);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "SPECIES DATA AVERAGES\n"
              "Group average\n"
              "Group No.   No. of occ.       Value\n"
              "        1             3      5.0000\n"
              "        2             2      5.5000\n");
}

TEST_F(GroupAveragesTest, OnlyTextAndCancelGiveNothing) {
    for (int rec = 1; rec <= 4; ++rec) ws.table.ReleveHead[rec] = "  text";
    ui.expectQuestion("Add the group minimum and maximum?", "Program Info", Answer::No);
    ui.expectMessage("  Headers contain only text info!", "Program Info");
    EXPECT_FALSE(synoptic::shheadaver(ws, ui));
    ui.expectQuestion("Add the group minimum and maximum?", "Program Info", Answer::Cancel);
    EXPECT_FALSE(synoptic::spdataver(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.clipboard(), "");
    ws.table.SpeciesLayerLabel[1] = ws.table.SpeciesLayerLabel[2] = "   ";
    EXPECT_FALSE(synoptic::speciesDataAverages(ws, true));
}
