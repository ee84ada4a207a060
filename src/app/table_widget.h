#pragma once
// Picture1: the widget that paints the table. It asks the library for one
// screen of the table (view/table_screen.h), paints it in a fixed-pitch font
// and maps mouse positions back to species rows and relevé columns.

#include <QAbstractScrollArea>
#include <QFont>
#include <QTimer>
#include <functional>
#include <memory>

#include "view/synoptic_view.h"
#include "view/table_mouse.h"
#include "view/table_screen.h"

class QPainter;

namespace zembu::core {
class Workspace;
}

namespace zembu::app {

class TableWidget : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TableWidget(core::Workspace& ws, QWidget* parent = nullptr);

    // Renews the scroll ranges and the font from the workspace and repaints.
    void refreshView();

    // The font the table is painted in, and its cell size in pixels.
    const QFont& tableFont() const { return font_; }
    int charWidth() const { return charWidth_; }
    int rowHeight() const { return rowHeight_; }

    // zvetsitpismo / zmensitpismo: the table font one point larger / smaller.
    void zvetsitpismo();
    void zmensitpismo();

    // The viewport the next paint shows.
    view::Viewport currentViewport() const;
    // Where a point of the widget's viewport lies in the table.
    view::TableHit hitAt(QPoint position) const;
    // Scrolls so that the given column and row are the first shown.
    void scrollTo(int32_t firstColumn, int32_t topRow);

    // The synoptic view painted in place of the table while the workspace
    // shows a synoptic type; nullptr returns to the table.
    void setSynopticView(std::shared_ptr<const view::SynopticView> synoptic);
    const view::SynopticView* synopticView() const { return showsSynoptic() ? synoptic_.get() : nullptr; }
    // The screen the synoptic view shows now (empty without one).
    view::SynopticScreen currentSynopticScreen() const;

signals:
    // A mouse event changed the table or the selection.
    void tableChanged(const view::MouseResult& result);
    // A double click asks for the current-relevé panel.
    void releveDoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class WidthDrag { None, Name, Layer };

    bool showsSynoptic() const;
    void paintTable(QPainter& p);
    void paintSynoptic(QPainter& p);
    int32_t visibleGroups() const;
    void applyFont();
    void updateScrollBars();
    int leftOffset() const { return 4; }
    int nameEdgeX() const;
    int layerEdgeX() const;
    WidthDrag widthEdgeAt(QPoint position) const;

    core::Workspace& ws_;
    QFont font_;
    int charWidth_ = 8;
    int rowHeight_ = 16;
    WidthDrag widthDrag_ = WidthDrag::None;
    double bodyTop_ = 6.7;  // where the last paint put the first body row, in row heights
    std::shared_ptr<const view::SynopticView> synoptic_;
    int32_t tableColumn_ = 1;  // the table's first column while the synoptic view is shown
};

}  // namespace zembu::app
