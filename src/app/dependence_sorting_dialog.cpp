#include "app/dependence_sorting_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "app/colour_choice.h"
#include "app/dialog_parts.h"
#include "core/table.h"
#include "sorting/dependence_sorting.h"

namespace zembu::app {

Form27::Form27(const core::Table& table, int speciesColour, QWidget* parent) : QDialog(parent), table_(table) {
    setObjectName("Form27");
    setWindowTitle("Dependence Sorting");
    species_ = new ColourChoice("Sort species", "Black", speciesColour, this);
    species_->setObjectName("speciesColour");

    auto* averageBox = new QGroupBox("Average is calculated from:", this);
    auto* averageLayout = new QVBoxLayout(averageBox);
    average_ = new QButtonGroup(this);
    const std::pair<const char*, int> choices[] = {{"the most dep. species (MDS)", 1},
                                                   {"first three MDS", 3},
                                                   {"first five MDS", 5},
                                                   {"first ten MDS", 10},
                                                   {"All common occurences", sorting::AllCommonOccurrences}};
    for (const auto& [caption, k] : choices) {
        auto* option = new QRadioButton(caption, averageBox);
        option->setObjectName("average" + QString::number(k));
        average_->addButton(option, k);
        averageLayout->addWidget(option);
    }
    average_->button(1)->setChecked(true);
    averageLayout->addStretch(1);

    minimum_ = new QSpinBox(this);
    minimum_->setObjectName("minimumFrequency");
    minimum_->setRange(0, std::max<int32_t>(0, table.ReleveCount));
    minimum_->setValue(0);
    time_ = new QLabel(this);
    time_->setObjectName("expectedTime");

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(species_);
    columns->addWidget(averageBox);
    layout->addLayout(columns);
    auto* form = new QFormLayout;
    form->addRow("Minimum frequency of sorted species:", minimum_);
    layout->addLayout(form);
    layout->addWidget(time_);
    connect(addConfirmButtons(layout, this, "&Sort", "Command1"), &QPushButton::clicked, this, &QDialog::accept);
    connect(species_, &ColourChoice::colourChanged, this, &Form27::showExpectedTime);
    showExpectedTime();
}

sorting::DependenceOptions Form27::options() const {
    return {species_->colour(), average_->checkedId(), minimum_->value()};
}

QString Form27::expectedTime() const { return time_->text(); }

void Form27::showExpectedTime() {
    const double seconds = sorting::expectedDependenceSeconds(table_, species_->colour());
    if (seconds < 1) time_->setText("Expected processing time: less than a second");
    else if (seconds < 120) time_->setText(QString("Expected processing time: about %1 s").arg(std::ceil(seconds)));
    else time_->setText(QString("Expected processing time: about %1 min").arg(std::ceil(seconds / 60)));
}

}  // namespace zembu::app
