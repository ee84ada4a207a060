#include <gtest/gtest.h>

#include "core/display_scale.h"
#include "core/head_lines.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/layer_labels.h"
#include "view/table_screen.h"

using namespace zembu;

namespace {

class TableScreenTest : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};

    void SetUp() override {
        ws.table = zembu::testing::tableFromCovers({{1, 2, 4, 10}, {20, 30, 60, 95}, {0, 3, 0, 0}});
        for (int rec = 1; rec <= 4; ++rec) ws.table.ReleveHead[rec] = "    1" + std::to_string(rec);
        ws.display.nameWidth = 12;
        ws.display.layerWidth = 3;
    }
    view::TableScreen screen(int32_t first = 1, int32_t columns = 10, int32_t top = 1, int32_t rows = 10) {
        return view::buildTableScreen(ws, {first, top, columns, rows});
    }
    // The cell part of each body row.
    std::vector<std::string> cells(const view::TableScreen& s) {
        std::vector<std::string> out;
        for (const auto& row : s.rows) out.push_back(row.text.substr(s.prefixWidth));
        return out;
    }
};

}  // namespace

TEST_F(TableScreenTest, BodyRowsUnderEachDisplayScale) {
    struct Case {
        void (*fill)(core::DisplayTable&);
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {core::font1, {"r+22      ", "2345      ", " 1        "}},
        {core::font2, {"r+ma      ", "b345      ", " 1        "}},
        {core::font3, {"r+22      ", "2345      ", " 1        "}},
        {core::font4, {"1111      ", "1111      ", " 1        "}},
        {core::font5, {"1245      ", "6789      ", " 3        "}},
    };
    for (const Case& c : cases) {
        c.fill(ws.display.displayTable);
        EXPECT_EQ(cells(screen()), c.expected);
    }
    // Another font than the table font shows the raw cover characters.
    ws.display.fontName = "DejaVu Sans";
    const auto raw = cells(screen());
    EXPECT_EQ(raw[1][3], static_cast<char>(255));
    ws.display.fontName = "Courier New CE";
    core::font1(ws.display.displayTable);
    EXPECT_EQ(cells(screen())[1][3], '5');
}

TEST_F(TableScreenTest, PrefixCutsNamesAndLabels) {
    ws.table.SpeciesInfo[1].name = "Quercus petraea agg.";
    ws.table.SpeciesLayer[1] = 1;
    view::zobrazenipatra(ws.table, view::LayerDigitAndName);
    const auto s = screen();
    EXPECT_EQ(s.prefixWidth, 12 + 2 + 3);
    EXPECT_EQ(s.rows[0].text.substr(0, s.prefixWidth), "Quercus petr 1 - ");
    EXPECT_EQ(s.rows[2].text.substr(0, s.prefixWidth), "Species 3    6 - ");
    EXPECT_EQ(view::layerLabel(9, view::LayerName), "Moss/lichen");
    EXPECT_EQ(view::layerLabel(2, view::LayerDigitAndName), "2 - Tree  (middle)");
}

TEST_F(TableScreenTest, HeadShowsValuesVerticallyWithCaptionAndCounts) {
    ws.table.ReleveHead[2] = "1234567";  // a longer value shows its first six characters
    const auto s = screen();
    EXPECT_EQ(s.headCaption, "Running number:");
    EXPECT_EQ(s.relevesText, "Releves 4");
    EXPECT_EQ(s.speciesText, "Species 3");
    std::string column1, column2;
    for (const auto& row : s.headRows) {
        column1 += row[s.prefixWidth];
        column2 += row[s.prefixWidth + 1];
    }
    EXPECT_EQ(column1, "    11");
    EXPECT_EQ(column2, "123456");
    const auto lines = core::hlavickared(ws.table);
    EXPECT_EQ(lines[0], "1634");  // head line 1 holds the last characters
    EXPECT_EQ(lines[5], " 1  ");
}

TEST_F(TableScreenTest, OnlyTheVisiblePartIsBuilt) {
    core::font1(ws.display.displayTable);
    const auto s = screen(2, 2, 2, 1);
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].row, 2);
    EXPECT_EQ(s.rows[0].text.substr(s.prefixWidth), "34");
    // Past the end of the table the viewport is clamped.
    const auto end = screen(99, 3, 99, 5);
    EXPECT_EQ(end.viewport.firstColumn, 4);
    EXPECT_EQ(end.viewport.topRow, 3);
    // No relevés: an empty view.
    ws.table.Redefine_dimensions();
    EXPECT_TRUE(screen().empty);
    EXPECT_TRUE(screen().rows.empty());
}

TEST_F(TableScreenTest, BandsAndSeparatorsFollowTheHierarchy) {
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.table.SeparatorAfter[1] = 1;
    ws.table.SeparatorAfter[2] = 3;
    ws.table.SeparatorAfter[3] = 6;
    ws.table.SpeciesSeparatorAfter[2] = 2;
    auto s = screen();
    ASSERT_EQ(s.releveBands.size(), 1u);
    EXPECT_EQ(s.releveBands[0].offset, 1);
    EXPECT_EQ(s.releveBands[0].colour, 0x9999FF);
    ASSERT_EQ(s.releveSeparators.size(), 3u);  // hierarchy off: all solid
    EXPECT_EQ(s.releveSeparators[1].style, view::LineStyle::Solid);

    ws.separatorHierarchy = true;
    ws.separatorLevel = 3;
    s = screen();
    ASSERT_EQ(s.releveSeparators.size(), 2u);  // level 6 is finer than the current level
    EXPECT_EQ(s.releveSeparators[1].style, view::LineStyle::DashDot);
    ws.separatorLevel = 6;
    s = screen();
    EXPECT_EQ(s.releveSeparators[2].colour, view::FineSeparatorColour);
    ASSERT_EQ(s.speciesSeparators.size(), 1u);
    EXPECT_EQ(s.speciesSeparators[0].offset, 1);
    EXPECT_EQ(s.speciesSeparators[0].style, view::LineStyle::Dash);
    EXPECT_EQ(s.layerBandColour, 0xF2F2F2);  // 0.95 x 255 = 242
}

TEST(Geometry, VisibleColumnsAndRows) {
    EXPECT_EQ(view::visibleColumnCount(800, 8, 20), 75);
    EXPECT_EQ(view::visibleColumnCount(100, 8, 20), 1);
    EXPECT_EQ(view::visibleRowCount(600, 15), 40);
    EXPECT_EQ(view::drawableBodyRows(150, 15), 4);  // rows at 6.7 .. 9.7 row heights
}
