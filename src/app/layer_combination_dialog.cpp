#include "app/layer_combination_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

Form12::Form12(core::Workspace& ws, core::Interaction& ui, std::function<void()> tableChanged, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(ui), tableChanged_(std::move(tableChanged)) {
    setObjectName("Form12");
    setWindowTitle("Layer Combination");

    auto* layers = new QGroupBox("Layers", this);
    auto* grid = new QGridLayout(layers);
    grid->addWidget(new QLabel("Combine", layers), 0, 0);
    grid->addWidget(new QLabel("Result", layers), 0, 1);
    result_ = new QButtonGroup(this);
    for (int layer = 0; layer < editing::LayerCount; ++layer) {
        combine_[layer] = new QCheckBox(editing::LayerCaptions[static_cast<size_t>(layer)], layers);
        combine_[layer]->setObjectName(QString("Check%1").arg(layer + 1));
        auto* option = new QRadioButton(layers);
        option->setObjectName(QString("Option%1").arg(layer + 1));
        option->setToolTip(QString("The combined rows go to layer %1").arg(layer));
        result_->addButton(option, layer);
        grid->addWidget(combine_[layer], layer + 1, 0);
        grid->addWidget(option, layer + 1, 1, Qt::AlignCenter);
    }

    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(76, 'M')));
    list_->setMinimumHeight(300);
    list_->addItem(editing::LayerListHeading);

    continue_ = new QPushButton("C&ontinue >>>", this);
    continue_->setObjectName("Command1");
    confirm_ = new QPushButton("C&onfirm merging >>>", this);
    confirm_->setObjectName("Command2");
    skip_ = new QPushButton("&Skip >>>", this);
    skip_->setObjectName("Command3");
    automatic_ = new QPushButton("Merge automatically", this);
    automatic_->setObjectName("Command4");
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command5");
    for (QPushButton* b : {confirm_, skip_, automatic_}) b->setEnabled(false);
    continue_->setDefault(true);
    connect(continue_, &QPushButton::clicked, this, &Form12::Command1_Click);
    connect(confirm_, &QPushButton::clicked, this, &Form12::Command2_Click);
    connect(skip_, &QPushButton::clicked, this, &Form12::Command3_Click);
    connect(automatic_, &QPushButton::clicked, this, &Form12::Command4_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {continue_, confirm_, skip_, automatic_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* top = new QHBoxLayout;
    top->addWidget(layers);
    top->addWidget(list_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

Form12::~Form12() = default;

void Form12::addLine(const std::string& codePageLine) {
    list_->addItem(QString::fromStdString(core::codePageToUtf8(codePageLine)));
    list_->scrollToBottom();
}

void Form12::showNext() {
    const bool more = steps_ && !steps_->finished();
    if (more) {
        addLine(steps_->currentLine());
        list_->setCurrentRow(list_->count() - 1);
    } else if (steps_) {
        list_->addItem(steps_->count() == 0 ? "No species has rows to combine in these layers."
                                            : "The last species was done.");
        list_->scrollToBottom();
    }
    for (QPushButton* b : {confirm_, skip_, automatic_}) b->setEnabled(more);
    (more ? confirm_ : continue_)->setDefault(true);
}

void Form12::Command1_Click() {
    editing::LayerChoice combine{};
    for (int layer = 0; layer < editing::LayerCount; ++layer) combine[static_cast<size_t>(layer)] = combine_[layer]->isChecked();
    const int chosen = result_->checkedId();
    if (!editing::checkLayerChoice(ws_, ui_, combine, chosen < 0 ? std::nullopt : std::optional<int>(chosen))) return;
    steps_ = std::make_unique<editing::LayerCombination>(ws_.table, combine, chosen);
    list_->clear();
    list_->addItem(editing::LayerListHeading);
    showNext();
}

// The shown species' line gets its outcome; the next species follows.
void Form12::Command2_Click() {
    if (!steps_) return;
    const auto line = steps_->confirm(ws_, ui_);
    if (!line) return;
    delete list_->takeItem(list_->count() - 1);
    addLine(*line);
    tableChanged_();
    showNext();
}

void Form12::Command3_Click() {
    if (!steps_ || steps_->finished()) return;
    delete list_->takeItem(list_->count() - 1);
    addLine(steps_->skip());
    showNext();
}

void Form12::Command4_Click() {
    if (!steps_ || steps_->finished()) return;
    delete list_->takeItem(list_->count() - 1);
    const auto lines = steps_->confirmAll(ws_, ui_);
    for (const std::string& line : lines) addLine(line);
    tableChanged_();
    showNext();
}

}  // namespace zembu::app
