#include "app/fidelity_calculator_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_calculator.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/measure_names.h"

namespace zembu::app {

Form29::Form29(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form29");
    setWindowTitle("Fidelity Calculator");
    const synoptic::FidelitySettings f = synoptic::readFidelitySettings(ws_.settings);
    auto* measure = new QLabel(QString("Measure: %1 (fidelity index, groups as they are)")
                                   .arg(QString::fromStdString(std::string(synoptic::longMeasureName(f.measure)))),
                               this);
    auto* form = new QFormLayout;
    const char* names[4] = {"N (relevés):", "Np (relevés of the group):", "n (relevés with the species):",
                            "np (relevés of the group with it):"};
    const int stored[4] = {core::setting::FidelityTestN, core::setting::FidelityTestNp,
                           core::setting::FidelityTestSmallN, core::setting::FidelityTestSmallNp};
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(QString::fromStdString(std::string(core::trim(ws_.settings.value(stored[i])))), this);
        fields_[i]->setObjectName(QString("field%1").arg(i));
        form->addRow(names[i], fields_[i]);
    }
    result_ = new QLabel(this);
    result_->setObjectName("result");
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow("Fidelity:", result_);
    lines_ = new QListWidget(this);
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* calculate = buttons->addButton("&Calculate", QDialogButtonBox::ActionRole);
    calculate->setObjectName("Command1");
    calculate->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close);
    connect(calculate, &QPushButton::clicked, this, &Form29::Command1_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(measure);
    layout->addLayout(form);
    layout->addWidget(lines_);
    layout->addWidget(buttons);
    resize(560, 380);
}

void Form29::Command1_Click() {
    double counts[4];
    for (size_t i = 0; i < fields_.size(); ++i) counts[i] = core::leadingNumber(fields_[i]->text().toStdString());
    const auto outcome = synoptic::Form29(ws_.settings, counts[0], counts[1], counts[2], counts[3], ui_);
    if (!outcome) return;
    result_->setText(QString::fromStdString(outcome->valueText));
    lines_->addItem(QString::fromStdString(outcome->line));
    lines_->scrollToBottom();
}

}  // namespace zembu::app
