// The CC! import: analysis, value list, layers, lists, capacities and files
// as they come from real users.

#include <gtest/gtest.h>

#include <random>

#include "core/errors.h"
#include "core/header_store.h"
#include "core/index_code.h"
#include "core/workspace.h"
#include "import/cc_analysis.h"
#include "import/cc_import.h"
#include "import/cc_import_command.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::import;
using core::Answer;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

// Lines joined with CR LF (or another line end).
std::string lines(std::initializer_list<std::string> parts, const std::string& end = "\r\n") {
    std::string out;
    for (const std::string& p : parts) out += p + end;
    return out;
}

const std::string kHead1 = "Test file" + std::string(60, ' ') + "T";
const std::string kHead2 = "(I5,5(I5,F8.3))" + std::string(54, ' ') + "5";

// Two relevés (numbers 101, 102) and three species in layers 6, 6 and 1.
std::string smallFile(const std::string& end = "\r\n") {
    return lines({kHead1, kHead2, "    1    3   2.000    1   5.000", "    1    2  38.000", "    2    1 150.000",
                  "0000", "Poa ann6Carex  6Quer ro1", "     101     102"},
                 end);
}

struct Imported {
    core::Table table;
    CcAnalysis analysis;
};

Imported analyseAndImport(const std::filesystem::path& file, CcOptions options = {}, int32_t maxReleves = 30000,
                          int32_t maxSpecies = 5000) {
    ScriptedInteraction ui;
    auto analysis = test_tabulky(file, options, maxReleves, maxSpecies, ui);
    EXPECT_TRUE(analysis.has_value());
    EXPECT_SCRIPT_DONE(ui);
    if (!analysis) return {};
    Imported result{imp_tab(file, options, analysis->values, maxReleves, maxSpecies, ui), *analysis};
    EXPECT_TRUE(core::checkInvariants(result.table).empty());
    return result;
}

int percentAt(const core::Table& t, int32_t rec, int32_t s) { return core::coverPercent(t.coverInReleve(rec, s)); }

}  // namespace

TEST(CcImport, BuildsRelevesSpeciesAndCovers) {
    TempDir dir;
    zt::writeFile(dir / "a.cc!", smallFile());
    const Imported r = analyseAndImport(dir / "a.cc!");
    const core::Table& t = r.table;
    EXPECT_EQ(r.analysis.pairCount, 4);
    EXPECT_EQ(r.analysis.releveCount, 2);
    EXPECT_EQ(r.analysis.speciesCount, 3);

    ASSERT_EQ(t.ReleveCount, 2);
    ASSERT_EQ(t.SpeciesCount, 3);
    EXPECT_EQ(t.ReleveOrder[1], (core::ReleveOrderEntry{1, 101}));
    EXPECT_EQ(t.ReleveOrder[2], (core::ReleveOrderEntry{2, 102}));
    // Relevé 1 continues on its second line: three cells in file order.
    ASSERT_EQ(core::cellCount(t.ReleveData[1]), 3);
    EXPECT_EQ(core::cellRecord(t.ReleveData[1], 0), 3);
    EXPECT_EQ(core::cellRecord(t.ReleveData[1], 2), 2);
    EXPECT_EQ(percentAt(t, 1, 3), 2);
    EXPECT_EQ(percentAt(t, 1, 1), 5);
    EXPECT_EQ(percentAt(t, 1, 2), 38);
    EXPECT_EQ(percentAt(t, 2, 1), 95);  // 150 is stored as 95

    EXPECT_EQ(t.SpeciesInfo[1].name, "Poa ann");
    EXPECT_EQ(t.SpeciesLayer[1], 6);
    EXPECT_EQ(t.SpeciesInfo[2].name, "Carex  ");
    EXPECT_EQ(t.SpeciesInfo[3].name, "Quer ro");
    EXPECT_EQ(t.SpeciesLayer[3], 1);
    EXPECT_EQ(t.SpeciesLayerLabel[3], "   ");
    EXPECT_EQ(t.SpeciesFrequency[1], 2);
    EXPECT_EQ(t.ReleveHead[1], "     1");
}

TEST(CcImport, DefaultPercentagesAreCeilingsAndTheListGrowsPastTwoHundred) {
    EXPECT_EQ(defaultPercent(0.5), 1);
    EXPECT_EQ(defaultPercent(2), 2);
    EXPECT_EQ(defaultPercent(2.4), 3);
    EXPECT_EQ(defaultPercent(150), 150);
    EXPECT_EQ(defaultPercent(-4), 1);
    EXPECT_EQ(valueListLine({2.4, 3}), "Cover value  2.400 will be saved as  3");
    EXPECT_EQ(valueListLine({150, 150}), "Cover value150.000 will be saved as150");

    TempDir dir;
    std::string text = lines({kHead1, kHead2});
    for (int i = 1; i <= 300; ++i) text += "    1    1" + std::string(" ") + std::to_string(i) + ".25\r\n";
    text += lines({"0", "Spcs on1", "       7"});
    zt::writeFile(dir / "many.cc!", text);
    const Imported r = analyseAndImport(dir / "many.cc!");
    ASSERT_EQ(r.analysis.values.size(), 300u);
    EXPECT_EQ(r.analysis.values.front().value, 1.25);
    EXPECT_EQ(r.analysis.values.back().percent, 301);
    EXPECT_EQ(core::cellCount(r.table.ReleveData[1]), 300);
}

TEST(CcImport, EditedPercentagesAndOrdinalMode) {
    TempDir dir;
    zt::writeFile(dir / "a.cc!", smallFile());
    CcOptions options;
    ScriptedInteraction ui;
    auto analysis = test_tabulky(dir / "a.cc!", options, 30000, 5000, ui);
    ASSERT_TRUE(analysis);
    ASSERT_EQ(analysis->values.size(), 4u);  // 2, 5, 38, 150
    ui.expectInput("Enter the long percentage corresponding to the selected value.", "COVER VALUE", "7.5");
    ui.expectMessage("The value is incorrect!!!", "ZEMBU");
    ui.expectInput("Enter the long percentage corresponding to the selected value.", "COVER VALUE", "");
    ui.expectInput("Enter the long percentage corresponding to the selected value.", "COVER VALUE", "7");
    ui.expectInput("Enter the long percentage corresponding to the selected value.", "COVER VALUE", "400");
    EXPECT_FALSE(List1_DblClick(analysis->values, 0, ui));
    EXPECT_FALSE(List1_DblClick(analysis->values, 0, ui));
    EXPECT_TRUE(List1_DblClick(analysis->values, 0, ui));
    EXPECT_TRUE(List1_DblClick(analysis->values, 2, ui));
    EXPECT_EQ(analysis->values[0].percent, 7);
    EXPECT_EQ(analysis->values[2].percent, 95);
    EXPECT_SCRIPT_DONE(ui);
    const core::Table t = imp_tab(dir / "a.cc!", options, analysis->values, 30000, 5000, ui);
    EXPECT_EQ(percentAt(t, 1, 3), 7);

    // Ordinal mode: 5 is 8 %, 2 is 2 %, 38 is beyond the scale (88 %).
    zt::writeFile(dir / "o.cc!", lines({kHead1, kHead2, "    1    1   6.000    2   5.000", "0", "Poa ann6Carex  6",
                                        "       1"}));
    options.valueMode = OrdinalValues;
    const core::Table o = imp_tab(dir / "o.cc!", options, {}, 30000, 5000, ui);
    EXPECT_EQ(static_cast<unsigned char>(o.coverInReleve(1, 1)), 178);
    EXPECT_EQ(percentAt(o, 1, 2), 8);
}

TEST(CcImport, LayerDigitsAndTheQuestionAboutThem) {
    TempDir dir;
    zt::writeFile(dir / "l.cc!", lines({kHead1, kHead2, "    1    1   1.000    2   1.000    3   1.000", "0",
                                        "Poa ann1Carex  XQuer ro ", "       1"}));
    // The question comes once; Yes keeps the layer option.
    CcOptions options;
    ScriptedInteraction ui;
    ui.expectQuestion("The program has found wrong character as a layer identificator.\r"
                      "Are you sure that the abbreviation contains\rlayer information?",
                      "ZEMBU", Answer::Yes);
    auto analysis = test_tabulky(dir / "l.cc!", options, 30000, 5000, ui);
    ASSERT_TRUE(analysis);
    EXPECT_TRUE(options.layerInformation);
    EXPECT_SCRIPT_DONE(ui);
    const core::Table t = imp_tab(dir / "l.cc!", options, analysis->values, 30000, 5000, ui);
    EXPECT_EQ(t.SpeciesInfo[1].name, "Poa ann");
    EXPECT_EQ(t.SpeciesLayer[1], 1);
    EXPECT_EQ(t.SpeciesLayer[2], 0);
    EXPECT_EQ(t.SpeciesLayerLabel[2], "Wrong layer: X");
    EXPECT_EQ(t.SpeciesLayerLabel[3], "   ");  // a blank is no layer, and no note

    // No switches to abbreviations of eight characters without layers.
    ScriptedInteraction no;
    no.expectQuestion("The program has found wrong character as a layer identificator.\r"
                      "Are you sure that the abbreviation contains\rlayer information?",
                      "ZEMBU", Answer::No);
    options = {};
    ASSERT_TRUE(test_tabulky(dir / "l.cc!", options, 30000, 5000, no));
    EXPECT_FALSE(options.layerInformation);
    const core::Table n = imp_tab(dir / "l.cc!", options, {}, 30000, 5000, no);
    EXPECT_EQ(n.SpeciesInfo[2].name, "Carex  X");
    EXPECT_EQ(n.SpeciesLayer[2], 0);
    EXPECT_EQ(n.SpeciesLayerLabel[2], "   ");
}

TEST(CcImport, TheReleveListDecidesTheRelevesAndMissingAbbreviationsGetRows) {
    TempDir dir;
    // Data for relevés 1..3, but the list names two; species 4 has no abbreviation.
    zt::writeFile(dir / "s.cc!", lines({kHead1, kHead2, "    1    1   1.000", "    2    2   2.000",
                                        "    3    4   3.000", "0", "Poa ann6Carex  6Quer ro1", "      11      12"}));
    const Imported r = analyseAndImport(dir / "s.cc!");
    EXPECT_EQ(r.table.ReleveCount, 2);
    EXPECT_EQ(r.table.SpeciesCount, 4);
    EXPECT_TRUE(r.table.ReleveData[3].empty());
    EXPECT_EQ(r.table.SpeciesFrequency[4], 0);
    EXPECT_EQ(r.table.SpeciesLayerLabel[4], "Abbreviation: Unknown");
}

TEST(CcImport, FilesAsTheyComeFromUsers) {
    TempDir dir;
    // LF line ends, trailing blanks on data lines, a long line of fourteen
    // pairs, a relevé spread over many lines, blank lines at the end and a
    // last line without a line end.
    std::string text = lines({kHead1, kHead2}, "\n");
    std::string longLine = "    1";
    for (int s = 1; s <= 14; ++s) longLine += "  " + std::to_string(s) + " 1.000";
    text += longLine + "   \n";
    for (int s = 15; s <= 20; ++s) text += "    2 " + std::to_string(s) + " 3 \n";
    text += "0000   \n";
    text += "Sp01   6Sp02   6Sp03   6Sp04   6Sp05   6Sp06   6Sp07   6Sp08   6Sp09   6Sp10   6\n";
    text += "Sp11   6Sp12   6Sp13   6Sp14   6Sp15   6Sp16   6Sp17   6Sp18   6Sp19   6Sp20   6\n";
    text += "       5       6\n\n\n";
    zt::writeFile(dir / "lf.cc!", text);
    const Imported r = analyseAndImport(dir / "lf.cc!");
    EXPECT_EQ(core::cellCount(r.table.ReleveData[1]), 14);
    EXPECT_EQ(core::cellCount(r.table.ReleveData[2]), 6);
    EXPECT_EQ(r.table.SpeciesCount, 20);
    EXPECT_EQ(r.table.ReleveOrder[2].turbovegNumber, 6);

    // CR LF file whose relevé list has no final line end: same table.
    std::string crlf = smallFile();
    crlf.resize(crlf.size() - 2);
    zt::writeFile(dir / "nolineend.cc!", crlf);
    zt::writeFile(dir / "a.cc!", smallFile());
    const Imported a = analyseAndImport(dir / "a.cc!");
    const Imported b = analyseAndImport(dir / "nolineend.cc!");
    EXPECT_EQ(a.table.ReleveData[1], b.table.ReleveData[1]);
    EXPECT_EQ(b.table.ReleveOrder[2].turbovegNumber, 102);
    const Imported c = analyseAndImport([&] {
        zt::writeFile(dir / "lfsmall.cc!", smallFile("\n"));
        return dir / "lfsmall.cc!";
    }());
    EXPECT_EQ(a.table.SpeciesData[1], c.table.SpeciesData[1]);
}

TEST(CcImport, WrongFormatAndCapacitiesAreRefusedBeforeTheTableChanges) {
    TempDir dir;
    ScriptedInteraction ui;
    CcOptions options;
    zt::writeFile(dir / "bad.cc!", lines({"title", "no format here", "1 1 1", "0"}));
    ui.expectMessage("The file format is not correct!!!", "Program Info");
    EXPECT_FALSE(test_tabulky(dir / "bad.cc!", options, 30000, 5000, ui));

    zt::writeFile(dir / "big.cc!", lines({kHead1, kHead2, "    1    3   1.000", "40001    3   1.000", "0",
                                          "Poa ann6Carex  6Quer ro1", "       1"}));
    ui.expectMessage("The relevé index 40001 on line 4 exceeds the limit (30000).\r"
                     "Please change limits and try to import data once more.",
                     "Program Info");
    EXPECT_FALSE(test_tabulky(dir / "big.cc!", options, 30000, 5000, ui));
    zt::writeFile(dir / "species.cc!", lines({kHead1, kHead2, "    1 5001   1.000", "0", "       1"}));
    ui.expectMessage("The species index 5001 on line 3 exceeds the limit (5000).\r"
                     "Please change limits and try to import data once more.",
                     "Program Info");
    EXPECT_FALSE(test_tabulky(dir / "species.cc!", options, 30000, 5000, ui));
    EXPECT_SCRIPT_DONE(ui);

    // The whole import keeps the loaded table when it refuses.
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5, 10}, {0, 20}});
    const core::Table before = ws.table;
    ScriptedInteraction refuse;
    refuse.expectMessage("The relevé index 40001 on line 4 exceeds the limit (30000).\r"
                         "Please change limits and try to import data once more.",
                         "Program Info");
    CcImportChoices choices;
    choices.file = dir / "big.cc!";
    EXPECT_FALSE(importCcFile(ws, choices, refuse));
    EXPECT_EQ(ws.table.ReleveData[1], before.ReleveData[1]);
    EXPECT_EQ(ws.table.SpeciesCount, 2);
    EXPECT_SCRIPT_DONE(refuse);
}

TEST(CcImport, TheCommandReplacesTableAndHeaderStore) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    zt::writeFile(ws.headerStructureFile(), "   1  Old field\r\n");
    zt::writeFile(ws.headerValueFile(), "old\r\n");
    core::inichlava(ws);
    ASSERT_FALSE(ws.header.empty());
    zt::writeFile(dir / "a.cc!", smallFile());
    CcImportChoices choices;
    choices.file = dir / "a.cc!";
    ScriptedInteraction ui;
    ASSERT_TRUE(importCcFile(ws, choices, ui));
    EXPECT_EQ(ws.table.ReleveCount, 2);
    EXPECT_FALSE(std::filesystem::exists(ws.headerStructureFile()));
    EXPECT_FALSE(std::filesystem::exists(ws.headerValueFile()));
    EXPECT_TRUE(ws.header.empty());
    EXPECT_EQ(ws.headCaption, "Running number:");
    EXPECT_EQ(ws.settings.value(core::setting::LastImportedFile), (dir / "a.cc!").string());
    EXPECT_GE(ui.progressShown(), 1);
    EXPECT_EQ(ui.percentages().back(), 100);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CcImport, DamagedFilesAreReadOrRefusedNeverBroken) {
    // Pieces of CC! files put together at random, cut at random places.
    const std::vector<std::string> pieces = {
        kHead1, kHead2, "    1    3   2.000    7   5.000", "    2 -4 1", "abc def", "0", "0000", "",
        "   12 15000 3.5 9 1e3", "99999999999 1 1", "    3    2", "Poa ann6Carex  6Quer ro1", "  12345",
        "       1       2       3", "\t4\t5\t6.5", "    5    1  -3.000    2 nan", std::string(300, 'x')};
    std::mt19937 random(7);
    TempDir dir;
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int lines = std::uniform_int_distribution<int>(0, 14)(random);
        for (int i = 0; i < lines; ++i) {
            text += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)];
            text += random() % 4 ? "\r\n" : "\n";
        }
        if (!text.empty() && random() % 3 == 0) text.resize(random() % text.size());
        zt::writeFile(dir / "d.cc!", text);
        CcOptions options;
        core::ScriptedInteraction ui;  // answers every question with No
        const auto analysis = test_tabulky(dir / "d.cc!", options, 30000, 5000, ui);
        try {
            const core::Table t = imp_tab(dir / "d.cc!", options, analysis ? analysis->values : std::vector<CcValue>{},
                                          30000, 5000, ui);
            ASSERT_TRUE(core::checkInvariants(t).empty()) << text;
            EXPECT_TRUE(analysis.has_value()) << text;
        } catch (const core::ZembuError&) {
            EXPECT_FALSE(analysis.has_value()) << text;
        }
    }
}

TEST(CcImport, FilesThatAreNotWholeAreRefusedSayingWhatIsMissing) {
    TempDir dir;
    CcOptions options;
    ScriptedInteraction ui;
    // Comma-separated data lines run to the end: no end-of-data line, no lists.
    zt::writeFile(dir / "comma.cc!", lines({kHead1, kHead2, "1,1,8.000,2,18.000", "2,1,3.000"}));
    ui.expectMessage("The file format is not correct!!!\rThe data lines do not end with an end-of-data line "
                     "(\"0000\"); the file is not whole or its lines are not in the CC! format.",
                     "Program Info");
    EXPECT_FALSE(test_tabulky(dir / "comma.cc!", options, 30000, 5000, ui));
    EXPECT_THROW(imp_tab(dir / "comma.cc!", options, {}, 30000, 5000, ui), core::ZembuError);

    zt::writeFile(dir / "nolist.cc!", lines({kHead1, kHead2, "    1    1   2.000", "0000", "Poa ann6"}));
    ui.expectMessage("The file format is not correct!!!\rThe file has no relevé list after its species list, so "
                     "no relevé of its data can be placed in the table.",
                     "Program Info");
    EXPECT_FALSE(test_tabulky(dir / "nolist.cc!", options, 30000, 5000, ui));
    EXPECT_THROW(imp_tab(dir / "nolist.cc!", options, {}, 30000, 5000, ui), core::ZembuError);
    EXPECT_SCRIPT_DONE(ui);

    // The command shows the message and keeps the loaded table.
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5, 10}});
    ScriptedInteraction refuse;
    refuse.expectMessage("The file format is not correct!!!\rThe data lines do not end with an end-of-data line "
                         "(\"0000\"); the file is not whole or its lines are not in the CC! format.",
                         "Program Info");
    CcImportChoices choices;
    choices.file = dir / "comma.cc!";
    EXPECT_FALSE(importCcFile(ws, choices, refuse));
    EXPECT_EQ(ws.table.ReleveCount, 2);
    EXPECT_SCRIPT_DONE(refuse);
}

TEST(CcImport, OrdinalValuesFarBeyondTheScaleTakeItsTop) {
    TempDir dir;
    zt::writeFile(dir / "o.cc!", lines({kHead1, kHead2, "    1    1  1e20    2 -1e20", "0000", "Poa ann6Carex  6",
                                        "     101"}));
    CcOptions options;
    options.valueMode = OrdinalValues;
    const Imported imported = analyseAndImport(dir / "o.cc!", options);
    EXPECT_EQ(percentAt(imported.table, 1, 1), 88);
    EXPECT_EQ(percentAt(imported.table, 1, 2), 1);
}
