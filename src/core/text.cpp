#include "core/text.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace zembu::core {

int64_t roundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    // 2^63 is the first double beyond the range; every double below it in
    // size converts exactly.
    constexpr double Limit = 9223372036854775808.0;
    if (value >= Limit) return INT64_MAX;
    if (value < -Limit) return INT64_MIN;
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    int64_t result = static_cast<int64_t>(floorValue);
    if (diff > 0.5) {
        ++result;
    } else if (diff == 0.5) {
        if (result % 2 != 0) ++result;
    }
    return result;
}

std::optional<int64_t> wholeNumberIn(double value, int64_t low, int64_t high) {
    if (!std::isfinite(value)) return std::nullopt;
    const int64_t n = roundHalfEven(value);
    if (n < low || n > high) return std::nullopt;
    return n;
}

int64_t clampedWholeNumber(double value, int64_t low, int64_t high) {
    if (!std::isfinite(value)) return low;
    const int64_t n = roundHalfEven(value);
    return n < low ? low : n > high ? high : n;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of text (0 when there is none).
size_t numberLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

double leadingNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    text.remove_prefix(start);
    const size_t len = numberLength(text);
    if (len == 0) return 0.0;
    const std::string number(text.substr(0, len));
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool isNumber(std::string_view text) {
    text = trim(text);
    return !text.empty() && numberLength(text) == text.size();
}

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) value = 0.0;
    const size_t point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const std::string_view fracPattern =
        point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int intMin = 0;
    for (char c : intPattern) intMin += c == '0';
    int fracMin = 0;
    for (char c : fracPattern) fracMin += c == '0';
    const int fracMax = static_cast<int>(fracPattern.size());

    // Fifteen significant decimal digits of |value|: digits d0 d1 ... with the
    // decimal point after position exponent + 1.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (isDigit(*p)) digits += *p;
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    if (value == 0.0) exponent = 0;

    // Round half away from zero to fracMax decimals.
    int keep = exponent + 1 + fracMax;  // digits before the cut
    if (keep < 0) {
        digits = "0";
        exponent = 0;
        keep = 1 + fracMax;
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[i] == '9') digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
        if (digits.empty()) {
            digits = "0";
            exponent = 0;
        }
    }
    // Integer and fraction digits.
    std::string integerPart;
    std::string fraction;
    for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
        if (i <= exponent) integerPart += digits[i];
        else fraction += digits[i];
    }
    for (int i = static_cast<int>(digits.size()); i <= exponent; ++i) integerPart += '0';
    if (exponent < -1) fraction.insert(0, static_cast<size_t>(-exponent - 1), '0');
    if (static_cast<int>(fraction.size()) > fracMax) fraction.resize(fracMax);
    while (static_cast<int>(fraction.size()) < fracMax) fraction += '0';
    while (static_cast<int>(fraction.size()) > fracMin && fraction.back() == '0') fraction.pop_back();

    size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "" : integerPart.substr(firstNonZero);
    while (static_cast<int>(integerPart.size()) < intMin) integerPart.insert(integerPart.begin(), '0');

    std::string out;
    if (value < 0) out += '-';
    out += integerPart;
    if (!fraction.empty()) out += "." + fraction;
    return out;
}

std::string withLeadingBlank(int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string printedNumber(int64_t value) { return withLeadingBlank(value) + " "; }

std::string leftJustify(std::string_view text, size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string rightJustify(std::string_view text, size_t width) {
    if (text.size() >= width) return std::string(text.substr(0, width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string padLeft(std::string_view text, size_t width) {
    if (text.size() >= width) return std::string(text);
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string padRight(std::string_view text, size_t width) {
    std::string out(text);
    if (out.size() < width) out.resize(width, ' ');
    return out;
}

std::string lastChars(std::string_view text, size_t n) {
    return std::string(text.size() <= n ? text : text.substr(text.size() - n));
}

std::string_view trimLeft(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view trimRight(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view trim(std::string_view text) { return trimRight(trimLeft(text)); }

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && lowerAscii(a) == lowerAscii(b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::vector<std::string_view> splitAtBlanks(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        const size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    const size_t n = content.size();
    size_t i = 0;
    while (i < n) {
        const char c = content[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(content.substr(start, i - start));
            if (c == '\r' && i + 1 < n && content[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n) lines.push_back(content.substr(start));
    return lines;
}

namespace {

constexpr std::array<char16_t, 128> kHighHalf = {
#include "core/code_page_table.inc"
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

const std::unordered_map<char32_t, char>& reverseTable() {
    static const std::unordered_map<char32_t, char> table = [] {
        std::unordered_map<char32_t, char> t;
        for (int i = 0; i < 128; ++i) t[kHighHalf[i]] = static_cast<char>(128 + i);
        return t;
    }();
    return table;
}

}  // namespace

std::string codePageToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) out += c;
        else appendUtf8(out, kHighHalf[b - 0x80]);
    }
    return out;
}

std::string utf8ToCodePage(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        size_t len;
        if (b < 0x80) { cp = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
        else { out += '?'; ++i; continue; }
        if (i + len > utf8.size()) { out += '?'; break; }
        bool valid = true;
        for (size_t k = 1; k < len; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) { valid = false; break; }
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!valid) { out += '?'; ++i; continue; }
        i += len;
        if (cp < 0x80) { out += static_cast<char>(cp); continue; }
        const auto& table = reverseTable();
        const auto it = table.find(cp);
        out += it == table.end() ? '?' : it->second;
    }
    return out;
}

}  // namespace zembu::core
