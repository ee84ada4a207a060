#include "app/display_scale_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

Form50::Form50(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form50");
    setWindowTitle("Scale and Display Parameters");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("The character shown in the table for each cover value:", this));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    const import::ScaleBoxes texts = import::scaleBoxesFromSetting(ws_.settings);
    constexpr int rows = 19;
    for (int i = 1; i <= import::ScaleBoxCount; ++i) {
        const int row = (i - 1) % rows;
        const int column = (i - 1) / rows * 2;
        auto* label = new QLabel(QString::fromStdString(import::scaleBoxLabel(i)), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* edit = new QLineEdit(QString::fromStdString(core::codePageToUtf8(texts[static_cast<size_t>(i - 1)])), this);
        edit->setObjectName(QString("Text1_%1").arg(i));
        edit->setFixedWidth(36);
        edit->setAlignment(Qt::AlignCenter);
        boxes_[static_cast<size_t>(i - 1)] = edit;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
    }
    layout->addLayout(grid);

    auto* presets = new QGroupBox("Presets", this);
    auto* presetsLayout = new QHBoxLayout(presets);
    const char* captions[4] = {"&Braun-Blanquet", "Braun-Blanquet (2&m, 2a, 2b)", "&Ordinal 1-9", "&Presence"};
    for (int o = 0; o < 4; ++o) {
        options_[o] = new QRadioButton(captions[o], presets);
        options_[o]->setObjectName(QString("Option1_%1").arg(o));
        presetsLayout->addWidget(options_[o]);
        connect(options_[o], &QRadioButton::clicked, this, [this, o] { option_ = o; });
    }
    auto* fill = new QPushButton("&Fill", presets);
    fill->setObjectName("Command2");
    presetsLayout->addWidget(fill);
    layout->addWidget(presets);

    QPushButton* ok = addConfirmButtons(layout, this, "OK", "Command1");

    connect(fill, &QPushButton::clicked, this, &Form50::Command2_Click);
    connect(ok, &QPushButton::clicked, this, &Form50::Command1_Click);
}

void Form50::setOption(int option) {
    option_ = option;
    if (option >= 0 && option < 4) options_[option]->setChecked(true);
}

import::ScaleBoxes Form50::boxTexts() const {
    import::ScaleBoxes texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = core::utf8ToCodePage(boxes_[i]->text().toStdString());
    return texts;
}

void Form50::Command2_Click() {
    import::ScaleBoxes texts = boxTexts();
    if (!import::fillScalePreset(texts, option_)) return;
    for (size_t i = 0; i < texts.size(); ++i) boxes_[i]->setText(QString::fromStdString(texts[i]));
}

void Form50::Command1_Click() {
    if (import::confirmUserScale(ws_, boxTexts(), ui_)) accept();
}

}  // namespace zembu::app
