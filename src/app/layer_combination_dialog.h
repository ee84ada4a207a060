#pragma once
// Form12, "Layer Combination": the layers to combine (check boxes) and the
// layer they go to (option buttons); then the species are shown one by one,
// each merged or skipped, or all merged at once.

#include <QDialog>
#include <functional>
#include <memory>

#include "editing/layer_combination.h"

class QButtonGroup;
class QCheckBox;
class QListWidget;
class QPushButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form12 : public QDialog {
    Q_OBJECT

public:
    // tableChanged is called after each merge, for the main window to redraw.
    Form12(core::Workspace& ws, core::Interaction& ui, std::function<void()> tableChanged,
           QWidget* parent = nullptr);
    ~Form12() override;

    // The handlers of the buttons.
    void Command1_Click();  // "C&ontinue >>>": checks the choice, lists the first species
    void Command2_Click();  // "C&onfirm merging >>>"
    void Command3_Click();  // "&Skip >>>"
    void Command4_Click();  // "Merge automatically"

    QListWidget* list() const { return list_; }

private:
    // Shows the next species (or that the last one was done) and the buttons that fit.
    void showNext();
    void addLine(const std::string& codePageLine);

    core::Workspace& ws_;
    core::Interaction& ui_;
    std::function<void()> tableChanged_;
    std::unique_ptr<editing::LayerCombination> steps_;
    QCheckBox* combine_[editing::LayerCount] = {};
    QButtonGroup* result_;
    QListWidget* list_;
    QPushButton* continue_;
    QPushButton* confirm_;
    QPushButton* skip_;
    QPushButton* automatic_;
};

}  // namespace zembu::app
