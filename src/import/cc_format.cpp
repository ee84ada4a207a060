#include "import/cc_format.h"

#include <cmath>
#include <limits>

#include "core/text.h"

namespace zembu::import {

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The numeric value of a field by the leading-number rule. Plain decimals
// ("38", "2.500") take a fast path that gives exactly the double the general
// rule gives: an integer mantissa below 2^53 divided by an exact power of ten
// is rounded once, as the decimal itself would be.
double fieldValue(const char* p, const char* end) {
    const char* q = p;
    uint64_t mantissa = 0;
    int digits = 0;
    while (q < end && isDigit(*q)) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
        ++digits;
        ++q;
    }
    int decimals = 0;
    if (q < end && *q == '.') {
        ++q;
        while (q < end && isDigit(*q)) {
            mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
            ++digits;
            ++decimals;
            ++q;
        }
    }
    if (q == end && digits > 0 && digits <= 15)
        return decimals == 0 ? static_cast<double>(mantissa)
                             : static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return core::leadingNumber(std::string_view(p, static_cast<size_t>(end - p)));
}

// A field read as a whole number: the numeric value rounded half to even.
int64_t fieldIndex(const char* p, const char* end) {
    const char* q = p;
    int64_t n = 0;
    while (q < end && isDigit(*q) && q - p < 12) {
        n = n * 10 + (*q - '0');
        ++q;
    }
    if (q == end && q > p) return n;
    const double v = fieldValue(p, end);
    // Far outside any index range: keep the sign, cap the size.
    if (v > 1e15) return std::numeric_limits<int32_t>::max() + int64_t{1};
    if (v < -1e15) return -1;
    return core::roundHalfEven(v);
}

}  // namespace

void parseCcDataLine(std::string_view line, CcDataLine& out) {
    out.pairs.clear();
    out.releve = 0;
    const char* p = line.data();
    const char* end = p + line.size();

    const auto nextField = [&](const char*& begin, const char*& stop) {
        while (p < end && isBlank(*p)) ++p;
        if (p == end) return false;
        begin = p;
        while (p < end && !isBlank(*p)) ++p;
        stop = p;
        return true;
    };

    const char* b;
    const char* e;
    if (!nextField(b, e)) return;
    out.releve = fieldIndex(b, e);
    if (out.releve == 0) return;
    while (nextField(b, e)) {
        const int64_t species = fieldIndex(b, e);
        if (species == 0) break;
        double value = 0.0;
        if (nextField(b, e)) value = fieldValue(b, e);
        out.pairs.push_back({species, value});
    }
}

int64_t ccListFieldCount(std::string_view line) {
    // length / 8 rounded half to even: exact halves are length = 8n + 4.
    const int64_t len = static_cast<int64_t>(line.size());
    const int64_t whole = len / 8;
    const int64_t rest = len % 8;
    if (rest > 4) return whole + 1;
    if (rest == 4) return whole % 2 == 0 ? whole : whole + 1;
    return whole;
}

std::vector<std::string_view> readCcSpeciesList(LineCursor& cursor, int64_t largestSpecies) {
    std::vector<std::string_view> fields;
    std::string_view line;
    while (static_cast<int64_t>(fields.size()) < largestSpecies) {
        const LineCursor::Mark before = cursor.mark();
        if (!cursor.next(line)) break;
        if (line.size() >= 2 && line[0] == ' ' && line[1] == ' ') {
            cursor.reset(before);
            break;
        }
        const int64_t n = ccListFieldCount(line);
        for (int64_t f = 0; f < n; ++f) fields.push_back(ccListField(line, f));
    }
    return fields;
}

std::vector<std::string_view> readCcReleveList(LineCursor& cursor) {
    std::vector<std::string_view> fields;
    std::string_view line;
    while (cursor.next(line)) {
        if (core::trim(line).empty()) break;
        const int64_t n = ccListFieldCount(line);
        for (int64_t f = 0; f < n; ++f) fields.push_back(ccListField(line, f));
    }
    while (!fields.empty() && core::trim(fields.back()).empty()) fields.pop_back();
    return fields;
}

int32_t ccReleveNumber(std::string_view field) {
    const auto n = core::wholeNumberIn(core::leadingNumber(core::trim(field)), std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max());
    return n ? static_cast<int32_t>(*n) : 0;
}

}  // namespace zembu::import
