// Deleting the relevés of one colour, and separators around the relevés of one colour.

#include <gtest/gtest.h>

#include "core/header_store.h"
#include "core/index_code.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/releve_deletion.h"
#include "view/separators.h"

using namespace zembu;
using core::Answer;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

// Five relevés (records 1..5, TURBOVEG 1001..1005) with header records
// "R1  ".."R5  "; columns 2 and 4 red.
void fiveReleves(core::Workspace& ws) {
    ws.table = zt::tableFromCovers({{5, 10, 15, 20, 25}, {0, 38, 0, 63, 0}, {1, 0, 2, 0, 3}});
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.table.ReleveColour[4] = {0x9999FF, 1};
    zt::writeFile(ws.headerStructureFile(), "   1  Releve number\r\n");
    zt::writeFile(ws.headerValueFile(), "R1  \r\nR2  \r\nR3  \r\nR4  \r\nR5  \r\n");
    core::inichlava(ws);
}

}  // namespace

TEST(ReleveDeletion, RelevesOfTheColourGoWithTheirCellsAndHeaderRecords) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    fiveReleves(ws);
    core::Table& t = ws.table;
    std::swap(t.ReleveOrder[4], t.ReleveOrder[5]);  // column 4 shows record 5, column 5 record 4
    t.ReleveColour[4] = {0xFFFFFF, 0};
    t.ReleveColour[5] = {0x9999FF, 1};
    t.SeparatorAfter[2] = 1;  // after a deleted relevé: moves to column 1
    t.SeparatorAfter[3] = 2;
    ScriptedInteraction ui;
    ui.expectQuestion("Do you want to delete 2 RED relevés?", "ZEMBU", Answer::Yes);
    ASSERT_TRUE(view::deleteReleves(ws, 1, ui));
    EXPECT_SCRIPT_DONE(ui);

    ASSERT_TRUE(core::checkInvariants(t).empty());
    ASSERT_EQ(t.ReleveCount, 3);
    EXPECT_EQ(t.ReleveRecordCount, 3);
    EXPECT_EQ(t.ReleveOrder[1], (core::ReleveOrderEntry{1, 1001}));
    EXPECT_EQ(t.ReleveOrder[2], (core::ReleveOrderEntry{2, 1003}));
    EXPECT_EQ(t.ReleveOrder[3], (core::ReleveOrderEntry{3, 1005}));
    EXPECT_EQ(t.SeparatorAfter[1], 1);
    EXPECT_EQ(t.SeparatorAfter[2], 2);
    EXPECT_EQ(t.SeparatorAfter[3], 0);
    EXPECT_EQ(core::coverPercent(t.coverAt(1, 3)), 25);  // species 1 in relevé 1005
    EXPECT_EQ(t.SpeciesFrequency[2], 0);                  // its relevés are gone
    EXPECT_EQ(t.SpeciesFrequency[3], 3);
    EXPECT_EQ(zt::readFile(ws.headerValueFile()), "R1  \r\nR3  \r\nR5  \r\n");
    EXPECT_EQ(t.ReleveHead[3], "     3");  // the running-number head follows the new records
    EXPECT_TRUE(ws.undo.available);
}

TEST(ReleveDeletion, NeverAllRelevesAndNothingUnasked) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    fiveReleves(ws);
    ScriptedInteraction ui;
    ui.expectQuestion("Do you want to delete 2 RED relevés?", "ZEMBU", Answer::No);
    EXPECT_FALSE(view::deleteReleves(ws, 1, ui));
    ui.expectMessage("There is no BLUE relevé in the table.", "ZEMBU");
    EXPECT_FALSE(view::deleteReleves(ws, 2, ui));
    for (int k = 1; k <= 5; ++k) ws.table.ReleveColour[k] = {0x9999FF, 1};
    ui.expectMessage("All relevés cannot be deleted!!!", "ZEMBU");
    EXPECT_FALSE(view::deleteReleves(ws, 1, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.ReleveCount, 5);
    EXPECT_EQ(zt::readFile(ws.headerValueFile()), "R1  \r\nR2  \r\nR3  \r\nR4  \r\nR5  \r\n");
}

TEST(ReleveDeletion, SeparatorsAroundEveryRunOfTheColour) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    fiveReleves(ws);
    core::Table& t = ws.table;
    t.ReleveColour[3] = {0x9999FF, 1};
    t.ReleveColour[4] = {0xFFFFFF, 0};
    t.ReleveColour[5] = {0x9999FF, 1};  // red runs: 2-3 and 5
    t.SeparatorAfter[2] = 4;           // kept: inside a run, not touched
    ws.separatorLevel = 2;
    view::separatorsAroundColour(ws, 1);
    EXPECT_EQ(t.SeparatorAfter[1], 2);
    EXPECT_EQ(t.SeparatorAfter[2], 4);
    EXPECT_EQ(t.SeparatorAfter[3], 2);
    EXPECT_EQ(t.SeparatorAfter[4], 2);
    EXPECT_EQ(t.SeparatorAfter[5], 0);  // nothing after the last column
    EXPECT_TRUE(ws.undo.available);
}
