#include "app/cc_export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/palette.h"
#include "core/workspace.h"
#include "export/cc_export.h"

namespace zembu::app {

Form52::Form52(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form52");
    setWindowTitle("CC! File Export");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    colours_ = new QComboBox(this);
    colours_->setObjectName("Combo1");
    fillColourBox(colours_, ws_.palette, true);
    colours_->setCurrentIndex(ws_.releveColourBox);
    form->addRow("Export the relevés of colour:", colours_);

    auto* powerRow = new QHBoxLayout;
    power_ = new QLineEdit("1.0", this);
    power_->setObjectName("Text1");
    power_->setMaximumWidth(80);
    percentages_ = new QRadioButton("&Percentages (1.0)", this);
    percentages_->setObjectName("Option1");
    percentages_->setChecked(true);
    powerRow->addWidget(power_);
    powerRow->addWidget(percentages_);
    powerRow->addStretch(1);
    form->addRow("Transformation (cover to the power of, 0-1):", powerRow);
    layout->addLayout(form);
    layout->addWidget(
        wrappedLabel("1.0 writes the cover percentages, 0.5 their square roots, 0 presence and absence.", this));

    labels_ = new QCheckBox("Show the &abbreviations as layer labels", this);
    labels_->setObjectName("Check1");
    layout->addWidget(labels_);

    QPushButton* ok = addConfirmButtons(layout, this, "&Export", "Command1");

    connect(percentages_, &QRadioButton::clicked, this, [this] { power_->setText("1.0"); });
    connect(power_, &QLineEdit::textEdited, this, [this] { percentages_->setChecked(power_->text() == "1.0"); });
    connect(ok, &QPushButton::clicked, this, &Form52::Command1_Click);
}

void Form52::Command1_Click() {
    const auto t = exporting::checkTransformation(power_->text().toStdString(), ui_);
    if (!t) {
        power_->setText("1.0");
        percentages_->setChecked(true);
        power_->setFocus();
        return;
    }
    if (exporting::ccfilexp(ws_, {colours_->currentIndex(), *t}, labels_->isChecked(), ui_)) accept();
}

}  // namespace zembu::app
