#include "app/table_widget.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

namespace {

QColor qColour(int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QString tableText(const std::string& bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

Qt::PenStyle penStyle(view::LineStyle style) {
    switch (style) {
        case view::LineStyle::Dash: return Qt::DashLine;
        case view::LineStyle::DashDot: return Qt::DashDotLine;
        case view::LineStyle::DashDotDot: return Qt::DashDotDotLine;
        case view::LineStyle::Dot: return Qt::DotLine;
        case view::LineStyle::Solid: break;
    }
    return Qt::SolidLine;
}

}  // namespace

TableWidget::TableWidget(core::Workspace& ws, QWidget* parent) : QAbstractScrollArea(parent), ws_(ws) {
    setObjectName("Picture1");
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    applyFont();
    updateScrollBars();
}

void TableWidget::applyFont() {
    const std::string& name = ws_.display.fontName;
    if (std::string_view(core::trim(name)).empty()) {
        font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font_.setFamily("DejaVu Sans Mono");
        font_.setStyleHint(QFont::Monospace);
    } else {
        font_ = QFont(QString::fromStdString(name));
        font_.setStyleHint(QFont::Monospace);
    }
    font_.setFixedPitch(true);
    font_.setPointSize(ws_.display.fontSize > 0 ? ws_.display.fontSize : 10);
    font_.setBold(ws_.display.bold);
    const QFontMetrics metrics(font_);
    charWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    rowHeight_ = std::max(1, metrics.height());
}

void TableWidget::zvetsitpismo() {
    ws_.display.fontSize = std::min(48, font_.pointSize() + 1);
    refreshView();
}

void TableWidget::zmensitpismo() {
    ws_.display.fontSize = std::max(5, font_.pointSize() - 1);
    refreshView();
}

bool TableWidget::showsSynoptic() const {
    return synoptic_ && ws_.synopticType != 0 && synoptic_->type == ws_.synopticType;
}

int32_t TableWidget::visibleGroups() const {
    const int groupWidth = synoptic_ ? synoptic_->parts * synoptic_->partWidth : 6;
    return view::visibleGroupCount(viewport()->width() - leftOffset(), charWidth_, view::rowPrefixOf(ws_).width,
                                   groupWidth);
}

void TableWidget::setSynopticView(std::shared_ptr<const view::SynopticView> synoptic) {
    const bool was = showsSynoptic();
    synoptic_ = std::move(synoptic);
    const bool is = showsSynoptic();
    // The table keeps its own horizontal position while groups are shown.
    if (!was && is) {
        tableColumn_ = horizontalScrollBar()->value();
        updateScrollBars();
        horizontalScrollBar()->setValue(1);
    } else if (was && !is) {
        updateScrollBars();
        horizontalScrollBar()->setValue(tableColumn_);
    }
    refreshView();
}

view::SynopticScreen TableWidget::currentSynopticScreen() const {
    if (!showsSynoptic()) return {};
    const int32_t rows = std::max<int32_t>(
        0, static_cast<int32_t>(std::ceil(double(viewport()->height()) / rowHeight_ - view::SynopticBodyTop)));
    return view::buildSynopticScreen(ws_, *synoptic_, horizontalScrollBar()->value(), visibleGroups(),
                                     verticalScrollBar()->value(), rows);
}

view::Viewport TableWidget::currentViewport() const {
    view::Viewport v;
    v.firstColumn = horizontalScrollBar()->value();
    v.topRow = verticalScrollBar()->value();
    v.visibleColumns = view::visibleColumnCount(viewport()->width() - leftOffset(), charWidth_,
                                                ws_.display.nameWidth + ws_.display.layerWidth - 3);
    v.visibleRows = view::drawableBodyRows(viewport()->height(), rowHeight_);
    return v;
}

void TableWidget::updateScrollBars() {
    const view::Viewport v = currentViewport();
    const core::Table& t = ws_.table;
    if (showsSynoptic()) {
        const int32_t groups = visibleGroups();
        const int32_t rows = std::max<int32_t>(
            1, static_cast<int32_t>(std::ceil(double(viewport()->height()) / rowHeight_ - view::SynopticBodyTop)));
        horizontalScrollBar()->setRange(1, std::max<int32_t>(1, synoptic_->groupCount - groups + 1));
        horizontalScrollBar()->setPageStep(std::max<int32_t>(1, groups));
        verticalScrollBar()->setRange(1, std::max<int32_t>(1, t.SpeciesCount - rows + 1));
        verticalScrollBar()->setPageStep(rows);
        return;
    }
    horizontalScrollBar()->setRange(1, std::max<int32_t>(1, t.ReleveCount - v.visibleColumns + 1));
    horizontalScrollBar()->setPageStep(std::max<int32_t>(1, v.visibleColumns));
    verticalScrollBar()->setRange(1, std::max<int32_t>(1, t.SpeciesCount - v.visibleRows + 1));
    verticalScrollBar()->setPageStep(std::max<int32_t>(1, v.visibleRows));
}

void TableWidget::refreshView() {
    applyFont();
    updateScrollBars();
    viewport()->update();
}

void TableWidget::scrollTo(int32_t firstColumn, int32_t topRow) {
    horizontalScrollBar()->setValue(firstColumn);
    verticalScrollBar()->setValue(topRow);
    viewport()->update();
}

void TableWidget::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), Qt::white);
    if (showsSynoptic()) paintSynoptic(p);
    else paintTable(p);
}

void TableWidget::paintSynoptic(QPainter& p) {
    const view::SynopticScreen screen = currentSynopticScreen();
    bodyTop_ = screen.bodyTop;
    if (screen.empty) return;
    QFont bold = font_;
    bold.setBold(true);
    p.setFont(font_);
    const QFontMetrics metrics(font_);
    const int cw = charWidth_, h = rowHeight_, left = leftOffset();
    const int width = viewport()->width();
    const auto rowTop = [&](double rows) { return static_cast<int>(rows * h); };

    // Title and the two head lines.
    p.setPen(Qt::black);
    p.setFont(bold);
    p.drawText(left, rowTop(0.2) + metrics.ascent(), tableText(screen.title));
    p.setFont(font_);
    p.drawText(left, rowTop(1.2) + metrics.ascent(), tableText(screen.groupLine));
    p.drawText(left, rowTop(2.2) + metrics.ascent(), tableText(screen.sizeLine));
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(0, rowTop(screen.bodyTop) - 2, width, rowTop(screen.bodyTop) - 2);

    // Species rows: highlight boxes first, then the text in the species
    // colour, the values of the bold style drawn apart in bold.
    for (size_t i = 0; i < screen.rows.size(); ++i) {
        const view::SynopticScreenRow& row = screen.rows[i];
        const int top = rowTop(screen.bodyTop + static_cast<double>(i));
        std::string plain = row.text;
        for (const view::MarkedValue& mark : row.marked) {
            if (mark.filled) p.fillRect(left + mark.offset * cw, top, mark.width * cw, h, qColour(mark.fill));
            if (mark.bold) plain.replace(static_cast<size_t>(mark.offset), static_cast<size_t>(mark.width),
                                         static_cast<size_t>(mark.width), ' ');
        }
        p.setPen(qColour(row.colour));
        p.drawText(left, top + metrics.ascent(), tableText(plain));
        p.setFont(bold);
        for (const view::MarkedValue& mark : row.marked)
            if (mark.bold)
                p.drawText(left + mark.offset * cw, top + metrics.ascent(),
                           tableText(row.text.substr(static_cast<size_t>(mark.offset), static_cast<size_t>(mark.width))));
        p.setFont(font_);
    }

    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    if (!screen.rows.empty())
        p.fillRect(left + screen.layerBandStart * cw, rowTop(screen.bodyTop), screen.layerBandWidth * cw,
                   rowTop(static_cast<double>(screen.rows.size())), qColour(screen.layerBandColour));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const view::ScreenSeparator& line : screen.speciesSeparators) {
        p.setPen(QPen(qColour(line.colour), 1, penStyle(line.style)));
        const int y = rowTop(screen.bodyTop + line.offset + 1) - 1;
        p.drawLine(0, y, width, y);
    }
}

void TableWidget::paintTable(QPainter& p) {
    const view::TableScreen screen = view::buildTableScreen(ws_, currentViewport());
    if (screen.empty) return;
    p.setFont(font_);
    const QFontMetrics metrics(font_);
    const int cw = charWidth_, h = rowHeight_, left = leftOffset();
    const int width = viewport()->width(), height = viewport()->height();
    const auto rowTop = [&](double rows) { return static_cast<int>(rows * h); };

    // Head: values written vertically, caption and counts in the blank area.
    p.setPen(Qt::black);
    for (int r = 0; r < 6; ++r)
        p.drawText(left, rowTop(r + 0.2) + metrics.ascent(), tableText(screen.headRows[r]));
    p.save();
    p.setClipRect(0, 0, left + (screen.prefixWidth - 1) * cw, rowTop(6.5));
    p.drawText(left, rowTop(0.2) + metrics.ascent(), QString::fromStdString(screen.headCaption));
    p.drawText(left, rowTop(4.2) + metrics.ascent(), QString::fromStdString(screen.relevesText));
    p.drawText(left, rowTop(5.2) + metrics.ascent(), QString::fromStdString(screen.speciesText));
    p.restore();

    // The short-head lines under the head, the field names in the blank area.
    bodyTop_ = screen.bodyTop;
    p.setPen(QColor(0x30, 0x30, 0x90));
    for (size_t i = 0; i < screen.shortHeadLines.size(); ++i) {
        const int y = rowTop(6.7 + static_cast<double>(i)) + metrics.ascent();
        p.drawText(left, y, tableText(screen.shortHeadLines[i]));
        p.save();
        p.setClipRect(0, 0, left + (screen.prefixWidth - 1) * cw, height);
        p.drawText(left, y, tableText(screen.shortHeadLabels[i]));
        p.restore();
    }

    // Body rows in their species colours.
    for (size_t i = 0; i < screen.rows.size(); ++i) {
        const view::ScreenRow& row = screen.rows[i];
        p.setPen(qColour(row.colour));
        p.drawText(left, rowTop(screen.bodyTop + static_cast<double>(i)) + metrics.ascent(), tableText(row.text));
    }

    // Layer band and relevé colours, combined with the text so it stays readable.
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    if (!screen.rows.empty()) {
        const int bodyTop = rowTop(screen.bodyTop);
        p.fillRect(left + screen.layerBandStart * cw, bodyTop, screen.layerBandWidth * cw,
                   rowTop(static_cast<double>(screen.rows.size())), qColour(screen.layerBandColour));
    }
    for (const view::ScreenBand& band : screen.releveBands)
        p.fillRect(left + (screen.prefixWidth + band.offset) * cw, 0, cw, height, qColour(band.colour));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Separators.
    for (const view::ScreenSeparator& line : screen.speciesSeparators) {
        p.setPen(QPen(qColour(line.colour), 1, penStyle(line.style)));
        const int y = rowTop(screen.bodyTop + line.offset + 1) - 1;
        p.drawLine(0, y, width, y);
    }
    for (const view::ScreenSeparator& line : screen.releveSeparators) {
        p.setPen(QPen(qColour(line.colour), 1, penStyle(line.style)));
        const int x = left + (screen.prefixWidth + line.offset + 1) * cw;
        p.drawLine(x, 0, x, height);
    }
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TableWidget::scrollContentsBy(int, int) { viewport()->update(); }

view::TableHit TableWidget::hitAt(QPoint position) const {
    const view::Viewport v = currentViewport();
    const core::Table& t = ws_.table;
    if (showsSynoptic()) {
        // Group columns stand for no relevé: only the species rows answer.
        view::TableHit hit;
        const double rows = static_cast<double>(position.y()) / rowHeight_;
        if (rows < view::SynopticBodyTop) return hit;
        hit.area = view::TableHit::Area::Body;
        hit.row = verticalScrollBar()->value() + static_cast<int32_t>(rows - view::SynopticBodyTop);
        if (hit.row > t.SpeciesCount) hit.area = view::TableHit::Area::None;
        return hit;
    }
    const int prefixWidth = std::max(4, ws_.display.nameWidth) + 2 + std::clamp(ws_.display.layerWidth, 3, 50);
    const int x = position.x() - leftOffset();
    const int cell = x < 0 ? -1 : x / charWidth_;
    int32_t column = 0;
    if (cell >= prefixWidth) {
        column = v.firstColumn + (cell - prefixWidth);
        if (column > t.ReleveCount || column >= v.firstColumn + v.visibleColumns) column = -1;
    }
    view::TableHit hit;
    const double rows = static_cast<double>(position.y()) / rowHeight_;
    if (rows < 6.7) {
        hit.area = column > 0 ? view::TableHit::Area::Head : view::TableHit::Area::None;
        hit.column = std::max(0, column);
        return hit;
    }
    if (rows < bodyTop_) return hit;  // on the short-head lines
    hit.area = view::TableHit::Area::Body;
    hit.row = v.topRow + static_cast<int32_t>(rows - bodyTop_);
    if (hit.row > t.SpeciesCount) hit.area = view::TableHit::Area::None;
    hit.column = std::max(0, column);
    return hit;
}

int TableWidget::nameEdgeX() const { return leftOffset() + (std::max(4, ws_.display.nameWidth) + 1) * charWidth_; }

int TableWidget::layerEdgeX() const {
    return leftOffset() + (std::max(4, ws_.display.nameWidth) + 1 + std::clamp(ws_.display.layerWidth, 3, 50)) * charWidth_;
}

TableWidget::WidthDrag TableWidget::widthEdgeAt(QPoint position) const {
    if (position.y() >= bodyTop_ * rowHeight_ && ws_.table.ReleveCount > 0) {
        if (std::abs(position.x() - nameEdgeX()) <= 3) return WidthDrag::Name;
        if (std::abs(position.x() - layerEdgeX()) <= 3) return WidthDrag::Layer;
    }
    return WidthDrag::None;
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        widthDrag_ = widthEdgeAt(event->position().toPoint());
        if (widthDrag_ != WidthDrag::None) return;
    }
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    const view::MouseButton button =
        event->button() == Qt::LeftButton ? view::MouseButton::Left : view::MouseButton::Right;
    const auto result = view::Picture1_MouseDown(ws_, hitAt(event->position().toPoint()), button,
                                                 event->modifiers() & Qt::ShiftModifier,
                                                 event->modifiers() & Qt::ControlModifier);
    if (result.redraw) emit tableChanged(result);
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (widthDrag_ != WidthDrag::None) {
        const int cells = (position.x() - leftOffset() + charWidth_ / 2) / charWidth_;
        if (widthDrag_ == WidthDrag::Name) ws_.display.nameWidth = std::clamp(cells - 1, 4, 200);
        else ws_.display.layerWidth = std::clamp(cells - 1 - std::max(4, ws_.display.nameWidth), 3, 50);
        updateScrollBars();
        viewport()->update();
        return;
    }
    const bool overEdge = widthEdgeAt(position) != WidthDrag::None;
    viewport()->setCursor(overEdge ? Qt::SplitHCursor
                                   : (event->buttons() & Qt::LeftButton) && ws_.dragRow > 0 ? Qt::ClosedHandCursor
                                                                                            : Qt::ArrowCursor);
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (widthDrag_ != WidthDrag::None) {
        widthDrag_ = WidthDrag::None;
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const auto result = view::Picture1_MouseUp(ws_, hitAt(event->position().toPoint()), view::MouseButton::Left);
    viewport()->setCursor(Qt::ArrowCursor);
    if (result.redraw) emit tableChanged(result);
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && hitAt(event->position().toPoint()).area == view::TableHit::Area::Head)
        emit releveDoubleClicked();
}

void TableWidget::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    if (event->modifiers() & Qt::ShiftModifier) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - steps);
    else verticalScrollBar()->setValue(verticalScrollBar()->value() - steps);
    event->accept();
}

}  // namespace zembu::app
