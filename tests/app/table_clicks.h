#pragma once
// Where to click on the table widget: the middle of a relevé column in the
// head, and of a cell of a species row (the default layout: names 20
// characters wide, layer labels 3).

#include <QPoint>

#include "app/table_widget.h"

namespace zembu::testing {

inline QPoint headPoint(const app::TableWidget& w, int column) {
    const int prefix = 20 + 2 + 3;
    return {4 + (prefix + column - 1) * w.charWidth() + w.charWidth() / 2, 2 * w.rowHeight()};
}

// cell counts characters from the left edge (1 lies on the species name).
inline QPoint rowPoint(const app::TableWidget& w, int row, int cell = 1) {
    return {4 + cell * w.charWidth() + w.charWidth() / 2, static_cast<int>((6.7 + row - 1 + 0.5) * w.rowHeight())};
}

}  // namespace zembu::testing
