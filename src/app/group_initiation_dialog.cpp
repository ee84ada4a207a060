#include "app/group_initiation_dialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "classification/cocktail_group_list.h"
#include "classification/cocktail_marking.h"
#include "classification/group_initiation.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_settings.h"

namespace zembu::app {

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Form30::Form30(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form30");
    setWindowTitle("Initiation of Groups");
    auto* layout = new QHBoxLayout(this);
    members_ = new QListWidget(this);
    members_->setObjectName("List1");
    members_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    members_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    members_->setMinimumWidth(320);
    layout->addWidget(members_, 1);

    auto* side = new QVBoxLayout;
    auto* addRow = new QHBoxLayout;
    auto* add = button("A&dd species", "Command1", this);
    add->setToolTip("Add species with selecded colour (COMBO2)");
    speciesColour_ = new QComboBox(this);
    speciesColour_->setObjectName("Combo2");
    fillColourBox(speciesColour_, ws_.palette, false);
    speciesColour_->setCurrentIndex(ws_.speciesColourBox);
    addRow->addWidget(add);
    addRow->addWidget(speciesColour_, 1);
    side->addLayout(addRow);
    auto* addCurrent = button("Add &current species", "Command2", this);
    auto* remove = button("Delete &species from the list", "Command3", this);
    side->addWidget(addCurrent);
    side->addWidget(remove);

    auto* kRow = new QHBoxLayout;
    k_ = new QSpinBox(this);
    k_->setObjectName("HScroll1");
    k_->setRange(0, 50);
    k_->setValue(2);
    k_->setToolTip("Each member adds its k most faithful species (and normally itself)");
    kRow->addWidget(new QLabel("Species added per member, k:", this));
    kRow->addWidget(k_);
    side->addLayout(kRow);
    auto* run = button("RUN the analysis", "Command5", this);
    side->addWidget(run);

    auto* selectRow = new QHBoxLayout;
    auto* select = button("&Select relevés as", "Command6", this);
    select->setToolTip("Colour the relevés holding at least half of the listed species");
    releveColour_ = new QComboBox(this);
    releveColour_->setObjectName("Combo3");
    fillColourBox(releveColour_, ws_.palette, true);
    releveColour_->setCurrentIndex(1);
    selectRow->addWidget(select);
    selectRow->addWidget(releveColour_, 1);
    side->addLayout(selectRow);
    auto* store = button("Store as &group...", "Command7", this);
    store->setToolTip("Store the list in the group list of COCKTAIL Groups");
    side->addWidget(store);
    status_ = new QLabel(this);
    status_->setObjectName("Label1");
    status_->setWordWrap(true);
    side->addWidget(status_);
    side->addStretch(1);
    auto* close = button("Close", "Command8", this);
    side->addWidget(close);
    layout->addLayout(side);

    connect(add, &QPushButton::clicked, this, &Form30::addSpecies);
    connect(addCurrent, &QPushButton::clicked, this, &Form30::addCurrentSpecies);
    connect(remove, &QPushButton::clicked, this, &Form30::deleteSpecies);
    connect(run, &QPushButton::clicked, this, &Form30::Command5_Click);
    connect(select, &QPushButton::clicked, this, &Form30::selectReleves);
    connect(store, &QPushButton::clicked, this, &Form30::storeAsGroup);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(640, 420);
}

void Form30::showMembers() {
    members_->clear();
    for (const classification::GroupMember& m : group_.members)
        members_->addItem(fromCodePage(m.name) + QString("  (%1)").arg(m.speciesNumber));
    status_->setText(QString("%1 species in the list.").arg(group_.members.size()));
}

void Form30::addSpecies() {
    if (classification::addSpeciesOfColour(ws_.table, group_, speciesColour_->currentIndex(), ui_) > 0) showMembers();
}

void Form30::addCurrentSpecies() {
    if (classification::addCurrentSpecies(ws_.table, group_, ws_.CurrentRow, ui_) > 0) showMembers();
}

void Form30::deleteSpecies() {
    std::vector<int> positions;
    for (const QListWidgetItem* item : members_->selectedItems()) positions.push_back(members_->row(item));
    if (classification::deleteMembers(group_, positions, ui_)) showMembers();
}

void Form30::Command5_Click() {
    if (group_.members.empty()) {
        ui_.message("Please add the starting species first...", "INFORMATION", core::MessageIcon::Information);
        return;
    }
    const core::BusyScope busy(ui_);
    const int added = classification::runGroupInitiation(ws_, synoptic::readFidelitySettings(ws_.settings),
                                                         group_.members, k_->value());
    showMembers();
    status_->setText(QString("%1 species added; %2 species in the list.").arg(added).arg(group_.members.size()));
    if (tableChanged) tableChanged();
}

void Form30::selectReleves() {
    const int number = releveColour_->currentIndex();
    group_.manualSetting = false;
    classification::selectGroupReleves(ws_, ui_, group_, {core::releveBoxColour(ws_.palette, number), number});
    if (tableChanged) tableChanged();
}

void Form30::storeAsGroup() {
    const auto name = ui_.input("Write group name:", "Initiation of Groups", "");
    if (!name) return;
    if (classification::storeGroup(ws_.table, group_, core::utf8ToCodePage(*name), ui_) && tableChanged) tableChanged();
}

}  // namespace zembu::app
