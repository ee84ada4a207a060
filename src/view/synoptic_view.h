#pragma once
// The synoptic view: the synoptic table shown in the main window in place of
// the relevé table, one column per relevé group. It is computed when a
// synoptic type is chosen (and again after every command while it is shown,
// so it follows the current separators) and kept by species record: a screen
// is read from it without computing, and rows moved or sorted afterwards
// still show their own values.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "synoptic/synoptic_cells.h"
#include "view/table_screen.h"

namespace zembu::core {
class Interaction;
class Workspace;
}

namespace zembu::view {

// showSynopticType: shows synoptic type 1..11 or 20 (combined); the type
// already shown returns to the ordinary table. A table without relevés shows
// nothing. Renews the menu check marks.
void showSynopticType(core::Workspace& ws, int type);

// synopt_Click: the constancy and fidelity items, index 1..4 = type; an index
// of 5 or more does nothing.
void synopt_Click(core::Workspace& ws, int index);
// synav_Click: the "A&bundance Value" items 0..6, type index + 5.
void synav_Click(core::Workspace& ws, int index);
// percwithvali_Click: the combined synoptic table.
void percwithvali_Click(core::Workspace& ws);

// Ticks the menu item of the synoptic type shown (none for the table).
void renewSynopticChecks(core::Workspace& ws);

// How the values of one part of a cell are highlighted.
struct HighlightStyle {
    bool fill = false;     // the "(Yes/No)" switch of the value's kind
    int32_t colour1 = 0;   // fill of class 1 (first threshold), 0x00BBGGRR
    int32_t colour3 = 0;   // fill of class 3 (second threshold)
};

// A computed synoptic view.
class SynopticView {
public:
    int type = 0;             // 1..11, or synoptic::CombinedTable
    int form = 0;             // form 1..6 of the combined table
    std::string title;        // the title line shown; empty when the type shows none
    int32_t groupCount = 0;   // K
    std::vector<int32_t> groupSizes;  // relevés of groups 1..K (index g - 1)
    int parts = 1;            // values per group: 2 in the combined table
    int partWidth = 6;        // characters per value: 6, wider only for a longer text
    std::array<HighlightStyle, 2> styles;  // by part
    bool bold = false;        // values of class 1 and 3 in bold

    // True when the species record has values (a live row when computed).
    bool hasRecord(int32_t record) const;
    // Value `part` (0-based) of group g (1..K) of a species record.
    synoptic::CellPart value(int32_t record, int32_t g, int part) const;

private:
    friend SynopticView computeSynopticView(core::Workspace& ws, core::Interaction* ui);
    // By species record: the texts of every group's parts, each ended by a
    // zero byte, and one class byte per part.
    std::vector<std::string> texts_;
    std::vector<std::string> classes_;
};

// The largest number of values (rows x groups x parts) a view holds.
inline constexpr int64_t MaxSynopticViewValues = 60'000'000;

// Computes the view of ws.synopticType from the table, the settings and the
// separator state, through the same computation as every other synoptic
// output. Progress goes through ui when given. Throws core::ZembuError when
// the view would be too large to hold.
SynopticView computeSynopticView(core::Workspace& ws, core::Interaction* ui = nullptr);

// The title line a type shows on screen: types 1..9 (4 only with the phi
// coefficient) and the combined table; none for the others.
bool titleShown(int type, int measure);

// Groups whose columns fit in a view of viewWidth pixels after the name and
// layer prefix; at least 1.
int32_t visibleGroupCount(int viewWidth, int charWidth, int prefixWidth, int groupWidth);

// A highlighted value on a screen row.
struct MarkedValue {
    int offset = 0;         // character column of the value field in the row text
    int width = 0;          // characters of the field
    int highlight = 0;      // class 1 or 3
    bool filled = false;    // draw a filled box of `fill` under it
    int32_t fill = 0;
    bool bold = false;
};

struct SynopticScreenRow {
    int32_t row = 0;
    std::string text;       // name, layer, then the value fields (code page)
    int32_t colour = 0;     // species colour value
    std::string classes;    // class 0, 1 or 3 of every visible value, in order
    std::vector<MarkedValue> marked;
};

// One screen of a synoptic view as plain data. Rows are character rows of
// the table font: the title on row 0, the group numbers on row 1, the group
// sizes on row 2, the species rows from bodyTop on.
struct SynopticScreen {
    bool empty = true;
    int prefixWidth = 0;       // characters before the first value field
    int groupWidth = 0;        // characters per group column
    int partWidth = 0;         // characters per value
    int32_t firstGroup = 1;
    int32_t visibleGroups = 0;
    int32_t topRow = 1;
    std::string title;
    std::string groupLine;     // "Group No." and the numbers
    std::string sizeLine;      // "No. of relevés" and the sizes
    std::vector<SynopticScreenRow> rows;
    std::vector<ScreenSeparator> speciesSeparators;
    double bodyTop = 3.5;
    int32_t layerBandColour = 0xF2F2F2;
    int layerBandStart = 0;
    int layerBandWidth = 0;
};

inline constexpr double SynopticBodyTop = 3.5;

// vykreslenisynopt666 / vykreslenisynopt555 as data: the screen of a
// computed view from group firstColumn and species row topRow on.
SynopticScreen buildSynopticScreen(const core::Workspace& ws, const SynopticView& view, int32_t firstGroup,
                                   int32_t visibleGroups, int32_t topRow, int32_t visibleRows);

// The lines of a synoptic screen (code page, without line ends): the title,
// the two head lines and one line per species row. With classes every value
// field is followed by "|" and its class ("   100|3").
std::vector<std::string> synopticScreenText(const SynopticScreen& screen, bool classes = false);

}  // namespace zembu::view
