// Relevé and species colour files.

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/colour_files.h"

using namespace zembu;
using namespace zembu::view;
using core::Answer;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

const std::string kQuestion =
    "Press YES if you want to use Running number for import of colours (reccomended for the same file).\r\n"
    "Otherwise the program will use Turboveg number for colour import (acceptable for different datasets with "
    "same relevés)!";

}  // namespace

TEST(ColourFiles, ReleveFileLinesFollowRecords) {
    core::Table t = zt::tableFromCovers({{5, 5, 5}});
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);  // column 1 shows record 3
    t.ReleveColour[1] = {0x9999FF, 1};
    EXPECT_EQ(releveColourText(t), " 1  1001  16777215  0 \r\n 2  1002  16777215  0 \r\n 3  1003  10066431  1 \r\n");
}

TEST(ColourFiles, SaveAndLoadRelevesByRunningNumberWhateverTheOrder) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5, 5, 5, 5}});
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.table.ReleveColour[4] = {0xFF9999, 2};
    ws.currentTableFile = "/data/meadow.2024.vod";
    ScriptedInteraction ui;
    ui.expectSaveFile("RELEVÉ COLOUR EXPORT", (dir / "c.clr").string());
    ASSERT_TRUE(barvsnimUN_Click(ws, 0, ui));
    EXPECT_EQ(ui.shown().back().request.proposedName, "meadow.clr");

    // Reorder and clear the colours, then load with Yes.
    const core::Table saved = ws.table;
    std::swap(ws.table.ReleveOrder[1], ws.table.ReleveOrder[4]);
    for (int k = 1; k <= 4; ++k) ws.table.ReleveColour[k] = {0xFFFFFF, 0};
    ui.expectOpenFile("RELEVÉ COLOUR IMPORT", (dir / "c.clr").string());
    ui.expectQuestion(kQuestion, "Program Info", Answer::Yes);
    ASSERT_TRUE(barvsnimUN_Click(ws, 1, ui));
    EXPECT_EQ(ws.table.ReleveColour[1], (core::ColourEntry{0xFF9999, 2}));  // record 4 moved to column 1
    EXPECT_EQ(ws.table.ReleveColour[2], (core::ColourEntry{0x9999FF, 1}));
    EXPECT_EQ(ws.table.ReleveColour[4], (core::ColourEntry{0xFFFFFF, 0}));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(ColourFiles, LoadByTurbovegNumberColoursEveryRelevéWithIt) {
    core::Table t = zt::tableFromCovers({{5, 5, 5}});
    t.ReleveOrder[3].turbovegNumber = 1001;  // two relevés share 1001
    // A line of another data set: running number 7 is unknown here, 1001 is known.
    EXPECT_EQ(applyReleveColours(t, " 7  1001  255  1 \r\n 8  5555  0  3 \r\n", ReleveMatch::TurbovegNumber), 1);
    EXPECT_EQ(t.ReleveColour[1], (core::ColourEntry{255, 1}));
    EXPECT_EQ(t.ReleveColour[3], (core::ColourEntry{255, 1}));
    EXPECT_EQ(t.ReleveColour[2].number, 0);
    // More lines than relevés: all are read; commas also separate numbers.
    EXPECT_EQ(applyReleveColours(t, "1,1,1,1\n2,2,2,2\n3,3,3,3\n9,1002,7,7\n", ReleveMatch::TurbovegNumber), 1);
    EXPECT_EQ(t.ReleveColour[2], (core::ColourEntry{7, 7}));
    EXPECT_EQ(applyReleveColours(t, " 9  1002  1  1 \r\n", ReleveMatch::RunningNumber), 0);
}

TEST(ColourFiles, SpeciesColoursGoToTheFirstRowOfNameAndLayer) {
    core::Table t = zt::tableFromCovers({{5}, {5}, {5}});
    t.SpeciesInfo[1].name = "Poa annua";
    t.SpeciesInfo[2].name = "Poa annua ";
    t.SpeciesInfo[3].name = "Poa annua";
    t.SpeciesLayer[3] = 1;
    t.SpeciesColour[1] = {0x0000CC, 1};
    t.SpeciesColour[3] = {0xDD0000, 2};
    const std::string text = speciesColourText(t);
    EXPECT_EQ(text.substr(0, 28), "Poa annua\r\n 6 \r\n 204 \r\n 1 \r\n");

    core::Table u = zt::tableFromCovers({{5}, {5}, {5}});
    u.SpeciesInfo[1].name = "Carex";
    u.SpeciesInfo[2].name = "  Poa annua";
    u.SpeciesInfo[3].name = "Poa annua";
    u.SpeciesLayer[3] = 1;
    EXPECT_EQ(applySpeciesColours(u, text), 3);
    EXPECT_EQ(u.SpeciesColour[1].number, 0);
    // The file's second group (black) lands on row 2 after the first set it.
    EXPECT_EQ(u.SpeciesColour[2], (core::ColourEntry{0, 0}));
    EXPECT_EQ(u.SpeciesColour[3], (core::ColourEntry{0xDD0000, 2}));
}

TEST(ColourFiles, ProposedNames) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.currentTableFile = "";
    EXPECT_EQ(proposedColourFileName(ws, ".cls"), "colour.cls");
    ws.currentTableFile = "zembu_table.vod";
    EXPECT_EQ(proposedColourFileName(ws, ".cls"), "zembu_table.cls");
}

TEST(ColourFiles, ColoursThePaletteHasNotAreRefusedAndChangeNothing) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5}, {5}, {5}});
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    ws.table.SpeciesColour[1] = {0x0000CC, 1};
    // A species colour file loaded as a relevé colour file.
    zt::writeFile(dir / "s.cls", speciesColourText(ws.table));
    const core::Table before = ws.table;
    ScriptedInteraction ui;
    ui.expectOpenFile("RELEVÉ COLOUR IMPORT", (dir / "s.cls").string());
    ui.expectQuestion(kQuestion, "Program Info", Answer::Yes);
    ui.expectMessage("The file holds the colour number 204 with the colour value 6, which are no colours of the "
                     "palette (numbers 0 to 20, values 0 to 16777215): it is no relevé colour file. The colours "
                     "are left as they were.",
                     "Program Info");
    EXPECT_FALSE(barvsnimUN_Click(ws, 1, ui));
    for (int k = 1; k <= ws.table.ReleveCount; ++k) EXPECT_EQ(ws.table.ReleveColour[k], before.ReleveColour[k]);
    EXPECT_SCRIPT_DONE(ui);

    // A good line before a bad one changes nothing either.
    EXPECT_THROW(applyReleveColours(ws.table, " 1  1001  255  1 \r\n 2  1002  -5  2 \r\n", ReleveMatch::RunningNumber),
                 core::ZembuError);
    EXPECT_EQ(ws.table.ReleveColour[1], before.ReleveColour[1]);
    // A value far outside the numbers of a colour file is not read as black.
    EXPECT_THROW(applyReleveColours(ws.table, " 1  1001  1e20  1 \r\n", ReleveMatch::RunningNumber), core::ZembuError);
    EXPECT_THROW(applySpeciesColours(ws.table, "Species 2\r\n 6 \r\n 255 \r\n 21 \r\n"), core::ZembuError);
    EXPECT_EQ(ws.table.SpeciesColour[2], before.SpeciesColour[2]);
}
