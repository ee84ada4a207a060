#include "app/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zembu::app {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("helpWindow");
    setWindowTitle("ZEMBU User Guide");
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    QFile guide(":/help/guide.md");
    if (guide.open(QIODevice::ReadOnly)) browser_->setMarkdown(QString::fromUtf8(guide.readAll()));
    else browser_->setPlainText("The user guide is missing from this build.");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

}  // namespace zembu::app
