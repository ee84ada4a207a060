#include <gtest/gtest.h>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan_apply.h"
#include "classification/twinspan_layout.h"
#include "classification/twinspan_link.h"
#include "classification/twinspan_link_files.h"
#include "classification/twinspan_result.h"
#include "core/errors.h"
#include "core/scripted_interaction.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using classification::TwinspanLinkOptions;
using core::ScriptedInteraction;
using zembu::testing::readFile;
using zembu::testing::tableFromCovers;
using zembu::testing::TempDir;

namespace {

constexpr core::ColourEntry Red{0x9999FF, 1};

// A punched-file record of a relevé (I5 1X A8 I7 3X A30) and of a species
// (I5 1X A4 1X A4 I6 3X A30), as the program writes them.
std::string releveRecord(int number, const std::string& name, int cls, const std::string& code) {
    return core::padLeft(std::to_string(number), 5) + " " + core::padLeft(name, 8) +
           core::padLeft(std::to_string(cls), 7) + "   " + core::leftJustify(code, 30) + "\r\n";
}
std::string speciesRecord(int number, const std::string& name8, int cls, const std::string& code) {
    const std::string name = core::leftJustify(name8, 8);
    return core::padLeft(std::to_string(number), 5) + " " + name.substr(0, 4) + " " + name.substr(4) +
           core::padLeft(std::to_string(cls), 6) + "   " + core::leftJustify(code, 30) + "\r\n";
}
std::string countLine(int n) { return " There are" + core::padLeft(std::to_string(n), 6) + "  ITEMS\r\n"; }

// A punched file of relevés (record, code) and species (record, code).
std::string punchedFile(const std::vector<std::pair<int, std::string>>& releves,
                        const std::vector<std::pair<int, std::string>>& species) {
    std::string text = " " + core::leftJustify("Temporary source file", 79) + "\r\n\r\n SAMPLE CLASSIFICATION\r\n";
    text += countLine(static_cast<int>(releves.size()));
    int n = 0;
    for (const auto& [rec, code] : releves) text += releveRecord(++n, std::to_string(rec), 1, code);
    text += "\r\n\r\n SPECIES CLASSIFICATION\r\n" + countLine(static_cast<int>(species.size()));
    n = 0;
    for (const auto& [rec, code] : species) text += speciesRecord(++n, std::to_string(rec), 1, code);
    return text;
}

}  // namespace

TEST(TwinspanLinkFiles, DataFileOfTheChosenColour) {
    // Relevé 2 holds all 15 species, relevé 3 two of them; relevé 1 is not red.
    std::vector<std::vector<int>> covers(16, std::vector<int>{0, 0, 0});
    for (int i = 0; i < 15; ++i) covers[static_cast<size_t>(i)][1] = i + 1;
    covers[3][2] = 95;
    covers[0][2] = 1;
    covers[15] = {5, 0, 7};  // a group row
    core::Table t = tableFromCovers(covers);
    t.SpeciesInfo[16].name = "### Group";
    t.ReleveColour[2] = Red;
    t.ReleveColour[3] = Red;
    const classification::TwinspanDataFile file = classification::ccsoubor(t, 1);
    EXPECT_EQ(file.releves, 2);
    EXPECT_EQ(file.species, 15);
    const std::vector<std::string_view> lines = core::splitLines(file.text);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Temporary source file" + std::string(49, ' ') + "T");
    EXPECT_EQ(lines[1].size(), 70u);
    EXPECT_EQ(lines[1].substr(0, 15), "(I5,7(I5,F5.1))");
    EXPECT_EQ(lines[1].back(), '7');
    // 15 species: three lines of 7, 7 and 1 pairs, each starting with the number.
    EXPECT_EQ(lines[2], "    1    1  1.0    2  2.0    3  3.0    4  4.0    5  5.0    6  6.0    7  7.0");
    EXPECT_EQ(lines[3].substr(0, 5), "    1");
    EXPECT_EQ(lines[4], "    1   15 15.0");
    EXPECT_EQ(lines[5], "    2    1  1.0    4 95.0");
    EXPECT_EQ(lines[6], "0000");
    EXPECT_EQ(lines[7], "1       2       3       4       5       6       7       8       9       10      ");
    EXPECT_EQ(lines[8], "11      12      13      14      15      ");
    EXPECT_EQ(lines[9], "       2       3");
    EXPECT_EQ(file.text.substr(file.text.size() - 2), "\r\n");

    // The console program reads it back: samples, species and names.
    const auto data = classification::twinspan::parseCondensedData(file.text, "twtwtw.cc!");
    EXPECT_EQ(data.sampleCount(), 2);
    EXPECT_EQ(data.speciesCount, 15);
    EXPECT_EQ(data.samples[0].size(), 15u);
    EXPECT_EQ(data.sampleNames[1], "       3");
}

TEST(TwinspanLinkFiles, AnswerFileByteForByte) {
    TwinspanLinkOptions o;
    o.maxLevel = "4";
    EXPECT_EQ(classification::answerFileText(o),
              "TWTWTW.CC!\r\n-1\r\n3\r\n0 5 25\r\n5\r\n6\r\n100\r\n4\r\n1\r\n-1\r\n1\r\n-1\r\n-1\r\n-1\r\n-1\r\n-1\r\n");
}

TEST(TwinspanLinkFiles, FieldLimitsAndSeparatorLevel) {
    struct Case {
        std::string TwinspanLinkOptions::*field;
        const char* value;
        int problemField;
    };
    const Case cases[] = {
        {&TwinspanLinkOptions::pseudospeciesCount, "10", 1},
        {&TwinspanLinkOptions::pseudospeciesCount, "-1", 1},
        {&TwinspanLinkOptions::cutLevels, "0 5", 2},
        {&TwinspanLinkOptions::cutLevels, "0 25 5", 2},
        {&TwinspanLinkOptions::cutLevels, "0 x 5", 2},
        {&TwinspanLinkOptions::minGroupSize, "1", 3},
        {&TwinspanLinkOptions::minGroupSize, "10001", 3},
        {&TwinspanLinkOptions::minGroupSize, "10000", 0},
        {&TwinspanLinkOptions::maxIndicators, "16", 4},
        {&TwinspanLinkOptions::maxTableSpecies, "", 5},
        {&TwinspanLinkOptions::maxLevel, "0", 6},
        {&TwinspanLinkOptions::maxLevel, "16", 6},
        {&TwinspanLinkOptions::maxLevel, "15", 0},
        {&TwinspanLinkOptions::maxLevel, " 9 ", 0},
    };
    for (const Case& c : cases) {
        TwinspanLinkOptions o;
        o.*c.field = c.value;
        const auto problem = classification::checkLinkOptions(o);
        EXPECT_EQ(problem.field, c.problemField) << c.value;
        EXPECT_EQ(problem.text.empty(), c.problemField == 0) << c.value;
    }
    TwinspanLinkOptions o;
    o.maxLevel = "9";
    EXPECT_EQ(classification::separatorLevelOf(o), 6);
    o.maxLevel = "3";
    EXPECT_EQ(classification::separatorLevelOf(o), 3);
}

TEST(TwinspanLinkFiles, OptionsComeFromAndGoToTheSettings) {
    core::Settings settings;
    TwinspanLinkOptions o = classification::linkOptionsFromSettings(settings, "/opt/zembu/twinspan");
    EXPECT_EQ(o.pseudospeciesCount, "3");
    EXPECT_EQ(o.cutLevels, "0 5 25");
    EXPECT_EQ(o.program, "/opt/zembu/twinspan");
    o.pseudospeciesCount = "2";
    o.cutLevels = "0 10";
    o.minGroupSize = "7";
    o.maxIndicators = "4";
    classification::storeLinkSettings(settings, o);
    EXPECT_EQ(settings.value(core::setting::MaximumLevelOfDivisions), "4");
    settings.setValue(core::setting::TwinspanPath, "/usr/bin/twinspan");
    const TwinspanLinkOptions back = classification::linkOptionsFromSettings(settings, "x");
    EXPECT_EQ(back.cutLevels, "0 10");
    EXPECT_EQ(back.minGroupSize, "7");
    EXPECT_EQ(back.maxIndicators, "4");
    EXPECT_EQ(back.program, "/usr/bin/twinspan");
}

TEST(TwinspanResult, ReadsByColumnsWhateverTheNames) {
    // Species names of five digits are printed as two halves ("1234 5").
    const std::string text = punchedFile({{101, "*00"}, {1234567, "*1"}}, {{12345, "*01"}, {7, "*"}});
    const auto c = classification::readTwinspanClassification(text);
    ASSERT_EQ(c.releves.size(), 2u);
    EXPECT_EQ(c.releves[1].name, 1234567);
    EXPECT_EQ(c.releves[1].code, "*1");
    ASSERT_EQ(c.species.size(), 2u);
    EXPECT_EQ(c.species[0].name, 12345);
    EXPECT_EQ(c.species[0].code, "*01");
    EXPECT_EQ(c.species[1].code, "*");
    EXPECT_TRUE(classification::hasSpeciesClassification(text));
    EXPECT_FALSE(classification::hasSpeciesClassification(""));
}

TEST(TwinspanResult, RefusesWhatIsNotAnOutputOfTheLink) {
    const auto refusal = [](const std::string& text) {
        try {
            classification::readTwinspanClassification(text);
        } catch (const core::ZembuError& e) {
            EXPECT_EQ(e.title(), "TWINSPAN");
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_NE(refusal("").find("SPECIES CLASSIFICATION"), std::string::npos);
    std::string cut = punchedFile({{1, "*0"}}, {{1, "*0"}, {2, "*1"}});
    cut.resize(cut.rfind("    2"));
    EXPECT_NE(refusal(cut).find("ends after 1 of the 2 items"), std::string::npos);
    std::string named = punchedFile({{1, "*0"}}, {});
    named.replace(named.find("       1      1"), 14, "Abielb23      ");
    EXPECT_NE(refusal(named).find("Abielb23"), std::string::npos);
    std::string badCode = punchedFile({{1, "*0"}}, {});
    badCode.replace(badCode.find("*0"), 2, "*2");
    EXPECT_NE(refusal(badCode).find("*2"), std::string::npos);
    EXPECT_EQ(refusal(punchedFile({}, {})), "accepted");
}

TEST(TwinspanLayout, HeadsAndSpeciesKeys) {
    EXPECT_EQ(classification::twinspanHead("*10"), "10----");
    EXPECT_EQ(classification::twinspanHead("*"), "------");
    EXPECT_EQ(classification::twinspanHead(""), "------");
    EXPECT_EQ(classification::twinspanHead("*1011001"), "101100");

    core::Table t = tableFromCovers({{1}, {1}, {1}, {1}, {1}});
    classification::TwinspanClassification c;
    c.species = {{1, "*11"}, {2, "*0"}, {4, "*00"}, {5, "*01"}};
    // Row 3 is unclassified and goes last; "*0" and "*00" share the key
    // "*000000" and keep their order.
    EXPECT_EQ(classification::twinspanSpeciesKeys(t, c), (std::vector<double>{0, 4, 1, 5, 2, 3}));
}

TEST(TwinspanLayout, ClassifiedRelevesGatherAtTheFirstOfTheColour) {
    // Positions 2, 4 and 6 are red and classified; the others keep their order.
    core::Table t = tableFromCovers({{1, 1, 1, 1, 1, 1, 1}});
    for (int32_t k : {2, 4, 6}) t.ReleveColour[k] = Red;
    classification::TwinspanClassification c;
    c.releves = {{2, "*0"}, {4, "*1"}, {6, "*0"}, {99, "*1"}};
    const auto codes = classification::codesByRecord(t, c);
    const std::vector<double> keys = classification::twinspanReleveKeys(t, codes, 1);
    // Descending keys: 1, then 4 (code 1), 2 and 6 (code 0, in table order), then 3, 5, 7.
    std::vector<int32_t> order(7);
    for (int32_t k = 1; k <= 7; ++k) order[static_cast<size_t>(7 - keys[static_cast<size_t>(k)])] = k;
    EXPECT_EQ(order, (std::vector<int32_t>{1, 4, 2, 6, 3, 5, 7}));
}

TEST(TwinspanLayout, SeparatorsByDivisionLevelOnlyBetweenRelevesOfTheColour) {
    // Positions 2..5 are red with codes 00, 01, 10, 11; 1 and 6 are white.
    core::Table t = tableFromCovers({{1, 1, 1, 1, 1, 1}});
    for (int32_t k = 2; k <= 5; ++k) t.ReleveColour[k] = Red;
    t.SeparatorAfter[1] = 3;  // before the block, after a white relevé: stays
    t.SeparatorAfter[5] = 2;  // after the last red relevé: cleared
    t.SeparatorAfter[3] = 5;  // between red relevés: replaced
    classification::TwinspanClassification c;
    c.releves = {{2, "*00"}, {3, "*01"}, {4, "*10"}, {5, "*11"}, {6, "*11"}};
    classification::placeDivisionSeparators(t, classification::codesByRecord(t, c), 1);
    EXPECT_EQ(t.SeparatorAfter[1], 3);
    EXPECT_EQ(t.SeparatorAfter[2], 2);
    EXPECT_EQ(t.SeparatorAfter[3], 1);
    EXPECT_EQ(t.SeparatorAfter[4], 2);
    EXPECT_EQ(t.SeparatorAfter[5], 0);
    EXPECT_EQ(classification::deepestDivisionLevel(classification::codesByRecord(t, c)), 2);
}

TEST(TwinspanLink, PreparationChecksInTheirOrderAndWritesTheFiles) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = tableFromCovers({{5, 5, 0}, {0, 5, 5}});
    TwinspanLinkOptions o;
    o.colour = 1;
    o.makeSeparators = true;
    o.maxLevel = "9";
    o.program = "";
    ScriptedInteraction ui;
    ui.expectMessage(classification::TwinspanNotDefinedMessage, "Program Info");
    ui.expectOpenFile("SELECT THE TWINSPAN PROGRAM", std::nullopt);
    EXPECT_FALSE(classification::prepareTwinspanRun(ws, ui, o, dir / "run"));
    EXPECT_FALSE(ws.undo.available);
    EXPECT_EQ(ws.settings.value(core::setting::TwinspanCutLevels), "0 5 25");

    o.program = "/bin/true";
    ui.expectMessage(classification::EmptyReleveSelectionMessage, "STOP");
    EXPECT_FALSE(classification::prepareTwinspanRun(ws, ui, o, dir / "run"));
    EXPECT_TRUE(ws.undo.available);
    EXPECT_EQ(ws.separatorLevel, 6);
    EXPECT_TRUE(ws.separatorHierarchy);
    EXPECT_FALSE(std::filesystem::exists(dir / "run"));

    ws.table.ReleveColour[2] = Red;
    zembu::testing::writeFile(dir / "TWTWTW.PUN", "old");
    const auto run = classification::prepareTwinspanRun(ws, ui, o, dir.path());
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->releves, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "TWTWTW.PUN"));
    EXPECT_EQ(readFile(dir / "tw.dat"), classification::answerFileText(o));
    EXPECT_EQ(readFile(dir / "twtwtw.cc!"), classification::ccsoubor(ws.table, 1).text);
    EXPECT_EQ(run->program.standardInput, dir / "tw.dat");
    EXPECT_EQ(run->program.workingDirectory, dir.path());
}

TEST(TwinspanApply, ScatteredRelevesEndInOneBlockWithHeadsAndSeparators) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    // Seven relevés; red ones at 2, 4, 5 and 7; species 3 is unclassified.
    ws.table = tableFromCovers({{1, 1, 1, 1, 1, 1, 1}, {1, 0, 1, 0, 1, 0, 1}, {0, 1, 0, 1, 0, 1, 0}});
    core::Table& t = ws.table;
    for (int32_t k : {2, 4, 5, 7}) t.ReleveColour[k] = Red;
    t.SeparatorAfter[5] = 4;
    const std::string text = punchedFile({{2, "*00"}, {4, "*11"}, {5, "*01"}, {7, "*10"}}, {{1, "*1"}, {2, "*0"}});
    zembu::testing::writeFile(dir / "run.pun", text);
    ScriptedInteraction ui;
    ui.expectOpenFile("OPEN TWINSPAN RESULTING FILE (*.pun)", (dir / "run.pun").string());
    ui.expectQuestion("Do you wish to make separators from the TWINSPAN divisions?", "TWINSPAN", core::Answer::Yes);
    ws.releveColourBox = 1;
    ASSERT_TRUE(classification::sorttwin(ws, ui));
    EXPECT_SCRIPT_DONE(ui);

    // The red relevés stand together where the first of them stood,
    // highest code first; the others keep their order around them.
    std::vector<int32_t> order;
    for (int32_t k = 1; k <= 7; ++k) order.push_back(t.ReleveOrder[k].record);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 4, 7, 5, 2, 3, 6}));
    for (int32_t k = 2; k <= 5; ++k) EXPECT_EQ(t.ReleveColour[k], Red);
    EXPECT_EQ(t.ReleveHead[4], "11----");
    EXPECT_EQ(t.ReleveHead[1], "------");
    EXPECT_EQ(ws.headCaption, "TWINSPAN category:");
    EXPECT_EQ(ws.display.headLines[0][1], '-');
    // Codes 11, 10, 01, 00: level 2, level 1, level 2; none after the block.
    EXPECT_EQ(t.SeparatorAfter[2], 2);
    EXPECT_EQ(t.SeparatorAfter[3], 1);
    EXPECT_EQ(t.SeparatorAfter[4], 2);
    EXPECT_EQ(t.SeparatorAfter[5], 0);
    EXPECT_EQ(ws.separatorLevel, 2);
    EXPECT_TRUE(ws.separatorHierarchy);
    // The species sort ascending by code, the unclassified one last.
    EXPECT_EQ(t.SpeciesInfo[1].record, 2);
    EXPECT_EQ(t.SpeciesInfo[2].record, 1);
    EXPECT_EQ(t.SpeciesInfo[3].record, 3);
    EXPECT_TRUE(core::checkInvariants(t).empty());

    // Undo takes the whole classification back.
    ASSERT_TRUE(ws.undo.available);
    core::VytazeniZalohyDat(ws, ui);
    for (int32_t k = 1; k <= 7; ++k) EXPECT_EQ(t.ReleveOrder[k].record, k);
    EXPECT_EQ(t.SeparatorAfter[5], 4);
}

TEST(TwinspanApply, AFileOfAnotherTableChangesNothing) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = tableFromCovers({{1, 1, 1}});
    zembu::testing::writeFile(dir / "other.pun", punchedFile({{50, "*0"}, {51, "*1"}}, {}));
    ScriptedInteraction ui;
    ui.expectMessage(classification::NoClassifiedRelevesMessage, "TWINSPAN");
    EXPECT_FALSE(classification::applyPunchedFile(ws, ui, dir / "other.pun", {0, true, true}));
    ui.expectMessage("The file " + (dir / "missing.pun").string() + " cannot be read.", "TWINSPAN");
    EXPECT_FALSE(classification::applyPunchedFile(ws, ui, dir / "missing.pun", {}));
    EXPECT_SCRIPT_DONE(ui);
    for (int32_t k = 1; k <= 3; ++k) EXPECT_EQ(ws.table.ReleveOrder[k].record, k);
    EXPECT_EQ(ws.headCaption, "Running number:");
}
