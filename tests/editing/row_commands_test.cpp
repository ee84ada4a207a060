#include <gtest/gtest.h>

#include "core/table_file.h"
#include "core/undo.h"
#include "editing/species_commands.h"
#include "editing_fixture.h"
#include "view/layer_labels.h"

using namespace zembu;
using zembu::testing::EditingTest;

TEST_F(EditingTest, DividingSplitsDominantFromRareOccurrences) {
    useTable({{1, 2, 3}, {25, 24, 60}, {0, 30, 0}});
    core::Table& t = ws.table;
    t.SpeciesColour[2] = {0x0000CC, 1};
    t.SpeciesColour[3] = {0x0000CC, 1};
    t.SpeciesSeparatorAfter[2] = 3;
    t.SpeciesNote[2] = "dub";
    ui.expectInput("Write percentage number, from which the abundance will be considered as dominant (2-95):", "ZEMBU",
                   "25");
    ASSERT_EQ(editing::rozdelenidruhu(ws, ui, 1), 2);
    EXPECT_SCRIPT_DONE(ui);

    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 1", "(D) Species 2", "(r) Species 2", "(D) Species 3",
                                                     "(r) Species 3"}));
    EXPECT_EQ(deletedNames(), (std::vector<std::string>{"Species 2", "Species 3"}));
    EXPECT_EQ(coversOf(2), (std::vector<int>{25, 0, 60}));  // 25 % is dominant at threshold 25
    EXPECT_EQ(coversOf(3), (std::vector<int>{0, 24, 0}));
    EXPECT_EQ(coversOf(4), (std::vector<int>{0, 30, 0}));
    EXPECT_EQ(coversOf(5), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(t.SpeciesInfo[2].number, 58001);
    EXPECT_EQ(t.SpeciesInfo[3].number, 58002);
    EXPECT_EQ(t.SpeciesMark[t.SpeciesInfo[2].record], 'D');
    EXPECT_EQ(t.SpeciesMark[t.SpeciesInfo[3].record], 'r');
    EXPECT_EQ(t.SpeciesNote[t.SpeciesInfo[3].record], "dub");
    EXPECT_EQ(t.SpeciesColour[2].number, 1);
    // The separator below the divided row is now below its rare part.
    EXPECT_EQ(t.SpeciesSeparatorAfter[2], 0);
    EXPECT_EQ(t.SpeciesSeparatorAfter[3], 3);
    expectSound();

    // Thresholds outside 2..95 are refused; an empty answer ends quietly.
    for (const char* answer : {"1", "96", "x", "-5"}) {
        ui.expectInput("Write percentage number, from which the abundance will be considered as dominant (2-95):",
                       "ZEMBU", answer)
            .expectMessage("Please write a whole number from 2 to 95.", "ZEMBU");
        EXPECT_FALSE(editing::rozdelenidruhu(ws, ui, 1));
    }
    ui.expectInput("Write percentage number, from which the abundance will be considered as dominant (2-95):", "ZEMBU",
                   "");
    EXPECT_FALSE(editing::rozdelenidruhu(ws, ui, 1));
    // No room for two new rows per divided row.
    t.MaxSpecies = t.SpeciesRecordCount + 3;
    ui.expectMessage(editing::SpeciesLimitMessage, "ZEMBU");
    EXPECT_FALSE(editing::divideRows(ws, ui, {1, 2}, 10));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(t.SpeciesCount, 5);
}

TEST_F(EditingTest, DeletedSpeciesComeBackWithUndelete) {
    useTable({{10, 0}, {20, 30}, {0, 40}, {50, 50}});
    core::Table& t = ws.table;
    t.SpeciesColour[2] = {0x0000CC, 1};
    t.SpeciesColour[4] = {0x0000CC, 1};
    ui.expectQuestion("Are you sure to delete 2 species???", "ZEMBU", core::Answer::No);
    EXPECT_FALSE(editing::druhmaza_Click(ws, ui, 1));
    EXPECT_EQ(t.SpeciesCount, 4);

    ui.expectQuestion("Are you sure to delete 2 species???", "ZEMBU", core::Answer::Yes);
    ASSERT_TRUE(editing::druhmaza_Click(ws, ui, 1));
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 1", "Species 3"}));
    EXPECT_EQ(deletedNames(), (std::vector<std::string>{"Species 2", "Species 4"}));
    EXPECT_EQ(t.SpeciesRecordCount, 4);
    expectSound();
    EXPECT_EQ(editing::deletedSpeciesLines(t).size(), 2u);
    EXPECT_EQ(editing::deletedSpeciesLines(t)[0].substr(0, 9), "Species 2");

    // Deleting every live row is refused.
    ui.expectMessage("All species cannot be deleted!!!", "Program Info");
    EXPECT_FALSE(editing::deleteRows(ws, ui, {1, 2}));
    EXPECT_EQ(t.SpeciesCount, 2);

    ASSERT_TRUE(editing::undeleteRows(ws, ui, {4}));
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 1", "Species 3", "Species 4"}));
    EXPECT_EQ(coversOf(3), (std::vector<int>{50, 50}));
    ui.expectMessage("Please select the species to undelete.", "ZEMBU");
    EXPECT_FALSE(editing::undeleteRows(ws, ui, {1}));  // a live row is not deleted
    EXPECT_SCRIPT_DONE(ui);
    expectSound();

    EXPECT_EQ(ws.journal.lines(),
              (std::vector<std::string>{"DDD", "     Species 2", "2", "6", "     Species 4", "4", "6", "***", "UUU",
                                        "     Species 4", "4", "6", "+++"}));
}

TEST_F(EditingTest, UndoAfterDeletionIsRefused) {
    useTable({{10}, {20}, {30}});
    core::ZalohaDat(ws);  // a rearrangement before the deletion
    ui.expectQuestion("Are you sure to delete 1 species???", "ZEMBU", core::Answer::Yes);
    ASSERT_TRUE(editing::deleteRows(ws, ui, {1}));
    ui.expectMessage("The table has changed its size since the last rearrangement; it cannot be undone.", "ZEMBU");
    EXPECT_FALSE(core::VytazeniZalohyDat(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 2", "Species 3"}));
    expectSound();
}

TEST_F(EditingTest, AddedSpeciesIsEmptyAndLiveBeforeTheDeletedRows) {
    useTable({{10}, {20}});
    ui.expectQuestion("Are you sure to delete 1 species???", "ZEMBU", core::Answer::Yes);
    ASSERT_TRUE(editing::deleteRows(ws, ui, {1}));
    ws.display.layerLabelMode = view::LayerDigitAndName;
    ui.expectInput("Write species name:", "Add New Species", "Viola reichenbachiana")
        .expectInput("Write species layer (0-9): ", "Add New Species", "6");
    const auto row = editing::addempty_Click(ws, ui);
    ASSERT_EQ(row, 2);
    const core::Table& t = ws.table;
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Species 2", "Viola reichenbachiana"}));
    EXPECT_EQ(deletedNames(), (std::vector<std::string>{"Species 1"}));
    EXPECT_EQ(t.SpeciesInfo[2].number, 58001);
    EXPECT_EQ(t.SpeciesFrequency[2], 0);
    EXPECT_EQ(t.SpeciesLayerLabel[2], "6 - Herb");
    EXPECT_EQ(ws.CurrentRow, 2);
    expectSound();

    ui.expectInput("Write species name:", "Add New Species", "X")
        .expectInput("Write species layer (0-9): ", "Add New Species", "10")
        .expectMessage(editing::LayerMessage, "ZEMBU");
    EXPECT_FALSE(editing::addempty_Click(ws, ui));
    ws.table.MaxSpecies = 3;
    ui.expectMessage(editing::SpeciesLimitMessage, "ZEMBU");
    EXPECT_FALSE(editing::addEmptySpecies(ws, ui, "X", 1));
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(EditingTest, NameAndLayerChangeCanBeUndone) {
    useTable({{10}, {20}});
    ASSERT_TRUE(editing::zmenjmen(ws, ui, 2, "(S) Rubus fruticosus agg.", 4));
    const core::Table& t = ws.table;
    EXPECT_EQ(t.SpeciesInfo[2].name, "(S) Rubus fruticosus agg.");
    EXPECT_EQ(t.SpeciesLayer[2], 4);
    EXPECT_EQ(t.SpeciesMark[2], 'S');
    ASSERT_TRUE(core::VytazeniZalohyDat(ws, ui));
    EXPECT_EQ(t.SpeciesInfo[2].name, "Species 2");
    EXPECT_EQ(t.SpeciesLayer[2], 6);

    ui.expectMessage("Please write the species name.", "ZEMBU");
    EXPECT_FALSE(editing::zmenjmen(ws, ui, 1, "  ", 4));
    ui.expectMessage("Please select a species in the table first.", "ZEMBU");
    EXPECT_FALSE(editing::zmenjmen(ws, ui, 3, "A", 4));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_FALSE(ws.undo.available);
}

TEST_F(EditingTest, EditsAndTheirJournalSurviveSaveAndReopen) {
    useTable({{10, 20, 0}, {30, 0, 40}, {0, 5, 5}, {60, 60, 60}});
    ASSERT_TRUE(editing::aggregateRows(ws, ui, {1, 2}, "Pair", 6));
    ASSERT_TRUE(editing::divideRows(ws, ui, {2}, 50));
    ui.expectQuestion("Are you sure to delete 1 species???", "ZEMBU", core::Answer::Yes);
    ASSERT_TRUE(editing::deleteRows(ws, ui, {1}));
    ASSERT_TRUE(editing::addEmptySpecies(ws, ui, "Empty one", 9));
    const auto file = dir / "edited.vod";
    ASSERT_TRUE(core::savetabl(ws, ui, file.string()));

    core::Workspace reopened(dir / "again");
    ASSERT_TRUE(core::loadTableFile(reopened, ui, file));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(reopened.journal.lines(), ws.journal.lines());
    const core::Table& a = ws.table;
    const core::Table& b = reopened.table;
    ASSERT_EQ(b.SpeciesCount, a.SpeciesCount);
    ASSERT_EQ(b.SpeciesRecordCount, a.SpeciesRecordCount);
    for (int32_t i = 1; i <= a.SpeciesRecordCount; ++i) {
        EXPECT_EQ(core::trim(b.SpeciesInfo[i].name), core::trim(a.SpeciesInfo[i].name)) << "row " << i;
        EXPECT_EQ(b.SpeciesInfo[i].number, a.SpeciesInfo[i].number);
        EXPECT_EQ(b.SpeciesLayer[i], a.SpeciesLayer[i]);
        EXPECT_EQ(b.SpeciesMark[b.SpeciesInfo[i].record], a.SpeciesMark[a.SpeciesInfo[i].record]) << "row " << i;
        for (int32_t k = 1; k <= a.ReleveCount; ++k) EXPECT_EQ(b.coverAt(i, k), a.coverAt(i, k));
    }
    EXPECT_TRUE(core::checkInvariants(b).empty());
}
