#include <gtest/gtest.h>

#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/progress_meter.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::testing::TempDir;

TEST(Progress, RedrawsOnlyWhenThePercentageChanges) {
    ScriptedInteraction ui;
    {
        ProgressMeter meter(ui, 300);
        for (int i = 0; i < 300; ++i) meter.merak();
        meter.merak();  // past the total: stays at 100
    }
    EXPECT_EQ(ui.progressShown(), 1);
    EXPECT_EQ(ui.progressHidden(), 1);
    ASSERT_EQ(ui.percentages().size(), 101u);  // 0 % .. 100 %, each once
    EXPECT_EQ(ui.percentages().front(), 0);
    EXPECT_EQ(ui.percentages().back(), 100);
    EXPECT_EQ(ui.progressTexts().back(), "100 %");
}

TEST(MenuCaptions, NameTheSelectionBeforeAMenuOpens) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 0, 7}});
    ws.table.ReleveHead[3] = "    17";
    ws.separatorLevel = 3;
    menu_Click(ws);
    EXPECT_EQ(ws.menuCaptions[menu::RemoveSelectedSeparators], "Separators 3, 4, 5, 6");
    EXPECT_EQ(ws.menuCaptions[menu::RemoveSeparatorsFrom], "from Relevé No. ---");
    EXPECT_EQ(ws.menuCaptions[menu::RemoveSeparatorsTo], "to Relevé No. ---");
    ws.CurrentReleve = 3;
    menu_Click(ws);
    EXPECT_EQ(ws.menuCaptions[menu::RemoveSeparatorsFrom], "from Relevé No. 3 (17)");
}

TEST(MenuCaptions, CountTheSelectedSpeciesAndRelevés) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 0, 7}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
    menu_Click(ws);
    // The black box: every uncoloured live species; the white box: every uncoloured relevé.
    EXPECT_EQ(ws.menuCaptions[menu::CountSpecies], "C&ount 4 Species");
    EXPECT_EQ(ws.menuCaptions[menu::BealsForReleves], "Beals &Smoothing for 3 Relevés");

    ws.table.SpeciesColour[1] = ws.table.SpeciesColour[3] = ws.table.SpeciesColour[4] = {0xCC, 1};
    ws.table.SpeciesInfo[3].name = "### Group";  // a group row is no species
    ws.table.SpeciesCount = 3;                   // row 4 formally deleted
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.speciesColourBox = 1;
    ws.releveColourBox = 1;
    menu_Click(ws);
    EXPECT_EQ(ws.menuCaptions[menu::CountSpecies], "C&ount 1 Species");
    EXPECT_EQ(ws.menuCaptions[menu::SumOfSpeciesData], "S&um of 1 Species Data");
    EXPECT_EQ(ws.menuCaptions[menu::PercentageAbundance], "Percentage Abundance of 1 Species");
    EXPECT_EQ(ws.menuCaptions[menu::MeanOfSpeciesData], "Mean o&f 1 Species Data");
    EXPECT_EQ(ws.menuCaptions[menu::MinimumOfSpeciesData], "M&inimum of 1 Species Data");
    EXPECT_EQ(ws.menuCaptions[menu::MaximumOfSpeciesData], "Ma&ximum of 1 Species Data");
    EXPECT_EQ(ws.menuCaptions[menu::BealsForReleves], "Beals &Smoothing for 1 Relevés");
}
