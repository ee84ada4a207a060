#include <gtest/gtest.h>

#include "core/undo.h"
#include "core/workspace.h"
#include "session/program_settings.h"
#include "session/startup.h"
#include "support/test_support.h"

using namespace zembu;
using core::Answer;
using session::applyProgramSettings;
using session::currentProgramSettings;

namespace {

const char* const Warning =
    "WARNING!!! The confirmation will close currently loaded table. Are you sure to continue?";

class ProgramSettingsTest : public ::testing::Test {
protected:
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};
    core::ScriptedInteraction ui;

    void SetUp() override {
        session::Form_Load(ws, ui);
        ws.table = zembu::testing::tableFromCovers({{5, 10, 0, 0}, {1, 0, 1, 30}});
        ws.table.SeparatorAfter[2] = 1;
        ws.synopticType = 1;
        core::ZalohaDat(ws);
    }
};

}  // namespace

TEST_F(ProgramSettingsTest, UnchangedSettingsAskNothingAndKeepTheTable) {
    const session::ProgramSettings before = currentProgramSettings(ws);
    EXPECT_EQ(before.measure, 2);
    EXPECT_EQ(before.kind, 2);
    EXPECT_EQ(before.standardSize, 50);
    EXPECT_TRUE(before.frequencyHighlight);
    EXPECT_FALSE(applyProgramSettings(ws, before, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.ReleveCount, 4);
    EXPECT_EQ(currentProgramSettings(ws), before);
    // The settings file was written.
    EXPECT_NE(zembu::testing::readFile(dir / "zembu.ini").find("Fidelity type::2\r\n"), std::string::npos);
}

TEST_F(ProgramSettingsTest, CapacitiesEmptyTheTableOnlyAfterYes) {
    session::ProgramSettings p = currentProgramSettings(ws);
    p.releveCapacity = 50000;
    p.nameWidth = 30;
    ui.expectQuestion(Warning, "ZEMBU", Answer::No);
    EXPECT_FALSE(applyProgramSettings(ws, p, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.MaxReleves, 30000);
    EXPECT_EQ(ws.table.ReleveCount, 4);
    EXPECT_EQ(ws.display.nameWidth, 30);  // the rest is applied

    // Yes, then the save offered for a table with species: Cancel keeps it all.
    ui.expectQuestion(Warning, "ZEMBU", Answer::Yes);
    ui.expectQuestion("Save current file?", "ZEMBU", Answer::Cancel);
    EXPECT_FALSE(applyProgramSettings(ws, p, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.ReleveCount, 4);

    ui.expectQuestion(Warning, "ZEMBU", Answer::Yes);
    ui.expectQuestion("Save current file?", "ZEMBU", Answer::No);
    EXPECT_TRUE(applyProgramSettings(ws, p, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.MaxReleves, 50000);
    EXPECT_EQ(ws.table.ReleveData.size(), 50001u);
    EXPECT_EQ(ws.table.ReleveCount, 0);
    EXPECT_EQ(ws.table.SpeciesRecordCount, 0);
    EXPECT_FALSE(ws.undo.available);
    EXPECT_EQ(ws.synopticType, 0);
    EXPECT_EQ(ws.settings.value(core::setting::ReleveDimension), "50000");
}

TEST_F(ProgramSettingsTest, FidelityChoicesAndTheStatusText) {
    session::ProgramSettings p = currentProgramSettings(ws);
    p.measure = 12;
    p.kind = 1;
    p.standardSize = 12.5;
    p.fisherVeto = true;
    p.fisherThreshold = session::FisherThresholds[0];
    p.frequencyLimit = 20.5;
    p.colours[0] = 0x00FF00;
    p.coverHighlight = false;
    p.combinedForm = 4;
    applyProgramSettings(ws, p, ui);
    EXPECT_EQ(ws.fidelityStatus, " B 12.5 u-val.(hyp)");
    EXPECT_EQ(ws.settings.value(core::setting::PhiTestedByFisher), "Yes");
    EXPECT_EQ(ws.settings.value(core::setting::SignificanceFetSynoptic), "1.30103");
    EXPECT_EQ(ws.settings.value(core::setting::FrequencyLimit), "20.5");
    EXPECT_EQ(ws.settings.value(core::setting::FrequencyThresholdColor1), std::to_string(0x00FF00));
    // A cover colour never chosen stays white, the settings file's rule.
    EXPECT_EQ(ws.settings.value(core::setting::CoverThresholdColor1), std::to_string(0xFFFFFF));
    EXPECT_EQ(ws.settings.value(core::setting::CoverThresholdYesNo), "No");
    EXPECT_EQ(currentProgramSettings(ws).combinedForm, 4);

    // Dufrene and Legendre goes with modified fidelity whatever the kind chosen.
    p.measure = 14;
    p.kind = 0;
    applyProgramSettings(ws, p, ui);
    EXPECT_EQ(currentProgramSettings(ws).kind, 2);
    EXPECT_EQ(ws.fidelityStatus, " C Duf.-Leg.");
    EXPECT_SCRIPT_DONE(ui);
}

TEST_F(ProgramSettingsTest, StandardSizeProposedFromTheGroups) {
    // Groups of 2 and 2 relevés: the first K - 1 groups hold 50 % of N.
    EXPECT_EQ(session::proposedStandardSize(ws), 50.0);
    ws.table.SeparatorAfter[1] = 1;  // 1, 1, 2
    EXPECT_EQ(session::proposedStandardSize(ws), 25.0);
    ws.table.SeparatorAfter[1] = ws.table.SeparatorAfter[2] = 0;
    EXPECT_FALSE(session::proposedStandardSize(ws).has_value());
}
