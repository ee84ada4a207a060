#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::session::Form_Load;
using zembu::session::Form_Unload;
using zembu::testing::readFile;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

std::string settingsWith(std::map<int, std::string> values) {
    std::string text;
    for (int n = 1; n <= 200; ++n) {
        text += std::string(settingKey(n));
        if (values.count(n)) text += values[n];
        text += "\r\n";
    }
    return text;
}

}  // namespace

TEST(StartUp, SizesTheTableToTheSettingsCapacities) {
    TempDir dir;
    writeFile(dir / "zembu.ini", settingsWith({{52, "50000"}, {53, "8000"}, {36, "1"}, {37, "2"}}));
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    EXPECT_EQ(ws.table.MaxReleves, 50000);
    EXPECT_EQ(ws.table.MaxSpecies, 8000);
    EXPECT_EQ(ws.table.ReleveData.size(), 50001u);
    EXPECT_TRUE(ws.separatorHierarchy);
    EXPECT_EQ(ws.separatorLevel, 3);
    EXPECT_EQ(ws.CurrentRow, 1);
    EXPECT_EQ(ws.currentTableFile, "zembu_table.vod");
    EXPECT_EQ(ws.windowCaption(), "ZEMBU");
    EXPECT_EQ(ui.busyDepth(), 0);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(StartUp, SetsCaptionsAndTheDisplayScale) {
    TempDir dir;
    writeFile(dir / "zembu.ini", settingsWith({{27, "3"}}));
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    EXPECT_EQ(ws.menuCaptions[menu::DeleteSpecies], "D&elete BLACK Species");
    EXPECT_EQ(ws.menuCaptions[menu::MergeSpecies], "&Merge BLACK Species");
    EXPECT_EQ(ws.menuCaptions[menu::DeleteReleves], "Delete WHITE &Relevés");
    EXPECT_EQ(ws.menuCaptions[menu::MoveRelevesLeftInGroups], "&Left WHITE Relevés within Groups");
    EXPECT_EQ(ws.menuCaptions[menu::ExportHead], "Export &HEAD for WHITE Relevés");
    EXPECT_EQ(ws.menuCaptions[menu::CurrentRtfFile].rfind("Current file: ", 0), 0u);
    // "Display font::" 3 chooses the ordinal scale.
    EXPECT_EQ(ws.display.displayTable[160 + 95], '9');
    EXPECT_EQ(ws.display.displayTable[160 + 4], '4');

    ws.releveColourBox = 7;
    Combo2_click(ws);
    EXPECT_EQ(ws.menuCaptions[menu::MoveRelevesRight], "&Right GREY Relevés");
    EXPECT_EQ(ws.menuCaptions[menu::SortRelevesForColour1], "for &grey Relevés");
}

TEST(StartUp, RemovesHeaderWorkFilesAndKeepsSessionsApart) {
    TempDir dir;
    Workspace first(dir.path());
    Workspace second(dir.path());
    EXPECT_NE(first.sessionDirectory(), second.sessionDirectory());
    writeFile(first.headerStructureFile(), "1 Releve number\r\n");
    writeFile(first.headerValueFile(), "     1\r\n");
    ScriptedInteraction ui;
    Form_Load(first, ui);
    EXPECT_FALSE(std::filesystem::exists(first.headerStructureFile()));
    EXPECT_FALSE(std::filesystem::exists(first.headerValueFile()));
}

TEST(StartUp, AWorkDirectoryThatCannotBeCreatedStillStarts) {
    TempDir dir;
    writeFile(dir / "file", "not a folder");
    Workspace ws(dir / "file" / "zembu");
    EXPECT_FALSE(ws.workDirectoryProblem().empty());
    EXPECT_TRUE(std::filesystem::is_directory(ws.sessionDirectory()));
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    EXPECT_EQ(ws.table.MaxReleves, 30000);
    EXPECT_TRUE(Form_Unload(ws, ui));
}

TEST(Exit, AnEmptyTableAsksNothingAndWritesTheSettings) {
    TempDir dir;
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    ws.separatorLevel = 4;
    EXPECT_TRUE(Form_Unload(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_NE(readFile(dir / "zembu.ini").find("Separator hierarchy value::3\r\n"), std::string::npos);
}

TEST(Exit, CancelKeepsTheProgramAndTheTable) {
    TempDir dir;
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    ws.table = zembu::testing::tableFromCovers({{5, 0}, {0, 38}});
    const Table before = ws.table;
    ui.expectQuestion("Save current file?", "ZEMBU", Answer::Cancel);
    EXPECT_FALSE(Form_Unload(ws, ui));
    EXPECT_EQ(ws.table.ReleveData, before.ReleveData);
    EXPECT_FALSE(std::filesystem::exists(dir / "zembu.ini"));
    EXPECT_SCRIPT_DONE(ui);

    ui.expectQuestion("Save current file?", "ZEMBU", Answer::No);
    EXPECT_TRUE(Form_Unload(ws, ui));
    EXPECT_TRUE(std::filesystem::exists(dir / "zembu.ini"));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(StartUp, AFirstStartShowsTheBraunBlanquetScale) {
    TempDir dir;
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    EXPECT_EQ(ws.settings.value(setting::DisplayFont), "0");
    EXPECT_EQ(ws.display.displayTable[160 + 1], 'r');
    EXPECT_EQ(ws.display.displayTable[255], '5');
}

TEST(StartUp, AFirstStartGivesThresholdsOfHighlightedValues) {
    TempDir dir;
    writeFile(dir / "zembu.ini", settingsWith({{20, "35"}, {21, ""}}));
    Workspace ws(dir.path());
    ScriptedInteraction ui;
    Form_Load(ws, ui);
    EXPECT_EQ(ws.settings.value(setting::FidelityLimit), "35");  // the user's value stays
    EXPECT_EQ(ws.settings.value(setting::FrequencyLimit), "60");
    EXPECT_EQ(ws.settings.value(setting::Frequency2Limit), "80");
    EXPECT_EQ(ws.settings.value(setting::Fidelity2Limit), "50");
    EXPECT_EQ(ws.settings.value(setting::CoverLimit), "25");
    EXPECT_EQ(ws.settings.value(setting::CoverLimitHigher), "50");
}
