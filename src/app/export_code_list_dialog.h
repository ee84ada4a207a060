#pragma once
// Form14, the export code list: the phytosociological code the table exports
// write for every cover percentage, with its ".cod" files.

#include <QDialog>

class QListWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form14 : public QDialog {
    Q_OBJECT

public:
    Form14(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Command3_Click ("CODE LIST IMPORT"): reads a ".cod" file.
    void Command3_Click();
    // Command4_Click ("CODE LIST EXPORT"): writes a ".cod" file.
    void Command4_Click();
    // List1_DblClick: changes the code of one percentage (row 0 is the first).
    void List1_DblClick(int row);

private:
    void fillList();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QListWidget* list1_ = nullptr;
};

}  // namespace zembu::app
