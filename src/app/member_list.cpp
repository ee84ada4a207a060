#include "app/member_list.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "classification/cocktail_group_list.h"
#include "core/workspace.h"

namespace zembu::app {

MemberList::MemberList(core::Workspace& ws, core::Interaction& ui, classification::WorkingGroup& group, QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(ui), group_(group) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(list_, 1);
    auto* colourRow = new QHBoxLayout;
    auto* add = dialogButton("A&dd species", "Command1", this, "Add species with selecded colour (COMBO2)");
    colour_ = new QComboBox(this);
    colour_->setObjectName("Combo2");
    fillColourBox(colour_, ws_.palette, false);
    colour_->setCurrentIndex(ws_.speciesColourBox);
    colourRow->addWidget(add);
    colourRow->addWidget(colour_, 1);
    layout->addLayout(colourRow);
    buttons_ = new QVBoxLayout;
    auto* current = dialogButton("Add &current species", "Command2", this, "Add the current species of the table");
    auto* remove = dialogButton("Delete &species from the list", "Command3", this);
    buttons_->addWidget(current);
    buttons_->addWidget(remove);
    layout->addLayout(buttons_);
    connect(add, &QPushButton::clicked, this, &MemberList::addSpecies);
    connect(current, &QPushButton::clicked, this, &MemberList::addCurrentSpecies);
    connect(remove, &QPushButton::clicked, this, &MemberList::deleteSpecies);
}

void MemberList::showMembers() {
    list_->clear();
    for (const classification::GroupMember& m : group_.members)
        list_->addItem(fromCodePage(m.name) + QString("  (%1)").arg(m.speciesNumber));
}

void MemberList::addSpecies() {
    if (classification::addSpeciesOfColour(ws_.table, group_, colour_->currentIndex(), ui_) > 0) emit membersChanged();
}

void MemberList::addCurrentSpecies() {
    if (classification::addCurrentSpecies(ws_.table, group_, ws_.CurrentRow, ui_) > 0) emit membersChanged();
}

void MemberList::deleteSpecies() {
    std::vector<int> positions;
    for (const QListWidgetItem* item : list_->selectedItems()) positions.push_back(list_->row(item));
    if (classification::deleteMembers(group_, positions, ui_)) emit membersChanged();
}

}  // namespace zembu::app
