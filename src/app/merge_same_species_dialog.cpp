#include "app/merge_same_species_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/layer_combination.h"

namespace zembu::app {

Form54::Form54(QWidget* parent) : QDialog(parent) {
    setObjectName("Form54");
    setWindowTitle("Merge All Same Species");
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    for (const char* caption : editing::LayerCaptions) {
        auto* item = new QListWidgetItem(caption, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    list_->setMinimumHeight(list_->sizeHintForRow(0) * (editing::LayerCount + 1));
    connect(list_, &QListWidget::itemActivated, this, [](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* merge = buttons->addButton("&Merge", QDialogButtonBox::AcceptRole);
    merge->setObjectName("Command1");
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Rows of the same species in the checked layers are merged into one \"(S)\" "
                                 "row in the layer of the first of them:",
                                 this));
    layout->itemAt(0)->widget()->setProperty("wordWrap", true);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

editing::LayerChoice Form54::layers() const {
    editing::LayerChoice choice{};
    for (int i = 0; i < editing::LayerCount; ++i) choice[static_cast<size_t>(i)] = list_->item(i)->checkState() == Qt::Checked;
    return choice;
}

}  // namespace zembu::app
