#include <gtest/gtest.h>

#include "core/undo.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/table_mouse.h"

using namespace zembu;
using view::MouseButton;
using view::TableHit;

namespace {

class TableMouse : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};

    void SetUp() override {
        ws.table = zembu::testing::tableFromCovers({{1, 1, 1, 1, 1}, {2, 2, 2, 2, 2}, {3, 3, 3, 3, 3},
                                                   {4, 4, 4, 4, 4}, {5, 5, 5, 5, 5}, {6, 6, 6, 6, 6}});
    }
    static TableHit row(int32_t r, int32_t column = 1) { return {TableHit::Area::Body, r, column}; }
    static TableHit head(int32_t c) { return {TableHit::Area::Head, 0, c}; }
    std::vector<int> rowColours() const {
        std::vector<int> c;
        for (int i = 1; i <= ws.table.SpeciesCount; ++i) c.push_back(ws.table.SpeciesColour[i].number);
        return c;
    }
    std::vector<int> columnColours() const {
        std::vector<int> c;
        for (int k = 1; k <= ws.table.ReleveCount; ++k) c.push_back(ws.table.ReleveColour[k].number);
        return c;
    }
};

}  // namespace

TEST_F(TableMouse, ShiftRightClickColoursTheRangeAboveTheRow) {
    const int red = 1;
    ws.speciesColourBox = red;
    // Only row 2 red, anchor 0: rows 3, 4 and 5 become red.
    ws.table.SpeciesColour[2] = {0xCC, red};
    view::Picture1_MouseDown(ws, row(5), MouseButton::Right, true, false);
    EXPECT_EQ(rowColours(), (std::vector<int>{0, 1, 1, 1, 1, 0}));
    EXPECT_EQ(ws.anchorRow, 0);
    EXPECT_EQ(ws.CurrentRow, 5);
}

TEST_F(TableMouse, ShiftRangeStopsAtTheAnchorRow) {
    const int red = 1;
    ws.speciesColourBox = red;
    ws.table.SpeciesColour[1] = {0xCC, red};
    view::Picture1_MouseDown(ws, row(2), MouseButton::Left, false, false);
    EXPECT_EQ(ws.anchorRow, 2);
    view::Picture1_MouseDown(ws, row(5), MouseButton::Right, true, false);
    EXPECT_EQ(rowColours(), (std::vector<int>{1, 0, 1, 1, 1, 0}));
}

TEST_F(TableMouse, ShiftRangeNeedsTheColourAbove) {
    ws.speciesColourBox = 1;
    view::Picture1_MouseDown(ws, row(4), MouseButton::Right, true, false);
    EXPECT_EQ(rowColours(), (std::vector<int>{0, 0, 0, 1, 0, 0}));
    // Ctrl takes the aggregation box's colour.
    ws.aggregationColourBox = 4;
    view::Picture1_MouseDown(ws, row(6), MouseButton::Right, false, true);
    EXPECT_EQ(ws.table.SpeciesColour[6].number, 4);
    EXPECT_EQ(ws.table.SpeciesColour[6].value, ws.palette[4].drawing);
}

TEST_F(TableMouse, ShiftClickOnTheNameTogglesTheSeparator) {
    ws.separatorLevel = 3;
    view::Picture1_MouseDown(ws, row(2, 0), MouseButton::Left, true, false);
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[2], 3);
    view::Picture1_MouseDown(ws, row(2, 0), MouseButton::Left, true, false);
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[2], 0);
    // Over a relevé column Shift+left selects the row instead.
    view::Picture1_MouseDown(ws, row(2, 3), MouseButton::Left, true, false);
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[2], 0);
    EXPECT_EQ(ws.CurrentRow, 2);
}

TEST_F(TableMouse, ReleveColumnsAreColouredSelectedAndSeparated) {
    ws.releveColourBox = 2;
    view::Picture1_MouseDown(ws, head(1), MouseButton::Right, false, false);
    view::Picture1_MouseDown(ws, head(4), MouseButton::Right, true, false);
    EXPECT_EQ(columnColours(), (std::vector<int>{2, 2, 2, 2, 0}));  // down to the anchor column 1
    EXPECT_EQ(ws.anchorColumn, 4);
    ws.releveColourBox = 0;
    view::Picture1_MouseDown(ws, head(4), MouseButton::Right, false, false);
    EXPECT_EQ(ws.table.ReleveColour[4], (core::ColourEntry{0xFFFFFF, 0}));

    view::Picture1_MouseDown(ws, head(3), MouseButton::Left, true, false);
    EXPECT_EQ(ws.table.SeparatorAfter[3], 1);
    view::Picture1_MouseDown(ws, head(3), MouseButton::Left, false, false);
    EXPECT_EQ(ws.CurrentReleve, 3);
    EXPECT_FALSE(view::Picture1_MouseDown(ws, head(9), MouseButton::Left, false, false).redraw);
}

TEST_F(TableMouse, MoveToEndModeMovesTheClickedReleve) {
    ws.moveToEndMode = true;
    const auto result = view::Picture1_MouseDown(ws, head(2), MouseButton::Left, false, false);
    EXPECT_TRUE(result.movedToEnd);
    EXPECT_EQ(ws.table.ReleveOrder[5].record, 2);
    EXPECT_EQ(ws.table.ReleveOrder[2].record, 3);
    view::Picture1_MouseDown(ws, head(5), MouseButton::Left, false, false);
    EXPECT_EQ(ws.table.ReleveOrder[5].record, 2);
}

TEST_F(TableMouse, DraggingARowMovesItAndUndoMovesItBack) {
    view::Picture1_MouseDown(ws, row(2), MouseButton::Left, false, false);
    view::Picture1_MouseUp(ws, row(2), MouseButton::Left);
    EXPECT_EQ(ws.table.SpeciesInfo[2].record, 2);  // released on the same row: nothing
    EXPECT_FALSE(ws.undo.available);

    view::Picture1_MouseDown(ws, row(2), MouseButton::Left, false, false);
    view::Picture1_MouseUp(ws, row(5), MouseButton::Left);
    EXPECT_EQ(ws.table.SpeciesInfo[5].record, 2);
    EXPECT_EQ(ws.table.SpeciesInfo[2].record, 3);
    EXPECT_TRUE(ws.undo.available);
    core::ScriptedInteraction ui;
    ASSERT_TRUE(core::VytazeniZalohyDat(ws, ui));
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(ws.table.SpeciesInfo[i].record, i);
}

TEST_F(TableMouse, AClickModePicksARelevéOrIsLeft) {
    // A left click on a relevé column, in the head or the body, picks it.
    ws.clickMode = core::ClickMode::IndicatorMeans;
    auto result = view::Picture1_MouseDown(ws, head(3), MouseButton::Left, false, false);
    EXPECT_EQ(result.pickedReleve, 3);
    EXPECT_EQ(result.pickedFor, core::ClickMode::IndicatorMeans);
    EXPECT_TRUE(result.clickModeEnded);
    EXPECT_EQ(ws.CurrentReleve, 3);
    EXPECT_EQ(ws.clickMode, core::ClickMode::None);
    std::swap(ws.table.ReleveOrder[2], ws.table.ReleveOrder[4]);
    ws.clickMode = core::ClickMode::IndicatorMeans;
    EXPECT_EQ(view::Picture1_MouseDown(ws, row(2, 2), MouseButton::Left, false, false).pickedReleve, 4);
    EXPECT_EQ(ws.CurrentRow, 1);  // the click was not taken for the species row

    // Any other press only leaves the mode: nothing is coloured, selected or separated.
    ws.releveColourBox = 2;
    ws.speciesColourBox = 3;
    const std::vector<TableHit> elsewhere = {row(4, 0), {TableHit::Area::Head, 0, 0}, {}, head(9)};
    for (const TableHit& hit : elsewhere) {
        ws.clickMode = core::ClickMode::IndicatorMeans;
        result = view::Picture1_MouseDown(ws, hit, MouseButton::Left, false, false);
        EXPECT_EQ(result.pickedReleve, 0);
        EXPECT_TRUE(result.clickModeEnded);
        EXPECT_EQ(ws.clickMode, core::ClickMode::None);
    }
    for (bool shift : {false, true}) {
        ws.clickMode = core::ClickMode::IndicatorMeans;
        const MouseButton button = shift ? MouseButton::Left : MouseButton::Right;
        EXPECT_EQ(view::Picture1_MouseDown(ws, head(2), button, shift, false).pickedReleve, 0);
        ws.clickMode = core::ClickMode::IndicatorMeans;
        EXPECT_EQ(view::Picture1_MouseDown(ws, row(3, 1), button, shift, false).pickedReleve, 0);
    }
    EXPECT_EQ(ws.CurrentRow, 1);
    EXPECT_EQ(ws.CurrentReleve, 4);
    EXPECT_EQ(rowColours(), (std::vector<int>(6, 0)));
    EXPECT_EQ(columnColours(), (std::vector<int>(5, 0)));
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(ws.table.SeparatorAfter[k], 0);
    EXPECT_FALSE(ws.undo.available);

    // Esc leaves it; the next clicks are ordinary ones.
    ws.clickMode = core::ClickMode::IndicatorMeans;
    EXPECT_TRUE(view::leaveClickMode(ws));
    EXPECT_FALSE(view::leaveClickMode(ws));
    view::Picture1_MouseDown(ws, head(2), MouseButton::Right, false, false);
    EXPECT_EQ(ws.table.ReleveColour[2].number, 2);
}
