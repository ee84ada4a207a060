#include <gtest/gtest.h>

#include "analysis/species_heads.h"
#include "core/head_modes.h"
#include "core/scripted_interaction.h"
#include "core/selection.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using analysis::SpeciesHead;
using zembu::testing::TempDir;

namespace {

// Rows 1 and 3 red; row 4 a red group row and row 5 a red deleted row, both
// in every relevé; relevé 3 holds only those two.
class SpeciesHeads : public ::testing::Test {
protected:
    TempDir dir;
    core::Workspace ws{dir.path()};
    core::ScriptedInteraction ui;

    void SetUp() override {
        ws.table = zembu::testing::tableFromCovers({{10, 20, 0}, {30, 0, 0}, {40, 5, 0}, {5, 5, 5}, {5, 5, 5}});
        ws.table.SpeciesInfo[4].name = "### Group";
        ws.table.SpeciesCount = 4;
        for (int32_t row : {1, 3, 4, 5}) ws.table.SpeciesColour[row] = {0xCC, 1};
        ws.speciesColourBox = 1;
    }
    std::vector<std::string> heads() const {
        std::vector<std::string> h;
        for (int32_t rec = 1; rec <= 3; ++rec) h.push_back(ws.table.ReleveHead[rec]);
        return h;
    }
};

}  // namespace

TEST_F(SpeciesHeads, EveryHeadFromTheSelectedSpeciesCells) {
    EXPECT_EQ(core::selectedSpeciesCount(ws), 2);  // neither the group row nor the deleted row
    struct Case {
        SpeciesHead head;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {SpeciesHead::Count, {"     2", "     2", "      "}},  // "###" writes nothing for 0
        {SpeciesHead::Sum, {"    50", "    25", "      "}},
        {SpeciesHead::Percentage, {"  62.5", " 100.0", "   0.0"}},  // 50 of 80 % cover; all of 25
        {SpeciesHead::Mean, {"  25.0", "  12.5", "   0.0"}},
        {SpeciesHead::Minimum, {"    10", "     5", "      "}},
        {SpeciesHead::Maximum, {"    40", "    20", "      "}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(analysis::speciesDataHead(ws, ui, c.head));
        EXPECT_EQ(heads(), c.expected) << static_cast<int>(c.head);
        for (int32_t rec = 1; rec <= 3; ++rec)
            EXPECT_EQ(ws.table.ReleveHead[rec], analysis::speciesHeadText(analysis::speciesHeadValue(ws, rec, c.head), c.head));
    }
    EXPECT_EQ(ws.head, core::HeadKind::SpeciesData);
    EXPECT_EQ(ws.headMode, 4);
    EXPECT_EQ(ws.headCaption, "");
    EXPECT_EQ(ws.display.headLines[0], "00 ");  // the maximum's last characters, column by column
    EXPECT_EQ(ui.percentages().back(), 100);
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(SpeciesHeads, NamedProceduresAndTheirFormats) {
    ASSERT_TRUE(analysis::spechlavicka(ws, ui, SpeciesHead::Sum));
    EXPECT_EQ(ws.table.ReleveHead[1], "    50");
    ASSERT_TRUE(analysis::averhlavicka(ws, ui));
    EXPECT_EQ(ws.table.ReleveHead[2], "  12.5");
    ASSERT_TRUE(analysis::PASShlavicka(ws, ui));
    EXPECT_EQ(ws.table.ReleveHead[1], "  62.5");
    ASSERT_TRUE(analysis::specdatahlavicka(ws, ui, SpeciesHead::Minimum));
    EXPECT_EQ(ws.table.ReleveHead[1], "    10");
    // A text longer than 6 keeps its last 6 characters.
    EXPECT_EQ(analysis::speciesHeadText(1234567, SpeciesHead::Sum), "234567");
    EXPECT_EQ(analysis::speciesHeadText(12345.64, SpeciesHead::Mean), "2345.6");
}

TEST_F(SpeciesHeads, NoSelectedSpeciesLeavesTheTable) {
    ws.speciesColourBox = 2;
    ws.table.ReleveHead[1] = "    17";
    ui.expectMessage(analysis::NoSpeciesSelectedMessage, "Program Info");
    EXPECT_FALSE(analysis::speciesDataHead(ws, ui, SpeciesHead::Count));
    EXPECT_EQ(ws.table.ReleveHead[1], "    17");
    EXPECT_FALSE(ws.undo.available);
    EXPECT_EQ(ws.head, core::HeadKind::RunningNumber);
    EXPECT_SCRIPT_DONE(ui);

    // A head is a rearrangement: it can be undone.
    ws.speciesColourBox = 1;
    ASSERT_TRUE(analysis::speciesDataHead(ws, ui, SpeciesHead::Count));
    EXPECT_TRUE(ws.undo.available);
}

TEST_F(SpeciesHeads, ValuesFollowTheirRelevesWhenTheColumnsMove) {
    std::swap(ws.table.ReleveOrder[1], ws.table.ReleveOrder[3]);
    ASSERT_TRUE(analysis::speciesDataHead(ws, ui, SpeciesHead::Sum));
    EXPECT_EQ(heads(), (std::vector<std::string>{"    50", "    25", "      "}));
}
