#include "view/screen_text.h"

#include <algorithm>

namespace zembu::view {

namespace {

// Writes text over the start of a line, inside the blank area before the cells.
void overlay(std::string& line, const std::string& text, int prefixWidth) {
    const size_t room = static_cast<size_t>(std::max(0, prefixWidth - 1));
    line.replace(0, std::min(text.size(), room), text.substr(0, room));
}

}  // namespace

std::vector<std::string> screenText(const TableScreen& screen) {
    std::vector<std::string> lines;
    if (screen.empty) return lines;
    for (int r = 0; r < 6; ++r) {
        std::string line = screen.headRows[r];
        if (r == 0) overlay(line, screen.headCaption, screen.prefixWidth);
        if (r == 4) overlay(line, screen.relevesText, screen.prefixWidth);
        if (r == 5) overlay(line, screen.speciesText, screen.prefixWidth);
        lines.push_back(std::move(line));
    }
    for (size_t i = 0; i < screen.shortHeadLines.size(); ++i) {
        std::string line = screen.shortHeadLines[i];
        overlay(line, screen.shortHeadLabels[i], screen.prefixWidth);
        lines.push_back(std::move(line));
    }
    for (const ScreenRow& row : screen.rows) lines.push_back(row.text);
    return lines;
}

}  // namespace zembu::view
