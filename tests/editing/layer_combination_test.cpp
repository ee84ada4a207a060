#include <gtest/gtest.h>

#include "editing/journal_blocks.h"
#include "editing/layer_combination.h"
#include "editing_fixture.h"

using namespace zembu;
using zembu::testing::EditingTest;

namespace {

class LayerCombinationTest : public EditingTest {
protected:
    // Trees in layers 1..3 and a herb: Fraxinus in 1 and 3, Acer only in 2,
    // Fagus only in 1, Fraxinus also as a seedling in 8, Oxalis in 6.
    void SetUp() override {
        useTable({{30, 0, 0}, {0, 40, 0}, {50, 0, 20}, {20, 20, 0}, {1, 1, 1}, {0, 0, 5}});
        name(1, "Fraxinus excelsior", 1);
        name(2, "Acer pseudoplatanus", 2);
        name(3, "Fraxinus excelsior", 3);
        name(4, "Fagus sylvatica", 1);
        name(5, "Oxalis acetosella", 6);
        name(6, "Fraxinus excelsior", 8);
        ticked[1] = ticked[2] = ticked[3] = true;
    }
    editing::LayerChoice ticked{};
};

}  // namespace

TEST_F(LayerCombinationTest, OffersSpeciesWithRowsToCombine) {
    const auto offered = editing::layerCandidates(ws.table, ticked, 1);
    ASSERT_EQ(offered.size(), 2u);  // Fagus is in layer 1 already; Oxalis is not in a ticked layer
    EXPECT_EQ(offered[0].name, "Fraxinus excelsior");
    EXPECT_EQ(offered[0].records, (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(offered[1].name, "Acer pseudoplatanus");
    EXPECT_EQ(editing::candidateLine(offered[0]), "  X   X         X      2    Fraxinus excelsior");
    // The count stands under "Comb.", the name under "Species name".
    EXPECT_EQ(std::string(editing::LayerListHeading).find("Comb.") + 2, editing::candidateLine(offered[0]).find('2'));
    EXPECT_EQ(std::string(editing::LayerListHeading).find("Species"),
              editing::candidateLine(offered[0]).find("Fraxinus"));

    // With layer 2 as the result, Fagus moves there and Acer stays where it is.
    const auto toMiddle = editing::layerCandidates(ws.table, ticked, 2);
    ASSERT_EQ(toMiddle.size(), 2u);
    EXPECT_EQ(toMiddle[1].name, "Fagus sylvatica");
}

TEST_F(LayerCombinationTest, StepsThroughConfirmAndSkip) {
    ui.expectMessage("Please check minimum one layer to be combined!", "ZEMBU")
        .expectMessage("Please check one layer as a result of the combination process!", "ZEMBU");
    EXPECT_FALSE(editing::checkLayerChoice(ws, ui, {}, 1));
    EXPECT_FALSE(editing::checkLayerChoice(ws, ui, ticked, std::nullopt));
    ASSERT_TRUE(editing::checkLayerChoice(ws, ui, ticked, 1));

    editing::LayerCombination steps(ws.table, ticked, 1);
    ASSERT_EQ(steps.count(), 2u);
    const auto first = steps.confirm(ws, ui);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->substr(first->size() - 3), " OK");
    EXPECT_EQ(steps.currentLine().substr(steps.currentLine().size() - 19), "Acer pseudoplatanus");
    EXPECT_EQ(steps.skip().substr(0, 2), "  ");
    EXPECT_TRUE(steps.finished());
    EXPECT_FALSE(steps.confirm(ws, ui));
    EXPECT_SCRIPT_DONE(ui);

    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Acer pseudoplatanus", "Fagus sylvatica", "Oxalis acetosella",
                                                     "Fraxinus excelsior", "(S) Fraxinus excelsior"}));
    const int32_t merged = ws.table.SpeciesCount;
    EXPECT_EQ(ws.table.SpeciesLayer[merged], 1);
    EXPECT_EQ(coversOf(merged), (std::vector<int>{65, 0, 20}));
    EXPECT_EQ(ws.table.SpeciesLayer[4], 8);  // the seedlings were not ticked
    expectSound();
}

TEST_F(LayerCombinationTest, MergeAutomaticallyTakesTheRest) {
    editing::LayerCombination steps(ws.table, ticked, 3);
    EXPECT_EQ(steps.skip().substr(28), "Fraxinus excelsior skip");
    const auto lines = steps.confirmAll(ws, ui);
    EXPECT_SCRIPT_DONE(ui);
    // Fraxinus skipped; Acer (2) and Fagus (1) go to layer 3.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(steps.finished());
    EXPECT_EQ(liveNames(), (std::vector<std::string>{"Fraxinus excelsior", "Fraxinus excelsior", "Oxalis acetosella",
                                                     "Fraxinus excelsior", "(S) Acer pseudoplatanus",
                                                     "(S) Fagus sylvatica"}));
    EXPECT_EQ(ws.table.SpeciesLayer[5], 3);
    EXPECT_EQ(ws.table.SpeciesLayer[6], 3);
    EXPECT_EQ(editing::readAggregations(ws.journal.lines()).size(), 2u);
    expectSound();
}
