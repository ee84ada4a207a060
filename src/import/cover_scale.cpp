#include "import/cover_scale.h"

#include "core/text.h"

namespace zembu::import {

namespace {

constexpr BraunBlanquetCode kCodes[BraunBlanquetCodeCount] = {
    {"r", "", 1, " -   1 % (r)"},    {"+", "", 2, " -   2 % (+)"},     {"1", "", 3, " -   3 % (1)"},
    {"2m", "m", 4, " -   4 % (2m)"}, {"2a", "a", 8, " -   8 % (2a)"},  {"2b", "b", 18, " -  18 % (2b)"},
    {"2", "", 13, " -  13 % (2)"},   {"3", "", 38, " -  38 % (3)"},    {"4", "", 63, " -  63 % (4)"},
    {"5", "", 88, " -  88 % (5)"},
};

constexpr int kOrdinalPercent[10] = {0, 1, 2, 3, 4, 8, 18, 38, 63, 88};

}  // namespace

int ordinalPercent(double ordinal) {
    return kOrdinalPercent[core::clampedWholeNumber(ordinal, 1, 9)];
}

const BraunBlanquetCode* braunBlanquetCodes() { return kCodes; }

const BraunBlanquetCode* findBraunBlanquetCode(std::string_view text) {
    if (text.empty()) return nullptr;
    for (const BraunBlanquetCode& c : kCodes)
        if (text == c.code || (*c.alias && text == c.alias)) return &c;
    return nullptr;
}

}  // namespace zembu::import
