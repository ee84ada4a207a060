#include "app/sort_releves_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/colour_choice.h"
#include "app/dialog_parts.h"

namespace zembu::app {

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName("Form5");
    setWindowTitle("Sort relevés");
    releves_ = new ColourChoice("Sort relevés", "White", 0, this);
    releves_->setObjectName("releveColour");
    species_ = new ColourChoice("by species", "Black", 0, this);
    species_->setObjectName("speciesColour");
    countOnly_ = new QCheckBox(
        "Sort only by number of species records in releve. (Ignore ranks of species and cover values.)", this);
    countOnly_->setObjectName("countOnly");

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(releves_);
    columns->addWidget(species_);
    layout->addLayout(columns);
    layout->addWidget(countOnly_);
    connect(addConfirmButtons(layout, this, "&Sort", "Command1"), &QPushButton::clicked, this, &QDialog::accept);
}

sorting::RelevesBySpeciesOptions Form5::options() const {
    return {releves_->colour(), species_->colour(), countOnly_->isChecked()};
}

}  // namespace zembu::app
