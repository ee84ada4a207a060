#pragma once
// Form30: "Initiation of Groups". A list of starting species grows by the
// species most faithful to each of them ("RUN the analysis"); the list can
// mark the relevés holding half of its species and be stored as a group of
// the Cocktail group list. The dialog stays open beside the table, like
// Form3.

#include <QDialog>
#include <functional>

#include "classification/cocktail_group.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace zembu::app {
class MemberList;
}

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form30 : public QDialog {
    Q_OBJECT

public:
    Form30(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Called after a command changed the table's colours or groups.
    std::function<void()> tableChanged;

    const classification::WorkingGroup& group() const { return group_; }
    QSpinBox* speciesPerMember() const { return k_; }
    MemberList* memberList() const { return members_; }

    // Command5_Click ("RUN the analysis"): lets the list grow.
    void Command5_Click();
    void selectReleves();       // "&Select relevés as"
    void storeAsGroup();        // "Store as &group..."

private:
    void showMembers();

    core::Workspace& ws_;
    core::Interaction& ui_;
    classification::WorkingGroup group_;
    MemberList* members_ = nullptr;
    QComboBox* releveColour_ = nullptr;
    QSpinBox* k_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace zembu::app
