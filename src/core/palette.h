#pragma once
// The palette of colour numbers (0 black .. 7 grey). Colours are 24-bit
// values 0x00BBGGRR, as stored in the table's colour arrays.

#include <array>
#include <cstdint>
#include <string>

namespace zembu::core {

struct PaletteEntry {
    std::string name;        // "black", "red", ...
    int32_t drawing = 0;     // colour used to draw text and bands
    int32_t light = 0;       // light variant
};

// Room for 21 entries; numbers 0..7 are filled.
using Palette = std::array<PaletteEntry, 21>;

inline constexpr int PaletteColourCount = 8;
// Colour value of an uncoloured relevé column.
inline constexpr int32_t UncolouredReleve = 0xFFFFFF;
// "all colours" in every colour filter.
inline constexpr int AllColours = 9;

// barvicky: the palette with its eight named colours.
Palette barvicky();

// Colour value a species row takes from entry e of the species colour boxes:
// the entry's drawing colour (entry 0: black, the uncoloured row).
inline int32_t speciesBoxColour(const Palette& palette, int entry) {
    return entry >= 0 && entry < PaletteColourCount ? palette[entry].drawing : 0;
}

// Colour value a relevé column takes from entry e of the relevé colour box:
// the entry's light colour, so the band keeps the text readable; entry 0 is
// white, the uncoloured column.
inline int32_t releveBoxColour(const Palette& palette, int entry) {
    return entry > 0 && entry < PaletteColourCount ? palette[entry].light : UncolouredReleve;
}

// Red, green and blue components of a 0x00BBGGRR colour value.
inline int colourRed(int32_t value) { return value & 0xFF; }
inline int colourGreen(int32_t value) { return (value >> 8) & 0xFF; }
inline int colourBlue(int32_t value) { return (value >> 16) & 0xFF; }

}  // namespace zembu::core
