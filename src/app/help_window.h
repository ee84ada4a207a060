#pragma once
// The user guide, shown inside the program.

#include <QDialog>

class QTextBrowser;

namespace zembu::app {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace zembu::app
