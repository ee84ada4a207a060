#pragma once
// The display table: one character per cell byte, used to draw every cell of
// the table with a symbol of the chosen display scale.

#include <array>
#include <string_view>

namespace zembu::core {

using DisplayTable = std::array<char, 256>;

// A display table that shows every byte as itself.
DisplayTable identityDisplayTable();

// font1: Braun-Blanquet scale (r + 1 2 3 4 5).
void font1(DisplayTable& table);
// font2: extended Braun-Blanquet scale (r + 1 m a b 3 4 5).
void font2(DisplayTable& table);
// font3: Braun-Blanquet scale with the symbols of derived values.
void font3(DisplayTable& table);
// font4: presence only ("1"), with the symbols of derived values.
void font4(DisplayTable& table);
// font5: ordinal scale 1..9.
void font5(DisplayTable& table);

// The user scale: entries 0..129 themselves, 130..159 "*" with the derived
// symbols, 160 + i character i of the 95-character scale. A scale that is not
// exactly 95 characters long is no scale: the table is left as it is and
// false is returned.
bool userScale(DisplayTable& table, std::string_view scale);

// The user scale from the 95 symbols of the scale dialog's boxes, the symbol
// for cover i % at index i - 1 (a blank for a box left empty).
void userScaleSymbols(DisplayTable& table, const std::array<char, 95>& symbols);

// The scale chosen by the "Display font::" setting: 0 font1, 1 font2,
// 2 font3, 3 font5, 4 font4, 6 the user scale; any other value keeps the
// table as it is.
void applyDisplayFont(DisplayTable& table, int displayFont, std::string_view userScaleText);

}  // namespace zembu::core
