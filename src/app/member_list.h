#pragma once
// The member list of a working species group with the buttons that fill and
// empty it: "A&dd species" of a species colour, "Add &current species" and
// "Delete &species from the list". Shared by Form3 and Form30.

#include <QWidget>

#include "classification/cocktail_group.h"

class QComboBox;
class QListWidget;
class QVBoxLayout;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class MemberList : public QWidget {
    Q_OBJECT

public:
    MemberList(core::Workspace& ws, core::Interaction& ui, classification::WorkingGroup& group,
               QWidget* parent = nullptr);

    void addSpecies();         // "A&dd species": the rows of the chosen species colour
    void addCurrentSpecies();  // "Add &current species": the table's current row
    void deleteSpecies();      // "Delete &species from the list": the selected members
    // Shows the members again (after the group changed elsewhere).
    void showMembers();

    QListWidget* list() const { return list_; }
    // The layout under the buttons, for a dialog's own buttons.
    QVBoxLayout* buttonLayout() const { return buttons_; }

signals:
    // Members were added or removed.
    void membersChanged();

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    classification::WorkingGroup& group_;
    QListWidget* list_ = nullptr;
    QComboBox* colour_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
};

}  // namespace zembu::app
