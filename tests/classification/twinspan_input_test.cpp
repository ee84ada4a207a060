// Reading the input of the TWINSPAN program: the record format, numbers and
// their thousandths, the condensed data file, and the dialogue answers.

#include <gtest/gtest.h>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/dialogue.h"
#include "classification/twinspan/record_format.h"
#include "core/errors.h"

namespace zembu::classification::twinspan {
namespace {

TEST(TwinspanRecordFormat, FieldsAndCoupletCapacity) {
    const auto f = RecordFormat::parse("(I5,5(I5,F8.3))");
    ASSERT_TRUE(f);
    ASSERT_EQ(f->fields().size(), 11u);
    EXPECT_EQ(f->coupletCapacity(), 5);
    EXPECT_EQ(f->fields()[2].start, 10);
    EXPECT_EQ(f->fields()[2].width, 8);
    EXPECT_EQ(f->fields()[2].decimals, 3);
    EXPECT_EQ(f->fields()[9].start, 57);

    // Lower case, blanks, skipped columns, nested groups.
    const auto g = RecordFormat::parse(" ( i4 , 2x, 2( 2(i4,f4.0) ) ) ");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->coupletCapacity(), 4);
    EXPECT_EQ(g->fields()[1].start, 6);

    EXPECT_FALSE(RecordFormat::parse("I5,5(I5,F8.3)"));
    EXPECT_FALSE(RecordFormat::parse("(I5,5(I5,F8.3)"));
    EXPECT_FALSE(RecordFormat::parse("(I5,A8)"));
    EXPECT_FALSE(RecordFormat::parse("(I5,F8)"));
    EXPECT_EQ(RecordFormat::parse("(10I5)")->coupletCapacity(), -1);
}

TEST(TwinspanRecordFormat, FieldsReadLikeFormattedInput) {
    EXPECT_EQ(readIntegerField("    7"), 7);
    EXPECT_EQ(readIntegerField("     "), 0);   // blank field
    EXPECT_EQ(readIntegerField(" 1 2 "), 12);  // inner blanks ignored
    EXPECT_EQ(readIntegerField("0000"), 0);
    EXPECT_FALSE(readIntegerField("  x1"));
    EXPECT_DOUBLE_EQ(readRealField("  30.000", 3)->value, 30.0);
    EXPECT_DOUBLE_EQ(readRealField("   30", 1)->value, 3.0);  // no point: implied decimals
    EXPECT_DOUBLE_EQ(readRealField(" 1.5E1", 3)->value, 15.0);
    EXPECT_DOUBLE_EQ(readRealField("        ", 3)->value, 0.0);
    EXPECT_FALSE(readRealField("  abc", 3));
    EXPECT_FALSE(readRealField(" 1.2.3", 3));
}

TEST(TwinspanRecordFormat, ThousandthsRoundHalfUpOnTheDecimalDigits) {
    EXPECT_EQ(readDecimal("1.4995")->thousandths, 1500);
    EXPECT_EQ(readDecimal("1.49949")->thousandths, 1499);
    EXPECT_EQ(readDecimal("1.49951")->thousandths, 1500);
    EXPECT_EQ(readDecimal("0.0005")->thousandths, 1);
    EXPECT_EQ(readDecimal("0.0004")->thousandths, 0);
    EXPECT_EQ(readDecimal("2.0005")->thousandths, 2001);
    EXPECT_EQ(readDecimal("10.5")->thousandths, 10500);
    EXPECT_EQ(readDecimal("2.5e-3")->thousandths, 3);
    EXPECT_EQ(readDecimal("0")->thousandths, 0);
    // Values far beyond any cover are held at one cap, on both sides.
    const long long cap = readDecimal("7777000000000000000000006593605449852795106")->thousandths;
    EXPECT_GT(cap, 0);
    EXPECT_EQ(readDecimal("-7777000000000000000000006593605449852795106")->thousandths, -cap);
    EXPECT_EQ(readDecimal("-1.5")->thousandths, -1499);  // trunc(-1500 + 0.5)
}

const char* const kHeader =
    "test\r\n"
    "(I5,5(I5,F8.3))                                                      5\r\n";

std::string condensed(const std::string& records, const std::string& names) {
    return std::string(kHeader) + records + names;
}

TEST(TwinspanCondensedData, ReadsRecordsContinuationsPaddingAndNames) {
    const CondensedData d = parseCondensedData(
        condensed("    1    1   1.000    3  25.000\n"
                  "    3    2   0.500    0   9.000\n"  // species 0 pads the record
                  "    1    2   4.000\n"              // sample 1 continues
                  "    0\n",
                  "Achillea        Carex   \n"
                  "     101\n"),
        "t.cc!");
    EXPECT_EQ(d.title, "test");
    ASSERT_EQ(d.sampleCount(), 3);  // the largest sample number; 2 is empty
    EXPECT_EQ(d.speciesCount, 3);
    ASSERT_EQ(d.samples[0].size(), 3u);
    EXPECT_EQ(d.samples[0][2].species, 2);
    EXPECT_EQ(d.samples[0][1].thousandths, 25000);
    EXPECT_TRUE(d.samples[1].empty());
    EXPECT_EQ(d.speciesNames, (std::vector<std::string>{"Achillea", "        ", "Carex   "}));
    EXPECT_EQ(d.sampleNames, (std::vector<std::string>{"     101", "        ", "        "}));
}

TEST(TwinspanCondensedData, SmallerCoupletCountIgnoresTheLastCouplets) {
    const CondensedData d = parseCondensedData(
        "t\n(I5,3(I5,F8.3))                                                      2\n"
        "    1    1   1.000    2   2.000    3   3.000\n"
        "    0\n"
        "Sp1     Sp2     \n"
        "       1\n",
        "t.cc!");
    EXPECT_EQ(d.speciesCount, 2);
    EXPECT_EQ(d.samples[0].size(), 2u);
}

void expectRefused(const std::string& content, const std::string& fragment) {
    try {
        parseCondensedData(content, "t.cc!");
        ADD_FAILURE() << "accepted; expected: " << fragment;
    } catch (const core::ZembuError& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
}

TEST(TwinspanCondensedData, BadInputIsRefusedWithItsPlace) {
    const std::string names = "Sp1     \n       1\n";
    expectRefused("t\n", "no format line");
    expectRefused("t\n(I5,5(I5,F8.3))   5\n    1    1   1.000\n    0\n" + names, "couplets per data record is missing");
    expectRefused("t\n(I5,5(I5,F8.3)                                                       5\n", "not a record format");
    expectRefused(condensed("    1    1   x.000\n    0\n", names), "Line 3 of t.cc!: columns 11-18");
    expectRefused(condensed("    1   a1   1.000\n    0\n", names), "do not hold a whole number");
    expectRefused(condensed("   -1    1   1.000\n    0\n", names), "negative");
    expectRefused(condensed("    1    1   1.000\n", ""), "do not end with a record whose sample number is 0");
    expectRefused(condensed("    1    1   1.000\n", names), "Line 4 of t.cc!: columns 1-5 (\"Sp1  \")");
    expectRefused(condensed("    0\n", names), "holds no data records");
    expectRefused(condensed("    1    1   1.000\n    0\n", "Sp1     \n"), "the name block is shorter than the data");
    expectRefused(condensed("    1    1   1.000\n    0\n", names + "       2\n"), "the name block is longer than the data");
    expectRefused("t\n(I8,5(I5,F8.3))                                                      5\n"
                  " 1000001    1   1.000\n       0\n" + names,
                  "the sample number 1000001 exceeds the largest this program takes (1000000)");
}

TEST(TwinspanCondensedData, NamesOfEmptySamplesAfterTheLastOneAreIgnored) {
    // Twelve sample names for data up to sample 10: the last two hold no species.
    const CondensedData d = parseCondensedData(
        condensed("   10    1   1.000\n    0\n",
                  "Sp1     \n"
                  "       1       2       3       4       5       6       7       8       9      10\n"
                  "      11      12\n"),
        "t.cc!");
    ASSERT_EQ(d.sampleCount(), 10);
    EXPECT_EQ(d.sampleNames[9], "      10");
    // Species names beyond the largest species number would shift them: refused.
    expectRefused(condensed("    1    1   1.000\n    0\n", "Sp1     \nSp2     \n       1\n"),
                  "the name block is longer than the data");
}

TEST(TwinspanCondensedData, TrailingBlankLinesAndLineEndsDoNotMatter) {
    const std::string content = condensed("    1    1   1.000\n    0\n", "Sp1     \n       1\n\n  \n");
    EXPECT_NO_THROW(parseCondensedData(content, "t.cc!"));
}

Parameters answered(const std::string& answers, std::string* prompts = nullptr) {
    std::istringstream in(answers);
    std::ostringstream out;
    Dialogue dialogue(in, out);
    EXPECT_EQ(dialogue.inputFileName(), "TWTWTW.CC!");
    Parameters p;
    dialogue.readParameters(p);
    if (prompts) *prompts = out.str();
    return p;
}

TEST(TwinspanDialogue, TheLinksAnswerFile) {
    std::string prompts;
    const Parameters p = answered("TWTWTW.CC!\n-1\n3\n0 5 25\n5\n6\n100\n6\n1\n-1\n1\n-1\n-1\n-1\n-1\n-1\n", &prompts);
    EXPECT_EQ(p.cutLevels, (std::vector<double>{0, 5, 25}));
    EXPECT_EQ(p.minGroupSize, 5);
    EXPECT_EQ(p.maxIndicators, 6);
    EXPECT_EQ(p.maxTableSpecies, 100);
    EXPECT_EQ(p.maxLevel, 6);
    EXPECT_TRUE(p.longOutput);
    EXPECT_FALSE(p.divisionDiagrams);
    EXPECT_TRUE(p.writePunched);
    EXPECT_TRUE(p.omittedSamples.empty());
    EXPECT_TRUE(p.levelWeights.empty());
    EXPECT_NE(prompts.find("Name of inputfile?"), std::string::npos);
    EXPECT_NE(prompts.find("Type 1 if machine readable copy of solution to be written to disk"), std::string::npos);
}

TEST(TwinspanDialogue, DefaultsRangesWeightsAndBlankLines) {
    // -1 everywhere: default cut levels and no fourth answer; CR LF and blank lines.
    Parameters p = answered("TWTWTW.CC!\r\n-1\r\n-1\r\n\r\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n-1\n");
    EXPECT_EQ(p.cutLevels, defaultCutLevels());
    EXPECT_EQ(p.minGroupSize, 5);
    EXPECT_EQ(p.maxIndicators, 7);
    EXPECT_EQ(p.maxLevel, 6);
    EXPECT_FALSE(p.writePunched);

    // Omitted samples with a range, cut levels over two lines, level weights,
    // a species that may not indicate, weights of samples.
    p = answered("TWTWTW.CC!\n3\n7\n-9\n-1\n3\n0 5\n25\n5\n6\n100\n6\n0\n0\n1\n0\n1 2 0.5\n-1\n4\n-1\n2.5\n1\n-3\n-1\n-1\n-1\n");
    EXPECT_EQ(p.omittedSamples, (std::vector<int>{3, 7, 8, 9}));
    EXPECT_EQ(p.cutLevels, (std::vector<double>{0, 5, 25}));
    EXPECT_EQ(p.levelWeights, (std::vector<double>{1, 2, 0.5}));
    EXPECT_EQ(p.nonIndicatorSpecies, (std::vector<int>{4}));
    EXPECT_EQ(p.sampleWeights, (std::vector<std::pair<int, double>>{{1, 2.5}, {2, 2.5}, {3, 2.5}}));
}

void expectDialogueRefused(const std::string& answers, const std::string& fragment) {
    try {
        answered(answers);
        ADD_FAILURE() << "accepted; expected: " << fragment;
    } catch (const core::ZembuError& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
    }
}

TEST(TwinspanDialogue, UnusableAnswersAreRefused) {
    expectDialogueRefused("TWTWTW.CC!\n-1\n3\n0 5 25\n1\n", "lies outside 2..10000");
    expectDialogueRefused("TWTWTW.CC!\n-1\n10\n", "lies outside 1..9");
    expectDialogueRefused("TWTWTW.CC!\n-1\n3\n0 25 5\n", "must increase");
    expectDialogueRefused("TWTWTW.CC!\n-1\n3\n0 five 25\n", "\"five\", which is not a number");
    expectDialogueRefused("TWTWTW.CC!\n-1\n-1\nfive\n", "is not a whole number");
    expectDialogueRefused("TWTWTW.CC!\n-1\n-1\n5\n6\n", "The answers end before the question");
    expectDialogueRefused("TWTWTW.CC!\n-1\n-1\n5\n6\n100\n16\n", "lies outside 0..15");
}

}  // namespace
}  // namespace zembu::classification::twinspan
