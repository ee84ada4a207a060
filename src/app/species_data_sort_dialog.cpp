#include "app/species_data_sort_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/palette.h"

namespace zembu::app {

namespace {

// A frame of two options, the first chosen; returns the second.
QRadioButton* twoOptions(QBoxLayout* layout, QWidget* parent, const QString& title, const QString& first,
                         const QString& second, QRadioButton** firstOption) {
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    *firstOption = new QRadioButton(first, box);
    auto* other = new QRadioButton(second, box);
    (*firstOption)->setChecked(true);
    column->addWidget(*firstOption);
    column->addWidget(other);
    layout->addWidget(box);
    return other;
}

}  // namespace

Form48::Form48(int speciesColour, QWidget* parent) : QDialog(parent), speciesColour_(speciesColour) {
    setObjectName("Form48");
    setWindowTitle("Species Sorting Parameters");
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    QRadioButton* alphabetically = nullptr;
    QRadioButton* ascending = nullptr;
    twoOptions(row, this, "Sort species data", "&All", "&Black", &all_)->setObjectName("black");
    all_->setObjectName("all");
    numerically_ = twoOptions(row, this, "Sort", "&Alphabetically", "&Numerically", &alphabetically);
    numerically_->setObjectName("numerically");
    descending_ = twoOptions(row, this, "Order", "In &ascending order", "In &descending order", &ascending);
    descending_->setObjectName("descending");
    layout->addLayout(row);
    connect(addConfirmButtons(layout, this, "&Sort", "Command1"), &QPushButton::clicked, this, &QDialog::accept);
}

sorting::SpeciesDataOptions Form48::options() const {
    return {all_->isChecked() ? core::AllColours : speciesColour_, numerically_->isChecked(), descending_->isChecked()};
}

}  // namespace zembu::app
