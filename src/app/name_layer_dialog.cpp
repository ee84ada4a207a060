#include "app/name_layer_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editing/layer_combination.h"

namespace zembu::app {

Form10::Form10(const std::string& name, int layer, QWidget* parent) : QDialog(parent) {
    setObjectName("Form10");
    setWindowTitle("Name and Layer Change");
    name_ = new QLineEdit(QString::fromStdString(name), this);
    name_->setObjectName("Text1");
    name_->setMaxLength(50);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(32, 'M')));
    layer_ = new QComboBox(this);
    layer_->setObjectName("Combo1");
    for (const char* caption : editing::LayerCaptions) layer_->addItem(caption);
    layer_->setCurrentIndex(layer >= 0 && layer <= 9 ? layer : 0);

    auto* form = new QFormLayout;
    form->addRow("Species &name:", name_);
    form->addRow("&Layer:", layer_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    name_->selectAll();
}

std::string Form10::name() const { return name_->text().toStdString(); }
int Form10::layer() const { return layer_->currentIndex(); }

}  // namespace zembu::app
