#pragma once
// The table view as plain data: what one screen of the table shows, built
// from the workspace and a viewport. The desktop widget paints it; the
// command-line tool prints it. Only the visible part of the table is read.
//
// Layout in character cells: six head rows, then one text row per species
// row. A text row is the species name cut or padded to nameWidth + 1, the
// layer label cut or padded to layerWidth, one blank, then one character per
// visible relevé column.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zembu::core {
class Workspace;
}

namespace zembu::view {

// The part of the table a screen shows.
struct Viewport {
    int32_t firstColumn = 1;     // first relevé column shown
    int32_t topRow = 1;          // first species row shown
    int32_t visibleColumns = 1;  // relevé columns on the screen
    int32_t visibleRows = 1;     // species rows on the screen
};

// Visible columns: whole part of (view width / character width - name width
// - 5), at least 1. Visible rows: whole part of (view height / row height).
int32_t visibleColumnCount(int viewWidth, int charWidth, int nameWidth);
int32_t visibleRowCount(int viewHeight, int rowHeight);

// Number of body rows that fit under the head: a row is drawn while
// (6.7 + i - top) row heights stay inside the view.
int32_t drawableBodyRows(int viewHeight, int rowHeight);

enum class LineStyle { Solid, Dash, DashDot, DashDotDot, Dot };

// Line style of a separator level 1..6 (level 6 dotted, in light grey).
LineStyle separatorStyle(int level);

inline constexpr int32_t SeparatorColour = 0x505050;
inline constexpr int32_t FineSeparatorColour = 0xC4C4C4;

struct ScreenRow {
    int32_t row = 0;       // species row
    std::string text;      // prefix + cells, table bytes (code page)
    int32_t colour = 0;    // species colour value 0x00BBGGRR
};

struct ScreenBand {
    int32_t offset = 0;    // visible column index, 0-based
    int32_t colour = 0;    // relevé colour value
};

struct ScreenSeparator {
    int32_t offset = 0;    // visible row / column index, 0-based; the line lies after it
    int level = 0;
    LineStyle style = LineStyle::Solid;
    int32_t colour = SeparatorColour;
};

struct TableScreen {
    bool empty = true;                     // no relevés: nothing but a cleared view
    int prefixWidth = 0;                   // characters before the first cell
    Viewport viewport;                     // as clamped to the table
    std::array<std::string, 6> headRows;   // top to bottom: head line 6 .. head line 1
    std::string headCaption;               // in the blank area of head row 1
    std::string relevesText;               // in head row 5: "Releves" + count
    std::string speciesText;               // in head row 6: "Species" + count
    std::vector<ScreenRow> rows;           // visible species rows
    std::vector<ScreenBand> releveBands;   // coloured visible columns
    std::vector<ScreenSeparator> speciesSeparators;
    std::vector<ScreenSeparator> releveSeparators;
    // The short-head view under the head ("Short head" ticked): one line per
    // character of the chosen header fields, the field name in the blank area.
    std::vector<std::string> shortHeadLabels;
    std::vector<std::string> shortHeadLines;
    double bodyTop = 6.7;                  // row heights from the top to the first body row
    int32_t layerBandColour = 0xF2F2F2;    // grey of the layer-label band
    int layerBandStart = 0;                // character column where the layer field starts
    int layerBandWidth = 0;
};

// True when cells are shown with the display table (the program's
// fixed-pitch table font or a Courier New face); otherwise the raw cover
// character is shown.
bool usesDisplayTable(const core::Workspace& ws);

// The name and layer fields every screen row starts with: the name cut or
// padded to nameWidth + 1, the layer label cut or padded to layerWidth, one
// blank; the layer field lies on a grey band.
struct RowPrefix {
    int nameWidth = 20;            // at least 4
    int layerWidth = 3;            // 3..50
    int width = 0;                 // nameWidth + 2 + layerWidth
    int32_t layerBandColour = 0;   // 0.95 x the grey level, 0x00BBGGRR
    int layerBandStart() const { return nameWidth + 1; }
};
RowPrefix rowPrefixOf(const core::Workspace& ws);
// The prefix text of species row i.
std::string rowPrefixText(const core::Workspace& ws, int32_t row, const RowPrefix& prefix);

// A separator entry as drawn at a visible offset; false when there is none or
// the hierarchy hides it (level above the current level).
bool separatorShown(int16_t entry, const core::Workspace& ws, ScreenSeparator& out, int32_t offset);

// vykresleni2's table view: one screen of the table. viewport.visibleRows is
// the number of rows that fit under the head; short-head lines take their
// share of them.
TableScreen buildTableScreen(const core::Workspace& ws, const Viewport& viewport);

}  // namespace zembu::view
