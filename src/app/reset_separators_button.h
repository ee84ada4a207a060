#pragma once
// Image18: the "Reset separators" toolbar image. A click and a double click
// are two commands: a click is taken only when no second click follows
// within the double-click time, so a double click never runs the click's
// command first.

#include <QTimer>
#include <QToolButton>

namespace zembu::app {

class ResetSeparatorsButton : public QToolButton {
    Q_OBJECT

public:
    explicit ResetSeparatorsButton(QWidget* parent = nullptr);

signals:
    void singleClicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTimer clickTimer_;  // runs from a click until it counts as a single click
};

}  // namespace zembu::app
