#include "app/expert_system_dialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

Form24b::Form24b(core::Workspace& ws, core::Interaction& ui, std::function<void()> tableChanged, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(ui), tableChanged_(std::move(tableChanged)) {
    setObjectName("Form24b");
    setWindowTitle("Expert System");

    const auto button = [this](const char* text, const char* name, void (Form24b::*handler)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    QPushButton* save = button("SAVE EXPERT SYSTEM FILE (1st part)", "Command1", &Form24b::Command1_Click);
    save->setToolTip("Species aggregations of the journal, species groups and an empty section for the unit "
                     "definitions");
    QPushButton* load = button("Load ESY file", "Command2", &Form24b::Command2_Click);
    apply_ = button("&Apply Species Aggregation (Section 1)", "Command3", &Form24b::Command3_Click);
    classify_ = button("&Classify Relevés (Section 3)", "Command4", &Form24b::Command4_Click);
    QPushButton* deleted = button("&DELETED RECORDS", "Command5", &Form24b::Command5_Click);
    part4_ = button("Save Expert System File (Part 4)", "Command6", &Form24b::Command6_Click);
    part4_->setToolTip("Appends the frequency table of the classification to a file");
    auto* close = new QPushButton("C&lose", this);
    close->setObjectName("Command7");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    file_ = new QLabel("No expert system file is loaded.", this);
    file_->setObjectName("Label1");
    file_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(72, 'M')), 380);

    auto* buttons = new QGridLayout;
    buttons->addWidget(save, 0, 0);
    buttons->addWidget(load, 0, 1);
    buttons->addWidget(apply_, 1, 0);
    buttons->addWidget(classify_, 1, 1);
    buttons->addWidget(deleted, 2, 0);
    buttons->addWidget(part4_, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(file_);
    layout->addWidget(list_, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(close);
    layout->addLayout(foot);
    enableButtons();
}

void Form24b::showLines(const std::vector<std::string>& lines) {
    list_->clear();
    for (const std::string& line : lines) list_->addItem(QString::fromStdString(line));
}

void Form24b::enableButtons() {
    for (QPushButton* b : {apply_, classify_, part4_}) b->setEnabled(system_.has_value());
}

void Form24b::Command1_Click() {
    if (const auto lines = classification::saveExpertSystemFile(ws_, ui_)) showLines(*lines);
}

void Form24b::Command2_Click() {
    auto loaded = classification::loadExpertSystemFile(ws_, ui_);
    if (!loaded) return;
    system_ = std::move(loaded);
    file_->setText(QString::fromStdString("Expert system file: " + system_->file.string()));
    std::vector<std::string> lines;
    for (const std::string& line : system_->lines) lines.push_back(core::codePageToUtf8(line));
    showLines(lines);
    enableButtons();
}

void Form24b::Command3_Click() {
    if (!system_) return;
    const auto report = classification::applyExpertAggregations(ws_, ui_, *system_);
    if (!report) return;
    deleted_.insert(deleted_.end(), report->deleted.begin(), report->deleted.end());
    std::vector<std::string> lines = report->lines;
    lines.push_back("Aggregations applied: " + std::to_string(report->applied));
    showLines(lines);
    if (report->applied > 0) tableChanged_();
}

void Form24b::Command4_Click() {
    if (!system_) return;
    const auto lines = classification::classifyByExpertSystem(ws_, ui_, *system_);
    if (!lines.empty()) showLines(lines);
}

void Form24b::Command5_Click() {
    std::vector<std::string> lines{"DELETED RECORDS:"};
    lines.insert(lines.end(), deleted_.begin(), deleted_.end());
    showLines(lines);
}

void Form24b::Command6_Click() {
    if (!system_) return;
    if (const auto lines = classification::saveFrequencyTable(ws_, ui_, *system_)) showLines(*lines);
}

}  // namespace zembu::app
