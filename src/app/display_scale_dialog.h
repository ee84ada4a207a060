#pragma once
// Form50: the user's display scale, one character for every cover percentage,
// with four presets.

#include <QDialog>
#include <array>

#include "import/user_scale.h"

class QLineEdit;
class QRadioButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form50 : public QDialog {
    Q_OBJECT

public:
    Form50(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Command1_Click: checks, stores and applies the scale; closes on success.
    void Command1_Click();
    // Command2_Click: fills the boxes with the chosen preset.
    void Command2_Click();
    // The chosen preset (-1 for none).
    void setOption(int option);

    QLineEdit* box(int i) const { return boxes_[static_cast<size_t>(i - 1)]; }

private:
    import::ScaleBoxes boxTexts() const;

    core::Workspace& ws_;
    core::Interaction& ui_;
    std::array<QLineEdit*, import::ScaleBoxCount> boxes_{};
    QRadioButton* options_[4] = {};
    int option_ = import::NoPreset;
};

}  // namespace zembu::app
