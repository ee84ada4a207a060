#pragma once
// Form24b, "Expert System": saves the expert system file of the table, loads
// one, applies its species aggregations, classifies the relevés by its unit
// definitions, lists the rows the aggregations removed and appends the
// frequency table. Each button's output goes to the dialog's list.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "classification/expert_system.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form24b : public QDialog {
    Q_OBJECT

public:
    // tableChanged is called after the aggregations changed the table.
    Form24b(core::Workspace& ws, core::Interaction& ui, std::function<void()> tableChanged,
            QWidget* parent = nullptr);

    void Command1_Click();  // "SAVE EXPERT SYSTEM FILE (1st part)"
    void Command2_Click();  // "Load ESY file"
    void Command3_Click();  // apply section 1
    void Command4_Click();  // classification by section 3
    void Command5_Click();  // "DELETED RECORDS:"
    void Command6_Click();  // "Save Expert System File (Part 4)"

    QListWidget* list() const { return list_; }

private:
    void showLines(const std::vector<std::string>& lines);
    void enableButtons();

    core::Workspace& ws_;
    core::Interaction& ui_;
    std::function<void()> tableChanged_;
    std::optional<classification::ExpertSystem> system_;
    std::vector<std::string> deleted_;
    QLabel* file_;
    QListWidget* list_;
    QPushButton* apply_;
    QPushButton* classify_;
    QPushButton* part4_;
};

}  // namespace zembu::app
