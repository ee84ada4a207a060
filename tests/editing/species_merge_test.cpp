#include <gtest/gtest.h>

#include "core/index_code.h"
#include "core/species_numbers.h"
#include "editing/journal_blocks.h"
#include "editing/species_commands.h"
#include "editing/species_merge.h"
#include "editing_fixture.h"

using namespace zembu;
using zembu::testing::EditingTest;

namespace {

int combined(int a, int b) { return core::coverPercent(editing::combineCovers(core::coverByte(a), core::coverByte(b))); }

void colourRows(core::Table& t, std::initializer_list<int32_t> rows, int colour) {
    for (int32_t i : rows) t.SpeciesColour[i] = {0x0000CC, colour};
}

}  // namespace

TEST(CoverCombination, CoversMeetAsIndependentLayers) {
    EXPECT_EQ(combined(50, 50), 75);
    EXPECT_EQ(combined(90, 60), 95);  // 96 % is stored as the highest cover
    EXPECT_EQ(static_cast<unsigned char>(editing::combineCovers(core::coverByte(90), core::coverByte(60))), 255);
    EXPECT_EQ(combined(95, 95), 95);
    EXPECT_EQ(combined(1, 1), 1);
    EXPECT_EQ(combined(combined(33, 33), 33), 69);  // 55 first, then 69
}

TEST(JournalBlocks, AggregationsReadBackAsWritten) {
    const editing::JournalAggregation a{{"(S) Quercus agg.", "58001", "1"},
                                        {{"Quercus robur", "12", "1"}, {"Quercus petraea", "13", "2"}}};
    std::vector<std::string> journal = editing::deletionBlock({{"Acer campestre", "3", "4"}});
    const auto block = editing::aggregationBlock(a);
    EXPECT_EQ(block, (std::vector<std::string>{"---", "(S) Quercus agg.", "58001", "1", "2", "     Quercus robur",
                                               "12", "1", "     Quercus petraea", "13", "2", "XXX"}));
    journal.insert(journal.end(), block.begin(), block.end());
    const auto undeleted = editing::undeletionBlock({{"Acer campestre", "3", "4"}});
    journal.insert(journal.end(), undeleted.begin(), undeleted.end());
    EXPECT_EQ(undeleted.front(), "UUU");
    EXPECT_EQ(undeleted.back(), "+++");

    const auto read = editing::readAggregations(journal);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].result.name, "(S) Quercus agg.");
    EXPECT_EQ(read[0].result.layer, "1");
    ASSERT_EQ(read[0].members.size(), 2u);
    EXPECT_EQ(read[0].members[1].name, "Quercus petraea");
    EXPECT_EQ(read[0].members[1].layer, "2");

    // A block cut short keeps what it has; a count that is not a number gives no members.
    journal = {"---", "(S) A", "58002", "6", "5", "     B", "7", "6", "     C"};
    ASSERT_EQ(editing::readAggregations(journal).size(), 1u);
    EXPECT_EQ(editing::readAggregations(journal)[0].members.size(), 1u);
    EXPECT_TRUE(editing::readAggregations({"---", "(S) A", "1", "6", "many", "XXX"})[0].members.empty());
    EXPECT_TRUE(editing::readAggregations({"---", "(S) A"}).empty());
    EXPECT_TRUE(editing::readAggregations({}).empty());
}

TEST_F(EditingTest, MergingColouredRowsMakesOneAggregateRow) {
    useTable({{50, 0, 33, 90}, {50, 20, 33, 60}, {0, 0, 0, 5}, {0, 0, 33, 0}});
    ws.table.SpeciesInfo[2].name = "Quercus petraea";
    colourRows(ws.table, {1, 2, 4}, 1);
    ui.expectInput("Write species name:", "Species aggregating", "Quercus agg.")
        .expectInput("Select layer:", "ZEMBU", "1");
    const auto row = editing::sloucenidruhu(ws, ui, 1);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(row);
    EXPECT_EQ(ui.shown()[0].defaultValue, "Species 1");  // proposed from the first row
    EXPECT_EQ(ui.shown()[1].defaultValue, "6");

    const core::Table& t = ws.table;
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 3", "(S) Quercus agg."}));
    EXPECT_EQ(deletedNames(), (std::vector<std::string>{"Species 1", "Quercus petraea", "Species 4"}));
    EXPECT_EQ(*row, 2);
    EXPECT_EQ(ws.CurrentRow, 2);
    EXPECT_EQ(coversOf(2), (std::vector<int>{75, 20, 69, 95}));
    EXPECT_EQ(t.SpeciesInfo[2].number, 58001);
    EXPECT_EQ(t.SpeciesInfo[2].record, 5);
    EXPECT_EQ(t.SpeciesLayer[2], 1);
    EXPECT_EQ(t.SpeciesMark[5], 'S');
    EXPECT_EQ(t.SpeciesFrequency[2], 4);
    // The merged rows keep their cells, to come back with undelete.
    EXPECT_EQ(coversOf(3), (std::vector<int>{50, 0, 33, 90}));
    expectSound();

    EXPECT_EQ(ws.journal.lines(),
              (std::vector<std::string>{"---", "(S) Quercus agg.", "58001", "1", "3", "     Species 1", "1", "6",
                                        "     Quercus petraea", "2", "6", "     Species 4", "4", "6", "XXX"}));

    // A second aggregate of the aggregate keeps one "(S) " and takes the next number.
    ASSERT_TRUE(editing::aggregateRows(ws, ui, {2}, "(S) Quercus agg.", 1));
    EXPECT_EQ(liveNames().back(), "(S) Quercus agg.");
    EXPECT_EQ(ws.table.SpeciesInfo[2].number, 58002);
    expectSound();
}

TEST_F(EditingTest, MergeRefusalsLeaveTableAndJournalAlone) {
    useTable({{10, 20}, {30, 40}});
    const core::Table before = ws.table;

    // An empty name ends the command.
    ui.expectInput("Write species name:", "Species aggregating", "");
    EXPECT_FALSE(editing::sloucenidruhu(ws, ui, 0));
    ui.expectInput("Write species name:", "Species aggregating", "A").expectInput("Select layer:", "ZEMBU", "12");
    ui.expectMessage(editing::LayerMessage, "ZEMBU");
    EXPECT_FALSE(editing::sloucenidruhu(ws, ui, 0));
    ui.expectMessage("There is no RED species to merge.", "ZEMBU");
    EXPECT_FALSE(editing::sloucenidruhu(ws, ui, 1));

    // No room for another record.
    ws.table.MaxSpecies = 2;
    ui.expectMessage(editing::MergeCapacityMessage, "ZEMBU");
    EXPECT_FALSE(editing::sloucenidruhu(ws, ui, 0));
    ws.table.MaxSpecies = before.MaxSpecies;

    // No table file yet: the journal has no home.
    core::Workspace fresh(dir / "fresh");
    fresh.table = before;
    ui.expectMessage(editing::SaveFirstMessage, "WARNING!!!");
    EXPECT_FALSE(editing::sloucenidruhu(fresh, ui, 0));
    EXPECT_SCRIPT_DONE(ui);

    EXPECT_EQ(ws.table.SpeciesInfo, before.SpeciesInfo);
    EXPECT_EQ(ws.table.SpeciesData, before.SpeciesData);
    EXPECT_EQ(ws.table.ReleveData, before.ReleveData);
    EXPECT_EQ(ws.table.SpeciesRecordCount, 2);
    EXPECT_TRUE(ws.journal.lines().empty());
}

TEST_F(EditingTest, NoFreeSpeciesNumberIsRefused) {
    // Every program-made number is taken by a row.
    useTable({});
    core::Table t;
    t.setCapacities(10, 8000);
    t.ReleveCount = t.ReleveRecordCount = 1;
    t.ReleveOrder[1] = {1, 1};
    const int32_t n = core::LastProgramSpeciesNumber - core::FirstProgramSpeciesNumber + 3;
    t.SpeciesCount = t.SpeciesRecordCount = n;
    for (int32_t i = 1; i <= n; ++i) {
        t.SpeciesInfo[i] = {core::FirstProgramSpeciesNumber + i - 3, "S" + std::to_string(i), i};
        t.SpeciesRowOfRecord[i] = i;
        core::appendCell(t.ReleveData[1], i, core::coverByte(5));
    }
    t.tvorbadruhu();
    t.recountFrequencies();
    ws.table = t;
    ASSERT_FALSE(core::freeSpeciesNumber(ws.table));

    ui.expectMessage(core::NumberFailureMessage, "ZEMBU");
    EXPECT_FALSE(editing::aggregateRows(ws, ui, {1, 2}, "A", 6));
    ui.expectMessage(core::NumberFailureMessage, "ZEMBU");
    EXPECT_FALSE(editing::divideRows(ws, ui, {1}, 50));
    ui.expectMessage(core::NumberFailureMessage, "ZEMBU");
    EXPECT_FALSE(editing::addEmptySpecies(ws, ui, "New", 6));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.SpeciesCount, n);
    EXPECT_EQ(ws.table.SpeciesRecordCount, n);
    EXPECT_TRUE(ws.journal.lines().empty());
}

TEST_F(EditingTest, SameSpeciesMergeByLayersGroupByGroup) {
    useTable({{10, 0, 0}, {20, 30, 0}, {0, 0, 40}, {5, 5, 5}, {50, 0, 0}, {0, 60, 0}});
    core::Table& t = ws.table;
    name(1, "Fagus sylvatica", 1);
    name(2, "Carex alba", 6);
    name(3, "Fagus sylvatica", 2);
    name(4, "Fagus sylvatica", 6);  // not in a chosen layer
    name(5, "Carex alba", 7);
    name(6, "Hedera helix", 6);

    editing::LayerChoice layers{};
    layers[1] = layers[2] = layers[7] = true;
    // Carex alba has one row in layers 1, 2, 7; Fagus sylvatica two.
    EXPECT_EQ(editing::sameSpeciesGroups(t, layers), (std::vector<std::vector<int32_t>>{{1, 3}}));
    layers[6] = true;
    EXPECT_EQ(editing::sameSpeciesGroups(t, layers), (std::vector<std::vector<int32_t>>{{1, 3, 4}, {2, 5}}));

    layers[6] = false;
    const auto merged = editing::sloucenidruhu_auto(ws, ui, layers);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_EQ(merged, 1);
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Carex alba", "Fagus sylvatica", "Carex alba", "Hedera helix",
                                                     "(S) Fagus sylvatica"}));
    EXPECT_EQ(ws.table.SpeciesLayer[5], 1);  // the first row's layer
    EXPECT_EQ(coversOf(5), (std::vector<int>{10, 0, 40}));
    expectSound();

    layers = {};
    layers[6] = layers[7] = true;
    ASSERT_EQ(editing::sloucenidruhu_auto(ws, ui, layers), 1);
    EXPECT_EQ(liveNames().back(), "(S) Carex alba");
    EXPECT_EQ(coversOf(ws.table.SpeciesCount), (std::vector<int>{60, 30, 0}));
    EXPECT_EQ(editing::readAggregations(ws.journal.lines()).size(), 2u);
    expectSound();
}

TEST_F(EditingTest, SameSpeciesMergeIsAllOrNothing) {
    useTable({{10}, {20}, {30}, {40}});
    core::Table& t = ws.table;
    t.SpeciesInfo[1].name = t.SpeciesInfo[2].name = "A";
    t.SpeciesInfo[3].name = t.SpeciesInfo[4].name = "B";
    t.MaxSpecies = 5;  // room for one merged row, two are needed
    editing::LayerChoice layers{};
    layers[6] = true;
    ui.expectMessage(editing::MergeCapacityMessage, "ZEMBU");
    EXPECT_FALSE(editing::sloucenidruhu_auto(ws, ui, layers));
    ui.expectMessage("Please check minimum one layer!", "ZEMBU");
    EXPECT_FALSE(editing::sloucenidruhu_auto(ws, ui, {}));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.SpeciesRecordCount, 4);
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"A", "A", "B", "B"}));
    EXPECT_TRUE(ws.journal.lines().empty());
}
