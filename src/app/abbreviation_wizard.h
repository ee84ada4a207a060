#pragma once
// Form67: converts the loaded table's species abbreviations into full names
// with a check list, two steps: the check list and its layout, then the
// conversion.

#include "app/wizard_frame.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form67 : public WizardFrame {
    Q_OBJECT

public:
    Form67(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    bool chooseCheckList();
    void setCheckList(const QString& file);

protected:
    bool leaveStep(int from) override;
    bool finish() override;

private:
    void storeLayout();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QLineEdit* file_ = nullptr;
    QRadioButton* fixedWidth_ = nullptr;
    QRadioButton* commaSeparated_ = nullptr;
    QCheckBox* withNumber_ = nullptr;
    QCheckBox* encoded_ = nullptr;
    QSpinBox* numberLength_ = nullptr;
    QSpinBox* abbreviationLength_ = nullptr;
    QSpinBox* nameLength_ = nullptr;
};

}  // namespace zembu::app
