#include "app/synoptic_export_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/settings.h"

namespace zembu::app {

Form62::Form62(core::Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
    setObjectName("Form62");
    setWindowTitle("Synoptic Table Export");
    auto* layout = new QVBoxLayout(this);
    const exporting::SynopticRtfOptions o = exporting::readSynopticRtfOptions(settings_);
    colours_ = new QCheckBox("Export species in original &colours", this);
    colours_->setObjectName("Check1");
    colours_->setChecked(o.originalColours);
    highlight_ = new QCheckBox("&Highlight important frequency or fidelity values", this);
    highlight_->setObjectName("Check2");
    highlight_->setChecked(o.highlight);
    bold_ = new QCheckBox("&Bold style of important frequency or fidelity values", this);
    bold_->setObjectName("Check3");
    bold_->setChecked(o.bold);
    layout->addWidget(colours_);
    layout->addWidget(highlight_);
    layout->addWidget(bold_);
    QPushButton* go = addConfirmButtons(layout, this, "Continue >>>", "Command1");
    connect(go, &QPushButton::clicked, this, [this] {
        exporting::storeSynopticRtfOptions(settings_, options());
        accept();
    });
}

exporting::SynopticRtfOptions Form62::options() const {
    return {colours_->isChecked(), highlight_->isChecked(), bold_->isChecked()};
}

}  // namespace zembu::app
