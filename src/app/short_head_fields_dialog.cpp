#include "app/short_head_fields_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/header_store.h"
#include "core/text.h"

namespace zembu::app {

Form22::Form22(const core::HeaderStore& store, const std::vector<int>& chosen, QWidget* parent) : QDialog(parent) {
    setObjectName("Form22");
    setWindowTitle("Short head");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(store.empty() ? "The table has no header data." : "Header fields shown in the short head:", this));
    list_ = new QListWidget(this);
    list_->setObjectName("fieldList");
    for (int n = 1; n <= store.fieldCount(); ++n) {
        const std::string name(core::trim(store.field(n).name));
        auto* item = new QListWidgetItem(QString::fromStdString(core::codePageToUtf8(name)), list_);
        item->setData(Qt::UserRole, n);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(std::find(chosen.begin(), chosen.end(), n) != chosen.end() ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(320, 380);
}

std::vector<int> Form22::chosenFields() const {
    std::vector<int> fields;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->checkState() == Qt::Checked) fields.push_back(list_->item(row)->data(Qt::UserRole).toInt());
    return fields;
}

}  // namespace zembu::app
