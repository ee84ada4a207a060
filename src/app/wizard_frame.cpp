#include "app/wizard_frame.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "app/qt_interaction.h"

namespace zembu::app {

DialogParentScope::DialogParentScope(core::Interaction& ui, QWidget* dialog) : ui_(ui) {
    if (auto* qt = dynamic_cast<QtInteraction*>(&ui_)) {
        previous_ = qt->parentWidget();
        qt->setParentWidget(dialog);
    }
}

DialogParentScope::~DialogParentScope() {
    if (auto* qt = dynamic_cast<QtInteraction*>(&ui_)) qt->setParentWidget(previous_);
}

FileChoicePage::FileChoicePage(const QString& heading, const QString& explanation, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(heading, this));
    layout->addWidget(wrappedLabel(explanation, this));
    auto* row = new QHBoxLayout;
    path_ = new QLineEdit(this);
    path_->setObjectName("fileEdit");
    path_->setReadOnly(true);
    browse_ = new QPushButton("&Browse...", this);
    browse_->setObjectName("browseButton");
    row->addWidget(path_, 1);
    row->addWidget(browse_);
    layout->addLayout(row);
    size_ = new QLabel(this);
    size_->setObjectName("fileSize");
    layout->addWidget(size_);
    layout->addStretch(1);
}

void FileChoicePage::showFile(const QString& file) {
    path_->setText(file);
    size_->setText(QString::number((QFileInfo(file).size() + 1023) / 1024) + " kB");
}

WizardFrame::WizardFrame(QString titleStem, int steps, QWidget* parent)
    : QDialog(parent), titleStem_(std::move(titleStem)), steps_(steps) {
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    layout->addWidget(pages_, 1);
    status_ = new QLabel(this);
    status_->setObjectName("wizardStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    back_ = new QPushButton("< &Back", this);
    back_->setObjectName("backButton");
    next_ = new QPushButton("&Next >", this);
    next_->setObjectName("nextButton");
    next_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancelButton");
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addSpacing(12);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(back_, &QPushButton::clicked, this, &WizardFrame::goBack);
    connect(next_, &QPushButton::clicked, this, &WizardFrame::goNext);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 460);
}

void WizardFrame::addStep(QWidget* page) {
    pages_->addWidget(page);
    if (pages_->count() == 1) moveTo(0);
}

void WizardFrame::setStatus(const QString& text) { status_->setText(text); }

QWidget* WizardFrame::notePage(const QString& note) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel(note, page));
    layout->addStretch(1);
    return page;
}

QWidget* WizardFrame::summaryPage(const QString& note) {
    QWidget* page = notePage(note);
    summary_ = wrappedLabel(QString(), page);
    summary_->setObjectName("summary");
    qobject_cast<QVBoxLayout*>(page->layout())->insertWidget(0, summary_);
    return page;
}

void WizardFrame::setSummary(const QString& text) { summary_->setText(text); }

void WizardFrame::goNext() {
    if (step_ >= steps_ - 1) {
        if (finish()) accept();
        return;
    }
    if (!leaveStep(step_)) return;
    moveTo(step_ + 1);
}

void WizardFrame::goBack() {
    if (step_ > 0) moveTo(step_ - 1);
}

void WizardFrame::moveTo(int step) {
    step_ = step;
    if (step < pages_->count()) pages_->setCurrentIndex(step);
    setWindowTitle(titleStem_ + QString("(Step %1/%2)").arg(step + 1).arg(steps_));
    back_->setEnabled(step > 0);
    next_->setText(step == steps_ - 1 ? "&Finish" : "&Next >");
    showStep(step);
}

}  // namespace zembu::app
