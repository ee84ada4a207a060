#pragma once
// Form29, the fidelity calculator: the fidelity of four typed counts by the
// measure chosen in the settings, with a list of the results so far.

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QListWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}

namespace zembu::app {

class Form29 : public QDialog {
    Q_OBJECT

public:
    Form29(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Command1_Click: evaluates the typed counts and adds the result line.
    void Command1_Click();

    QLabel* result() const { return result_; }
    QListWidget* lines() const { return lines_; }
    // The fields N, Np, n and np.
    QLineEdit* field(int index) const { return fields_[static_cast<size_t>(index)]; }

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    std::array<QLineEdit*, 4> fields_{};
    QLabel* result_ = nullptr;
    QListWidget* lines_ = nullptr;
};

}  // namespace zembu::app
