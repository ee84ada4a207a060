#include <gtest/gtest.h>

#include "core/header_store.h"
#include "core/palette.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/releve_keys.h"
#include "sorting/releve_sort_commands.h"
#include "sorting/species_sort_commands.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::tableFromCovers;
using zembu::testing::columnRecords;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

constexpr int White = 0, Red = 1;

void colourColumn(core::Table& t, int32_t k, int colour) {
    t.ReleveColour[k] = {colour == White ? core::UncolouredReleve : 0x9999FF, colour};
}

}  // namespace

TEST(ReleveSort, ShortHeadsNumericallyWithOtherColoursInTheirColumns) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 5, 5, 5, 5}});
    const char* heads[] = {"    12", "     3", "   red", "   abc", "   7.5"};
    for (int32_t rec = 1; rec <= 5; ++rec) ws.table.ReleveHead[rec] = heads[rec - 1];
    colourColumn(ws.table, 3, Red);
    core::ScriptedInteraction ui;
    sorting::sortturb_Click(ws, 0, ui);  // the relevé colour box is on white
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{4, 2, 3, 5, 1}));
    EXPECT_EQ(ws.table.ReleveColour[3].number, Red);
    // The head lines follow the new order: the last character of each head.
    EXPECT_EQ(ws.display.headLines[0], "c3d52");

    sorting::sortalfa_Click(ws, 1, ui);
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{2, 1, 5, 4, 3}));
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
}

TEST(ReleveSort, ByTopmostSpeciesAndSeparatorsStayAtTheirPositions) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // Relevés 1..10; species 1 in relevés 7..10, species 2 in 1, 3, 6, species 3 everywhere.
    std::vector<std::vector<int>> covers(3, std::vector<int>(10, 0));
    for (int k : {7, 8, 9, 10}) covers[0][k - 1] = 5;
    for (int k : {1, 3, 6}) covers[1][k - 1] = 5;
    covers[1][5] = 20;  // relevé 6 holds species 2 with the higher cover
    for (int k = 0; k < 10; ++k) covers[2][k] = 1;
    ws.table = tableFromCovers(covers);
    ws.table.SeparatorAfter[5] = 1;
    core::ScriptedInteraction ui;
    sorting::tridenisnimku2(ws, {core::AllColours, core::AllColours, false}, ui);
    // Two records each for 7..10 (topmost species 1) and 1, 3, 6 (species 2; 6 by its cover);
    // one record for 2, 4, 5; equal keys keep their left-to-right order.
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{7, 8, 9, 10, 6, 1, 3, 2, 4, 5}));
    EXPECT_EQ(ws.table.SeparatorAfter[5], 1);
    for (int32_t k = 1; k <= 10; ++k) EXPECT_EQ(ws.table.SeparatorAfter[k], k == 5 ? 1 : 0);
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());

    // Undo brings the order back.
    ASSERT_TRUE(core::VytazeniZalohyDat(ws, ui));
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(ReleveSort, CountOnlyKeepsEqualCountsInTheirOrder) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{0, 5, 5, 0, 5}, {5, 0, 5, 0, 5}, {0, 0, 0, 0, 5}});
    core::ScriptedInteraction ui;
    sorting::tridenisnimku2(ws, {core::AllColours, core::AllColours, true}, ui);
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{5, 3, 1, 2, 4}));
}

TEST(ReleveSort, GroupRowsComeBeforeSpecies) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // Row 1 is the group row "### A", row 2 "### B"; rows 3 and 4 are species.
    ws.table = tableFromCovers({{0, 5, 0, 5}, {0, 0, 5, 5}, {5, 5, 5, 0}, {5, 5, 5, 5}});
    ws.table.SpeciesInfo[1].name = "### A";
    ws.table.SpeciesInfo[2].name = "### B";
    core::ScriptedInteraction ui;
    sorting::tridenisnimku2(ws, {core::AllColours, core::AllColours, false}, ui);
    // Relevé 4 holds both groups; 2 holds group A, 3 group B; 1 none.
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{4, 2, 3, 1}));
}

TEST(ReleveSort, RefusalsLeaveTheTableAlone) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 0}, {0, 5}});
    core::ScriptedInteraction ui;
    ui.expectMessage("Please mark any species by selected colour!", "Program Info");
    ui.expectMessage("Please mark any relevé by selected colour!", "Program Info");
    ui.expectMessage("Please mark any relevé by selected colour!", "Program Info");
    EXPECT_FALSE(sorting::tridenisnimku2(ws, {White, Red, false}, ui).sorted);
    EXPECT_FALSE(sorting::tridenisnimku2(ws, {Red, 0, false}, ui).sorted);
    EXPECT_FALSE(sorting::sortShortHeadsNumerically(ws, Red, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_FALSE(ws.undo.available);
}

// Two relevés 70,000 columns apart: position codes must keep their order past 65,535.
TEST(ReleveSort, PositionCodesKeepTheirOrderInWideTables) {
    TempDir dir;
    core::Workspace ws(dir.path());
    core::Table& t = ws.table;
    const int32_t n = 70000;
    t.setCapacities(n, 10);
    t.ReleveCount = t.ReleveRecordCount = n;
    t.SpeciesCount = t.SpeciesRecordCount = 3;
    for (int32_t i = 1; i <= 3; ++i) {
        t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
        t.SpeciesLayerLabel[i] = "   ";
    }
    t.rebuildRowOfRecord();
    for (int32_t k = 1; k <= n; ++k) {
        t.ReleveOrder[k] = {k, k};
        t.ReleveColour[k] = {core::UncolouredReleve, 0};
        core::appendCell(t.ReleveData[k], 3, core::coverByte(1));
    }
    core::appendCell(t.ReleveData[69000], 1, core::coverByte(5));  // species 1 far right
    core::appendCell(t.ReleveData[100], 2, core::coverByte(5));    // species 2 near the left
    t.tvorbadruhu();
    t.recountFrequencies();
    ASSERT_TRUE(core::checkInvariants(t).empty());
    core::ScriptedInteraction ui;

    // Species 2 occurs further left than species 1.
    sorting::tridenidruhu2(ws, {core::AllColours, core::AllColours, false}, ui);
    EXPECT_EQ(t.SpeciesInfo[1].record, 3);
    EXPECT_EQ(t.SpeciesInfo[2].record, 2);
    EXPECT_EQ(t.SpeciesInfo[3].record, 1);

    // By species counts: relevés 100 and 69000 hold two, all others one and keep their order.
    sorting::tridenisnimku2(ws, {core::AllColours, 0, true}, ui);
    std::vector<int32_t> expected{100, 69000};
    for (int32_t k = 1; k <= n; ++k)
        if (k != 100 && k != 69000) expected.push_back(k);
    EXPECT_EQ(columnRecords(t), expected);
}

TEST(ReleveSort, HeaderDataSortShortHeadAndSeparators) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 5, 5, 5}});
    ws.table.SeparatorAfter[1] = 2;
    writeFile(ws.headerStructureFile(), "   1  Relev\xE9 number\r\n   8  COMMUNITY\r\n  18  ALTITUDE\r\n");
    writeFile(ws.headerValueFile(),
              "  1001 Fagetum   450\r\n  1002 Alnetum   210\r\n  1003 Fagetum   380\r\n  1004 Querc.    600\r\n");
    core::inichlava(ws);
    ws.separatorLevel = 3;
    core::ScriptedInteraction ui;

    // Community then altitude; the first three characters to the head and separators between communities.
    sorting::HeaderSortOptions o;
    o.fields = {2, 3};
    o.addToShortHead = true;
    o.shortHeadCharacters = 3;
    o.separators = true;
    o.separatorCharacters = 3;
    const auto outcome = sorting::sortRelevesByHeaderData(ws, o, ui);
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{2, 3, 1, 4}));
    EXPECT_EQ(ws.table.ReleveHead[3], "Fag");
    EXPECT_EQ(ws.headCaption, "Short head:");
    EXPECT_EQ((std::vector<int16_t>(ws.table.SeparatorAfter.begin() + 1, ws.table.SeparatorAfter.begin() + 5)),
              (std::vector<int16_t>{3, 0, 3, 0}));
    // The key: each value in 25 characters.
    EXPECT_EQ(std::string(outcome.textKeys[2].data(), 29), "Fagetum" + std::string(18, ' ') + "380 ");

    // Without sorting: heads from the keys in the order the relevés stand, separators kept.
    o.sort = false;
    o.separators = false;
    o.shortHeadCharacters = 0;  // out of range: six characters
    const auto unsorted = sorting::sortRelevesByHeaderData(ws, o, ui);
    EXPECT_EQ(columnRecords(ws.table), (std::vector<int32_t>{2, 3, 1, 4}));
    EXPECT_EQ(ws.table.ReleveHead[1], "Fagetu");
    EXPECT_EQ(ws.table.SeparatorAfter[3], 3);
    EXPECT_EQ(std::string(unsorted.textKeys[1].data(), 7), "Alnetum");

    // No field: nothing happens.
    EXPECT_FALSE(sorting::sortRelevesByHeaderData(ws, {}, ui).sorted);
}
