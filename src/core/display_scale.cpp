#include "core/display_scale.h"

namespace zembu::core {

namespace {

void setRange(DisplayTable& t, int from, int to, char c) {
    for (int b = from; b <= to; ++b) t[b] = c;
}

void identityRange(DisplayTable& t, int from, int to) {
    for (int b = from; b <= to; ++b) t[b] = static_cast<char>(b);
}

// Symbols of percentages p = 1..95 at bytes 160 + p, by the breaks
// 1, 2, 3, 4, 5-15, 16-25, 26-50, 51-75, 76-95.
void setPercentSymbols(DisplayTable& t, const char (&symbols)[10]) {
    for (int p = 1; p <= 95; ++p) {
        int cls;
        if (p <= 4) cls = p - 1;
        else if (p <= 15) cls = 4;
        else if (p <= 25) cls = 5;
        else if (p <= 50) cls = 6;
        else if (p <= 75) cls = 7;
        else cls = 8;
        t[160 + p] = symbols[cls];
    }
}

// The symbols of the derived-value codes 130..154.
void setDerivedSymbols(DisplayTable& t) {
    t[130] = 'o';
    const char digits[] = "123456789X";
    // 131..140 -> 1..5, 145..154 -> 6..X, in pairs; 141..144 keep "*".
    for (int i = 0; i < 5; ++i) t[131 + 2 * i] = t[132 + 2 * i] = digits[i];
    for (int i = 0; i < 5; ++i) t[145 + 2 * i] = t[146 + 2 * i] = digits[5 + i];
}

}  // namespace

DisplayTable identityDisplayTable() {
    DisplayTable t{};
    identityRange(t, 0, 255);
    return t;
}

void font1(DisplayTable& t) {
    identityRange(t, 0, 129);
    setRange(t, 130, 155, '*');
    identityRange(t, 156, 160);
    setPercentSymbols(t, "r+1222345");
}

void font2(DisplayTable& t) {
    identityRange(t, 0, 129);
    setRange(t, 130, 159, '*');
    setPercentSymbols(t, "r+1mab345");
}

void font3(DisplayTable& t) {
    identityRange(t, 0, 129);
    setRange(t, 130, 159, '*');
    setDerivedSymbols(t);
    setPercentSymbols(t, "r+1222345");
}

void font4(DisplayTable& t) {
    identityRange(t, 0, 129);
    setRange(t, 130, 159, '*');
    setDerivedSymbols(t);
    setPercentSymbols(t, "111111111");
}

void font5(DisplayTable& t) {
    identityRange(t, 0, 129);
    setRange(t, 130, 155, '*');
    identityRange(t, 156, 160);
    setPercentSymbols(t, "123456789");
}

bool userScale(DisplayTable& t, std::string_view scale) {
    if (scale.size() != 95) return false;
    std::array<char, 95> symbols;
    for (int i = 0; i < 95; ++i) symbols[i] = scale[i];
    userScaleSymbols(t, symbols);
    return true;
}

void userScaleSymbols(DisplayTable& t, const std::array<char, 95>& symbols) {
    identityRange(t, 0, 129);
    setRange(t, 130, 159, '*');
    setDerivedSymbols(t);
    for (int i = 1; i <= 95; ++i) t[160 + i] = symbols[i - 1];
}

void applyDisplayFont(DisplayTable& t, int displayFont, std::string_view userScaleText) {
    switch (displayFont) {
        case 0: font1(t); break;
        case 1: font2(t); break;
        case 2: font3(t); break;
        case 3: font5(t); break;
        case 4: font4(t); break;
        case 6: userScale(t, userScaleText); break;
        default: break;
    }
}

}  // namespace zembu::core
