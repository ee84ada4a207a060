// Diagnostic, constant and dominant species of constancy columns, the
// numbers that rate a column, their summary files, and the column averages.

#include <gtest/gtest.h>

#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/column_averages.h"
#include "synoptic/constancy_columns.h"

using namespace zembu;
using namespace zembu::synoptic;
namespace zt = zembu::testing;

namespace {

SynopticSettings phiIndex() {
    SynopticSettings s;
    s.fidelity.measure = PhiCoefficient;
    s.fidelity.kind = FidelityIndex;
    return s;
}

// Group 1: relevés 1-2, group 2: relevés 3-6. Species 1 is in both relevés
// of group 1 and two of group 2 (phi 50.0 to group 1); species 2 only in
// group 1 (phi 100); species 3 in every relevé, covers 60 in group 2.
core::Table twoGroups() {
    core::Table t = zt::tableFromCovers({{5, 5, 5, 5, 0, 0}, {10, 20, 0, 0, 0, 0}, {1, 1, 60, 60, 60, 70}});
    t.SeparatorAfter[2] = 1;
    return t;
}

std::vector<int32_t> rows(const std::vector<ListedSpecies>& list) {
    std::vector<int32_t> out;
    for (const auto& e : list) out.push_back(e.row);
    return out;
}

}  // namespace

TEST(ConstancyColumns, DiagnosticSpeciesAboveTheFidelityLimit) {
    const core::Table t = twoGroups();
    ConstancyThresholds limits;
    limits.fidelityLimit = 50;
    limits.frequencyLimit = 1000;  // no constant species
    limits.coverLimit = 1000;      // no dominant species
    ColumnAnalysis a = func_refresh(t, phiIndex(), limits, 1);
    // Phi 50.0 is not above 50; phi 100 is, listed highest first.
    EXPECT_EQ(rows(a.diagnostic), (std::vector<int32_t>{2}));
    limits.fidelityLimit = 49.9;
    a = func_refresh(t, phiIndex(), limits, 1);
    EXPECT_EQ(rows(a.diagnostic), (std::vector<int32_t>{2, 1}));
    EXPECT_NEAR(a.diagnostic[1].value, 50.0, 1e-9);
    EXPECT_EQ(listEntryText(t, a.diagnostic[0], true, false), " 100.0  Species 2  6");
    EXPECT_EQ(listEntryText(t, a.diagnostic[0], true, true), "Species 2 [100.0]  6");
    // Quality index = (1 + sum of the diagnostic fidelities) / species per relevé.
    EXPECT_DOUBLE_EQ(a.averageSpecies, 3.0);
    ASSERT_TRUE(a.qualityIndex);
    EXPECT_NEAR(*a.qualityIndex, (1 + 150.0) / 3, 1e-9);
    EXPECT_EQ(summaryNumber(a.qualityIndex), "50.33");
    EXPECT_TRUE(func_refresh(t, phiIndex(), limits, 3).diagnostic.empty());
}

TEST(ConstancyColumns, ConstantSpeciesAboveTheFrequencyLimit) {
    // One group of 100 relevés: species 1 in 60 of them, species 2 in 61.
    std::vector<int> sixty(100, 0), sixtyOne(100, 0);
    for (int k = 0; k < 60; ++k) sixty[static_cast<size_t>(k)] = 5;
    for (int k = 0; k < 61; ++k) sixtyOne[static_cast<size_t>(k)] = 5;
    const core::Table t = zt::tableFromCovers({sixty, sixtyOne});
    ConstancyThresholds limits;
    limits.frequencyLimit = 60;
    limits.coverLimit = 1000;
    const ColumnAnalysis a = func_refresh(t, phiIndex(), limits, 1);
    EXPECT_EQ(rows(a.constant), (std::vector<int32_t>{2}));
    EXPECT_EQ(listEntryText(t, a.constant[0], false, false), "    61  Species 2  6");
    // One group only: no fidelity, so no positive fidelity either.
    EXPECT_EQ(summaryNumber(a.averagePositiveFidelity), "Empty");
}

TEST(ConstancyColumns, RolesAndTheCombinedList) {
    const core::Table t = twoGroups();
    ConstancyThresholds limits;
    limits.fidelityLimit = 49.9;
    limits.frequencyLimit = 60;
    limits.coverLimit = 50;           // covers strictly above 50
    limits.frequencyCoverLimit = 100;  // in every relevé of the group
    // Diagnostic species leave the constant list unless they are included.
    ColumnAnalysis a = func_refresh(t, phiIndex(), limits, 1);
    EXPECT_EQ(rows(a.constant), (std::vector<int32_t>{3}));
    limits.includeDiagnostic = true;
    a = func_refresh(t, phiIndex(), limits, 1);
    EXPECT_EQ(rows(a.constant), (std::vector<int32_t>{1, 2, 3}));
    ASSERT_EQ(a.combined.size(), 3u);
    EXPECT_EQ(combinedEntryText(t, a.combined[0]), "Species 1  6 (Dg, C)");
    EXPECT_EQ(combinedEntryText(t, a.combined[2]), "Species 3  6 (C)");

    // Group 2: species 3 covers above 50 in all four relevés.
    a = func_refresh(t, phiIndex(), limits, 2);
    EXPECT_EQ(rows(a.dominant), (std::vector<int32_t>{3}));
    EXPECT_EQ(a.dominant[0].value, 100);
    limits.coverLimit = 60;  // 60 is not above 60: one relevé of four left
    limits.frequencyCoverLimit = 25;
    a = func_refresh(t, phiIndex(), limits, 2);
    EXPECT_EQ(rows(a.dominant), (std::vector<int32_t>{3}));
    EXPECT_EQ(a.dominant[0].value, 25);
    limits.frequencyCoverLimit = 25.1;
    EXPECT_TRUE(func_refresh(t, phiIndex(), limits, 2).dominant.empty());

    for (int roles = 0; roles < 8; ++roles) EXPECT_EQ(roleMark(roles).empty(), roles == 0);
    EXPECT_EQ(roleMark(Diagnostic | Dominant), " (Dg, Dm)");
    EXPECT_EQ(roleMark(Diagnostic | Constant | Dominant), " (Dg, C, Dm)");
}

TEST(ConstancyColumns, NumbersOfAColumn) {
    // Group 2 holds no species at all.
    core::Table t = zt::tableFromCovers({{5, 5, 0, 0}, {5, 0, 0, 0}});
    t.SeparatorAfter[2] = 1;
    const auto columns = analyseConstancyColumns(t, phiIndex(), ConstancyThresholds{});
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1].releves, 2);
    EXPECT_EQ(columns[1].averageSpecies, 0);
    EXPECT_EQ(summaryNumber(columns[1].qualityIndex), "Empty");
    EXPECT_EQ(summaryNumber(columns[1].averagePositiveFidelity), "Empty");
    // Group 1: both species more frequent there than the group is in the table.
    EXPECT_EQ(summaryNumber(columns[0].averageSpecies), "1.50");
    ASSERT_TRUE(columns[0].averagePositiveFidelity);
    EXPECT_EQ(columns[0].positiveFidelityRows, (std::vector<int32_t>{1, 2}));
}

TEST(ConstancyColumns, ColoursAndSummaryFiles) {
    zt::TempDir dir;
    core::Workspace ws(dir / "work");
    ws.table = twoGroups();
    ConstancyThresholds limits;
    limits.fidelityLimit = 49.9;
    limits.frequencyLimit = 60;
    limits.includeDiagnostic = true;
    limits.coverLimit = 1000;
    const ColumnAnalysis a = func_refresh(ws.table, phiIndex(), limits, 1);
    barvickysyn(ws, a);
    EXPECT_EQ(ws.table.SpeciesColour[1].number, Diagnostic | Constant);  // sea-green
    EXPECT_EQ(ws.table.SpeciesColour[3].number, Constant);               // blue
    EXPECT_EQ(ws.table.SpeciesColour[3].value, ws.palette[2].drawing);

    core::ScriptedInteraction ui;
    ui.expectQuestion("Mám přidávat?", "ZEMBU", core::Answer::No);
    ui.expectQuestion("Třídy (nebo svazy)?", "ZEMBU", core::Answer::Yes);
    ui.expectMessage("The summary of column 1 was written to the files tmp1.tmp to tmp8.tmp in " +
                         ws.sessionDirectory().string() + ".",
                     "Program Info");
    ASSERT_TRUE(Command4_Click(ws, a, ui));
    ui.expectQuestion("Mám přidávat?", "ZEMBU", core::Answer::Yes);
    ui.expectQuestion("Třídy (nebo svazy)?", "ZEMBU", core::Answer::No);
    ui.expectMessage("The summary of column 1 was written to the files tmp1.tmp to tmp8.tmp in " +
                         ws.sessionDirectory().string() + ".",
                     "Program Info");
    ASSERT_TRUE(Command4_Click(ws, a, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(zt::readFile(ws.workFile("tmp7.tmp")),
              "Synopt. column; Diagnostic species; Constant species; Dominant species; No. of relev\xE9s; "
              "Average species No.; Average positive fidelity; Quality index\r\n"
              "Class 1; 2; 3; 0; 2; 3.00; 75.00; 50.33\r\n"
              "Association 1; 2; 3; 0; 2; 3.00; 75.00; 50.33\r\n");
    EXPECT_EQ(zt::readFile(ws.workFile("tmp1.tmp")),
              "Class 1: Species 2 6 (100.0); Species 1 6 (50.0)\r\n"
              "Association 1: Species 2 6 (100.0); Species 1 6 (50.0)\r\n");
    EXPECT_EQ(zt::readFile(ws.workFile("tmp5.tmp")).substr(0, 30), "Class 1: Species 1  6 (Dg, C);");
}

TEST(ColumnAverages, GroupMeansAndSummary) {
    const core::Table t = twoGroups();
    const ColumnAverages r = columnAverages(t, phiIndex(), RelativeFrequencyValues, 49.9);
    ASSERT_EQ(r.groupAverage.size(), 2u);
    EXPECT_DOUBLE_EQ(*r.groupAverage[0], 100);        // three species, each in both relevés
    EXPECT_DOUBLE_EQ(*r.groupAverage[1], 75);         // 50 % and 100 %
    EXPECT_DOUBLE_EQ(*r.total, (300 + 150) / 5.0);
    EXPECT_DOUBLE_EQ(*r.minimum, 75);
    EXPECT_DOUBLE_EQ(*r.diagnosticAverage, 100);      // species 1 and 2 in group 1
    EXPECT_NEAR(*r.standardDeviation, 17.678, 1e-3);
    EXPECT_EQ(r.lines[0], "Average of Relative Frequency Values ");
    EXPECT_EQ(r.lines[1], "Group 1: 100.00");
    EXPECT_EQ(r.lines[3], std::string(52, '-'));
    EXPECT_EQ(r.lines[4], "Total  (+):    90.00");
    EXPECT_EQ(r.lines[8], "StDev:         17.678");
    EXPECT_NE(r.clipboardText.find("Group 2\t75.00\n"), std::string::npos);
    // Maximum cover: species 3 shows 70 in group 2.
    const ColumnAverages cover = columnAverages(t, phiIndex(), MaximumCoverValues, 49.9);
    EXPECT_DOUBLE_EQ(*cover.groupAverage[1], (5 + 70) / 2.0);
}
