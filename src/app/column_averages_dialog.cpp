#include "app/column_averages_dialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/interaction.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "synoptic/column_averages.h"

namespace zembu::app {

Form35::Form35(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form35");
    setWindowTitle("Average Value of Constancy Columns");
    auto* layout = new QVBoxLayout(this);
    values_ = new QComboBox(this);
    values_->setObjectName("Combo1");
    for (int v = 0; v < synoptic::AveragedValueCount; ++v)
        values_->addItem(QString::fromStdString(std::string(synoptic::averagedValueName(v))));
    layout->addWidget(values_);
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton("&Copy", this);
    copy->setObjectName("Command1");
    copy->setShortcut(QKeySequence::Copy);
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(values_, &QComboBox::currentIndexChanged, this, &Form35::Form_Load);
    connect(copy, &QPushButton::clicked, this, &Form35::copyList);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(460, 480);
    Form_Load();
}

void Form35::Form_Load() {
    core::BusyScope busy(ui_);
    const synoptic::ColumnAverages r =
        synoptic::columnAverages(ws_.table, synoptic::readSynopticSettings(ws_), values_->currentIndex(),
                                 ws_.settings.number(core::setting::FidelityLimit));
    list_->clear();
    for (const std::string& line : r.lines) list_->addItem(QString::fromStdString(line));
    clipboard_ = r.clipboardText;
}

void Form35::copyList() { ui_.setClipboardText(clipboard_); }

}  // namespace zembu::app
