#include <gtest/gtest.h>

#include "classification/expert_system.h"
#include "core/errors.h"
#include "core/index_code.h"
#include "editing/editing_fixture.h"
#include "editing/layer_combination.h"
#include "editing/species_commands.h"

using namespace zembu;
using classification::ExpertSystem;
using zembu::testing::EditingTest;
using zembu::testing::readFile;
using zembu::testing::writeFile;

namespace {

constexpr const char* SaveQuestionStart = "The data will be saved into the file:\n";

// Eight species over five relevés: two oaks, a second oak layer, two
// hawthorns of one aggregate, a herb in two layers and two others.
class ExpertSystemTest : public EditingTest {
protected:
    void SetUp() override {
        useTable({{50, 0, 33, 90, 0},
                  {50, 20, 33, 60, 0},
                  {0, 0, 33, 0, 10},
                  {5, 5, 0, 0, 0},
                  {0, 10, 0, 0, 0},
                  {3, 0, 0, 3, 0},
                  {0, 0, 0, 2, 2},
                  {0, 40, 0, 0, 40}});
        name(1, "Quercus robur", 1);
        name(2, "Quercus petraea", 1);
        name(3, "Quercus robur", 4);
        name(4, "Crataegus monogyna", 4);
        name(5, "Crataegus laevigata", 4);
        name(6, "Hedera helix", 6);
        name(7, "Hedera helix", 7);
        name(8, "Carex pilosa", 6);
        original = ws.table;
    }

    // Live rows as (name, layer, number, covers per column).
    struct Row {
        std::string name;
        int layer;
        int32_t number;
        std::vector<int> covers;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rowsOf(const core::Workspace& w) {
        std::vector<Row> rows;
        for (int32_t i = 1; i <= w.table.SpeciesCount; ++i) {
            Row row{std::string(core::trim(w.table.SpeciesInfo[i].name)), w.table.SpeciesLayer[i],
                    w.table.SpeciesInfo[i].number, {}};
            for (int32_t k = 1; k <= w.table.ReleveCount; ++k) {
                const char c = w.table.coverAt(i, k);
                row.covers.push_back(c ? core::coverPercent(c) : 0);
            }
            rows.push_back(row);
        }
        return rows;
    }

    std::string saveExpertFile() {
        const std::string file = (dir / "expert.esy").string();
        ui.expectQuestion(SaveQuestionStart + (dir / "expert.esy").string() + "\nDo you want to continue?",
                          "Program Info", core::Answer::Ok)
            .expectSaveFile("SAVE EXPERT SYSTEM FILE (1st part)", file);
        EXPECT_TRUE(classification::saveExpertSystemFile(ws, ui));
        return file;
    }

    core::Table original;
};

}  // namespace

TEST_F(ExpertSystemTest, SectionsComeFromTheJournalAndTheGroups) {
    ws.table.SpeciesGroups = {{"Fagion", {{"(S) Quercus agg.", {}}, {"Carex pilosa", {}}}}, {"Empty", {}}};
    const auto empty = classification::expertSystemLines({}, ws.table.SpeciesGroups);
    EXPECT_EQ(empty, (std::vector<std::string>{"SECTION 1: Species aggregation", "SECTION 1: End",
                                               "SECTION 2: Species groups", "### Fagion", "     Quercus agg.",
                                               "     Carex pilosa", "", "### Empty", "", "SECTION 2: End",
                                               "SECTION 3: Group definitions", "SECTION 3: End"}));

    ws.currentTableFile = (dir / "table.vod").string();
    ws.table.SpeciesColour[1] = ws.table.SpeciesColour[2] = {0x0000CC, 1};
    ui.expectInput("Write species name:", "Species aggregating", "Quercus agg.")
        .expectInput("Select layer:", "ZEMBU", "1");
    ASSERT_TRUE(editing::sloucenidruhu(ws, ui, 1));
    const std::string file = saveExpertFile();
    EXPECT_SCRIPT_DONE(ui);
    const std::string content = readFile(file);
    const std::string aggregate = core::padRight("(S) Quercus agg.", 58) + "- 1";
    const std::string member = core::padRight("     Quercus robur", 60) + "1";
    EXPECT_EQ(content.substr(0, content.find("SECTION 1: End")),
              "SECTION 1: Species aggregation\r\n" + aggregate + "\r\n" + member + "\r\n" +
                  core::padRight("     Quercus petraea", 60) + "1\r\n\r\n");
    EXPECT_NE(content.find("SECTION 3: Group definitions\r\nSECTION 3: End\r\n"), std::string::npos);

    // Cancel at the question or in the file chooser writes nothing.
    std::filesystem::remove(file);
    ui.expectQuestion(SaveQuestionStart + file + "\nDo you want to continue?", "Program Info", core::Answer::Cancel);
    EXPECT_FALSE(classification::saveExpertSystemFile(ws, ui));
    ui.expectQuestion(SaveQuestionStart + file + "\nDo you want to continue?", "Program Info", core::Answer::Ok)
        .expectSaveFile("SAVE EXPERT SYSTEM FILE (1st part)", std::nullopt);
    EXPECT_FALSE(classification::saveExpertSystemFile(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ExpertSystemTest, SavedAggregationsReplayOnTheTableBeforeThem) {
    ws.currentTableFile = (dir / "table.vod").string();
    // Aggregate the oaks by colour, then the hawthorns, then combine Hedera's layers.
    ws.table.SpeciesColour[1] = ws.table.SpeciesColour[2] = ws.table.SpeciesColour[3] = {0x0000CC, 1};
    ui.expectInput("Write species name:", "Species aggregating", "Quercus robur agg.")
        .expectInput("Select layer:", "ZEMBU", "1");
    ASSERT_TRUE(editing::sloucenidruhu(ws, ui, 1));
    ASSERT_TRUE(editing::aggregateRows(ws, ui, {1, 2}, "Crataegus sp.", 4));
    editing::LayerChoice layers{};
    layers[6] = layers[7] = true;
    editing::LayerCombination combination(ws.table, layers, 6);
    ASSERT_EQ(combination.confirmAll(ws, ui).size(), 1u);
    // An aggregate of an aggregate.
    ASSERT_TRUE(editing::aggregateRows(ws, ui, {ws.table.SpeciesCount - 1, ws.table.SpeciesCount}, "Mix", 5));
    const auto merged = rowsOf(ws);
    const std::string file = saveExpertFile();
    EXPECT_SCRIPT_DONE(ui);

    core::Workspace other(dir / "other");
    other.table = original;
    core::pushRecentFile(other.settings, (dir / "other.vod").string());
    const ExpertSystem system = classification::readExpertSystemFile(file);
    ASSERT_EQ(system.aggregations.size(), 4u);
    const auto report = classification::applyExpertAggregations(other, ui, system);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->applied, 4);
    EXPECT_EQ(rowsOf(other), merged);
    EXPECT_EQ(report->lines.front(), "Quercus robur -> (S) Quercus robur agg.");
    EXPECT_EQ(report->deleted.front(), "Quercus robur (1)");
    EXPECT_EQ(report->deleted.size(), 9u);
    EXPECT_TRUE(core::checkInvariants(other.table).empty());
    // The replay wrote the same aggregations into the other table's journal.
    EXPECT_EQ(other.journal.lines(), ws.journal.lines());
}

TEST_F(ExpertSystemTest, ApplyingSkipsSpeciesTheTableLacks) {
    writeFile(dir / "hand.esy",
              "SECTION 1: Species aggregation\n"
              "(S) Quercus agg.                                          - 1\n"
              "     Quercus robur                                          1\n"
              "     Quercus cerris                                         1\n"
              "\n"
              "(S) Nothing here                                          - 6\n"
              "     Pinus mugo                                             6\n"
              "SECTION 1: End\n"
              "SECTION 2: Species groups\n"
              "### Not an aggregate\n"
              "SECTION 2: End\n");
    const ExpertSystem system = classification::readExpertSystemFile(dir / "hand.esy");
    ASSERT_EQ(system.aggregations.size(), 2u);
    EXPECT_EQ(system.aggregations[0].members[1].name, "Quercus cerris");
    EXPECT_EQ(system.aggregations[0].members[1].layer, 1);
    const auto report = classification::applyExpertAggregations(ws, ui, system);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->applied, 1);
    EXPECT_EQ(report->lines, (std::vector<std::string>{"Quercus cerris (1): not in the table, skipped",
                                                       "Quercus robur -> (S) Quercus agg.",
                                                       "Pinus mugo (6): not in the table, skipped"}));
    // Only the tree-layer oak: the shrub-layer one is another layer.
    EXPECT_EQ(liveNames().back(), "(S) Quercus agg.");
    EXPECT_EQ(deletedNames(), (std::vector<std::string>{"Quercus robur"}));
    EXPECT_EQ(coversOf(ws.table.SpeciesCount), (std::vector<int>{50, 0, 33, 90, 0}));

    // Not an expert system file; no aggregation to apply.
    writeFile(dir / "other.txt", "Quercus robur\n");
    EXPECT_THROW(classification::readExpertSystemFile(dir / "other.txt"), core::ZembuError);
    EXPECT_THROW(classification::readExpertSystemFile(dir / "missing.esy"), core::ZembuError);
    ui.expectMessage("Section 1 of the expert system file holds no species aggregation.", "ZEMBU");
    EXPECT_FALSE(classification::applyExpertAggregations(ws, ui, classification::parseExpertSystem("SECTION 1: End")));
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(ExpertSystemTest, UnitsClassifyRelevesFirstMatchFirst) {
    const ExpertSystem system = classification::parseExpertSystem(
        "SECTION 3: Group definitions\r\n"
        "Oak wood = <Quercus petraea> OR <Carex pilosa>\r\n"
        "\r\n"
        "Ivy = <Hedera helix>\r\n"
        "SECTION 3: End\r\n");
    ASSERT_EQ(system.units.size(), 2u);
    const auto outcome = classification::classifyReleves(ws.table, system);
    ASSERT_TRUE(outcome.classification);
    // Every relevé holds an oak or the sedge; those with ivy too stay with the first unit.
    EXPECT_EQ(outcome.classification->unitOfColumn, (std::vector<int>{-1, 0, 0, 0, 0, 0}));

    const ExpertSystem ivyFirst = classification::parseExpertSystem(
        // Ivy (both layers) in relevés 1, 4, 5; Quercus petraea above 30 % in 1, 3, 4.
        "SECTION 3: Group definitions\nIvy = <Hedera helix>\nOak wood = <Quercus petraea UP30>\nSECTION 3: End\n");
    classification::ExpertClassification result;
    const auto lines = classification::classifyByExpertSystem(ws, ui, ivyFirst, &result);
    EXPECT_EQ(lines, (std::vector<std::string>{"COCKTAIL CLASSIFICATION: ", "      1  Ivy", "      2  ---",
                                               "      3  Oak wood", "      4  Ivy", "      5  Ivy"}));
    EXPECT_EQ(classification::frequencyTableLines(ws.table, result),
              (std::vector<std::string>{"Frequency table ---------------------", "No. of rel.:   5",
                                        "No. of groups: 2", "Group 1 name:  Ivy", "Count:         3",
                                        "Group 2 name:  Oak wood", "Count:         1",
                                        "-------------------------------------", "Total:         4"}));

    // Refused definitions: the formula's own message, and a line without "=".
    const ExpertSystem unknown =
        classification::parseExpertSystem("SECTION 3: Group definitions\nX = <Abies alba>\nSECTION 3: End\n");
    ui.expectMessage("The name Abies alba was not found in the table!!!", "ERROR");
    EXPECT_EQ(classification::classifyByExpertSystem(ws, ui, unknown).size(), 3u);
    const ExpertSystem mixed = classification::parseExpertSystem(
        "SECTION 3: Group definitions\nX = <Hedera helix> AND <Carex pilosa> OR <Quercus robur>\n");
    ui.expectMessage("Operators must be segregated by ()!!! Error is in the 1. hierarchical layer.", "SYNTAX ERROR");
    EXPECT_EQ(classification::classifyByExpertSystem(ws, ui, mixed)[1],
              "X = <Hedera helix> AND <Carex pilosa> OR <Quercus robur>");
    const ExpertSystem noName = classification::parseExpertSystem("SECTION 3: Group definitions\n<Hedera helix>\n");
    EXPECT_FALSE(classification::classifyReleves(ws.table, noName).classification);
    EXPECT_EQ(classification::classifyReleves(ws.table, noName).error.title, "SYNTAX ERROR");
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(ExpertSystemTest, FrequencyTableIsAppendedToTheChosenFile) {
    writeFile(dir / "units.esy", "SECTION 1: Species aggregation\r\nSECTION 1: End\r\nSECTION 3: Group definitions\r\n"
                                 "Ivy = <Hedera helix>\r\nSECTION 3: End");
    const ExpertSystem system = classification::readExpertSystemFile(dir / "units.esy");
    ui.expectSaveFile("Save Expert System File (Part 4)", (dir / "units.esy").string());
    const auto appended = classification::saveFrequencyTable(ws, ui, system);
    ASSERT_TRUE(appended);
    EXPECT_EQ(ui.shown().back().request.proposedName, "units.esy");
    EXPECT_EQ(readFile(dir / "units.esy"),
              "SECTION 1: Species aggregation\r\nSECTION 1: End\r\nSECTION 3: Group definitions\r\n"
              "Ivy = <Hedera helix>\r\nSECTION 3: End\r\n"
              "Frequency table ---------------------\r\nNo. of rel.:   5\r\nNo. of groups: 1\r\n"
              "Group 1 name:  Ivy\r\nCount:         3\r\n-------------------------------------\r\n"
              "Total:         3\r\n");
    ui.expectSaveFile("Save Expert System File (Part 4)", std::nullopt);
    EXPECT_FALSE(classification::saveFrequencyTable(ws, ui, system));
    EXPECT_SCRIPT_DONE(ui);
}
