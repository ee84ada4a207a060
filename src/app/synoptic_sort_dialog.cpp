#include "app/synoptic_sort_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/palette.h"

namespace zembu::app {

Form44::Form44(int32_t groupCount, QWidget* parent) : QDialog(parent) {
    setObjectName("Form44");
    setWindowTitle("Sorting");

    colours_ = new QComboBox(this);
    colours_->setObjectName("colours");
    const char* names[] = {"Black", "Red", "Blue", "Sea-green", "Green", "Yellow", "Violet", "Grey"};
    for (int c = 0; c < core::PaletteColourCount; ++c) colours_->addItem(names[c], c);
    colours_->addItem("All", core::AllColours);
    colours_->setCurrentIndex(colours_->count() - 1);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel("Sort species:", this));
    colourRow->addWidget(colours_);
    colourRow->addStretch();

    auto* extent = new QGroupBox("Sort", this);
    single_ = new QRadioButton("Single column", extent);
    exceptLast_ = new QRadioButton("Entire dataset except for last column", extent);
    entire_ = new QRadioButton("Entire dataset", extent);
    single_->setChecked(true);
    columnBar_ = new QScrollBar(Qt::Horizontal, extent);
    columnBar_->setObjectName("HScroll1");
    columnBar_->setRange(1, std::max<int32_t>(1, groupCount));
    columnLabel_ = new QLabel(extent);
    connect(columnBar_, &QScrollBar::valueChanged, columnLabel_,
            [this](int c) { columnLabel_->setText(QString("Column: %1").arg(c)); });
    columnLabel_->setText("Column: 1");
    connect(single_, &QRadioButton::toggled, columnBar_, &QWidget::setEnabled);
    auto* columnRow = new QHBoxLayout;
    columnRow->addSpacing(20);
    columnRow->addWidget(columnLabel_);
    columnRow->addWidget(columnBar_, 1);
    auto* extentLayout = new QVBoxLayout(extent);
    extentLayout->addWidget(single_);
    extentLayout->addLayout(columnRow);
    extentLayout->addWidget(exceptLast_);
    extentLayout->addWidget(entire_);

    auto* by = new QGroupBox("Sort by", this);
    criteria_ = new QListWidget(by);
    criteria_->setObjectName("criteria");
    for (int c = 0; c < sorting::CriterionCount; ++c)
        criteria_->addItem(QString::fromStdString(
            std::string(sorting::criterionCaption(static_cast<sorting::SynopticCriterion>(c)))));
    criteria_->setCurrentRow(static_cast<int>(sorting::SynopticCriterion::RelativeFrequency));
    auto* byLayout = new QVBoxLayout(by);
    byLayout->addWidget(criteria_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* sort = buttons->addButton("&Sort", QDialogButtonBox::AcceptRole);
    sort->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addWidget(extent, 1);
    columns->addWidget(by, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colourRow);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

int Form44::speciesColour() const { return colours_->currentData().toInt(); }

Form44::Extent Form44::extent() const {
    if (exceptLast_->isChecked()) return Extent::EntireDatasetExceptLastColumn;
    if (entire_->isChecked()) return Extent::EntireDataset;
    return Extent::SingleColumn;
}

int32_t Form44::column() const { return columnBar_->value(); }

sorting::SynopticCriterion Form44::criterion() const {
    return static_cast<sorting::SynopticCriterion>(std::max(0, criteria_->currentRow()));
}

QRadioButton* Form44::extentButton(Extent e) const {
    switch (e) {
    case Extent::EntireDatasetExceptLastColumn: return exceptLast_;
    case Extent::EntireDataset: return entire_;
    case Extent::SingleColumn: break;
    }
    return single_;
}

}  // namespace zembu::app
