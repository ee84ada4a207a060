#pragma once
// Form17, the indicator values of one relevé: its species by layer with
// their covers and values and the relevé's means (plain or weighted). The
// six axis labels put the means of an axis into the table head for every
// relevé; two buttons export the means of all relevés.

#include <QDialog>
#include <array>
#include <cstdint>

#include "analysis/indicator_means.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form17 : public QDialog {
    Q_OBJECT

public:
    Form17(core::Workspace& ws, core::Interaction& ui, int32_t releve, QWidget* parent = nullptr);

    // The six axis labels' captions.
    static const std::array<const char*, 6> AxisCaptions;

    // Command2_Click: axis 1..6 selected for the head (its label red, the
    // others yellow), the means of every relevé computed.
    void Command2_Click(int axis);
    // Command3_Click / Command4_Click: the export of means, without / with group numbers.
    void Command3_Click();
    void Command4_Click();

    analysis::MeanMode meanMode() const;
    int selectedAxis() const { return axis_; }
    QPushButton* axisLabel(int axis) const { return axisLabels_[static_cast<size_t>(axis - 1)]; }
    QTreeWidget* speciesTree() const { return tree_; }
    QRadioButton* weightedOption() const { return weighted_; }

signals:
    // The head shows new values (the window redraws).
    void headChanged();

private:
    void showReleve();
    void paintAxisLabels();

    core::Workspace& ws_;
    core::Interaction& ui_;
    int32_t releve_;
    int axis_ = 0;
    QLabel* title_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QRadioButton* plain_ = nullptr;
    QRadioButton* weighted_ = nullptr;
    std::array<QPushButton*, 6> axisLabels_{};
};

}  // namespace zembu::app
