#include "app/reset_separators_button.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace zembu::app {

namespace {

// A small picture of a table with a dashed separator and a cross.
QIcon resetIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::darkGray, 1));
    for (int x = 3; x < 18; x += 4) p.drawLine(x, 3, x, 17);
    p.setPen(QPen(Qt::black, 2, Qt::DashLine));
    p.drawLine(10, 1, 10, 19);
    p.setPen(QPen(QColor(0xCC, 0, 0), 2));
    p.drawLine(13, 13, 18, 18);
    p.drawLine(18, 13, 13, 18);
    return QIcon(pixmap);
}

}  // namespace

ResetSeparatorsButton::ResetSeparatorsButton(QWidget* parent) : QToolButton(parent) {
    setObjectName("Image18");
    setToolTip("Reset separators");
    setIcon(resetIcon());
    setAutoRaise(true);
    clickTimer_.setSingleShot(true);
    connect(&clickTimer_, &QTimer::timeout, this, &ResetSeparatorsButton::singleClicked);
}

void ResetSeparatorsButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) clickTimer_.start(QApplication::doubleClickInterval());
}

void ResetSeparatorsButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    clickTimer_.stop();
    emit doubleClicked();
}

}  // namespace zembu::app
