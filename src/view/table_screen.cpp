#include "view/table_screen.h"

#include <algorithm>
#include <cmath>

#include "core/index_code.h"
#include "core/text.h"
#include "core/workspace.h"
#include "view/short_head_view.h"

namespace zembu::view {

int32_t visibleColumnCount(int viewWidth, int charWidth, int nameWidth) {
    if (charWidth <= 0) return 1;
    return std::max<int32_t>(1, static_cast<int32_t>(std::floor(double(viewWidth) / charWidth - nameWidth - 5)));
}

int32_t visibleRowCount(int viewHeight, int rowHeight) {
    if (rowHeight <= 0) return 1;
    return std::max<int32_t>(1, viewHeight / rowHeight);
}

int32_t drawableBodyRows(int viewHeight, int rowHeight) {
    if (rowHeight <= 0) return 0;
    // Rows i = top, top + 1, ... while (6.7 + i - top) * h < view height.
    return std::max<int32_t>(0, static_cast<int32_t>(std::ceil(double(viewHeight) / rowHeight - 6.7)));
}

LineStyle separatorStyle(int level) {
    switch (level) {
        case 2: return LineStyle::Dash;
        case 3: return LineStyle::DashDot;
        case 4: return LineStyle::DashDotDot;
        case 5:
        case 6: return LineStyle::Dot;
        default: return LineStyle::Solid;
    }
}

bool usesDisplayTable(const core::Workspace& ws) {
    const std::string& font = ws.display.fontName;
    return std::string_view(core::trim(font)).empty() || core::startsWithIgnoreCase(font, "COURIER NEW");
}

RowPrefix rowPrefixOf(const core::Workspace& ws) {
    RowPrefix p;
    p.nameWidth = std::max(4, ws.display.nameWidth);
    p.layerWidth = std::clamp(ws.display.layerWidth, 3, 50);
    p.width = p.nameWidth + 2 + p.layerWidth;
    const int grey = static_cast<int>(core::roundHalfEven(0.95 * ws.display.greyLevel));
    p.layerBandColour = grey | (grey << 8) | (grey << 16);
    return p;
}

std::string rowPrefixText(const core::Workspace& ws, int32_t row, const RowPrefix& prefix) {
    const core::Table& t = ws.table;
    std::string text = core::leftJustify(std::string_view(t.SpeciesInfo[row].name).substr(0, prefix.nameWidth),
                                         static_cast<size_t>(prefix.nameWidth) + 1);
    text += core::leftJustify(t.SpeciesLayerLabel[row], static_cast<size_t>(prefix.layerWidth));
    text += ' ';
    return text;
}

bool separatorShown(int16_t entry, const core::Workspace& ws, ScreenSeparator& out, int32_t offset) {
    if (entry <= 0) return false;
    out.offset = offset;
    out.level = entry;
    if (ws.separatorHierarchy) {
        if (entry > ws.separatorLevel) return false;
        out.style = separatorStyle(entry);
        out.colour = entry == 6 ? FineSeparatorColour : SeparatorColour;
    } else {
        out.style = LineStyle::Solid;
        out.colour = SeparatorColour;
    }
    return true;
}

TableScreen buildTableScreen(const core::Workspace& ws, const Viewport& requested) {
    const core::Table& t = ws.table;
    const RowPrefix prefix = rowPrefixOf(ws);
    TableScreen screen;
    screen.prefixWidth = prefix.width;
    screen.layerBandStart = prefix.layerBandStart();
    screen.layerBandWidth = prefix.layerWidth;
    screen.layerBandColour = prefix.layerBandColour;
    screen.headCaption = ws.headCaption;

    Viewport v = requested;
    v.visibleColumns = std::max<int32_t>(1, v.visibleColumns);
    v.visibleRows = std::max<int32_t>(0, v.visibleRows);
    v.firstColumn = std::clamp<int32_t>(v.firstColumn, 1, std::max<int32_t>(1, t.ReleveCount));
    v.topRow = std::clamp<int32_t>(v.topRow, 1, std::max<int32_t>(1, t.SpeciesCount));
    screen.viewport = v;
    if (t.ReleveCount < 1) return screen;
    screen.empty = false;
    screen.relevesText = "Releves" + core::withLeadingBlank(t.ReleveCount);
    screen.speciesText = "Species" + core::withLeadingBlank(t.SpeciesCount);

    const int32_t lastColumn = std::min<int32_t>(t.ReleveCount, v.firstColumn + v.visibleColumns - 1);

    // The short-head lines come first under the head.
    int32_t bodyRowsAvailable = v.visibleRows;
    if (ws.shortHead.shown) {
        const ShortHeadView shortHead = buildShortHeadView(ws, v.firstColumn, v.visibleColumns);
        for (size_t i = 0; i < shortHead.lines.size(); ++i) {
            screen.shortHeadLabels.push_back(shortHead.labels[i]);
            screen.shortHeadLines.push_back(std::string(static_cast<size_t>(screen.prefixWidth), ' ') + shortHead.lines[i]);
        }
        const auto taken = static_cast<int32_t>(screen.shortHeadLines.size());
        screen.bodyTop += taken + (taken > 0 ? 0.3 : 0.0);
        bodyRowsAvailable = std::max<int32_t>(0, v.visibleRows - taken - (taken > 0 ? 1 : 0));
    }
    const int32_t lastRow = std::min<int32_t>(t.SpeciesCount, v.topRow + bodyRowsAvailable - 1);

    // Head: the first character of each value on top, the last at the bottom.
    for (auto& row : screen.headRows) row.assign(static_cast<size_t>(screen.prefixWidth + v.visibleColumns), ' ');
    for (int32_t k = v.firstColumn; k <= lastColumn; ++k) {
        const std::string chars = core::rightJustify(t.ReleveHead[t.ReleveOrder[k].record], 6);
        for (int c = 0; c < 6; ++c) screen.headRows[c][screen.prefixWidth + (k - v.firstColumn)] = chars[c];
    }

    // Body: walk the visible columns' cells once, placing each on its row.
    const bool displayTable = usesDisplayTable(ws);
    const int32_t bodyRows = std::max<int32_t>(0, lastRow - v.topRow + 1);
    std::vector<std::string> cells(static_cast<size_t>(bodyRows),
                                   std::string(static_cast<size_t>(v.visibleColumns), ' '));
    for (int32_t k = v.firstColumn; k <= lastColumn; ++k) {
        const std::string& data = t.ReleveData[t.ReleveOrder[k].record];
        const int n = core::cellCount(data);
        for (int c = 0; c < n; ++c) {
            const int32_t s = core::cellRecord(data, c);
            if (s < 1 || s > t.MaxSpecies) continue;
            const int32_t i = t.SpeciesRowOfRecord[s];
            if (i < v.topRow || i > lastRow) continue;
            const auto cover = static_cast<unsigned char>(core::cellCoverByte(data, c));
            cells[i - v.topRow][k - v.firstColumn] = displayTable ? ws.display.displayTable[cover]
                                                                  : static_cast<char>(cover);
        }
    }
    screen.rows.reserve(static_cast<size_t>(bodyRows));
    for (int32_t i = v.topRow; i <= lastRow; ++i) {
        ScreenRow row;
        row.row = i;
        row.colour = t.SpeciesColour[i].value;
        row.text = rowPrefixText(ws, i, prefix) + cells[i - v.topRow];
        screen.rows.push_back(std::move(row));
    }

    for (int32_t k = v.firstColumn; k <= lastColumn; ++k)
        if (t.ReleveColour[k].number > 0) screen.releveBands.push_back({k - v.firstColumn, t.ReleveColour[k].value});

    ScreenSeparator line;
    for (int32_t i = v.topRow; i <= lastRow; ++i)
        if (separatorShown(t.SpeciesSeparatorAfter[i], ws, line, i - v.topRow)) screen.speciesSeparators.push_back(line);
    for (int32_t k = v.firstColumn; k <= lastColumn; ++k)
        if (separatorShown(t.SeparatorAfter[k], ws, line, k - v.firstColumn)) screen.releveSeparators.push_back(line);
    return screen;
}

}  // namespace zembu::view
