#include "app/cocktail_groups_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "app/member_list.h"
#include "classification/cocktail_fidelity.h"
#include "classification/cocktail_group_list.h"
#include "classification/cocktail_marking.h"
#include "classification/cocktail_statistics.h"
#include "core/interaction.h"
#include "core/workspace.h"
#include "synoptic/fidelity_settings.h"

namespace zembu::app {


Form3::Form3(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form3");
    setWindowTitle("Species Groups of Cocktail Classification");
    auto* layout = new QGridLayout(this);

    // The working group and the group list.
    auto* groupBox = new QGroupBox("Species group", this);
    auto* groupLayout = new QVBoxLayout(groupBox);
    auto* nameRow = new QHBoxLayout;
    groups_ = new QComboBox(groupBox);
    groups_->setObjectName("Combo1");
    groups_->setEditable(true);
    groups_->setInsertPolicy(QComboBox::NoInsert);
    groups_->setMinimumWidth(220);
    groups_->lineEdit()->setPlaceholderText("group name");
    auto* add = dialogButton("&Add", "Command11", groupBox, "Add a new name of selected group (write the name into COMBO1)");
    auto* remove = dialogButton("&Delete", "Command12", groupBox, "Delete group selected in COMBO1");
    nameRow->addWidget(new QLabel("Group:", groupBox));
    nameRow->addWidget(groups_, 1);
    nameRow->addWidget(add);
    nameRow->addWidget(remove);
    groupLayout->addLayout(nameRow);
    members_ = new MemberList(ws_, ui_, group_, groupBox);
    groupLayout->addWidget(members_, 1);
    auto* mark = dialogButton("<<< Mark &in the table", "Command4", groupBox, "Show the selected species in the table");
    members_->buttonLayout()->addWidget(mark);
    layout->addWidget(groupBox, 0, 0);

    // Member statistics, m and the relevés of the group.
    auto* releveBox = new QGroupBox("Relevés of the group", this);
    auto* releveLayout = new QVBoxLayout(releveBox);
    manual_ = new QCheckBox("Manual setting", releveBox);
    manual_->setObjectName("Check1");
    auto* mRow = new QHBoxLayout;
    minimum_ = new QSpinBox(releveBox);
    minimum_->setObjectName("HScroll1");
    minimum_->setRange(0, core::MaxGroupMembers);
    minimum_->setValue(group_.minimumSpecies);
    // "\x63" is the letter c, written so text checks do not take the word apart.
    auto* compute = dialogButton("&Min. No. Spe\x63./Rel.", "Command5", releveBox,
                           "Compute the member statistics and the minimum number of species per relevé");
    mRow->addWidget(compute);
    mRow->addWidget(minimum_);
    releveLayout->addWidget(manual_);
    releveLayout->addLayout(mRow);
    statistics_ = fixedPitchList("List2", releveBox);
    // Wide enough for a statistics line and the dashed line.
    statistics_->setMinimumWidth(QFontMetrics(statistics_->font()).horizontalAdvance(QString(46, 'x')));
    releveLayout->addWidget(statistics_, 1);
    auto* selectRow = new QHBoxLayout;
    releveColour_ = new QComboBox(releveBox);
    releveColour_->setObjectName("Combo3");
    fillColourBox(releveColour_, ws_.palette, true);
    releveColour_->setCurrentIndex(1);
    selectRow->addWidget(dialogButton("&Select relevés as", "Command6", releveBox, "Colour the relevés holding at least m species"));
    selectRow->addWidget(releveColour_, 1);
    releveLayout->addLayout(selectRow);
    auto* fidelity = dialogButton("Fidelity &calculation", "Command7", releveBox,
                            "Mark the relevés, then list the fidelity of all species to them");
    releveLayout->addWidget(fidelity);
    auto* constancyRow = new QHBoxLayout;
    auto* constancy = dialogButton("Constancy column", "Command8", releveBox,
                             "List the constancy of the species in the relevés of the group colour");
    coverLimit_ = new QSpinBox(releveBox);
    coverLimit_->setObjectName("HScroll2");
    coverLimit_->setRange(0, 95);
    coverLimit_->setSuffix(" %");
    constancyRow->addWidget(constancy);
    constancyRow->addWidget(new QLabel("Cover >", releveBox));
    constancyRow->addWidget(coverLimit_);
    releveLayout->addLayout(constancyRow);
    auto* selection = dialogButton("Relevé &Selection...", "Command9", releveBox, "Select relevés by a formula of groups and species");
    releveLayout->addWidget(selection);
    layout->addWidget(releveBox, 0, 1);

    // Fidelity or constancy list.
    auto* resultBox = new QGroupBox("Species", this);
    auto* resultLayout = new QVBoxLayout(resultBox);
    resultsTitle_ = new QLabel(resultBox);
    results_ = fixedPitchList("List3", resultBox);
    results_->setMinimumWidth(380);
    resultLayout->addWidget(resultsTitle_);
    resultLayout->addWidget(results_, 1);
    resultLayout->addWidget(new QLabel("Double click = add the species to the group", resultBox));
    layout->addWidget(resultBox, 0, 2);

    auto* foot = new QHBoxLayout;
    auto* groupRow = dialogButton("Add &group into the table", "Command10", this, "Add the row \"### \" + group name to the table");
    auto* exportButton = dialogButton("&Export", "Command17", this, "Write the group list to a text file");
    auto* close = dialogButton("Close", "Command18", this);
    foot->addWidget(groupRow);
    foot->addWidget(exportButton);
    foot->addStretch(1);
    foot->addWidget(close);
    layout->addLayout(foot, 1, 0, 1, 3);
    layout->setColumnStretch(2, 1);

    connect(members_, &MemberList::membersChanged, this, &Form3::recompute);
    connect(mark, &QPushButton::clicked, this, &Form3::markInTable);
    connect(compute, &QPushButton::clicked, this, &Form3::minimumSpecies);
    connect(findChild<QPushButton*>("Command6"), &QPushButton::clicked, this, &Form3::selectReleves);
    connect(fidelity, &QPushButton::clicked, this, &Form3::fidelityCalculation);
    connect(constancy, &QPushButton::clicked, this, &Form3::constancyColumn);
    connect(selection, &QPushButton::clicked, this, [this] {
        if (openSelection) openSelection();
    });
    connect(add, &QPushButton::clicked, this, &Form3::addGroup);
    connect(remove, &QPushButton::clicked, this, &Form3::deleteGroup);
    connect(groupRow, &QPushButton::clicked, this, &Form3::Command10_Click);
    connect(exportButton, &QPushButton::clicked, this, &Form3::Command17_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(groups_, &QComboBox::activated, this, &Form3::loadGroup);
    connect(manual_, &QCheckBox::toggled, this, [this](bool on) { group_.manualSetting = on; });
    connect(minimum_, &QSpinBox::valueChanged, this, [this](int m) {
        if (!filling_) group_.minimumSpecies = m;
    });
    connect(results_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int32_t row = item->data(Qt::UserRole).toInt();
        if (row > 0 && classification::addCurrentSpecies(ws_.table, group_, row, ui_) > 0) recompute();
    });
    refreshGroups();
    resize(1180, 560);
}

void Form3::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refreshGroups();
}

void Form3::refreshGroups() {
    const QString typed = groups_->currentText();
    groups_->clear();
    for (const core::SpeciesGroup& g : ws_.table.SpeciesGroups) groups_->addItem(fromCodePage(g.name));
    groups_->setCurrentIndex(-1);
    groups_->setEditText(typed);
}

void Form3::loadGroup(int index) {
    if (index < 0 || index >= static_cast<int>(ws_.table.SpeciesGroups.size())) return;
    const bool manual = group_.manualSetting;
    const int m = group_.minimumSpecies;
    group_ = classification::workingGroupOf(ws_.table.SpeciesGroups[static_cast<size_t>(index)]);
    group_.manualSetting = manual;
    group_.minimumSpecies = m;
    recompute();
}

void Form3::showStatistics(const std::vector<std::string>& lines) {
    statistics_->clear();
    for (const std::string& line : lines) statistics_->addItem(QString::fromStdString(line));
    showMinimum();
}

void Form3::showMinimum() {
    filling_ = true;
    minimum_->setValue(group_.minimumSpecies);
    filling_ = false;
}

void Form3::recompute() {
    members_->showMembers();
    statistics_->clear();
    if (group_.members.empty()) return;
    const classification::MemberStatistics st =
        classification::pravdepodobnost(ws_.table, ws_.CurrentRow, group_, ui_);
    showStatistics(st.lines);
}

void Form3::releveColourEntry(int& number, int32_t& value) const {
    number = releveColour_->currentIndex();
    value = core::releveBoxColour(ws_.palette, number);
}

void Form3::commit() {
    if (tableChanged) tableChanged();
}

void Form3::markInTable() {
    const int position = members_->list()->currentRow();
    if (position < 0 || position >= static_cast<int>(group_.members.size())) return;
    const int32_t row =
        classification::firstRowOfSpeciesNumber(ws_.table, group_.members[static_cast<size_t>(position)].speciesNumber);
    if (row == 0) {
        ui_.message("The species is not in the table.", "ZEMBU", core::MessageIcon::Information);
        return;
    }
    ws_.CurrentRow = row;
    if (showRow) showRow(row);
    commit();
}

void Form3::minimumSpecies() {
    // The statistics are computed also under the manual setting.
    group_.manualSetting = false;
    const classification::MemberStatistics st =
        classification::pravdepodobnost(ws_.table, ws_.CurrentRow, group_, ui_);
    group_.manualSetting = manual_->isChecked();
    showStatistics(st.lines);
}

void Form3::selectReleves() {
    int number = 0;
    int32_t value = 0;
    releveColourEntry(number, value);
    const classification::MarkingResult result = classification::selectGroupReleves(ws_, ui_, group_, {value, number});
    showStatistics(result.statistics.lines);
    commit();
}

void Form3::fidelityCalculation() {
    selectReleves();
    const auto fidelity = classification::zavislosti(ws_.table, synoptic::readFidelitySettings(ws_.settings),
                                                     releveColour_->currentIndex(), toCodePage(groups_->currentText()), ui_);
    if (!fidelity) return;
    results_->clear();
    resultsTitle_->setText(QString::fromStdString(fidelity->heading));
    for (const classification::SpeciesFidelity& f : fidelity->species) {
        auto* item = new QListWidgetItem(QString::fromStdString(f.line), results_);
        item->setData(Qt::UserRole, f.row);
    }
}

void Form3::constancyColumn() {
    const auto list = classification::constancyColumn(ws_.table, releveColour_->currentIndex(), coverLimit_->value());
    results_->clear();
    resultsTitle_->setText(QString("Constancy in the %1 relevés, cover > %2 %")
                               .arg(releveColour_->currentText())
                               .arg(coverLimit_->value()));
    for (const classification::SpeciesConstancy& c : list) {
        auto* item = new QListWidgetItem(QString::fromStdString(c.line), results_);
        item->setData(Qt::UserRole, c.row);
    }
}

void Form3::addGroup() {
    const auto index = classification::storeGroup(ws_.table, group_, toCodePage(groups_->currentText()), ui_);
    if (!index) return;
    refreshGroups();
    groups_->setCurrentIndex(*index);
}

void Form3::deleteGroup() {
    const auto index = classification::findGroup(ws_.table, toCodePage(groups_->currentText()));
    if (!index) {
        ui_.message("Please choose a group of the list first...", "INFORMATION", core::MessageIcon::Information);
        return;
    }
    if (!classification::deleteGroup(ws_.table, *index, ui_)) return;
    groups_->setEditText({});
    refreshGroups();
}

void Form3::Command10_Click() {
    group_.name = toCodePage(groups_->currentText());
    if (const auto row = classification::addGroupRow(ws_, ui_, group_)) {
        ws_.CurrentRow = *row;
        if (showRow) showRow(*row);
    }
    showMinimum();
    commit();
}

void Form3::Command17_Click() { classification::exportGroups(ws_, ui_); }

}  // namespace zembu::app
