#include "app/export_code_list_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/code_list.h"

namespace zembu::app {

Form14::Form14(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form14");
    setWindowTitle("Export Code List");
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QString::fromStdString(import::codeListHeading()), this);
    heading->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(heading);
    list1_ = addValueList(layout, this, [this](int row) { List1_DblClick(row); });
    auto* buttons = new QHBoxLayout;
    auto* load = new QPushButton("CODE LIST IMPORT", this);
    load->setObjectName("Command3");
    auto* save = new QPushButton("CODE LIST EXPORT", this);
    save->setObjectName("Command4");
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(load);
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    fillList();

    connect(load, &QPushButton::clicked, this, &Form14::Command3_Click);
    connect(save, &QPushButton::clicked, this, &Form14::Command4_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(380, 480);
}

void Form14::fillList() {
    const int row = list1_->currentRow();
    list1_->clear();
    for (const std::string& line : import::codeListLines(import::exportCodeList(ws_.settings)))
        list1_->addItem(QString::fromStdString(core::codePageToUtf8(line)));
    if (row >= 0) list1_->setCurrentRow(row);
}

void Form14::Command3_Click() {
    if (import::importCodeList(ws_, ui_)) fillList();
}

void Form14::Command4_Click() { import::exportCodeListFile(ws_, ui_); }

void Form14::List1_DblClick(int row) {
    if (import::changeCode(ws_, row + 1, ui_)) fillList();
}

}  // namespace zembu::app
