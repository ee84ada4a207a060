#include <gtest/gtest.h>

#include <cmath>

#include "analysis/diversity_indices.h"
#include "analysis/heat_load.h"
#include "core/header_store.h"
#include "core/scripted_interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

// A table of as many relevés as records, with the header fields named.
void loadHeader(core::Workspace& ws, const std::string& structure, const std::vector<std::string>& records) {
    std::vector<std::vector<int>> covers(1, std::vector<int>(records.size(), 5));
    ws.table = zembu::testing::tableFromCovers(covers);
    writeFile(ws.headerStructureFile(), structure);
    std::string values;
    for (const std::string& r : records) values += r + "\r\n";
    writeFile(ws.headerValueFile(), values);
    core::inichlava(ws);
}

const char* const SiteStructure = "1 Releve_number\r\n7 LATITUDE\r\n15 SLOPE\r\n19 ASPECT\r\n";

}  // namespace

TEST(HeatLoad, LatitudeTexts) {
    const double expected = 49 + 12.0 / 60 + 30.0 / 3600;
    EXPECT_DOUBLE_EQ(*analysis::latitudeFromText("491230"), expected);
    EXPECT_DOUBLE_EQ(*analysis::latitudeFromText(" 0491230 "), expected);
    EXPECT_FALSE(analysis::latitudeFromText("4912"));
    EXPECT_FALSE(analysis::latitudeFromText(""));
    EXPECT_DOUBLE_EQ(*analysis::latitudeFromText("49xx30"), 49 + 30.0 / 3600);  // "xx" reads as 0
}

TEST(HeatLoad, FoldsAndModels) {
    EXPECT_EQ(analysis::foldedAspect(45, analysis::Model1, false), 45);
    EXPECT_EQ(analysis::foldedAspect(45, analysis::Model1, true), 0);
    EXPECT_EQ(analysis::foldedAspect(45, analysis::Model2, true), 0);
    EXPECT_EQ(analysis::foldedAspect(45, analysis::Model3, false), 135);
    EXPECT_EQ(analysis::foldedAspect(45, analysis::Model3, true), 180);

    const double r = 3.1415927 / 180, lat = 49 * r, slo = 20 * r;
    const analysis::Irradiation m1 = analysis::irrad(49, 20, 45, analysis::Model1);
    EXPECT_DOUBLE_EQ(m1.radiation, -1.467 + 1.582 * std::cos(lat) * std::cos(slo) -
                                       1.5 * std::cos(45 * r) * std::sin(slo) * std::sin(lat) -
                                       0.262 * std::sin(lat) * std::sin(slo) + 0.607 * std::sin(45 * r) * std::sin(slo));
    EXPECT_DOUBLE_EQ(m1.heatLoad, -1.467 + 1.582 * std::cos(lat) * std::cos(slo) -
                                      1.5 * std::sin(slo) * std::sin(lat) - 0.262 * std::sin(lat) * std::sin(slo));
    const analysis::Irradiation m2 = analysis::irrad(49, 20, 45, analysis::Model2);
    EXPECT_DOUBLE_EQ(m2.radiation, -1.236 + 1.35 * std::cos(lat) * std::cos(slo) -
                                       1.376 * std::cos(45 * r) * std::sin(slo) * std::sin(lat) -
                                       0.331 * std::sin(lat) * std::sin(slo) + 0.375 * std::sin(45 * r) * std::sin(slo));
    const analysis::Irradiation m3 = analysis::irrad(49, 20, 45, analysis::Model3);
    EXPECT_DOUBLE_EQ(m3.heatLoad, 0.339 + 0.808 * std::cos(lat) * std::cos(slo) -
                                      0.196 * std::sin(lat) * std::sin(slo) + 0.482 * std::cos(180 * r) * std::sin(slo));
}

TEST(HeatLoad, HeadsFromHeaderFields) {
    TempDir dir;
    core::Workspace ws(dir.path());
    loadHeader(ws, SiteStructure,
               {"  1001 491230  20  45 ",    // computed
                "  1002 0491230 20  45 ",    // seven digits: the same
                "  1003 4912    20  45 ",    // wrong length: message
                "  1004 491230      45 ",    // no slope
                "  1005 491230  -1  45 ",    // slope of -1 does not count
                "  1006 491230  20  x  "});  // aspect "x" reads as 0 and counts
    core::ScriptedInteraction ui;
    ui.expectMessage(analysis::LatitudeFormatMessage, "ZEMBU");
    analysis::Form49_Command1_Click(ws, ui, analysis::Model1, analysis::Radiation);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown()[0].icon, core::MessageIcon::Critical);
    const std::string expected =
        analysis::indexHeadText(analysis::irrad(49 + 12.0 / 60 + 30.0 / 3600, 20, 45, 0).radiation);
    EXPECT_EQ(ws.table.ReleveHead[1], expected);
    EXPECT_EQ(ws.table.ReleveHead[2], expected);
    EXPECT_EQ(ws.table.ReleveHead[3], "------");
    EXPECT_EQ(ws.table.ReleveHead[4], "------");
    EXPECT_EQ(ws.table.ReleveHead[5], "------");
    EXPECT_EQ(ws.table.ReleveHead[6],
              analysis::indexHeadText(analysis::irrad(49 + 12.0 / 60 + 30.0 / 3600, 20, 0, 0).radiation));
    EXPECT_EQ(ui.percentages().back(), 100);

    analysis::Form49_Command1_Click(ws, ui, analysis::Model3, analysis::HeatLoad);
    EXPECT_EQ(ws.table.ReleveHead[1],
              analysis::indexHeadText(analysis::irrad(49 + 12.0 / 60 + 30.0 / 3600, 20, 45, 2).heatLoad));
}

TEST(HeatLoad, TwoSlopeFieldsOrNoHeaderGiveDashes) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // "SLOPE_POS" contains SLOPE: every relevé has two slope fields.
    loadHeader(ws, "1 Releve_number\r\n7 LATITUDE\r\n15 SLOPE\r\n19 ASPECT\r\n23 SLOPE_POS\r\n",
               {"  1001 491230  20  45  3  ", "  1002 491230  20  45  1  "});
    core::ScriptedInteraction ui;
    analysis::Form49_Command1_Click(ws, ui, analysis::Model1, analysis::HeatLoad);
    EXPECT_EQ(ws.table.ReleveHead[1], "------");
    EXPECT_EQ(ws.table.ReleveHead[2], "------");

    core::Workspace bare(dir.path() / "bare");
    bare.table = zembu::testing::tableFromCovers({{5, 5}});
    analysis::Form49_Command1_Click(bare, ui, analysis::Model2, analysis::Radiation);
    EXPECT_EQ(bare.table.ReleveHead[1], "------");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(HeatLoad, TheCalculatorOfForm49) {
    const auto m1 = analysis::irradiationCalculator("491230", "20", "45", analysis::Model1);
    const analysis::Irradiation value = analysis::irrad(49 + 12.0 / 60 + 30.0 / 3600, 20, 45, analysis::Model1);
    EXPECT_EQ(m1.radiationLabel, "ln(RAD)");
    EXPECT_EQ(m1.heatLoadLabel, "ln(HEAT)");
    EXPECT_EQ(m1.radiation, core::formatNumber(value.radiation, "0.0000"));
    EXPECT_EQ(m1.heatLoad, core::formatNumber(value.heatLoad, "0.0000"));
    EXPECT_EQ(m1.radiation.size(), m1.radiation.find('.') + 5);
    EXPECT_EQ(m1.problem, "");

    const auto m3 = analysis::irradiationCalculator("491230", "20", "45", analysis::Model3);
    EXPECT_EQ(m3.radiationLabel, "RAD");
    EXPECT_EQ(m3.heatLoadLabel, "HEAT");
    EXPECT_NE(m3.radiation, m1.radiation);

    const auto wrong = analysis::irradiationCalculator("4912", "20", "45", analysis::Model2);
    EXPECT_EQ(wrong.radiationLabel, "ln(RAD)");
    EXPECT_EQ(wrong.radiation, "");
    EXPECT_EQ(wrong.problem, analysis::LatitudeFormatMessage);
}
