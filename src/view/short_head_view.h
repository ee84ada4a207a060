#pragma once
// The short-head view (vykresleni3, "Short head" ticked): under the table
// head, the values of the header fields chosen in Form22 for every visible
// relevé column, written vertically like the head, one character per column.

#include <cstdint>
#include <string>
#include <vector>

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::view {

struct ShortHeadView {
    int32_t firstColumn = 1;          // the column of the first character of each line
    std::vector<std::string> labels;  // per line: the field name on the field's first line, else ""
    std::vector<std::string> lines;   // per line: one character per visible column
    // TURBOVEG numbers of the visible relevés whose header record is missing
    // or names another relevé, in column order.
    std::vector<int32_t> incorrectHeads;
};

// Most lines one field takes: longer values are cut.
inline constexpr int MaxShortHeadLines = 20;

// Builds the view for columns firstColumn .. firstColumn + columnCount - 1
// (cut to the table). Each chosen field takes as many lines as its longest
// trimmed value among those columns (at least one, at most
// MaxShortHeadLines); a value's first character is on the field's first line.
ShortHeadView buildShortHeadView(const core::Workspace& ws, int32_t firstColumn, int32_t columnCount);

// vykresleni3: builds the view and, for each relevé with an incorrect head,
// asks "The relevé n has incorrect head!!!" / "Want you know about the next
// problem?" (Yes/No, title "ZEMBU"); No stops the questions of this drawing.
ShortHeadView vykresleni3(const core::Workspace& ws, core::Interaction& ui, int32_t firstColumn,
                          int32_t columnCount);

}  // namespace zembu::view
