// The synoptic table written out: the RTF report lines and the CC! file.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/rtf_document.h"
#include "export/synoptic_cc.h"
#include "export/synoptic_rtf.h"
#include "import/cc_format.h"
#include "support/rtf_reader.h"
#include "support/test_support.h"
#include "synoptic/synoptic_table.h"

using namespace zembu;
using namespace zembu::exporting;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;
namespace setting = core::setting;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    for (std::string_view l : core::splitLines(text)) out.emplace_back(l);
    return out;
}

// Two groups of three relevés: species 1 in all of group 1 (covers 5, 10,
// 20), species 2 everywhere, species 3 in one relevé of group 2.
struct Synoptic {
    TempDir dir;
    core::Workspace ws{dir / "work"};
    Synoptic() {
        core::applySettingRules(ws.settings);
        ws.table = zt::tableFromCovers({{5, 10, 20, 0, 0, 0}, {1, 1, 1, 1, 1, 30}, {0, 0, 0, 0, 0, 40}});
        ws.table.SeparatorAfter[3] = 1;
        ws.settings.setValue(setting::FrequencyLimit, "50");
        ws.settings.setValue(setting::Frequency2Limit, "90");
    }
    synoptic::SynopticTable compute(int type) {
        return synoptic::computeSynopticTable(ws.table, synoptic::readSynopticSettings(ws), type);
    }
    std::vector<std::string> report(int type, SynopticRtfOptions options = {}) {
        return linesOf(synopticRtfReport(ws.table, compute(type), options));
    }
};

}  // namespace

TEST(SynopticRtf, ReportLines) {
    Synoptic s;
    const auto lines = s.report(synoptic::PercentageConstancy);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "{\\b\\fs14  \\par}");
    EXPECT_EQ(lines[1], "{\\b\\fs14  \\par}");
    EXPECT_EQ(lines[2], "{\\b\\fs14\\ul Percentage synoptic table \\par}");
    EXPECT_EQ(lines[3], "{\\b\\fs14  \\par}");
    // The name field is 20 wide here; group fields are six characters.
    EXPECT_EQ(lines[4], "{\\fs12\\f4 Group No.               " "     1     2 \\f11  \\par}");
    EXPECT_EQ(lines[5], "{\\fs12\\f4 No. of relev\\'e9s          " "     3     3 \\f11  \\par}");
    EXPECT_EQ(lines[6], "{\\b\\fs14  \\par}");
    EXPECT_EQ(lines[7], "{\\i\\fs12 Species 1            6  }{\\fs12    100}{\\fs12      .}{\\fs12 \\par}");
    EXPECT_EQ(lines[9], "{\\i\\fs12 Species 3            6  }{\\fs12      .}{\\fs12     33}{\\fs12 \\par}");
    EXPECT_EQ(lines[10], "{\\b\\fs14  \\par}");
    // Group sizes and cells line up: the species part is as wide as the head label.
    EXPECT_EQ(lines[4].find("     1"), std::string("{\\fs12\\f4 ").size() + 24);
}

TEST(SynopticRtf, FormattingCodesAndColours) {
    Synoptic s;
    s.ws.table.SpeciesColour[1] = {0xFF, 1};  // red
    // Bold without highlighting: "\b" only.
    auto lines = s.report(synoptic::PercentageConstancy, {false, false, true});
    EXPECT_NE(lines[7].find("{\\fs12\\b    100}"), std::string::npos) << lines[7];
    EXPECT_NE(lines[8].find("{\\fs12\\b    100}"), std::string::npos) << lines[8];
    EXPECT_EQ(lines[9].find("\\b"), std::string::npos);  // 33 % is below the first threshold
    // Highlighting: class 3 (at or above 90) and class 1 (50..89).
    s.ws.table = zt::tableFromCovers({{5, 10, 20, 0, 0, 0}, {1, 1, 0, 1, 1, 30}});
    s.ws.table.SeparatorAfter[3] = 1;
    s.ws.table.SpeciesColour[1] = {0xFF, 1};
    lines = s.report(synoptic::PercentageConstancy, {true, true, false});
    EXPECT_EQ(lines[7], "{\\i\\fs12\\cf6 Species 1            6  }{\\fs12\\cf6\\highlight15    100}{\\fs12\\cf6      .}"
                        "{\\fs12 \\par}");
    EXPECT_NE(lines[8].find("{\\fs12\\highlight16     67}"), std::string::npos) << lines[8];
    EXPECT_EQ(speciesColourCode(0), "");
    EXPECT_EQ(speciesColourCode(7), "\\cf5");
}

TEST(SynopticRtf, CombinedTableCarriesSuperscripts) {
    Synoptic s;
    s.ws.settings.setValue(setting::FidelityDisplayTypeCombined, "2");
    const auto lines = s.report(synoptic::CombinedTable);
    EXPECT_EQ(lines[2].substr(0, 55), "{\\b\\fs14\\ul Synoptic table with categorical constancy a");
    EXPECT_NE(lines[4].find("     1}{\\fs12\\f4\\super       }"), std::string::npos) << lines[4];
    EXPECT_NE(lines[7].find("{\\fs12      V}{\\fs12\\super 100.0 }{\\fs12      .}{\\fs12\\super   --- }"), std::string::npos) << lines[7];
}

TEST(SynopticRtf, ExportNeedsAnInitiatedDocument) {
    Synoptic s;
    s.ws.currentRtfFile = (s.dir / "export.rtf").string();
    const auto table = s.compute(synoptic::PercentageConstancy);
    // No document: the user is asked for one and cancels.
    ScriptedInteraction ui;
    ui.expectSaveFile("EXPORT", std::nullopt);
    ui.expectMessage("Export file was not initiated.", "Program Info");
    EXPECT_FALSE(exportSynopticRtf(s.ws, table, {}, ui));
    EXPECT_SCRIPT_DONE(ui);
    // A document is chosen: the table goes into it; a second export follows it.
    ScriptedInteraction chosen;
    chosen.expectSaveFile("EXPORT", (s.dir / "tables").string());
    ASSERT_TRUE(exportSynopticRtf(s.ws, table, {}, chosen));
    ASSERT_TRUE(exportSynopticRtf(s.ws, s.compute(synoptic::MaximumCover), {}, chosen));
    EXPECT_SCRIPT_DONE(chosen);
    EXPECT_EQ(s.ws.currentRtfFile, (s.dir / "tables.rtf").string());

    // A word processor's reader finds the titles, species and values in order.
    const std::string text = zt::rtfPlainText(s.ws.currentRtfFile);
    size_t at = 0;
    for (const char* expected : {"Percentage synoptic table", "Group No.", "No. of relev", "Species 1", "100",
                                 "Species 3", "33", "Maximum cover synoptic table", "Species 1", "20", "Species 2",
                                 "30"}) {
        const size_t found = text.find(expected, at);
        ASSERT_NE(found, std::string::npos) << expected << " after " << at << " in\n" << text;
        at = found;
    }
}

TEST(SynopticCc, FileLayoutAndValues) {
    Synoptic s;
    auto lines = linesOf(synopticCcText(s.ws.table, synoptic::readSynopticSettings(s.ws), FrequencyValues));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Zembu synoptic table" + std::string(50, ' ') + "T");
    EXPECT_EQ(lines[0].size(), 71u);
    EXPECT_EQ(lines[1], "(I5,5(I5,F8.1))");
    // Species 3 is absent from group 1 and not written there; 1 of 3 is 33.0.
    EXPECT_EQ(lines[2], "    1    1   100.0    2   100.0");
    EXPECT_EQ(lines[3], "    2    2   100.0    3    33.0");
    EXPECT_EQ(lines[4], "0000");
    EXPECT_EQ(lines[5], "SPEC1  6SPEC2  6SPEC3  6");
    EXPECT_EQ(lines[6], "       1       2");

    lines = linesOf(synopticCcText(s.ws.table, synoptic::readSynopticSettings(s.ws), MeanCoverValues));
    EXPECT_EQ(lines[2], "    1    1    12.0    2     1.0");  // (5 + 10 + 20) / 3 = 11.67
    EXPECT_EQ(lines[3], "    2    2    11.0    3    40.0");  // (1 + 1 + 30) / 3 = 10.67
}

TEST(SynopticCc, FiveAndSixSpeciesInAGroup) {
    for (const int species : {5, 6}) {
        std::vector<std::vector<int>> covers(static_cast<size_t>(species), std::vector<int>{10});
        const core::Table t = zt::tableFromCovers(covers);
        core::Settings settings;
        core::applySettingRules(settings);
        const auto lines = linesOf(synopticCcText(t, synoptic::readSynopticSettings(settings, false, 1), 0));
        const size_t end = static_cast<size_t>(std::find(lines.begin(), lines.end(), "0000") - lines.begin());
        EXPECT_EQ(end - 2, species == 5 ? 1u : 2u);
        if (species == 6) {
            EXPECT_EQ(lines[3], "    1    6   100.0");
        }
        // The CC! reader takes the data lines back.
        import::CcDataLine line;
        import::parseCcDataLine(lines[2], line);
        EXPECT_EQ(line.releve, 1);
        EXPECT_EQ(line.pairs.size(), 5u);
    }
}

TEST(SynopticCc, SaveDialogAndRefusedName) {
    Synoptic s;
    ScriptedInteraction ui;
    ui.expectSaveFile("CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE", (s.dir / "*.cc!").string());
    ui.expectMessage("Write some file name!", "ZEMBU");
    EXPECT_FALSE(syntabCC(s.ws, FrequencyValues, ui));
    ui.expectSaveFile("CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE", std::nullopt);
    EXPECT_FALSE(syntabCC(s.ws, FrequencyValues, ui));
    ui.expectSaveFile("CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE", (s.dir / "syn.cc!").string());
    EXPECT_TRUE(syntabCC(s.ws, MeanCoverValues, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown()[0].request.filter, "Cornell Condensed File|*.cc!|All files (*.*)|*.*");
    EXPECT_NE(zt::readFile(s.dir / "syn.cc!").find("   40.0"), std::string::npos);
}
