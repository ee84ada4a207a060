#pragma once
// Text and number helpers shared by every part of the program: rounding, the
// leading-number rule, the fixed number patterns, alignment, and conversion
// between the table's single-byte code page and UTF-8.
//
// Table text (species names, header values, labels) is kept as the bytes read,
// in the Central European single-byte code page; only the GUI converts it.
// All number output is locale-independent and uses ".".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values beyond the 64-bit range give its
// nearest end; a value that is not finite gives 0.
int64_t roundHalfEven(double value);

// Every whole number a reader takes from a file goes through one of these two.
// wholeNumberIn: the value rounded half to even when it lies in low..high,
// nullopt when it does not (or is not finite): for fields a reader refuses.
std::optional<int64_t> wholeNumberIn(double value, int64_t low, int64_t high);
// clampedWholeNumber: the value rounded half to even and brought into
// low..high (not finite: low): for fields whose rule caps them.
int64_t clampedWholeNumber(double value, int64_t low, int64_t high);

// The leading-number rule: the number at the start of the text (after blanks),
// with optional sign, decimal point and exponent; 0 when the text does not
// start with a number. "12abc" -> 12, "abc" -> 0, " -3.5e2x" -> -350.
double leadingNumber(std::string_view text);

// True when the text, trimmed, is a number in full (sign, digits, point, exponent).
bool isNumber(std::string_view text);

// Formats a number with one of the program's fixed patterns: "0", "0.0",
// "0.00", "0.000", "###0.0", "###0.00", "0.0##", "0.###", "00.0000", "###".
// '0' is a digit always written, '#' a digit written only when significant.
// Rounding is half away from zero on the value's 15-digit decimal form. A
// negative value that rounds to zero keeps its sign ("-0.0"). A pattern whose
// decimals are all optional writes no point when none is needed ("5", not "5.").
std::string formatNumber(double value, std::string_view pattern);

// A whole number as printed in messages: a leading blank for a number >= 0,
// the minus sign otherwise (" 42", "-7").
std::string withLeadingBlank(int64_t value);

// A whole number as printed into text files: leading blank or minus sign,
// then the digits, then one blank (" 42 ", "-7 ").
std::string printedNumber(int64_t value);

// Left-justifies text in exactly width characters: padded with blanks, or cut
// to its first width characters.
std::string leftJustify(std::string_view text, size_t width);

// Right-justifies text in width characters: blanks in front; a longer text
// keeps its first width characters.
std::string rightJustify(std::string_view text, size_t width);

// Pads text with blanks in front up to width; a longer text stays whole.
std::string padLeft(std::string_view text, size_t width);

// Pads text with blanks behind up to width; a longer text stays whole.
std::string padRight(std::string_view text, size_t width);

// The last n characters (the whole text when shorter).
std::string lastChars(std::string_view text, size_t n);

// Blanks (spaces only) removed at both ends / at the end / at the start.
std::string_view trim(std::string_view text);
std::string_view trimRight(std::string_view text);
std::string_view trimLeft(std::string_view text);

// ASCII letters in capitals / small letters; other bytes unchanged.
std::string upperAscii(std::string_view text);
std::string lowerAscii(std::string_view text);

// Case-insensitive comparison of ASCII letters.
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Splits at runs of blanks; no empty fields.
std::vector<std::string_view> splitAtBlanks(std::string_view text);

// Splits at every occurrence of the separator; empty fields kept.
std::vector<std::string_view> splitAt(std::string_view text, char separator);

// Splits file content into lines at LF, CR LF or a lone CR; the line ends are
// removed. A last line without a line end is a line; an empty tail is not.
std::vector<std::string_view> splitLines(std::string_view content);

// Code-page conversion: table bytes (Central European single-byte code page)
// to UTF-8 and back. Characters the code page lacks become "?".
std::string codePageToUtf8(std::string_view bytes);
std::string utf8ToCodePage(std::string_view utf8);

}  // namespace zembu::core
