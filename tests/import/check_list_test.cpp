// Check lists: the four layouts, encoded names, and matching abbreviations.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/workspace.h"
#include "import/check_list.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::import;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

core::Table abbreviationTable(const std::vector<std::string>& abbreviations) {
    std::vector<std::vector<int>> covers(abbreviations.size(), std::vector<int>{5});
    core::Table t = zt::tableFromCovers(covers);
    for (size_t i = 0; i < abbreviations.size(); ++i) t.SpeciesInfo[i + 1].name = abbreviations[i];
    return t;
}

}  // namespace

TEST(CheckList, ReadsTheFourLayouts) {
    CheckListFormat fixed;  // number 5, abbreviation 7, name 38
    const std::string ruler = "-----I-------I--------------------------------------I\r\n";
    const std::string text = ruler + "00012PoaannuPoa annua L.                          \r\n" +
                             "00000CarexxxCarex sp.\r\n";
    std::vector<CheckListEntry> e = parseCheckList(text, fixed);
    ASSERT_EQ(e.size(), 2u);
    // Without the number field the line still carries the number column,
    // and entries are numbered by their line.
    EXPECT_EQ(e[0].abbreviation, "Poaannu");
    EXPECT_EQ(e[0].name, "Poa annua L.");
    EXPECT_EQ(e[0].number, 1);
    fixed.withNumber = true;
    e = parseCheckList(text, fixed);
    EXPECT_EQ(e[0].number, 12);
    EXPECT_EQ(e[1].number, 2);  // a number 0 is replaced by the line's position

    CheckListFormat comma;
    comma.commaSeparated = true;
    e = parseCheckList("Poaannu, Poa annua\nCarexxx,Carex sp.\n\n", comma);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].abbreviation, "Poaannu");
    EXPECT_EQ(e[0].name, "Poa annua");
    comma.withNumber = true;
    e = parseCheckList("7,Poaannu,Poa annua\n,Carexxx,Carex sp.", comma);
    EXPECT_EQ(e[0].number, 7);
    EXPECT_EQ(e[1].number, 2);
    EXPECT_EQ(e[1].name, "Carex sp.");
}

TEST(CheckList, EncodedNamesAreShiftedByTheirPosition) {
    const std::string plain = "Quercus robur L.";
    const std::string encoded = encodeCheckListName(plain);
    // Character j is stored 40 - j higher: "Q" (81) at position 1 is 120.
    EXPECT_EQ(static_cast<unsigned char>(encoded[0]), 81 + 40 - 1);
    EXPECT_NE(encoded, plain);
    EXPECT_EQ(decodeCheckListName(encoded), plain);
    EXPECT_EQ(decodeCheckListName("\x21"), " ");  // never below a blank

    CheckListFormat format;
    format.withNumber = true;
    format.encodedNames = true;
    format.nameLength = 16;
    const auto e = parseCheckList("00005Querrob" + encoded + "\r\n", format);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].name, plain);
    EXPECT_EQ(e[0].number, 5);
}

TEST(CheckList, MatchesInOnePassAndNotesUnknownAbbreviations) {
    std::vector<CheckListEntry> entries = {
        {1, "Poaannu", "Poa annua"}, {2, "Carexxx", "Carex sp."}, {3, "Quercus", "Quercus robur"},
        {4, "Poaannu", "Poa annua (second)"}};
    core::Table t = abbreviationTable({"Poaannu", "Carexxx ", "Unknown", "Quercus", "Poaannu"});
    t.SpeciesLayerLabel[3] = "Wrong layer: X";
    EXPECT_EQ(convertAbbreviations(t, entries), 4);
    EXPECT_EQ(t.SpeciesInfo[1].name, "Poa annua");
    EXPECT_EQ(t.SpeciesInfo[2].name, "Carex sp.");
    EXPECT_EQ(t.SpeciesInfo[2].number, 2);
    EXPECT_EQ(t.SpeciesInfo[3].name, "Unknown");
    EXPECT_EQ(t.SpeciesLayerLabel[3], "Wrong layer: X; Abbreviation: Unknown");
    // The search goes on from the last match: the second "Poaannu" row takes
    // the entry after "Quercus".
    EXPECT_EQ(t.SpeciesInfo[5].name, "Poa annua (second)");
    EXPECT_EQ(t.SpeciesInfo[5].number, 4);
    core::Table u = abbreviationTable({"Nothing"});
    convertAbbreviations(u, entries);
    EXPECT_EQ(u.SpeciesLayerLabel[1], "Abbreviation: Unknown");
}

TEST(CheckList, ImpSpecUsesTheSettingsAndSaysWhenTheListIsMissing) {
    TempDir dir;
    core::Settings settings;
    core::applySettingRules(settings);
    core::Table t = abbreviationTable({"Poaannu"});
    ScriptedInteraction ui;
    EXPECT_FALSE(imp_spec(t, settings, ui));  // no list named: nothing to do

    settings.setValue(core::setting::CheckListFile, (dir / "missing.txt").string());
    ui.expectMessage("No correct check list was opened...", "Program Info");
    EXPECT_FALSE(imp_spec(t, settings, ui));
    EXPECT_EQ(t.SpeciesInfo[1].name, "Poaannu");

    zt::writeFile(dir / "list.csv", "Poaannu,Poa annua\r\n");
    settings.setValue(core::setting::CheckListFile, (dir / "list.csv").string());
    settings.setValue(core::setting::CheckListFileFormat, "1");
    EXPECT_TRUE(imp_spec(t, settings, ui));
    EXPECT_EQ(t.SpeciesInfo[1].name, "Poa annua");
    EXPECT_SCRIPT_DONE(ui);
}
