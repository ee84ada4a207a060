#pragma once
// Form55: "Analysis of Constancy Columns": the diagnostic, constant and
// dominant species of one column of the synoptic table at a time, the
// numbers that rate the column, and the ways out: colouring the species,
// the summary files and the report (Form45).

#include <QDialog>
#include <vector>

#include "synoptic/constancy_columns.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form55 : public QDialog {
    Q_OBJECT

public:
    Form55(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // func_refresh: recomputes the lists and numbers of the chosen column.
    void func_refresh();
    // barvickysyn: colours the species of the table by their roles in the column.
    void colourSpecies();
    // Command4_Click: writes the summary of the column into the work files.
    void Command4_Click();
    // Opens Form45 with the current thresholds.
    void openReport();

    QScrollBar* columnBar() const { return column_; }
    QLineEdit* fidelityLimit() const { return fidelity_; }
    QLineEdit* frequencyLimit() const { return frequency_; }
    QListWidget* diagnosticList() const { return lists_[0]; }
    QListWidget* constantList() const { return lists_[1]; }
    QListWidget* dominantList() const { return lists_[2]; }
    QListWidget* combinedList() const { return lists_[3]; }
    QLabel* summary() const { return summary_; }

private:
    // The thresholds as typed, stored back to the settings.
    synoptic::ConstancyThresholds thresholds();
    // Recomputes every column after a threshold changed.
    void recompute();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QScrollBar* column_ = nullptr;
    QLabel* columnLabel_ = nullptr;
    QLineEdit* fidelity_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QLineEdit* cover_ = nullptr;
    QLineEdit* frequencyCover_ = nullptr;
    QCheckBox* include_ = nullptr;
    QCheckBox* references_ = nullptr;
    QListWidget* lists_[4] = {};
    QLabel* captions_[3] = {};
    QLabel* summary_ = nullptr;
    std::vector<synoptic::ColumnAnalysis> columns_;
};

}  // namespace zembu::app
