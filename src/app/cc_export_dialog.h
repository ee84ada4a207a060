#pragma once
// Form52: the Cornell Condensed export of the relevés of one colour, with
// their covers raised to a chosen power.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form52 : public QDialog {
    Q_OBJECT

public:
    Form52(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Command1_Click: checks the transformation number and runs ccfilexp.
    void Command1_Click();

    QComboBox* colourList() const { return colours_; }
    QLineEdit* transformation() const { return power_; }
    QCheckBox* labelsBox() const { return labels_; }

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    QComboBox* colours_ = nullptr;
    QLineEdit* power_ = nullptr;
    QRadioButton* percentages_ = nullptr;
    QCheckBox* labels_ = nullptr;
};

}  // namespace zembu::app
