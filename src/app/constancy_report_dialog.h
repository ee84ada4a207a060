#pragma once
// Form45: the lists of every column of the synoptic table, previewed
// (Command1_Click) and appended to the report document as "Analysis of
// synoptic table" (Command2_Click).

#include <QDialog>

#include "synoptic/constancy_columns.h"

class QTextEdit;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form45 : public QDialog {
    Q_OBJECT

public:
    Form45(core::Workspace& ws, core::Interaction& ui, const synoptic::ConstancyThresholds& thresholds,
           QWidget* parent = nullptr);

    // Command1_Click: shows the preview of every column.
    void Command1_Click();
    // Command2_Click: appends the report to the report document.
    void Command2_Click();

    QTextEdit* preview() const { return preview_; }

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    synoptic::ConstancyThresholds thresholds_;
    QTextEdit* preview_ = nullptr;
};

}  // namespace zembu::app
