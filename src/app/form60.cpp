#include "app/form60.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/cover_definitions.h"

namespace zembu::app {

Form60::Form60(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form60");
    setWindowTitle("COVER DEFINITION");
    import::collectCoverCharacters(ws_.table, ws_.coverDefinitions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Cover characters of the table and their percentages:", this));
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(list1_, 1);
    layout->addWidget(new QLabel("Double click = value change", this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("Command2");
    auto* cancel = new QPushButton("Cancel", this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    fillList();

    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { List1_DblClick(list1_->row(item)); });
    connect(ok, &QPushButton::clicked, this, &Form60::Command2_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(320, 380);
}

void Form60::fillList() {
    list1_->clear();
    for (const auto& d : ws_.coverDefinitions)
        list1_->addItem(QString::fromStdString(core::codePageToUtf8(import::coverDefinitionLine(d))));
}

void Form60::List1_DblClick(int row) {
    if (row < 0 || row >= static_cast<int>(ws_.coverDefinitions.size())) return;
    if (import::editCoverDefinition(ws_.coverDefinitions[static_cast<size_t>(row)], ui_)) fillList();
}

void Form60::Command2_Click() {
    core::BusyScope busy(ui_);
    import::applyCoverDefinitions(ws_.table, ws_.coverDefinitions);
    accept();
}

}  // namespace zembu::app
