// The report "Analysis of synoptic table": its lines, its preview, and the
// report as a word processor reads it.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/constancy_report.h"
#include "export/rtf_document.h"
#include "support/rtf_reader.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::exporting;
namespace zt = zembu::testing;
namespace setting = core::setting;

namespace {

// Group 1: relevés 1-2, group 2: relevés 3-6.
struct Analysed {
    zt::TempDir dir;
    core::Workspace ws{dir / "work"};
    synoptic::ConstancyThresholds limits;
    Analysed() {
        core::applySettingRules(ws.settings);
        ws.settings.setValue(setting::FidelityType, "2");
        ws.settings.setValue(setting::PhiRecalculated, "0");
        ws.settings.setValue(setting::Fidelity2Limit, "90");
        ws.table = zt::tableFromCovers({{5, 5, 5, 5, 0, 0}, {10, 20, 0, 0, 0, 0}, {1, 1, 60, 60, 60, 70}});
        ws.table.SpeciesInfo[2].name = "Carex {pilosa}";
        ws.table.SeparatorAfter[2] = 1;
        limits.fidelityLimit = 40;
        limits.frequencyLimit = 60;
        limits.coverLimit = 50;
        limits.frequencyCoverLimit = 50;
    }
};

}  // namespace

TEST(ConstancyReport, LinesOfTheReport) {
    Analysed a;
    ConstancyReportOptions options = readConstancyReportOptions(a.ws);
    options.thresholds = a.limits;
    const auto columns = synoptic::analyseConstancyColumns(a.ws.table, synoptic::readSynopticSettings(a.ws), a.limits);
    std::vector<std::string> lines;
    const std::string report = constancyRtfReport(a.ws.table, columns, options);
    for (auto l : core::splitLines(report)) lines.emplace_back(l);
    ASSERT_EQ(lines.size(), 2u + 2 * 10);
    EXPECT_EQ(lines[0], "{\\b\\fs24  \\par}");
    EXPECT_EQ(lines[1], "{\\b\\fs24 Analysis of synoptic table \\par}");
    EXPECT_EQ(lines[2], "{\\b\\fs20 Cluster 1 \\par}");
    EXPECT_EQ(lines[3], "{\\b\\fs16 Number of relev\\'e9s: 2 \\par}");
    EXPECT_EQ(lines[4], "{\\b\\fs16 Threshold fidelity value for diagnostic species: 40 (phi coefficient) \\par}");
    EXPECT_EQ(lines[5], "{\\b\\fs16 Threshold frequency value for constant species: 60 \\par}");
    EXPECT_EQ(lines[6], "{\\b\\fs16 Threshold frequency value for dominant species with abundance up to 50: 50 \\par}");
    EXPECT_EQ(lines[7], "{\\b\\fs20  \\par}");
    // Phi 100 reaches the second limit (bold, first), phi 50 does not.
    EXPECT_EQ(lines[8], "{\\fs20 Diagnostic species: }{\\fs20\\i\\b Carex \\{pilosa\\}}{\\fs20  6 (100.0)}{\\fs20 ; }"
                        "{\\fs20\\i Species 1}{\\fs20  6 (50.0)}{\\fs20 \\par}");
    EXPECT_EQ(lines[10], "{\\fs20 Dominant species: }{\\fs20 -}{\\fs20 \\par}");
    EXPECT_EQ(lines[20], "{\\fs20 Dominant species: }{\\fs20\\i Species 3}{\\fs20  6 (100)}{\\fs20 \\par}");

    const auto preview = constancyPreview(a.ws.table, columns, options);
    ASSERT_GE(preview.size(), 4u);
    EXPECT_EQ(preview[0].text, "Cluster 1");
    EXPECT_TRUE(preview[0].heading);
    EXPECT_EQ(preview[1].text, "Diagnostic species");
    EXPECT_EQ(preview[2].text, "     100.0  Carex {pilosa}  6");
}

TEST(ConstancyReport, AppendedReportReadsInOrder) {
    Analysed a;
    a.ws.currentRtfFile = (a.dir / "analysis.rtf").string();
    core::ScriptedInteraction ui;
    ASSERT_TRUE(Command2_Click(a.ws, a.limits, ui));
    ASSERT_TRUE(Command2_Click(a.ws, a.limits, ui));
    EXPECT_SCRIPT_DONE(ui);
    const std::string text = zt::rtfPlainText(a.ws.currentRtfFile);
    size_t at = 0;
    for (const char* expected : {"Analysis of synoptic table", "Cluster 1", "Diagnostic species:", "Carex {pilosa}",
                                 "(100.0)", "Constant species:", "Cluster 2", "Dominant species:", "Species 3",
                                 "Analysis of synoptic table", "Cluster 2"}) {
        const size_t found = text.find(expected, at);
        ASSERT_NE(found, std::string::npos) << expected << " in\n" << text;
        at = found;
    }
}
