#include <gtest/gtest.h>

#include "core/releve_groups.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/separators.h"

using namespace zembu;

namespace {

class Separators : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};

    void releves(int n) {
        ws.table = zembu::testing::tableFromCovers({std::vector<int>(n, 5)});
        for (int k = 1; k <= n; ++k) ws.table.ReleveColour[k] = {0xFFFFFF, 0};
    }
    std::vector<int> entries() const {
        std::vector<int> e;
        for (int k = 1; k <= ws.table.ReleveCount; ++k) e.push_back(ws.table.SeparatorAfter[k]);
        return e;
    }
    std::vector<int> groups() {
        core::synoskupik(ws.table, ws.separatorHierarchy, ws.separatorLevel);
        std::vector<int> g;
        for (int k = 1; k <= ws.table.ReleveCount; ++k) g.push_back(ws.table.ReleveGroup[k]);
        return g;
    }
};

}  // namespace

TEST_F(Separators, GroupsAreNumberedFromTheSeparators) {
    releves(10);
    ws.table.SeparatorAfter[3] = 1;
    ws.table.SeparatorAfter[7] = 1;
    EXPECT_EQ(groups(), (std::vector<int>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3}));
    ws.table.SeparatorAfter[10] = 1;  // after the last relevé: divides nothing
    EXPECT_EQ(core::synoskupik(ws.table, false, 1), 3);
    EXPECT_EQ(core::groupRanges(ws.table, false, 1).size(), 3u);
}

TEST_F(Separators, HierarchyDecidesWhatCountsAndWhatIsRemoved) {
    releves(6);
    ws.table.SeparatorAfter[1] = 1;
    ws.table.SeparatorAfter[2] = 2;
    ws.table.SeparatorAfter[4] = 3;
    ws.separatorHierarchy = true;
    ws.separatorLevel = 2;
    EXPECT_EQ(groups(), (std::vector<int>{1, 2, 3, 3, 3, 3}));  // level 3 is no boundary
    view::delsep_Click(ws, 0);
    EXPECT_EQ(entries(), (std::vector<int>{1, 0, 0, 0, 0, 0}));  // levels 2 and 3 go, level 1 stays
    ws.table.SeparatorAfter[4] = 3;
    ws.separatorHierarchy = false;
    EXPECT_EQ(groups(), (std::vector<int>{1, 2, 2, 2, 3, 3}));
    view::delsep_Click(ws, 0);  // with the switch off every separator goes
    EXPECT_EQ(entries(), (std::vector<int>(6, 0)));
}

TEST_F(Separators, WithinColoursAndShortHeaders) {
    releves(5);
    for (int k : {3, 4}) ws.table.ReleveColour[k] = {0x9999FF, 1};
    ws.table.SeparatorAfter[5] = 2;
    ws.separatorLevel = 2;
    view::withcolo_Click(ws);
    EXPECT_EQ(entries(), (std::vector<int>{0, 2, 0, 2, 0}));
    EXPECT_TRUE(ws.undo.available);
    for (int k : {3, 4}) ws.table.ReleveColour[k] = {0xFFFFFF, 0};
    view::withcolo_Click(ws);  // one colour everywhere: no separator at all
    EXPECT_EQ(entries(), (std::vector<int>(5, 0)));

    // Values that differ only from the seventh character are not separated.
    const char* heads[] = {"", "abcdefX", "abcdefY", "abcdeg", "abcdeg", "zz"};
    for (int rec = 1; rec <= 5; ++rec) ws.table.ReleveHead[rec] = heads[rec];
    ws.table.SeparatorAfter[5] = 1;
    view::withshor_Click(ws);
    EXPECT_EQ(entries(), (std::vector<int>{0, 2, 0, 2, 1}));  // the last entry is left as it was
}

TEST_F(Separators, FromAndToTheSelectedReleve) {
    releves(8);
    for (int k = 1; k <= 8; ++k) ws.table.SeparatorAfter[k] = 1;
    ws.CurrentReleve = 5;
    view::delsep_Click(ws, 3);
    EXPECT_EQ(entries(), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1}));
    for (int k = 1; k <= 8; ++k) ws.table.SeparatorAfter[k] = 1;
    view::delsep_Click(ws, 2);
    EXPECT_EQ(entries(), (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 0}));
    ws.CurrentReleve = 0;  // nothing selected: "to" clears all, "from" nothing
    view::delsep_Click(ws, 2);
    EXPECT_EQ(entries(), (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 0}));
    view::delsep_Click(ws, 3);
    EXPECT_EQ(entries(), (std::vector<int>(8, 0)));
}

TEST_F(Separators, DividingIntoEqualGroupsAndByShortHeaders) {
    releves(12);
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.table.ReleveColour[9] = {0x9999FF, 1};
    view::divideIntoEqualGroups(ws, 0, 3);  // ten white relevés
    // After the 3rd and 6th white relevé (columns 4 and 7).
    EXPECT_EQ(entries(), (std::vector<int>{0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0}));
    const auto before = entries();
    view::divideIntoEqualGroups(ws, 0, 13);
    view::divideIntoEqualGroups(ws, 0, 0);
    EXPECT_EQ(entries(), before);

    releves(5);
    const char* heads[] = {"", "     A", "     A", "     B", "     B", "     C"};
    for (int rec = 1; rec <= 5; ++rec) ws.table.ReleveHead[rec] = heads[rec];
    view::divideByShortHeaders(ws, 0);
    EXPECT_EQ(entries(), (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST_F(Separators, GroupHeadAndResetButton) {
    releves(4);
    ws.table.SeparatorAfter[2] = 1;
    ws.table.SpeciesSeparatorAfter[1] = 1;
    view::hlavickaskup(ws);
    EXPECT_EQ(ws.headCaption, "Group number:");
    EXPECT_EQ(ws.table.ReleveHead[3], "     2");
    view::toggleReleveSeparator(ws, 3);  // renumbers while the group head is shown
    EXPECT_EQ(ws.table.ReleveHead[4], "     3");
    view::Image18_DblClick(ws);
    EXPECT_EQ(entries(), (std::vector<int>(4, 0)));
    EXPECT_EQ(ws.table.SpeciesSeparatorAfter[1], 1);
    EXPECT_EQ(ws.table.ReleveHead[4], "     1");
    view::Combo4_Click(ws, 4);
    EXPECT_EQ(ws.separatorLevel, 5);
    EXPECT_EQ(ws.settings.value(core::setting::SeparatorHierarchyValue), "4");
}
