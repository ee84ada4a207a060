#pragma once
// Image18: the "Reset separators" toolbar image. A click and a double click
// are two commands.

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
};

}  // namespace zembu::app
