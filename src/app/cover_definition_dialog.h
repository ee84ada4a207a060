#pragma once
// Form60 ("COVER DEFINITION"): the percentage of every raw cover character of
// the table; confirming writes them into the cells.

#include <QDialog>

class QListWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form60 : public QDialog {
    Q_OBJECT

public:
    Form60(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // List1_DblClick: asks for the percentage of one character.
    void List1_DblClick(int row);
    // Command2_Click: applies the definitions to the table and closes.
    void Command2_Click();

private:
    void fillList();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QListWidget* list1_ = nullptr;
};

}  // namespace zembu::app
