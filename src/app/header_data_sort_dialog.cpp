#include "app/header_data_sort_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/header_store.h"
#include "core/text.h"

namespace zembu::app {

namespace {

QSpinBox* characters(QWidget* parent, const char* name, int maximum, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, maximum);
    box->setValue(value);
    box->setSuffix(" characters");
    return box;
}

}  // namespace

Form20b::Form20b(const core::HeaderStore& store, QWidget* parent) : QDialog(parent) {
    setObjectName("Form20b");
    setWindowTitle("Sort Relevés by Selected Header Field");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(store.empty() ? "The table has no header data."
                                               : "Header fields of the key, in list order:", this));
    fields_ = new QListWidget(this);
    fields_->setObjectName("List1");
    for (int n = 1; n <= store.fieldCount(); ++n) {
        const std::string name(core::trim(store.field(n).name));
        auto* item = new QListWidgetItem(QString::fromStdString(core::codePageToUtf8(name)), fields_);
        item->setData(Qt::UserRole, n);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(fields_);

    sort_ = new QCheckBox("Sort", this);
    sort_->setObjectName("sort");
    sort_->setChecked(true);
    shortHead_ = new QCheckBox("Add first characters to the short head", this);
    shortHead_->setObjectName("shortHead");
    shortHeadCharacters_ = characters(this, "shortHeadCharacters", 6, 6);
    separators_ = new QCheckBox("Separators", this);
    separators_->setObjectName("separators");
    separators_->setToolTip("Separators of the current level between relevés whose keys differ in their first characters");
    separatorCharacters_ = characters(this, "separatorCharacters", 50, 25);
    auto* grid = new QGridLayout;
    grid->addWidget(sort_, 0, 0);
    grid->addWidget(shortHead_, 1, 0);
    grid->addWidget(shortHeadCharacters_, 1, 1);
    grid->addWidget(separators_, 2, 0);
    grid->addWidget(separatorCharacters_, 2, 1);
    layout->addLayout(grid);
    connect(addConfirmButtons(layout, this, "&OK", "Command2"), &QPushButton::clicked, this, &QDialog::accept);
    resize(420, 460);
}

sorting::HeaderSortOptions Form20b::options() const {
    sorting::HeaderSortOptions o;
    for (int row = 0; row < fields_->count(); ++row)
        if (fields_->item(row)->checkState() == Qt::Checked) o.fields.push_back(fields_->item(row)->data(Qt::UserRole).toInt());
    o.sort = sort_->isChecked();
    o.addToShortHead = shortHead_->isChecked();
    o.shortHeadCharacters = shortHeadCharacters_->value();
    o.separators = separators_->isChecked();
    o.separatorCharacters = separatorCharacters_->value();
    return o;
}

}  // namespace zembu::app
