#include <gtest/gtest.h>

#include "core/undo.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/block_moves.h"
#include "view/colour_commands.h"

using namespace zembu;
using zembu::testing::columnRecords;
using zembu::testing::rowRecords;
using zembu::testing::tableFromCovers;

namespace {

// A table of n relevés whose columns carry the given colour numbers.
core::Table colouredColumns(const std::vector<int>& colours) {
    std::vector<std::vector<int>> covers(1, std::vector<int>(colours.size(), 5));
    core::Table t = tableFromCovers(covers);
    for (size_t k = 0; k < colours.size(); ++k) t.ReleveColour[k + 1] = {colours[k] * 100 + 1, colours[k]};
    return t;
}

}  // namespace

TEST(BlockMoves, RelevesOfAColourGatherLeftAndRight) {
    const int black = 0, red = 1;
    core::Table t = colouredColumns({black, red, black, red, black});
    t.SeparatorAfter[4] = 2;  // after the second red relevé
    ASSERT_TRUE(view::posunsnimkuvlevo(t, red));
    EXPECT_EQ(columnRecords(t), (std::vector<int32_t>{1, 2, 4, 3, 5}));
    // The separator travels with its relevé, colours travel too.
    EXPECT_EQ(t.SeparatorAfter[3], 2);
    EXPECT_EQ(t.SeparatorAfter[4], 0);
    EXPECT_EQ(t.ReleveColour[3].number, red);
    EXPECT_EQ(t.ReleveColourByRecord[4].number, red);  // colours stored by record first

    core::Table u = colouredColumns({red, black, red, black});
    ASSERT_TRUE(view::posunsnimkuvpravo(u, red));
    EXPECT_EQ(columnRecords(u), (std::vector<int32_t>{2, 1, 3, 4}));

    core::Table none = colouredColumns({black, black, black});
    EXPECT_FALSE(view::posunsnimkuvlevo(none, red));
    EXPECT_FALSE(view::posunsnimkuvpravo(none, red));
    EXPECT_EQ(columnRecords(none), (std::vector<int32_t>{1, 2, 3}));
}

TEST(BlockMoves, WithinGroupsEachGroupMovesOnItsOwn) {
    const int black = 0, red = 1;
    core::Table t = colouredColumns({black, red, black, red, /*|*/ red, black, red});
    t.SeparatorAfter[4] = 1;
    view::posunsnimkuvpravoskup(t, red, false, 1);
    EXPECT_EQ(columnRecords(t), (std::vector<int32_t>{1, 3, 2, 4, 6, 5, 7}));
    core::Table u = colouredColumns({black, red, black, red, /*|*/ black, black, red});
    u.SeparatorAfter[4] = 3;
    // With the hierarchy on at level 2 the level-3 separator is no boundary.
    view::posunsnimkuvlevoskup(u, red, true, 2);
    EXPECT_EQ(columnRecords(u), (std::vector<int32_t>{1, 2, 4, 7, 3, 5, 6}));
}

TEST(BlockMoves, SpeciesOfAColourGatherUpAndDown) {
    core::Table t = tableFromCovers({{1}, {2}, {3}, {4}, {5}});
    for (int i : {2, 4}) t.SpeciesColour[i] = {0xCC, 1};
    t.SpeciesLayerLabel[4] = "4";
    ASSERT_TRUE(view::presundruhunahoru(t, 1));
    EXPECT_EQ(rowRecords(t), (std::vector<int32_t>{1, 2, 4, 3, 5}));
    EXPECT_EQ(t.SpeciesLayerLabel[3], "4");
    EXPECT_EQ(t.SpeciesRowOfRecord[4], 3);
    EXPECT_TRUE(core::checkInvariants(t).empty());

    core::Table u = tableFromCovers({{1}, {2}, {3}, {4}});
    for (int i : {1, 3}) u.SpeciesColour[i] = {0xCC, 1};
    ASSERT_TRUE(view::presundruhudolu(u, 1));
    EXPECT_EQ(rowRecords(u), (std::vector<int32_t>{2, 1, 3, 4}));
    EXPECT_FALSE(view::presundruhudolu(u, 5));
}

TEST(BlockMoves, DraggedRowAndMoveToEnd) {
    core::Table t = tableFromCovers({{1}, {2}, {3}, {4}, {5}});
    t.SpeciesSeparatorAfter[2] = 1;
    view::presundruhu(t, 2, 4);
    EXPECT_EQ(rowRecords(t), (std::vector<int32_t>{1, 3, 4, 2, 5}));
    EXPECT_EQ(t.SpeciesSeparatorAfter[4], 1);  // the row's separator came along
    view::presundruhu(t, 4, 2);
    EXPECT_EQ(rowRecords(t), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(core::checkInvariants(t).empty());

    core::Table c = colouredColumns({0, 1, 2});
    view::moveReleveToEnd(c, 1);
    EXPECT_EQ(columnRecords(c), (std::vector<int32_t>{2, 3, 1}));
    view::moveReleveToEnd(c, 3);  // the last column stays where it is
    EXPECT_EQ(columnRecords(c), (std::vector<int32_t>{2, 3, 1}));
}

TEST(ColourCommands, RemovingColoursMovesTheBoxOn) {
    zembu::testing::TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = colouredColumns({7, 0, 7, 3});
    ws.releveColourBox = 7;
    view::relcol_Click(ws, 0);
    EXPECT_EQ(ws.table.ReleveColour[1], (core::ColourEntry{0xFFFFFF, 0}));
    EXPECT_EQ(ws.table.ReleveColour[4].number, 3);
    EXPECT_EQ(ws.releveColourBox, 0);  // after entry 7 back to 0
    EXPECT_EQ(ws.menuCaptions["vlev_Click#0"], "&Left WHITE Relevés");
    view::relcol_Click(ws, 1);
    EXPECT_EQ(ws.table.ReleveColour[4].number, 0);

    ws.table = tableFromCovers({{1}, {2}, {3}});
    ws.table.SpeciesRecordCount = 3;
    ws.table.SpeciesCount = 2;  // row 3 formally deleted, still uncoloured
    for (int i = 1; i <= 3; ++i) ws.table.SpeciesColour[i] = {0xCC, 1};
    ws.speciesColourBox = 1;
    view::selecolo_Click(ws, 0);
    EXPECT_EQ(ws.table.SpeciesColour[3], (core::ColourEntry{0, 0}));
    EXPECT_EQ(ws.speciesColourBox, 2);
    EXPECT_EQ(ws.menuCaptions["druhmaza_Click"], "D&elete BLUE Species");
}

TEST(ColourCommands, MovesTakeAnUndoSnapshot) {
    zembu::testing::TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = colouredColumns({0, 1, 0, 1});
    ws.releveColourBox = 1;
    view::vlev_Click(ws, 0);
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{1, 2, 4, 3}));
    core::ScriptedInteraction ui;
    ASSERT_TRUE(core::VytazeniZalohyDat(ws, ui));
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{1, 2, 3, 4}));
    view::vlev_Click(ws, 4);
    EXPECT_TRUE(ws.moveToEndMode);
    view::vlev_Click(ws, 4);
    EXPECT_FALSE(ws.moveToEndMode);
}
