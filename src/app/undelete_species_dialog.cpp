#include "app/undelete_species_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/table.h"
#include "core/text.h"
#include "editing/species_commands.h"

namespace zembu::app {

Form11::Form11(const core::Table& table, QWidget* parent) : QDialog(parent), firstRow_(table.SpeciesCount + 1) {
    setObjectName("Form11");
    setWindowTitle("Undelete Species");
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& line : editing::deletedSpeciesLines(table))
        list_->addItem(QString::fromStdString(core::codePageToUtf8(line)));
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(56, 'M')), 300);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* undelete = buttons->addButton("&Undelete", QDialogButtonBox::AcceptRole);
    undelete->setObjectName("Command1");
    undelete->setEnabled(false);
    QPushButton* all = buttons->addButton("Select &All", QDialogButtonBox::ActionRole);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(all, &QPushButton::clicked, list_, &QListWidget::selectAll);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this, undelete] { undelete->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(list_->count() == 0 ? "No species is deleted."
                                                     : "Deleted species (name and layer):",
                                 this));
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

std::vector<int32_t> Form11::chosenRows() const {
    std::vector<int32_t> rows;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected()) rows.push_back(firstRow_ + i);
    return rows;
}

}  // namespace zembu::app
