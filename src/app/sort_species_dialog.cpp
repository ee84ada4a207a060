#include "app/sort_species_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/colour_choice.h"
#include "app/dialog_parts.h"

namespace zembu::app {

Form4::Form4(QWidget* parent) : QDialog(parent) {
    setObjectName("Form4");
    setWindowTitle("Sort species");
    species_ = new ColourChoice("Sort species", "Black", 0, this);
    species_->setObjectName("speciesColour");
    releves_ = new ColourChoice("by relevés", "White", 0, this);
    releves_->setObjectName("releveColour");
    layerFirst_ = new QCheckBox("Layer as a main sorting criterium", this);
    layerFirst_->setObjectName("layerFirst");
    layerFirst_->setToolTip("Layers in ascending order, each sorted by relevés");

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(species_);
    columns->addWidget(releves_);
    layout->addLayout(columns);
    layout->addWidget(layerFirst_);
    connect(addConfirmButtons(layout, this, "&Sort", "Command1"), &QPushButton::clicked, this, &QDialog::accept);
}

sorting::SpeciesByRelevesOptions Form4::options() const {
    return {species_->colour(), releves_->colour(), layerFirst_->isChecked()};
}

}  // namespace zembu::app
