#include "app/divide_releves_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/workspace.h"

namespace zembu::app {

Form42::Form42(const core::Workspace& ws, QWidget* parent) : QDialog(parent) {
    setObjectName("Form42");
    setWindowTitle("Divide Relevé");
    colours_ = new QComboBox(this);
    for (int e = 0; e < core::PaletteColourCount; ++e)
        colours_->addItem(e == 0 ? QString("white") : QString::fromStdString(ws.palette[e].name), e);
    colours_->setCurrentIndex(ws.releveColourBox);
    number_ = new QSpinBox(this);
    number_->setRange(0, std::max<int32_t>(1, ws.table.ReleveCount));
    number_->setValue(2);
    sameSize_ = new QRadioButton("Divide relevés into groups of the same size", this);
    shortHeaders_ = new QRadioButton("Divide relevés by short headers (previous sort is recommended)", this);
    sameSize_->setChecked(true);
    connect(sameSize_, &QRadioButton::toggled, number_, &QSpinBox::setEnabled);

    auto* form = new QFormLayout;
    form->addRow("Relevés of colour:", colours_);
    form->addRow("Number of groups:", number_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&Continue >>>", QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sameSize_);
    layout->addWidget(shortHeaders_);
    layout->addWidget(buttons);
}

int Form42::colour() const { return colours_->currentData().toInt(); }
int Form42::groups() const { return number_->value(); }
bool Form42::bySameSize() const { return sameSize_->isChecked(); }

}  // namespace zembu::app
