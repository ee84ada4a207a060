#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "core/text.h"

using namespace zembu::core;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(-0.7), -1);
    EXPECT_EQ(roundHalfEven(20.5), 20);
}

TEST(RoundHalfEven, WholeNumbersFarOutsideTheRangeAreCheckedNotWrapped) {
    // A plain conversion of 1e20 gives the most negative number on this
    // machine: an ordinal cover of 1e20 would become the smallest.
    EXPECT_EQ(roundHalfEven(1e20), INT64_MAX);
    EXPECT_EQ(roundHalfEven(-1e300), INT64_MIN);

    EXPECT_EQ(wholeNumberIn(2147483647.4, INT32_MIN, INT32_MAX), 2147483647);
    EXPECT_EQ(wholeNumberIn(2147483648.0, INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(wholeNumberIn(9999999999.0, INT32_MIN, INT32_MAX), std::nullopt);
    EXPECT_EQ(wholeNumberIn(1e19, 0, 9), std::nullopt);
    EXPECT_EQ(wholeNumberIn(-1e19, 0, 9), std::nullopt);
    EXPECT_EQ(wholeNumberIn(std::numeric_limits<double>::quiet_NaN(), 0, 9), std::nullopt);

    EXPECT_EQ(clampedWholeNumber(1e20, 1, 9), 9);
    EXPECT_EQ(clampedWholeNumber(-1e20, 1, 9), 1);
    EXPECT_EQ(clampedWholeNumber(4.5, 1, 9), 4);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(leadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("   -3.5e2x"), -350);
    EXPECT_DOUBLE_EQ(leadingNumber("2.000"), 2);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("7e"), 7);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("1e999"), 0);  // out of range reads as no number
    EXPECT_TRUE(isNumber(" 42 "));
    EXPECT_TRUE(isNumber("-0.5"));
    EXPECT_FALSE(isNumber("A1"));
    EXPECT_FALSE(isNumber("1a"));
    EXPECT_FALSE(isNumber(""));
}

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << " as " << c.pattern; }

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesThePattern) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumber,
    ::testing::Values(FormatCase{0.693147, "0.000", "0.693"}, FormatCase{1, "0.000", "1.000"},
                      FormatCase{2.675, "0.00", "2.68"}, FormatCase{0.125, "0.00", "0.13"},
                      FormatCase{-0.125, "0.00", "-0.13"}, FormatCase{99.95, "0.0", "100.0"},
                      FormatCase{1234.56, "###0.0", "1234.6"}, FormatCase{0.04, "###0.0", "0.0"},
                      FormatCase{3.14159, "###0.00", "3.14"}, FormatCase{2.5, "0.0##", "2.5"},
                      FormatCase{2.12345, "0.0##", "2.123"}, FormatCase{50, "0.###", "50"},
                      FormatCase{33.3333, "0.###", "33.333"}, FormatCase{48.5, "00.0000", "48.5000"},
                      FormatCase{7.25, "00.0000", "07.2500"}, FormatCase{2.5, "0", "3"},
                      FormatCase{0.4, "0", "0"}, FormatCase{12, "###", "12"}, FormatCase{0, "###", ""},
                      FormatCase{-0.00001, "0.0", "-0.0"}, FormatCase{1e15, "0", "1000000000000000"},
                      FormatCase{0.0004, "0.00", "0.00"}, FormatCase{9.9996, "0.000", "10.000"}));

TEST(Alignment, JustifiesPadsAndCuts) {
    EXPECT_EQ(leftJustify("abc", 5), "abc  ");
    EXPECT_EQ(leftJustify("abcdef", 4), "abcd");
    EXPECT_EQ(rightJustify("42", 6), "    42");
    EXPECT_EQ(rightJustify("1234567", 6), "123456");
    EXPECT_EQ(padLeft("1234567", 6), "1234567");
    EXPECT_EQ(padRight("ab", 4), "ab  ");
    EXPECT_EQ(lastChars("1234567", 6), "234567");
    EXPECT_EQ(lastChars("12", 6), "12");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("    "), "");
    EXPECT_EQ(trimRight("a  "), "a");
    EXPECT_EQ(trimLeft("  a "), "a ");
    EXPECT_EQ(withLeadingBlank(5), " 5");
    EXPECT_EQ(withLeadingBlank(-5), "-5");
    EXPECT_EQ(printedNumber(16777215), " 16777215 ");
}

TEST(Splitting, FieldsAndLines) {
    const auto fields = splitAtBlanks("  1  3 2.000   7 ");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[2], "2.000");
    const auto parts = splitAt("a;;b;", ';');
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1], "");
    EXPECT_EQ(parts[3], "");
    const auto lines = splitLines("one\r\ntwo\nthree\rfour");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "four");
    EXPECT_EQ(splitLines("a\r\n\r\n").size(), 2u);
    EXPECT_TRUE(splitLines("").empty());
}

TEST(CodePage, CentralEuropeanLettersRoundTrip) {
    const std::string bytes = "Relev\xE9 \x8A\x9A\xC8\xE8\xD8\xF8\xBC";  // é Š š Č č Ř ř Ľ
    const std::string utf8 = codePageToUtf8(bytes);
    EXPECT_EQ(utf8, "Relevé ŠšČčŘřĽ");
    EXPECT_EQ(utf8ToCodePage(utf8), bytes);
    EXPECT_EQ(utf8ToCodePage("日本"), "??");
    // Every byte survives the trip through UTF-8.
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCodePage(codePageToUtf8(all)), all);
    // Broken UTF-8 does not crash and gives "?".
    EXPECT_EQ(utf8ToCodePage("a\xC3"), "a?");
}

TEST(Case, AsciiOnly) {
    EXPECT_EQ(upperAscii("sea-green"), "SEA-GREEN");
    EXPECT_EQ(lowerAscii("ABC\xC9"), "abc\xC9");
    EXPECT_TRUE(equalsIgnoreCase("Courier New", "COURIER NEW"));
    EXPECT_TRUE(startsWithIgnoreCase("courier new ce", "COURIER NEW"));
}
