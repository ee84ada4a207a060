#include <gtest/gtest.h>

#include "analysis/indicator_means.h"
#include "analysis/indicator_releve.h"
#include "analysis/indicator_table.h"
#include "core/errors.h"
#include "core/scripted_interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

// One 59-byte record of an indicator table.
std::string record(const std::string& number, const std::string& name, const std::string& values) {
    return core::leftJustify(number, 5) + core::leftJustify(name, 40) + core::leftJustify(values, 12) + "\r\n";
}

// Three species with light values 7, 5 and x in relevé 1; species 4 is a
// group row, species 5 formally deleted, both with light 1.
core::Table indicatorTable() {
    core::Table t = zembu::testing::tableFromCovers({{10, 20}, {30, 0}, {40, 0}, {5, 5}, {5, 5}});
    const char* light[] = {" 7", " 5", " x", " 1", " 1"};
    for (int32_t s = 1; s <= 5; ++s) t.SpeciesIndicator[s] = {light[s - 1], "", "", "", "", ""};
    t.SpeciesInfo[4].name = "### Group";
    t.SpeciesCount = 4;
    return t;
}

}  // namespace

TEST(IndicatorTable, ReadsRecordsByBytePosition) {
    std::string bytes;
    for (int j = 1; j <= 10; ++j) bytes += record(std::to_string(j), "Species " + std::to_string(j), " 1 2 3 4 5 6");
    ASSERT_EQ(bytes.size(), 590u);
    const auto records = analysis::parseIndicatorTable(bytes);
    ASSERT_EQ(records.size(), 10u);
    EXPECT_EQ(records[9].number, 10);
    EXPECT_EQ(core::trim(records[9].name), "Species 10");
    EXPECT_EQ(records[9].values, (core::IndicatorValues{" 1", " 2", " 3", " 4", " 5", " 6"}));

    // A length that is no multiple of 59 drops the tail; garbled fields read as 0 or text.
    EXPECT_EQ(analysis::parseIndicatorTable(bytes + "12345").size(), 10u);
    EXPECT_EQ(analysis::parseIndicatorTable(bytes.substr(0, 100)).size(), 1u);
    const auto garbled = analysis::parseIndicatorTable(record("abc", "Name", "x ?? 7") + record("", "", ""));
    EXPECT_EQ(garbled[0].number, 0);
    EXPECT_EQ(garbled[0].values[0], "x ");
    EXPECT_EQ(analysis::indicatorNumber(garbled[0].values[0]), 0);
    EXPECT_TRUE(analysis::parseIndicatorTable("").empty());
    EXPECT_THROW(analysis::readIndicatorTable("/nonexistent/ellenberg.txt"), core::ZembuError);
}

TEST(IndicatorTable, AssignsByNumberAndByName) {
    core::Table t = zembu::testing::tableFromCovers({{5}, {5}, {5}});
    t.SpeciesInfo[1] = {101, "Abies alba", 1};
    t.SpeciesInfo[2] = {102, "(S) Betula pendula", 2};
    t.SpeciesInfo[3] = {103, "Carex sp.", 3};
    t.SpeciesIndicator[3] = {"9", "9", "9", "9", "9", "9"};
    const auto records = analysis::parseIndicatorTable(record("101", "Betula pendula", " 7 6 5 4 3 2") +
                                                       record("101", "Abies alba", " 1 1 1 1 1 1") +
                                                       record("102", "Abies alba", " 2 2 2 2 2 2"));
    EXPECT_EQ(analysis::assignIndicatorValuesByNumber(t, records), 2);
    EXPECT_EQ(t.SpeciesIndicator[1][0], " 7");  // the first record of the number
    EXPECT_EQ(t.SpeciesIndicator[2][5], " 2");
    EXPECT_EQ(t.SpeciesIndicator[3][0], "9");   // not found: unchanged

    EXPECT_EQ(analysis::assignIndicatorValuesByName(t, records), 2);
    EXPECT_EQ(t.SpeciesIndicator[1][0], " 1");
    EXPECT_EQ(t.SpeciesIndicator[2][0], " 7");  // "(S) " stripped before comparing
}

TEST(IndicatorMeans, PlainAndWeightedMeans) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = indicatorTable();
    ws.table.ReleveIndicatorMean[2][0] = 4321;
    ws.table.ReleveIndicatorMean[1][1] = 1111;
    core::ScriptedInteraction ui;
    analysis::Form17_Command2_Click(ws, ui, analysis::MeanMode::Plain, 1);
    EXPECT_EQ(ws.table.ReleveIndicatorMean[1][0], 6000);  // (7 + 5) / 2; x, ### and deleted not counted
    EXPECT_EQ(ws.table.ReleveIndicatorMean[1][1], 1111);  // no values: kept
    EXPECT_EQ(ws.table.ReleveIndicatorMean[2][0], 7000);
    EXPECT_EQ(ws.table.ReleveHead[1], "   6.0");
    EXPECT_EQ(ws.head, core::HeadKind::AnalysisValue);

    ws.table.SpeciesLayerLabel[1] = "  3";
    ws.table.SpeciesLayerLabel[2] = "  1";
    analysis::Form17_Command2_Click(ws, ui, analysis::MeanMode::Weighted, 1);
    EXPECT_EQ(ws.table.ReleveIndicatorMean[1][0], 6500);  // (21 + 5) / 4
    EXPECT_EQ(ws.table.ReleveHead[1], "   6.5");
    // Without weights relevé 2 keeps its mean.
    EXPECT_EQ(ws.table.ReleveIndicatorMean[2][0], 7000);
    EXPECT_EQ(ui.percentages().back(), 100);

    // A value of 0 does not count; without an axis for the head the heads stay.
    ws.table.SpeciesIndicator[2][0] = " 0";
    ws.table.SpeciesIndicator[3][0] = " 1";
    analysis::Form17_Command2_Click(ws, ui, analysis::MeanMode::Plain, std::nullopt);
    EXPECT_EQ(ws.table.ReleveIndicatorMean[1][0], 4000);  // (7 + 1) / 2
    EXPECT_EQ(ws.table.ReleveHead[1], "   6.5");
}

TEST(IndicatorMeans, AxisLabelsAndTheirMessage) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = indicatorTable();
    core::ScriptedInteraction ui;
    EXPECT_TRUE(analysis::indivalu_Click(ws, ui, 1));
    EXPECT_EQ(ws.table.SpeciesLayerLabel[1], "  7");
    EXPECT_EQ(ws.table.SpeciesLayerLabel[3], "  x");
    EXPECT_TRUE(ws.undo.available);
    ws.undo.available = false;
    ui.expectMessage(analysis::NoIndicatorValuesMessage, "Program Info");
    EXPECT_FALSE(analysis::indivalu_Click(ws, ui, 2));
    EXPECT_EQ(ws.table.SpeciesLayerLabel[1], "  7");  // not blanked by an axis without values
    EXPECT_FALSE(ws.undo.available);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(IndicatorMeans, ExportLines) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = indicatorTable();
    ws.table.SpeciesIndicator[2][3] = "10";
    ws.table.SeparatorAfter[1] = 1;
    const auto lines = analysis::ecologicalExportLines(ws, core::AllColours, false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "Releve No; No of all species; Shannon-Wiener Index;Light; No of species with nonzero value;"
              "Temperature; No of species with nonzero value;Continentality; No of species with nonzero value;"
              "Moisture; No of species with nonzero value;Soil Reaction; No of species with nonzero value;"
              "Nutrients; No of species with nonzero value");
    // Relevé 1: covers 10, 30, 40 of live species (### and deleted left out).
    EXPECT_EQ(lines[1], "1001;3;0.97;6.00;2;0;0;0;0;10.00;1;0;0;0;0");
    EXPECT_EQ(lines[2], "1002;1;0;7.00;1;0;0;0;0;0;0;0;0;0;0");

    const auto grouped = analysis::ecologicalExportLines(ws, core::AllColours, true);
    EXPECT_TRUE(grouped[0].starts_with("Group No; Releve No; No of all species; Light; No of species with nonzero "
                                       "value;Temperature; No of species with nonzero value;Continentality;"));
    EXPECT_EQ(grouped[2], "2;1002;1;7.00;1;0;0;0;0;0;0;0;0;0;0");

    // Only the relevés of the chosen colour.
    ws.table.ReleveColour[2] = {0x9999FF, 1};
    EXPECT_EQ(analysis::ecologicalExportLines(ws, 1, false).size(), 2u);
    EXPECT_EQ(analysis::ecologicalExportLines(ws, 1, false)[1].substr(0, 5), "1002;");

    ASSERT_TRUE(analysis::writeEcologicalExport(ws, dir / "ecol.txt", 0, false));
    EXPECT_EQ(zembu::testing::readFile(dir / "ecol.txt"), lines[0] + "\r\n" + lines[1] + "\r\n");
}

TEST(IndicatorTable, LineEndsLeftoverBytesAndALastRecordWithoutItsLineEnd) {
    std::string crlf, lf;
    for (int j = 1; j <= 10; ++j) {
        const std::string r = record(std::to_string(100 + j), "Species " + std::to_string(j), " 1 2 3 4 5 6");
        crlf += r;
        lf += r.substr(0, 57) + "\n";
    }
    const auto fromCrlf = analysis::readIndicatorContents(crlf);
    const auto fromLf = analysis::readIndicatorContents(lf);
    EXPECT_EQ(fromCrlf.recordLength, 59u);
    EXPECT_EQ(fromLf.recordLength, 58u);
    ASSERT_EQ(fromLf.records.size(), 10u);
    for (size_t j = 0; j < 10; ++j) {
        EXPECT_EQ(fromLf.records[j].number, fromCrlf.records[j].number);
        EXPECT_EQ(fromLf.records[j].name, fromCrlf.records[j].name);
        EXPECT_EQ(fromLf.records[j].values, fromCrlf.records[j].values);
    }

    // Bytes after the last whole record are left out, and said so.
    const auto leftover = analysis::readIndicatorContents(crlf + "12345");
    EXPECT_EQ(leftover.records.size(), 10u);
    EXPECT_EQ(leftover.leftoverBytes, 5u);
    EXPECT_EQ(analysis::leftoverBytesWarning("t.txt", leftover),
              "The last 5 bytes of t.txt (from byte 591 on) are not a whole record of the indicator table and "
              "were not read.");
    EXPECT_EQ(analysis::leftoverBytesWarning("t.txt", fromCrlf), "");
    EXPECT_EQ(analysis::readIndicatorContents(lf + "x").leftoverBytes, 1u);

    // A last record without its line end is whole.
    for (const std::string* bytes : {&crlf, &lf}) {
        const auto cut = analysis::readIndicatorContents(bytes->substr(0, bytes->size() - bytes->size() / 10 + 57));
        EXPECT_EQ(cut.records.size(), 10u);
        EXPECT_EQ(cut.leftoverBytes, 0u);
        EXPECT_EQ(cut.records[9].number, 110);
    }
    EXPECT_EQ(analysis::readIndicatorContents(crlf.substr(0, 57)).records.size(), 1u);
}

TEST(IndicatorTable, TheFileChoosersOfForm18) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zembu::testing::tableFromCovers({{5}, {5}});
    ws.table.SpeciesInfo[1] = {101, "Abies alba", 1};
    ws.table.SpeciesInfo[2] = {102, "Betula pendula", 2};
    // An LF table with a stray byte at its end: read, the byte warned of.
    const std::string lf = record("101", "Abies alba", " 7 6 5 4 3 2").substr(0, 57) + "\n" +
                           record("102", "Betula pendula", " 1 2 3 4 5 6").substr(0, 57) + "\n" + "\x1a";
    writeFile(dir / "ellenberg.txt", lf);
    writeFile(dir / "values.txt", lf.substr(0, 58));

    core::ScriptedInteraction ui;
    ui.expectOpenFile(analysis::IndicatorTableTitle, (dir / "ellenberg.txt").string());
    ui.expectMessage(analysis::leftoverBytesWarning(dir / "ellenberg.txt", analysis::readIndicatorTable(dir / "ellenberg.txt")),
                     "Program Info");
    EXPECT_EQ(analysis::chooseIndicatorTable(ws, ui, false), 2);
    EXPECT_EQ(ws.table.SpeciesIndicator[1][0], " 7");
    EXPECT_EQ(ws.table.SpeciesIndicator[2][5], " 6");
    EXPECT_EQ(ui.shown()[0].request.filter, analysis::IndicatorTableFilter);
    EXPECT_SCRIPT_DONE(ui);

    // The list needs no file while the current one's name holds "ellenb".
    ui.expectMessage(ui.shown()[1].text, "Program Info");
    auto records = analysis::Form18_Command4_Click(ws, ui);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), 2u);
    EXPECT_EQ(analysis::indicatorRecordText((*records)[1]), core::leftJustify("Betula pendula", 40) + "  1  2  3  4  5  6");
    ws.indicatorTableFile = (dir / "values.txt").string();
    ui.expectOpenFile(analysis::IndicatorTableTitle, std::nullopt);
    EXPECT_FALSE(analysis::Form18_Command4_Click(ws, ui));
    ui.expectOpenFile(analysis::IndicatorTableTitle, (dir / "missing.txt").string());
    ui.expectMessage("The file " + (dir / "missing.txt").string() + " cannot be read.", "Program Info");
    EXPECT_FALSE(analysis::Form18_Command4_Click(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(IndicatorTable, TheValuesOfTheCurrentSpecies) {
    core::Table t = zembu::testing::tableFromCovers({{5}, {5}});
    t.SpeciesCount = 1;  // row 2 formally deleted
    core::ScriptedInteraction ui;
    EXPECT_TRUE(analysis::setIndicatorValuesOfRow(t, ui, 1, {" 7", "x", "123", "", " ", "5 "}));
    EXPECT_EQ(*analysis::indicatorValuesOfRow(t, 1), (core::IndicatorValues{"7", "x", "12", "", "", "5"}));
    for (int32_t row : {0, 2}) {
        ui.expectMessage(analysis::SelectSpeciesMessage, "Program Info");
        EXPECT_FALSE(analysis::setIndicatorValuesOfRow(t, ui, row, {"1", "1", "1", "1", "1", "1"}));
        EXPECT_FALSE(analysis::indicatorValuesOfRow(t, row));
    }
    EXPECT_EQ(t.SpeciesIndicator[2][0], "");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(IndicatorMeans, OneReleveByLayerAndTheClickMode) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = indicatorTable();
    ws.table.SpeciesLayer[1] = 1;
    ws.table.SpeciesLayer[2] = 7;
    ws.table.SpeciesLayer[3] = 0;
    ws.table.SpeciesLayerLabel[1] = "  3";
    ws.table.SpeciesLayerLabel[2] = "  1";
    const auto plain = analysis::describeIndicatorReleve(ws, 1, analysis::MeanMode::Plain);
    EXPECT_EQ(plain.turbovegNumber, 1001);
    ASSERT_EQ(plain.groups.size(), 3u);  // the group row and the deleted row are left out
    EXPECT_EQ(plain.groups[0].title, "Tree layer E3");
    EXPECT_EQ(plain.groups[0].species[0].name, "Species 1");
    EXPECT_EQ(plain.groups[0].species[0].cover, 10);
    EXPECT_EQ(plain.groups[1].title, "Juveniles E1");
    EXPECT_EQ(plain.groups[2].title, "Without layer");
    EXPECT_EQ(plain.means[0], 6000);
    EXPECT_EQ(plain.counts[0], 2);
    EXPECT_FALSE(plain.means[1]);
    EXPECT_EQ(analysis::describeIndicatorReleve(ws, 1, analysis::MeanMode::Weighted).means[0], 6500);
    EXPECT_TRUE(analysis::describeIndicatorReleve(ws, 9, analysis::MeanMode::Plain).groups.empty());
    EXPECT_STREQ(analysis::indicatorLayerTitle(4), "Shrub layer E2");
    EXPECT_STREQ(analysis::indicatorLayerTitle(6), "Herb layer E1");
    EXPECT_STREQ(analysis::indicatorLayerTitle(9), "Moss layer E0");

    core::ScriptedInteraction ui;
    ui.expectMessage(analysis::SelectReleveForMeansMessage, "Program Info");
    analysis::ellenberg_Click(ws, ui);
    EXPECT_EQ(ws.clickMode, core::ClickMode::IndicatorMeans);
    EXPECT_SCRIPT_DONE(ui);
}
