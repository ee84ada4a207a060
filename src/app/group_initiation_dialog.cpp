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
#include "app/member_list.h"
#include "classification/cocktail_group_list.h"
#include "classification/cocktail_marking.h"
#include "classification/group_initiation.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_settings.h"

namespace zembu::app {

Form30::Form30(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form30");
    setWindowTitle("Initiation of Groups");
    auto* layout = new QHBoxLayout(this);
    members_ = new MemberList(ws_, ui_, group_, this);
    members_->setMinimumWidth(320);
    layout->addWidget(members_, 1);

    auto* side = new QVBoxLayout;

    auto* kRow = new QHBoxLayout;
    k_ = new QSpinBox(this);
    k_->setObjectName("HScroll1");
    k_->setRange(0, 50);
    k_->setValue(2);
    k_->setToolTip("Each member adds its k most faithful species (and normally itself)");
    kRow->addWidget(new QLabel("Species added per member, k:", this));
    kRow->addWidget(k_);
    side->addLayout(kRow);
    auto* run = dialogButton("RUN the analysis", "Command5", this);
    side->addWidget(run);

    auto* selectRow = new QHBoxLayout;
    auto* select = dialogButton("&Select relevés as", "Command6", this);
    select->setToolTip("Colour the relevés holding at least half of the listed species");
    releveColour_ = new QComboBox(this);
    releveColour_->setObjectName("Combo3");
    fillColourBox(releveColour_, ws_.palette, true);
    releveColour_->setCurrentIndex(1);
    selectRow->addWidget(select);
    selectRow->addWidget(releveColour_, 1);
    side->addLayout(selectRow);
    auto* store = dialogButton("Store as &group...", "Command7", this);
    store->setToolTip("Store the list in the group list of COCKTAIL Groups");
    side->addWidget(store);
    status_ = new QLabel(this);
    status_->setObjectName("Label1");
    status_->setWordWrap(true);
    side->addWidget(status_);
    side->addStretch(1);
    auto* close = dialogButton("Close", "Command8", this);
    side->addWidget(close);
    layout->addLayout(side);

    connect(members_, &MemberList::membersChanged, this, &Form30::showMembers);
    connect(run, &QPushButton::clicked, this, &Form30::Command5_Click);
    connect(select, &QPushButton::clicked, this, &Form30::selectReleves);
    connect(store, &QPushButton::clicked, this, &Form30::storeAsGroup);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    resize(640, 420);
}

void Form30::showMembers() {
    members_->showMembers();
    status_->setText(QString("%1 species in the list.").arg(group_.members.size()));
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
