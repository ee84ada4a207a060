// The CC! export: layout, values, abbreviations, colours, and a round trip
// through the CC! import.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/text.h"
#include "core/workspace.h"
#include "classification/twinspan/condensed_data.h"
#include "export/cc_export.h"
#include "import/cc_analysis.h"
#include "import/cc_import.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::exporting;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    for (std::string_view l : core::splitLines(text)) out.emplace_back(l);
    return out;
}

}  // namespace

TEST(CcExport, FileLayoutAndValues) {
    // Relevé 1 holds seven species, relevé 2 five, relevé 3 one.
    core::Table t = zt::tableFromCovers({{38, 1, 0}, {2, 2, 0}, {3, 3, 0}, {4, 4, 0}, {5, 5, 0},
                                         {6, 0, 0}, {7, 0, 95}});
    const CcExport e = ccText(t, {});
    const auto lines = linesOf(e.text);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Temporary source file" + std::string(49, ' ') + "T");
    EXPECT_EQ(lines[0].size(), 71u);
    EXPECT_EQ(lines[1], "(I5,5(I5,F8.3))" + std::string(54, ' ') + "5");
    EXPECT_EQ(lines[2], "    1    1  38.000    2   2.000    3   3.000    4   4.000    5   5.000");
    EXPECT_EQ(lines[3], "    1    6   6.000    7   7.000");
    EXPECT_EQ(lines[4], "    2    1   1.000    2   2.000    3   3.000    4   4.000    5   5.000");
    EXPECT_EQ(lines[5], "    3    7  95.000");
    EXPECT_EQ(lines[6], "0000");
    EXPECT_EQ(lines[7], "Spec1  6Spec2  6Spec3  6Spec4  6Spec5  6Spec6  6Spec7  6");
    EXPECT_EQ(lines[8], "    1001    1002    1003");
    EXPECT_EQ(lines.size(), 9u);
    EXPECT_NE(e.text.find("\r\n"), std::string::npos);

    const auto valueOf = [&](double power) {
        core::Table one = zt::tableFromCovers({{38}});
        return linesOf(ccText(one, {0, power}).text)[2].substr(10);
    };
    EXPECT_EQ(valueOf(1), "  38.000");
    EXPECT_EQ(valueOf(0.5), "   6.164");
    EXPECT_EQ(valueOf(0), "   1.000");
    core::Table raw = zt::tableFromCovers({{38}});
    raw.ReleveData[1][3] = '\xA0';  // cover byte 160: no cover
    EXPECT_EQ(linesOf(ccText(raw, {0, 0.5}).text)[2].substr(10), "   9.950");
}

TEST(CcExport, ColoursDeletedAndHashedSpecies) {
    core::Table t = zt::tableFromCovers({{5, 0, 5}, {0, 5, 0}, {5, 0, 0}, {5, 0, 0}});
    t.ReleveColour[2].number = 3;        // species 2 occurs only in this one
    t.SpeciesInfo[3].name = "#hidden";   // never exported
    t.SpeciesCount = 3;                  // row 4 is formally deleted
    const CcExport e = ccText(t, {0, 1});
    EXPECT_EQ(e.releves, 2);
    EXPECT_EQ(e.species, 1);
    const auto lines = linesOf(e.text);
    EXPECT_EQ(lines[2], "    1    1   5.000");
    EXPECT_EQ(lines[3], "    2    1   5.000");
    EXPECT_EQ(lines[5], "Spec1  6");
    EXPECT_EQ(lines[6], "    1001    1003");
    EXPECT_EQ(ccText(t, {core::AllColours, 1}).releves, 3);
}

TEST(CcExport, Abbreviations) {
    EXPECT_EQ(ccAbbreviation("Poa annua", 6), "Poa ann6");
    EXPECT_EQ(ccAbbreviation("Carex", 1), "CareCar1");
    EXPECT_EQ(ccAbbreviation("  Quercus robur L. ", 1), "Querrob1");
    EXPECT_EQ(ccAbbreviation("(S) Poa annua", 0), "S/Poann0");
    // Short names keep the layer digit in the eighth place.
    EXPECT_EQ(ccAbbreviation("Poa", 3), "PoaPoa 3");
    EXPECT_EQ(proposedCcName("/data/meadow.vod"), "meadow.cc!");
}

TEST(CcExport, TransformationNumberMustLieBetweenZeroAndOne) {
    ScriptedInteraction ui;
    EXPECT_EQ(checkTransformation("0.5", ui), 0.5);
    EXPECT_EQ(checkTransformation("1.0", ui), 1.0);
    ui.expectMessage("Use a correct transformation number!", "Program Info");
    EXPECT_FALSE(checkTransformation("1.5", ui));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CcExport, LargeIndexesWidenTheirColumns) {
    // One relevé with 10001 species.
    core::Table t;
    t.setCapacities(30000, 15000);
    t.ReleveCount = t.ReleveRecordCount = 1;
    t.ReleveOrder[1] = {1, 1};
    t.SpeciesCount = t.SpeciesRecordCount = 10001;
    for (int32_t i = 1; i <= 10001; ++i) {
        t.SpeciesInfo[i] = {i, "Species", i};
        t.SpeciesRowOfRecord[i] = i;
        core::appendCell(t.ReleveData[1], i, core::coverByte(3));
    }
    const auto lines = linesOf(ccText(t, {}).text);
    EXPECT_EQ(lines[1].substr(0, 16), "(I5,5(I6,F8.3)) ");
    // Five-digit species indexes stay apart from what stands before them.
    EXPECT_EQ(lines[2001], "    1  9996   3.000  9997   3.000  9998   3.000  9999   3.000 10000   3.000");
    EXPECT_EQ(lines[2002], "    1 10001   3.000");
}

TEST(CcExport, ExportAndImportGiveTheSameTable) {
    TempDir dir;
    core::Table t = zt::tableFromCovers({{95, 0, 1, 38}, {2, 3, 0, 0}, {0, 0, 0, 50}, {17, 18, 19, 0}});
    const char* names[] = {"Poa annua", "Carex nigra", "Quercus robur", "Fagus sylvatica"};
    const int16_t layers[] = {6, 6, 1, 2};
    for (int i = 1; i <= 4; ++i) {
        t.SpeciesInfo[i].name = names[i - 1];
        t.SpeciesLayer[i] = layers[i - 1];
    }
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);  // columns in another order than records
    writeCcFile(t, {0, 1}, dir / "t.cc!");

    ScriptedInteraction ui;
    import::CcOptions options;
    const auto analysis = import::test_tabulky(dir / "t.cc!", options, 30000, 5000, ui);
    ASSERT_TRUE(analysis);
    const core::Table back = import::imp_tab(dir / "t.cc!", options, analysis->values, 30000, 5000, ui);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(core::checkInvariants(back).empty());

    // (relevé number, abbreviation, layer) -> cover, for both tables.
    using Key = std::tuple<int32_t, std::string, int>;
    const auto cells = [](const core::Table& x, bool abbreviate) {
        std::map<Key, int> out;
        for (int32_t k = 1; k <= x.ReleveCount; ++k) {
            const std::string& data = x.ReleveData[x.ReleveOrder[k].record];
            for (int c = 0; c < core::cellCount(data); ++c) {
                const int32_t row = x.SpeciesRowOfRecord[core::cellRecord(data, c)];
                const std::string name = abbreviate ? ccAbbreviation(x.SpeciesInfo[row].name, x.SpeciesLayer[row])
                                                          .substr(0, 7)
                                                    : x.SpeciesInfo[row].name;
                out[{x.ReleveOrder[k].turbovegNumber, name, x.SpeciesLayer[row]}] =
                    core::coverPercent(core::cellCoverByte(data, c));
            }
        }
        return out;
    };
    EXPECT_EQ(cells(t, true), cells(back, false));
    ASSERT_EQ(back.ReleveCount, 4);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(back.ReleveOrder[k].turbovegNumber, t.ReleveOrder[k].turbovegNumber);
    EXPECT_EQ(back.SpeciesCount, 4);
}

TEST(CcExport, CommandsWriteTheFileAndTheLabels) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5, 0}, {0, 0}});
    ws.currentTableFile = (dir / "meadow.vod").string();
    ScriptedInteraction ui;
    ui.expectSaveFile("SAVE CORNELL CONDENSED FILE", (dir / "out.cc!").string());
    ASSERT_TRUE(ccfilexp(ws, {0, 1}, true, ui));
    EXPECT_EQ(ui.shown().back().request.proposedName, "meadow.cc!");
    EXPECT_EQ(ws.table.SpeciesLayerLabel[1], "Spec1  6");
    EXPECT_EQ(ws.table.SpeciesLayerLabel[2], "   ");
    EXPECT_NE(zt::readFile(dir / "out.cc!").find("0000\r\n"), std::string::npos);

    ui.expectSaveFile("SAVE CORNELL CONDENSED FILE", std::nullopt);
    EXPECT_FALSE(ccfilexp(ws, {0, 1}, false, ui));
    EXPECT_SCRIPT_DONE(ui);

    EXPECT_EQ(cc_exp(ws.table, dir.path(), 0, 1), dir / "temp.cc!");
    EXPECT_EQ(zt::readFile(dir / "temp.cc!"), zt::readFile(dir / "out.cc!"));
}

TEST(CcExport, TheClassificationReadsTheExportAsWritten) {
    // One relevé of 10001 species: the widened species column must still be
    // read by a reader that follows the format line.
    core::Table t;
    t.setCapacities(30000, 15000);
    t.ReleveCount = t.ReleveRecordCount = 2;
    t.ReleveOrder[1] = {1, 11};
    t.ReleveOrder[2] = {2, 12};
    t.SpeciesCount = t.SpeciesRecordCount = 10001;
    for (int32_t i = 1; i <= 10001; ++i) {
        t.SpeciesInfo[i] = {i, "Species", i};
        t.SpeciesRowOfRecord[i] = i;
        core::appendCell(t.ReleveData[1], i, core::coverByte(i % 95 + 1));
    }
    core::appendCell(t.ReleveData[2], 3, core::coverByte(38));
    const core::Table small = zt::tableFromCovers({{5, 0}, {38, 2}});
    const auto standard = classification::twinspan::parseCondensedData(ccText(small, {}).text, "small.cc!");
    ASSERT_EQ(standard.sampleCount(), 2);
    EXPECT_EQ(standard.samples[0][1].value, 38.0);
    EXPECT_EQ(standard.sampleNames[1], "    1002");

    const auto data = classification::twinspan::parseCondensedData(ccText(t, {}).text, "wide.cc!");
    ASSERT_EQ(data.sampleCount(), 2);
    ASSERT_EQ(data.samples[0].size(), 10001u);
    EXPECT_EQ(data.samples[0][10000].species, 10001);
    EXPECT_EQ(data.samples[0][10000].value, static_cast<double>(10001 % 95 + 1));
    EXPECT_EQ(data.samples[1][0].species, 3);
    EXPECT_EQ(data.speciesCount, 10001);
}

TEST(CcExport, RelevesWhoseNumbersTheListCannotHoldAreRefused) {
    TempDir dir;
    core::Table t = zt::tableFromCovers({{5, 38}});
    t.ReleveOrder[1].turbovegNumber = 12345678;   // eight digits fit
    t.ReleveOrder[2].turbovegNumber = 123456789;  // nine do not
    try {
        writeCcFile(t, {core::AllColours, 1}, dir / "t.cc!");
        FAIL() << "written";
    } catch (const core::ZembuError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The relevé 123456789 (column 2) has a number longer than the 8 characters a CC! file holds "
                  "for it. The file was not written.");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "t.cc!"));

    t.ReleveOrder[2].turbovegNumber = -9999999;
    writeCcFile(t, {core::AllColours, 1}, dir / "t.cc!");
    ScriptedInteraction ui;
    import::CcOptions options;
    const auto analysis = import::test_tabulky(dir / "t.cc!", options, 30000, 5000, ui);
    ASSERT_TRUE(analysis);
    const core::Table back = import::imp_tab(dir / "t.cc!", options, analysis->values, 30000, 5000, ui);
    EXPECT_EQ(back.ReleveOrder[1].turbovegNumber, 12345678);
    EXPECT_EQ(back.ReleveOrder[2].turbovegNumber, -9999999);
}

TEST(CcExport, TheProposedNameIsNeverABareExtension) {
    EXPECT_EQ(proposedCcName(""), "zembu_table.cc!");
    EXPECT_EQ(proposedCcName("/data/"), "zembu_table.cc!");
    EXPECT_EQ(proposedCcName("/data/survey"), "survey.cc!");
    EXPECT_EQ(proposedCcName("/data/survey.table.vod"), "survey.table.cc!");
}
