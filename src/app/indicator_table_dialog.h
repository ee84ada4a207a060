#pragma once
// Form18, "Indicator Values": assigns the values of an indicator table to
// the species by number or by name, lists the table's records for assigning
// them by hand, and shows and edits the six values of the current species.
// It stays open beside the table: clicking a species row makes it current.

#include <QDialog>
#include <array>
#include <vector>

#include "analysis/indicator_table.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form18 : public QDialog {
    Q_OBJECT

public:
    Form18(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Shows the current species row and its values (after a click on the table).
    void showCurrentSpecies();

    // Command1_Click / Command3_Click: assign by species number / by name.
    void Command1_Click();
    void Command3_Click();
    // Command4_Click: lists the records of the indicator table.
    void Command4_Click();
    // Gives the current species the values typed into the six boxes.
    void storeValues();
    // Gives the current species the values of listed record j (a double click).
    void assignRecord(int j);

    QListWidget* recordList() const { return list_; }
    QLineEdit* valueBox(int axis) const { return boxes_[static_cast<size_t>(axis)]; }
    QLabel* speciesLabel() const { return species_; }
    QLabel* statusLabel() const { return status_; }

signals:
    // The species' values changed (the window redraws).
    void valuesChanged();

private:
    void assign(bool byName);

    core::Workspace& ws_;
    core::Interaction& ui_;
    std::vector<analysis::IndicatorRecord> records_;
    QListWidget* list_ = nullptr;
    std::array<QLineEdit*, 6> boxes_{};
    QLabel* species_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace zembu::app
