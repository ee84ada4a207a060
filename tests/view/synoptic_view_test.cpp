#include <gtest/gtest.h>

#include <random>

#include "core/menu_ids.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/synoptic_table.h"
#include "view/block_moves.h"
#include "view/synoptic_view.h"

using namespace zembu;
using synoptic::CellPart;

namespace {

class SynopticViewTest : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};

    void SetUp() override {
        // Group 1: relevés 1-3, group 2: relevés 4-6.
        ws.table = zembu::testing::tableFromCovers({{5, 10, 20, 0, 0, 0}, {1, 1, 1, 1, 1, 30}, {0, 0, 0, 0, 0, 60}});
        ws.table.SeparatorAfter[3] = 1;
        ws.display.nameWidth = 10;
        ws.display.layerWidth = 3;
    }
    view::SynopticView show(int type) {
        ws.synopticType = type;
        return view::computeSynopticView(ws);
    }
    view::SynopticScreen screen(const view::SynopticView& v, int32_t first = 1, int32_t groups = 10) {
        return view::buildSynopticScreen(ws, v, first, groups, 1, 10);
    }
    static std::string values(const view::SynopticScreen& s, size_t row) {
        return s.rows[row].text.substr(static_cast<size_t>(s.prefixWidth));
    }
};

}  // namespace

TEST_F(SynopticViewTest, TheSameItemTwiceReturnsToTheTable) {
    view::synopt_Click(ws, 1);
    EXPECT_EQ(ws.synopticType, 1);
    EXPECT_TRUE(ws.menuChecks["synopt_Click#1"]);
    view::synav_Click(ws, 6);
    EXPECT_EQ(ws.synopticType, 11);
    EXPECT_FALSE(ws.menuChecks["synopt_Click#1"]);
    EXPECT_TRUE(ws.menuChecks["synav_Click#6"]);
    view::synav_Click(ws, 6);
    EXPECT_EQ(ws.synopticType, 0);
    EXPECT_FALSE(ws.menuChecks["synav_Click#6"]);
    view::percwithvali_Click(ws);
    EXPECT_EQ(ws.synopticType, synoptic::CombinedTable);
    EXPECT_TRUE(ws.menuChecks[core::menu::CombinedSynopticTable]);
    view::synopt_Click(ws, 5);  // beyond the four items: nothing
    EXPECT_EQ(ws.synopticType, synoptic::CombinedTable);

    core::Workspace empty(dir / "empty");
    view::synopt_Click(empty, 2);
    EXPECT_EQ(empty.synopticType, 0);
}

TEST_F(SynopticViewTest, ValuesEqualTheSynopticTableOfEveryTypeAndForm) {
    std::mt19937_64 random(11);
    for (int trial = 0; trial < 6; ++trial) {
        std::vector<std::vector<int>> covers(9, std::vector<int>(25));
        for (auto& row : covers)
            for (int& c : row) c = random() % 3 == 0 ? 1 + static_cast<int>(random() % 95) : 0;
        ws.table = zembu::testing::tableFromCovers(covers);
        for (int k = 1; k < 25; ++k) ws.table.SeparatorAfter[k] = random() % 5 == 0 ? 1 : 0;
        for (int rec = 1; rec <= 25; ++rec) ws.table.ReleveHead[rec] = std::to_string(random() % 7);
        // Rows in another order than their records.
        std::swap(ws.table.SpeciesInfo[2], ws.table.SpeciesInfo[7]);
        ws.table.SpeciesRowOfRecord[ws.table.SpeciesInfo[2].record] = 2;
        ws.table.SpeciesRowOfRecord[ws.table.SpeciesInfo[7].record] = 7;
        for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 20}) {
            for (int form = 1; form <= (type == 20 ? 6 : 1); ++form) {
                ws.settings.setValue(core::setting::FidelityDisplayTypeCombined, std::to_string(form));
                ws.settings.setValue(core::setting::FidelityLimit, "10");
                ws.settings.setValue(core::setting::Fidelity2Limit, "40");
                ws.settings.setValue(core::setting::FrequencyLimit, "20");
                ws.settings.setValue(core::setting::Frequency2Limit, "60");
                const view::SynopticView v = show(type);
                const synoptic::SynopticTable table =
                    synoptic::computeSynopticTable(ws.table, synoptic::readSynopticSettings(ws), type);
                ASSERT_EQ(v.groupCount, table.groups.groupCount);
                for (const synoptic::SynopticRow& row : table.rows) {
                    const int32_t s = ws.table.SpeciesInfo[row.row].record;
                    for (int32_t g = 1; g <= v.groupCount; ++g) {
                        const synoptic::SynopticCell& cell = row.cells[g - 1];
                        ASSERT_EQ(v.value(s, g, 0), cell.first) << type << " " << form << " " << row.row << " " << g;
                        if (type == 20) {
                            ASSERT_EQ(v.value(s, g, 1), cell.second);
                        }
                    }
                }
            }
        }
    }
}

TEST_F(SynopticViewTest, ScreenShowsTitleHeadRowsAndHighlights) {
    ws.settings.setValue(core::setting::FrequencyLimit, "50");
    ws.settings.setValue(core::setting::Frequency2Limit, "100");
    ws.settings.setValue(core::setting::FrequencyThresholdColor1, std::to_string(0x00FF00));
    const view::SynopticView v = show(1);
    EXPECT_EQ(v.title, "Percentage synoptic table");
    EXPECT_EQ(v.groupSizes, (std::vector<int32_t>{3, 3}));
    const view::SynopticScreen s = screen(v);
    ASSERT_FALSE(s.empty);
    EXPECT_EQ(s.prefixWidth, 15);
    EXPECT_EQ(s.groupLine, "Group No.           1     2");
    EXPECT_EQ(s.sizeLine, core::utf8ToCodePage("No. of relevés      3     3"));
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].text, "Species 1" "      " "   100     .");
    EXPECT_EQ(values(s, 1), "   100   100");
    EXPECT_EQ(values(s, 2), "     .    33");
    // 100 reaches the second threshold, 33 none; the first colour was chosen,
    // the second is the default.
    ASSERT_EQ(s.rows[1].marked.size(), 2u);
    EXPECT_EQ(s.rows[1].marked[0].offset, 15);
    EXPECT_EQ(s.rows[1].marked[1].offset, 21);
    EXPECT_EQ(s.rows[1].marked[0].highlight, synoptic::SecondThreshold);
    EXPECT_TRUE(s.rows[1].marked[0].filled);
    EXPECT_NE(s.rows[1].marked[0].fill, 0x00FF00);
    EXPECT_TRUE(s.rows[2].marked.empty());

    // The switch off: no filled boxes; bold alone still marks the values.
    ws.settings.setValue(core::setting::FrequencyThresholdYesNo, "No");
    ws.settings.setValue(core::setting::BoldImportantValuesInSynopticTable, "Yes");
    ws.settings.setValue(core::setting::Frequency2Limit, "101");
    const view::SynopticScreen plain = screen(show(1));
    ASSERT_EQ(plain.rows[1].marked.size(), 2u);
    EXPECT_FALSE(plain.rows[1].marked[0].filled);
    EXPECT_TRUE(plain.rows[1].marked[0].bold);
    EXPECT_EQ(plain.rows[1].marked[0].highlight, synoptic::FirstThreshold);
    EXPECT_EQ(plain.rows[1].marked[0].fill, 0x00FF00);

    // Thresholds count as whole numbers, rounded half to even: 32.5 is 32
    // (33 reaches it), 33.5 is 34 (33 does not).
    ws.settings.setValue(core::setting::FrequencyLimit, "32.5");
    EXPECT_EQ(screen(show(1)).rows[2].classes, "01");
    ws.settings.setValue(core::setting::FrequencyLimit, "33.5");
    EXPECT_EQ(screen(show(1)).rows[2].classes, "00");

    // Scrolled to the second group.
    const view::SynopticScreen second = screen(v, 2, 5);
    EXPECT_EQ(second.visibleGroups, 1);
    EXPECT_EQ(second.groupLine, "Group No.           2");
    EXPECT_EQ(values(second, 0), "     .");
}

TEST_F(SynopticViewTest, TitleLineOnlyWhereTheTypeShowsOne) {
    EXPECT_EQ(show(4).title, "Percentage synoptic table with modified fidelity {phi coefficient} (2 columns)");
    ws.settings.setValue(core::setting::FidelityType, "2");
    ws.settings.setValue(core::setting::PhiRecalculated, "0");
    ws.settings.setValue(core::setting::PhiTestedByFisher, "Yes");
    EXPECT_EQ(show(4).title,
              "Percentage synoptic table with fidelity index {phi coefficient} (2 columns) - Fisher's exact test > 3");
    ws.settings.setValue(core::setting::FidelityType, "12");
    EXPECT_EQ(show(4).title, "");
    EXPECT_EQ(show(9).title, "Zlatnik's scale synoptic table");
    EXPECT_EQ(show(10).title, "");
    EXPECT_EQ(show(11).title, "");
    ws.settings.setValue(core::setting::FidelityDisplayTypeCombined, "6");
    const view::SynopticView combined = show(20);
    EXPECT_EQ(combined.title, "Synoptic table with percentage constancy and cover range");
    EXPECT_EQ(combined.parts, 2);
    const view::SynopticScreen s = screen(combined);
    EXPECT_EQ(s.groupWidth, 12);
    EXPECT_EQ(values(s, 0), "   100  5-20     .     .");
    EXPECT_EQ(s.groupLine.substr(15), "     1           2      ");
}

TEST_F(SynopticViewTest, FollowsSeparatorsRowMovesAndTheHierarchy) {
    const view::SynopticView before = show(1);
    // A row moved after the view was computed shows its own values.
    view::presundruhu(ws.table, 3, 1);
    EXPECT_EQ(values(screen(before), 0), "     .    33");
    // A new separator shows in the next view.
    ws.table.SeparatorAfter[1] = 2;
    EXPECT_EQ(show(1).groupCount, 3);
    ws.separatorHierarchy = true;
    ws.separatorLevel = 1;
    EXPECT_EQ(show(1).groupCount, 2);
    // A species separator below a row is drawn under the hierarchy's rules.
    ws.table.SpeciesSeparatorAfter[2] = 1;
    ws.table.SpeciesSeparatorAfter[1] = 3;
    const view::SynopticScreen s = screen(show(1));
    ASSERT_EQ(s.speciesSeparators.size(), 1u);
    EXPECT_EQ(s.speciesSeparators[0].offset, 1);
}
