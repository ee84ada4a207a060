// The spreadsheet import: header and species lines, the three cover modes,
// renumbering and refusals.

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/workspace.h"
#include "import/spreadsheet_import.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::import;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

const std::string kFile =
    "\r\n"
    "Species;Layer;11;12;13;\r\n"
    "Poa annua;6;2a;.;a\r\n"
    "Carex nigra;6; 2 ;r;\r\n"
    ";;;;\r\n"
    "Quercus robur;1;5;+;2b\r\n";

core::Table importWith(const std::string& content, int mode, bool layer, ScriptedInteraction& ui,
                       SpreadsheetSeparator separator = SpreadsheetSeparator::Semicolon) {
    const SpreadsheetLayout layout = analyseSpreadsheet(content, separator, layer, 30000, 5000);
    const std::vector<CoverCode> codes = krok3(layout.codes, mode, ui);
    return krok4(layout, separator, layer, codes, 30000, 5000, ui);
}

// Cover percentage of a cell, 0 when the species is absent.
int percentAt(const core::Table& t, int32_t rec, int32_t s) {
    const char c = t.coverInReleve(rec, s);
    return c ? core::coverPercent(c) : 0;
}

}  // namespace

TEST(SpreadsheetImport, FindsHeaderSpeciesAndCodes) {
    const SpreadsheetLayout layout = analyseSpreadsheet(kFile, SpreadsheetSeparator::Semicolon, true, 30000, 5000);
    ASSERT_EQ(layout.identifiers.size(), 3u);  // the empty field after the last is padding
    EXPECT_EQ(layout.identifiers[2], "13");
    EXPECT_EQ(layout.speciesLines.size(), 3u);  // the line of empty fields is blank
    EXPECT_EQ(layout.codes, (std::vector<std::string>{"2a", "a", "2", "r", "5", "+", "2b"}));
}

TEST(SpreadsheetImport, BraunBlanquetCodesWithLayers) {
    ScriptedInteraction ui;
    const core::Table t = importWith(kFile, BraunBlanquetCodes, true, ui);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_TRUE(core::checkInvariants(t).empty());
    ASSERT_EQ(t.ReleveCount, 3);
    ASSERT_EQ(t.SpeciesCount, 3);
    EXPECT_EQ(t.ReleveOrder[1], (core::ReleveOrderEntry{1, 11}));
    EXPECT_EQ(t.SpeciesInfo[1].name, "Poa annua");
    EXPECT_EQ(t.SpeciesLayer[3], 1);
    EXPECT_EQ(percentAt(t, 1, 1), 8);   // 2a
    EXPECT_EQ(percentAt(t, 3, 1), 8);   // a
    EXPECT_EQ(percentAt(t, 2, 1), 0);   // "." is absence
    EXPECT_EQ(percentAt(t, 1, 2), 13);  // 2 of the classic scale
    EXPECT_EQ(percentAt(t, 3, 2), 0);   // empty is absence
    EXPECT_EQ(percentAt(t, 3, 3), 18);
    EXPECT_EQ(t.SpeciesFrequency[1], 2);
}

TEST(SpreadsheetImport, CoverModesAndTheirMessages) {
    ScriptedInteraction ui;
    std::vector<CoverCode> codes = krok3({"100", "0", "38", "0.4"}, PercentCodes, ui.expectMessage(
        "The value 0 cannot be used as percentage value!!!", "Program Info"));
    EXPECT_EQ(codes[0].percent, 95);
    EXPECT_EQ(codes[0].listText, " - 95 %");
    EXPECT_FALSE(codes[1].valid());
    EXPECT_EQ(codes[1].listText, " - ???");
    EXPECT_EQ(codes[2].percent, 38);
    EXPECT_EQ(codes[3].percent, 1);
    ui.expectMessage("Some percentage value for used cover code was not filled correctly!", "Program Info");
    EXPECT_FALSE(coverCodesComplete(codes, ui));

    codes = krok3({"2a", "x"}, BraunBlanquetCodes,
                  ui.expectMessage("x cannot be used as Braun-Blanquet cover code!!!", "Program Info"));
    EXPECT_EQ(codes[0].listText, " -   8 % (2a)");
    EXPECT_FALSE(codes[1].valid());

    const std::string prompt = "The cover code 'x' will be converted by ZEMBU as percentage value:";
    ui.expectInput("The cover code 'a' will be converted by ZEMBU as percentage value:", "Cover value", "120");
    ui.expectMessage("The value was not accepted!", "Program Info");
    ui.expectInput(prompt, "Cover value", "0");
    codes = krok3({"a", "x"}, UserCodes, ui);
    EXPECT_FALSE(codes[0].valid());
    EXPECT_EQ(codes[1].percent, 0);  // accepted: no cell
    ui.expectInput("The cover code 'a' will be converted by ZEMBU as percentage value:", "Cover value", "100");
    EXPECT_TRUE(fusa(codes[0], ui));
    EXPECT_EQ(codes[0].percent, 95);
    EXPECT_TRUE(coverCodesComplete(codes, ui));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(SpreadsheetImport, TextIdentifiersAreRenumbered) {
    ScriptedInteraction ui;
    ui.expectMessage("The file contains relevé numbers as character codes. \r"
                     "The ZEMBU accepts only numbers (1-999999) and\r"
                     "all codes will be automatically renumbered.\r"
                     "In case you need to use different range of numbers,\r"
                     "change number manually in the source file.",
                     "ZEMBU");
    const core::Table t = importWith("Species,A1,A2\nPoa annua,5,10\n", PercentCodes, false, ui, SpreadsheetSeparator::Comma);
    EXPECT_EQ(t.ReleveOrder[1].turbovegNumber, 1);
    EXPECT_EQ(t.ReleveOrder[2].turbovegNumber, 2);
    EXPECT_EQ(percentAt(t, 2, 1), 10);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_FALSE(identifiersAreNumbers({"12", "1000000"}));
    EXPECT_FALSE(identifiersAreNumbers({"1.5"}));
    EXPECT_TRUE(identifiersAreNumbers({"1", "999999"}));
}

TEST(SpreadsheetImport, RefusalsLeaveTheLoadedTable) {
    EXPECT_THROW(analyseSpreadsheet("Species 1 2\nPoa 1 2\n", SpreadsheetSeparator::Semicolon, false, 30000, 5000),
                 core::ZembuError);
    EXPECT_THROW(analyseSpreadsheet("S;1;2;3\n", SpreadsheetSeparator::Semicolon, false, 2, 5000), core::ZembuError);

    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5}});
    zt::writeFile(dir / "t.txt", "Species 1 2\r\nPoa 1 2\r\n");
    SpreadsheetChoices choices;
    choices.file = dir / "t.txt";
    ScriptedInteraction ui;
    ui.expectMessage("Relevé identificators are not separated by ';', ',' or ' '. Import will terminate. Please "
                     "create correct comma delimited spreadsheet file.",
                     "Program Info");
    EXPECT_FALSE(importSpreadsheet(ws, choices, ui));
    EXPECT_EQ(ws.table.SpeciesInfo[1].name, "Species 1");

    // The space separator reads the same file.
    choices.separator = SpreadsheetSeparator::Space;
    choices.codes = {{"1", 1, ""}, {"2", 2, ""}};
    ASSERT_TRUE(importSpreadsheet(ws, choices, ui));
    EXPECT_EQ(ws.table.SpeciesInfo[1].name, "Poa");
    EXPECT_EQ(percentAt(ws.table, 2, 1), 2);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(SpreadsheetImport, LayerColumnWithOrWithoutALabelInTheFirstLine) {
    ScriptedInteraction ui;
    // The first line names the species column and the relevés only; the
    // species lines hold the layer all the same.
    const std::string unlabelled = "Species;11;12;13\r\nPoa annua;6;r;.;3\r\nQuercus robur;1;.;+;.\r\n";
    const std::string labelled = "Species;Layer;11;12;13\r\nPoa annua;6;r;.;3\r\nQuercus robur;1;.;+;.\r\n";
    for (const std::string& file : {unlabelled, labelled}) {
        const core::Table t = importWith(file, BraunBlanquetCodes, true, ui);
        ASSERT_EQ(t.ReleveCount, 3);
        EXPECT_EQ(t.ReleveOrder[1].turbovegNumber, 11);
        EXPECT_EQ(t.ReleveOrder[3].turbovegNumber, 13);
        EXPECT_EQ(percentAt(t, 3, 1), 38);  // the last relevé's cells are there
        EXPECT_EQ(percentAt(t, 2, 2), 2);
        EXPECT_EQ(t.SpeciesLayer[2], 1);
    }
    // Without the label and with the last relevé empty in every line, the
    // number of fields still tells.
    const core::Table t = importWith("Species;11;12;13\r\nPoa annua;6;r;.;\r\n", BraunBlanquetCodes, true, ui);
    ASSERT_EQ(t.ReleveCount, 3);
    EXPECT_EQ(t.ReleveOrder[1].turbovegNumber, 11);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(SpreadsheetImport, SurplusCoverFieldsAndRepeatedIdentifiersAreRefused) {
    const auto refusal = [](const std::string& content, bool layer) {
        try {
            analyseSpreadsheet(content, SpreadsheetSeparator::Semicolon, layer, 30000, 5000);
        } catch (const core::ZembuError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal("Species;1;2\r\nPoa;r;+\r\n\r\nCarex;r;+;1\r\n", false),
              "Line 4 holds more cover values than the 2 relevé identifiers of line 1. Import will terminate.");
    EXPECT_EQ(refusal("Species;1;2\r\nPoa;6;r;+;;\r\nCarex;6;r;+;1;5\r\n", true),
              "Line 3 holds more cover values than the 2 relevé identifiers of line 1. Import will terminate.");
    EXPECT_EQ(refusal("\r\nSpecies;7;8;07\r\nPoa;r;+;1\r\n", false),
              "The relevé identifier 07 occurs more than once in line 2. Import will terminate.");
    EXPECT_EQ(refusal("Species;A;B;A\r\nPoa;r;+;1\r\n", false),
              "The relevé identifier A occurs more than once in line 1. Import will terminate.");
    // Empty fields at the ends of lines are no values.
    EXPECT_EQ(refusal("Species;1;2;\r\nPoa;r;+;;\r\n", false), "accepted");
}

TEST(SpreadsheetImport, LayerFarOutsideTheIntegerRange) {
    ScriptedInteraction ui;
    const core::Table t = importWith("Species;Layer;1\r\nPoa;1e19;r\r\nCarex;-1e300;r\r\n", BraunBlanquetCodes, true, ui);
    EXPECT_EQ(t.SpeciesLayerLabel[1], "Wrong layer: 1e19");
    EXPECT_EQ(t.SpeciesLayerLabel[2], "Wrong layer: -1e300");
}
