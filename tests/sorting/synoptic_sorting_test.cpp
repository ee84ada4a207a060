#include <gtest/gtest.h>

#include "core/palette.h"
#include "core/table.h"
#include <limits>
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/species_sort_commands.h"
#include "sorting/synoptic_sorting.h"
#include "support/test_support.h"

using namespace zembu;
using core::Answer;
using sorting::SynopticCriterion;

namespace {

const char* const Changes = "This procedure changes all species colours.  Do you want to continue?";
const char* const Limit = "Please write minimum value of selected criteria as a sorting limit:";

class SynopticSortingTest : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};
    core::ScriptedInteraction ui;

    // Groups: relevés 1-2, 3-4, 5-6.
    void SetUp() override {
        ws.table = zembu::testing::tableFromCovers({
            {0, 0, 0, 0, 10, 20},   // species 1: group 3 only
            {5, 5, 0, 0, 0, 0},     // species 2: group 1 only
            {0, 0, 30, 0, 0, 0},    // species 3: half of group 2
            {1, 1, 1, 1, 1, 1},     // species 4: everywhere
            {0, 0, 0, 60, 60, 0},   // species 5: half of groups 2 and 3
        });
        ws.table.SeparatorAfter[2] = ws.table.SeparatorAfter[4] = 1;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (int32_t i = 1; i <= ws.table.SpeciesCount; ++i) out.push_back(ws.table.SpeciesInfo[i].name);
        return out;
    }
};

}  // namespace

TEST_F(SynopticSortingTest, CriterionValuesPerRowAndGroup) {
    const sorting::CriterionValues f = sorting::synopticCriterionValues(ws, SynopticCriterion::RelativeFrequency);
    EXPECT_EQ(f.groupCount, 3);
    EXPECT_EQ(f.at(3, 2), 50.0);
    EXPECT_FALSE(f.at(3, 1).has_value());
    EXPECT_EQ(f.at(4, 1), 100.0);
    const sorting::CriterionValues m = sorting::synopticCriterionValues(ws, SynopticCriterion::MaximumCover);
    EXPECT_EQ(m.at(1, 3), 20.0);
    const sorting::CriterionValues b = sorting::synopticCriterionValues(ws, SynopticCriterion::BarkmanCover);
    EXPECT_EQ(b.at(1, 3), 15.0);
    EXPECT_EQ(b.at(5, 2), 30.0);
    ws.settings.setValue(core::setting::PhiRecalculated, "0");
    const sorting::CriterionValues phi = sorting::synopticCriterionValues(ws, SynopticCriterion::Fidelity);
    EXPECT_NEAR(*phi.at(2, 1), 100.0, 1e-9);
    EXPECT_LT(*phi.at(2, 2), 0.0);
    EXPECT_EQ(sorting::criterionNamed("zlatnik"), SynopticCriterion::ZlatnikValue);
    EXPECT_EQ(sorting::criterionCaption(SynopticCriterion::Fidelity), " Fidelity measure");
    EXPECT_FALSE(sorting::criterionNamed("other"));
}

TEST_F(SynopticSortingTest, BlocksTakeTheFirstHighestColumnThatReachesTheLimit) {
    sorting::CriterionValues v;
    v.groupCount = 3;
    v.rowCount = 5;
    const double n = std::numeric_limits<double>::quiet_NaN();
    v.values = {10, 40, 40,   // highest in 2 and 3: column 2
                90, n, 5,     // column 1
                n, n, n,      // nothing
                20, 30, 70,   // column 3, or nothing without the last column
                30, 60, 10};  // column 2, above row 1
    const sorting::BlockOrder all = sorting::blockOrder(v, 35, false);
    EXPECT_EQ(all.column, (std::vector<int32_t>{0, 2, 1, 0, 3, 2}));
    EXPECT_GT(all.keys[2], all.keys[5]);  // column 1 first
    EXPECT_GT(all.keys[5], all.keys[1]);  // 60 before 40 in column 2
    EXPECT_GT(all.keys[1], all.keys[4]);  // column 2 before column 3
    EXPECT_GT(all.keys[4], all.keys[3]);  // blocks before the rest
    const sorting::BlockOrder except = sorting::blockOrder(v, 35, true);
    EXPECT_EQ(except.column, (std::vector<int32_t>{0, 2, 1, 0, 0, 2}));
    EXPECT_GT(except.keys[1], except.keys[4]);
    EXPECT_EQ(sorting::blockColour(1), 1);
    EXPECT_EQ(sorting::blockColour(7), 7);
    EXPECT_EQ(sorting::blockColour(8), 1);
    EXPECT_EQ(sorting::blockColour(0), 0);
}

TEST_F(SynopticSortingTest, EntireDatasetAsksThenBuildsColouredBlocks) {
    ui.expectQuestion(Changes, "Program Info", Answer::No);
    EXPECT_FALSE(sorting::entire_dataset(ws, SynopticCriterion::RelativeFrequency, false, core::AllColours, ui).sorted);
    ui.expectQuestion(Changes, "Program Info", Answer::Yes);
    ui.expectInput(Limit, "SORTING", std::nullopt);
    EXPECT_FALSE(sorting::entire_dataset(ws, SynopticCriterion::RelativeFrequency, false, core::AllColours, ui).sorted);
    ui.expectQuestion(Changes, "Program Info", Answer::Yes);
    ui.expectInput(Limit, "SORTING", "many");
    ui.expectMessage("The sorting limit must be a number.", "SORTING");
    EXPECT_FALSE(sorting::entire_dataset(ws, SynopticCriterion::RelativeFrequency, false, core::AllColours, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_FALSE(ws.undo.available);

    ui.expectQuestion(Changes, "Program Info", Answer::Yes);
    ui.expectInput(Limit, "SORTING", "60");
    EXPECT_TRUE(sorting::entire_dataset(ws, SynopticCriterion::RelativeFrequency, false, core::AllColours, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
    // Species 4 (100 % everywhere) and 2 go to group 1, 1 to group 3; 3 and 5 reach no limit.
    const std::vector<std::string> sorted = names();
    EXPECT_TRUE((sorted[0] == "Species 4" && sorted[1] == "Species 2") ||
                (sorted[0] == "Species 2" && sorted[1] == "Species 4"));
    EXPECT_EQ(sorted[2], "Species 1");
    EXPECT_EQ(ws.table.SpeciesColour[1].number, 1);
    EXPECT_EQ(ws.table.SpeciesColour[3].number, 3);
    EXPECT_EQ(ws.table.SpeciesColour[3].value, core::speciesBoxColour(ws.palette, 3));
    EXPECT_EQ(ws.table.SpeciesColour[4].number, 0);
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
    EXPECT_TRUE(ws.undo.available);
}

TEST_F(SynopticSortingTest, SingleColumnSortsOneColourByOneGroup) {
    ASSERT_TRUE(sorting::single_column(ws, SynopticCriterion::RelativeFrequency, 2, core::AllColours, ui).sorted);
    const std::vector<std::string> sorted = names();
    EXPECT_EQ(sorted[0], "Species 4");  // 100 %
    // 50 % each, then the absent rows.
    EXPECT_TRUE(sorted[1] == "Species 3" || sorted[1] == "Species 5");
    EXPECT_TRUE(sorted[2] == "Species 3" || sorted[2] == "Species 5");

    // Only the red rows 1 and 5 (of the new order) take part; the others stay.
    ws.table.SpeciesColour[1] = {0x0000CC, 1};
    ws.table.SpeciesColour[5] = {0x0000CC, 1};
    const std::vector<std::string> before = names();
    ASSERT_TRUE(sorting::single_column(ws, SynopticCriterion::MaximumCover, 3, 1, ui).sorted);
    EXPECT_EQ(names()[1], before[1]);
    EXPECT_EQ(names()[2], before[2]);
    EXPECT_EQ(names()[3], before[3]);

    ui.expectMessage("Please mark any species by selected colour!", "Program Info");
    EXPECT_FALSE(sorting::single_column(ws, SynopticCriterion::MaximumCover, 3, 6, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(SynopticSortingTest, ConstancyKeysOfTheSortSpeciesCommand) {
    ws.synopticType = 1;
    const std::vector<sorting::TextKey> keys = sorting::synopticConstancyKeys(ws);
    EXPECT_EQ(std::string(keys[3].data(), 18), "     .    50     .");
    EXPECT_EQ(std::string(keys[4].data(), 18), "   100   100   100");
    ws.synopticType = 2;
    EXPECT_EQ(std::string(sorting::synopticConstancyKeys(ws)[5].data(), 18), "     .     2     2");
    // Sort Species in the categorical view: no relevé needs the relevé colour.
    ASSERT_TRUE(sorting::tridenidruhu2(ws, {core::AllColours, 3, false}, ui).sorted);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(names(), (std::vector<std::string>{"Species 4", "Species 2", "Species 5", "Species 3", "Species 1"}));
    EXPECT_TRUE(ws.undo.available);
    // The layer leads when asked: layer 1 before the layer 6 rows.
    ws.table.SpeciesLayer[5] = 1;
    ASSERT_TRUE(sorting::tridenidruhu2(ws, {core::AllColours, 3, true}, ui).sorted);
    EXPECT_EQ(names()[0], "Species 1");
}
