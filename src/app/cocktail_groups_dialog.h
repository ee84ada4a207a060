#pragma once
// Form3: "Species Groups of Cocktail Classification". The working group of
// species, its member statistics and the minimum number of members m, the
// relevés it marks, the fidelity and constancy of the species in them, and
// the group list kept with the table. The dialog stays open beside the table
// (the current species of the table can be added); every command calls the
// library and then tableChanged() redraws the main window.

#include <QDialog>
#include <functional>

#include "classification/cocktail_group.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace zembu::app {
class MemberList;
}

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form3 : public QDialog {
    Q_OBJECT

public:
    Form3(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Called after every command that changed the table or its colours.
    std::function<void()> tableChanged;
    // Called to show a species row in the table ("<<< Mark in the table").
    std::function<void(int32_t row)> showRow;
    // Called by "Relevé &Selection…" to open the formula dialog.
    std::function<void()> openSelection;

    const classification::WorkingGroup& group() const { return group_; }
    MemberList* memberList() const { return members_; }

    // Command handlers, named for their buttons.
    void markInTable();         // "<<< Mark &in the table"
    void minimumSpecies();      // the minimum-number button
    void selectReleves();       // "&Select relevés as"
    void fidelityCalculation(); // "Fidelity &calculation"
    void constancyColumn();     // "Constancy column"
    void addGroup();            // "&Add"
    void deleteGroup();         // "&Delete"
    void Command10_Click();     // "Add &group into the table"
    void Command17_Click();     // "&Export"
    // Loads the stored group chosen in the group list into the working group.
    void loadGroup(int index);
    // Fills the group list from the table's groups (after a table changed).
    void refreshGroups();

protected:
    // The group list is read again whenever the dialog becomes active: the
    // table may have changed while it stood open.
    void changeEvent(QEvent* event) override;

private:
    void showStatistics(const std::vector<std::string>& lines);
    void showMinimum();
    // pravdepodobnost after a change of the working group.
    void recompute();
    void releveColourEntry(int& number, int32_t& value) const;
    void commit();

    core::Workspace& ws_;
    core::Interaction& ui_;
    classification::WorkingGroup group_;
    QComboBox* groups_ = nullptr;          // Combo1: group list, name typed here
    MemberList* members_ = nullptr;        // List1 with its buttons
    QCheckBox* manual_ = nullptr;          // "Manual setting"
    QSpinBox* minimum_ = nullptr;          // m
    QListWidget* statistics_ = nullptr;    // List2
    QComboBox* releveColour_ = nullptr;    // Combo3: group relevé colour
    QSpinBox* coverLimit_ = nullptr;       // "Cover >"
    QListWidget* results_ = nullptr;       // List3: fidelity or constancy
    QLabel* resultsTitle_ = nullptr;
    bool filling_ = false;
};

}  // namespace zembu::app
