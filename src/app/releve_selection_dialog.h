#pragma once
// Form8: "Relevé Selection". A formula of species and group rows joined by
// AND, OR and NOT selects relevés and gives them a colour; "&Show
// definition" shows how the formula is read, as an indented tree.

#include <QDialog>
#include <functional>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form8 : public QDialog {
    Q_OBJECT

public:
    Form8(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Called after a selection coloured relevés.
    std::function<void()> tableChanged;

    QPlainTextEdit* formula() const { return text_; }
    // The chosen colour option, 0 "White" .. 7 "Grey".
    int colourOption() const;
    void setColourOption(int option);
    QTreeWidget* definition() const { return tree_; }

    // "&Make selection": colours the relevés the formula selects.
    void Command1_Click();
    // "&Show definition": shows the formula's structure.
    void Command2_Click();
    // Inserts text at the cursor of the formula (operator buttons, group list).
    void insertText(const QString& text);

protected:
    void done(int result) override;

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    QPlainTextEdit* text_ = nullptr;
    QButtonGroup* colours_ = nullptr;
    QListWidget* groupRows_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* result_ = nullptr;
};

}  // namespace zembu::app
