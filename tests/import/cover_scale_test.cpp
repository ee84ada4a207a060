// Cover percentages, the scale dialog, the export code list, the character
// cover definitions and "&Transformation".

#include <gtest/gtest.h>

#include "core/index_code.h"
#include "core/workspace.h"
#include "import/code_list.h"
#include "import/cover_definitions.h"
#include "import/cover_scale.h"
#include "import/user_scale.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::import;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

TEST(CoverScale, OrdinalValuesAndBraunBlanquetCodes) {
    const int expected[] = {1, 2, 3, 4, 8, 18, 38, 63, 88};
    for (int v = 1; v <= 9; ++v) EXPECT_EQ(ordinalPercent(v), expected[v - 1]) << v;
    EXPECT_EQ(static_cast<unsigned char>(core::coverByte(ordinalPercent(6))), 178);
    EXPECT_EQ(static_cast<unsigned char>(core::coverByte(ordinalPercent(7))), 198);
    // Outside 1..9: the nearest end of the scale, never a cover out of range.
    EXPECT_EQ(ordinalPercent(0), 1);
    EXPECT_EQ(ordinalPercent(-3), 1);
    EXPECT_EQ(ordinalPercent(12), 88);
    EXPECT_EQ(ordinalPercent(6.4), 18);

    EXPECT_EQ(findBraunBlanquetCode("2a")->percent, 8);
    EXPECT_EQ(findBraunBlanquetCode("a")->percent, 8);
    EXPECT_EQ(findBraunBlanquetCode("2")->percent, 13);
    EXPECT_STREQ(findBraunBlanquetCode("b")->listText, " -  18 % (2b)");
    EXPECT_EQ(findBraunBlanquetCode("2c"), nullptr);
    EXPECT_EQ(findBraunBlanquetCode(""), nullptr);
}

TEST(UserScale, PresetsFillTheBoxesByCoverClass) {
    ScaleBoxes boxes;
    EXPECT_FALSE(fillScalePreset(boxes, NoPreset));
    EXPECT_TRUE(boxes[0].empty());

    ASSERT_TRUE(fillScalePreset(boxes, ExtendedBraunBlanquetPreset));
    EXPECT_EQ(boxes[4 - 1], "m");
    EXPECT_EQ(boxes[10 - 1], "a");
    EXPECT_EQ(boxes[20 - 1], "b");
    EXPECT_EQ(boxes[30 - 1], "3");

    ASSERT_TRUE(fillScalePreset(boxes, BraunBlanquetPreset));
    EXPECT_EQ(boxes[4 - 1], "2");
    EXPECT_EQ(boxes[25 - 1], "2");
    EXPECT_EQ(boxes[26 - 1], "3");
    EXPECT_EQ(boxes[95 - 1], "5");

    EXPECT_EQ(scaleBoxLabel(1), "1 %");
    EXPECT_EQ(scaleBoxLabel(95), ">94 %");
}

TEST(UserScale, ConfirmStoresTheScaleAndRebuildsTheDisplayTable) {
    TempDir home;
    core::Workspace ws(home.path());
    ScriptedInteraction ui;
    ScaleBoxes boxes;
    fillScalePreset(boxes, OrdinalPreset);
    boxes[94 - 1] = " Y ";
    boxes[95 - 1] = "Z";
    ASSERT_TRUE(confirmUserScale(ws, boxes, ui));
    const std::string& scale = ws.settings.value(core::setting::UserDefinedScale);
    ASSERT_EQ(scale.size(), 95u);
    EXPECT_EQ(ws.display.displayTable[160 + 94], 'Y');
    EXPECT_EQ(ws.display.displayTable[160 + 95], 'Z');
    EXPECT_EQ(ws.display.displayTable[160 + 1], '1');
    EXPECT_EQ(ws.display.displayTable[130], 'o');
    EXPECT_EQ(ws.display.displayTable[141], '*');
    EXPECT_EQ(ws.display.displayTable['r'], 'r');
    EXPECT_EQ(scaleBoxesFromSetting(ws.settings)[93], "Y");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(UserScale, ABoxWithTwoCharactersOrAnEmptyBoxStoresNothing) {
    TempDir home;
    core::Workspace ws(home.path());
    ScaleBoxes boxes;
    fillScalePreset(boxes, PresencePreset);
    boxes[10] = "ab";
    ScriptedInteraction ui;
    ui.expectMessage("Please use only one character for each cover value.", "ZEMBU");
    EXPECT_FALSE(confirmUserScale(ws, boxes, ui));
    EXPECT_TRUE(ws.settings.value(core::setting::UserDefinedScale).empty());
    EXPECT_SCRIPT_DONE(ui);

    // An empty box would store a scale of 94 characters and switch to it:
    // after a restart the table would show raw cover bytes.
    boxes[10] = " ";
    const int fontBefore = ws.display.displayFont;
    ui.expectMessage("Please give a character for every cover value: the box 11 % is empty.", "ZEMBU");
    EXPECT_FALSE(confirmUserScale(ws, boxes, ui));
    EXPECT_TRUE(ws.settings.value(core::setting::UserDefinedScale).empty());
    EXPECT_EQ(ws.display.displayFont, fontBefore);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CodeList, FileHoldsExactlyOneHundredBytes) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    std::string codes(95, '.');
    codes[0] = 'r';
    codes[94] = '5';
    ws.settings.setValue(core::setting::ExportRtfCodes, codes);

    ScriptedInteraction ui;
    ui.expectSaveFile("CODE LIST EXPORT", (dir / "main.cod").string());
    ASSERT_TRUE(exportCodeListFile(ws, ui));
    const std::string written = zt::readFile(dir / "main.cod");
    ASSERT_EQ(written.size(), 100u);
    EXPECT_EQ(written.substr(0, 95), codes);
    EXPECT_EQ(written.substr(95), "     ");

    // A short file reads padded; the list shows code i beside i %.
    zt::writeFile(dir / "short.cod", "r+1");
    ui.expectOpenFile("CODE LIST IMPORT", (dir / "short.cod").string());
    ASSERT_TRUE(importCodeList(ws, ui));
    EXPECT_EQ(exportCodeList(ws.settings), "r+1" + std::string(97, ' '));
    const auto lines = codeListLines(exportCodeList(ws.settings));
    ASSERT_EQ(lines.size(), 95u);
    EXPECT_EQ(lines[1].back(), '+');
    EXPECT_EQ(codeListHeading(), "Perc. value      Phyt. code");

    ui.expectInput("Phytosociological code for 4 %:", "CODE LIST", "mm");
    ui.expectMessage("Please use only one character for each cover value.", "ZEMBU");
    EXPECT_FALSE(changeCode(ws, 4, ui));
    ui.expectInput("Phytosociological code for 4 %:", "CODE LIST", "m");
    EXPECT_TRUE(changeCode(ws, 4, ui));
    EXPECT_EQ(exportCodeList(ws.settings)[3], 'm');
    EXPECT_SCRIPT_DONE(ui);
}

namespace {

// A table whose cells hold raw cover characters.
core::Table rawCharacterTable() {
    core::Table t = zt::tableFromCovers({{5, 0, 38}, {0, 1, 2}});
    const auto setRaw = [&](int32_t rec, int32_t s, char c) {
        for (std::string* cells : {&t.ReleveData[rec], &t.SpeciesData[s]}) {
            for (int i = 0; i < core::cellCount(*cells); ++i) {
                const int32_t other = core::cellRecord(*cells, i);
                if ((cells == &t.ReleveData[rec] && other == s) || (cells == &t.SpeciesData[s] && other == rec))
                    (*cells)[i * core::CellSize + 3] = c;
            }
        }
    };
    setRaw(1, 1, 'r');
    setRaw(3, 1, 'X');
    setRaw(2, 2, 'r');
    return t;
}

}  // namespace

TEST(CoverDefinitions, DefinedCharactersBecomeTheirPercentagesEverywhere) {
    core::Table t = rawCharacterTable();
    std::vector<CoverDefinition> definitions;
    collectCoverCharacters(t, definitions);
    ASSERT_EQ(definitions.size(), 2u);
    EXPECT_EQ(definitions[0], CoverDefinition('X', 0));
    EXPECT_EQ(definitions[1], CoverDefinition('r', 1));
    EXPECT_EQ(coverDefinitionLine(definitions[1]), "r %     1");

    ScriptedInteraction ui;
    ui.expectInput("Cover value for character 'r'", "COVER DEFINITION", "abc");
    ui.expectMessage("The value is incorrect!!!", "COVER DEFINITION");
    ui.expectInput("Cover value for character 'r'", "COVER DEFINITION", "150");
    EXPECT_FALSE(editCoverDefinition(definitions[1], ui));
    EXPECT_TRUE(editCoverDefinition(definitions[1], ui));
    EXPECT_SCRIPT_DONE(ui);

    // 150 is capped at 95; "X" has no percentage yet and stays raw.
    EXPECT_EQ(applyCoverDefinitions(t, definitions), 2);
    EXPECT_EQ(definitions[1].second, 95);
    EXPECT_EQ(core::coverPercent(t.coverInReleve(1, 1)), 95);
    EXPECT_EQ(core::coverPercent(t.coverInSpecies(2, 2)), 95);
    EXPECT_EQ(t.coverInReleve(3, 1), 'X');
    EXPECT_EQ(t.coverInSpecies(1, 3), 'X');
}

TEST(Transformation, OneThresholdPerSpeciesInBothCellStrings) {
    core::Table t = zt::tableFromCovers({{5, 20, 38}, {1, 2, 60}, {10, 0, 3}});
    t.SpeciesLayerLabel[1] = "20";
    t.SpeciesLayerLabel[2] = "2.5";  // rounds to 2
    t.SpeciesLayerLabel[3] = "   ";  // 0: everything reaches it
    // Row order differs from record order: the threshold follows the row.
    std::swap(t.SpeciesInfo[1], t.SpeciesInfo[3]);
    std::swap(t.SpeciesLayerLabel[1], t.SpeciesLayerLabel[3]);
    t.rebuildRowOfRecord();
    t.recountFrequencies();

    tabltransf(t);
    EXPECT_TRUE(core::checkInvariants(t).empty());
    const auto p = [&](int32_t rec, int32_t s) { return core::coverPercent(t.coverInReleve(rec, s)); };
    EXPECT_EQ(p(1, 1), 1);
    EXPECT_EQ(p(2, 1), 2);
    EXPECT_EQ(p(3, 1), 2);
    EXPECT_EQ(p(1, 2), 1);
    EXPECT_EQ(p(2, 2), 2);
    EXPECT_EQ(p(3, 2), 2);
    EXPECT_EQ(p(1, 3), 2);
    EXPECT_EQ(p(3, 3), 2);
}
