#pragma once
// Form32: "TWINSPAN (Hill 1978)". The parameters of the classification, the
// relevé colour analysed and the program; "&Run TWINSPAN" writes the link
// files and runs the program in the background with a waiting picture;
// "&Cancel" stops a run (the table stays as it was) or closes the dialog.

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <optional>

#include "classification/twinspan_link.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProcess;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form32 : public QDialog {
    Q_OBJECT

public:
    Form32(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);
    ~Form32() override;

    // Called after a run changed the table (or took its undo copy).
    std::function<void()> tableChanged;

    // Text1..Text7 of the dialog (1-based).
    QLineEdit* text(int n) const { return texts_[n - 1]; }
    QComboBox* colourList() const { return colour_; }
    QCheckBox* speciesSorting() const { return check1_; }
    QCheckBox* makeSeparators() const { return check2_; }
    // True while the program runs.
    bool running() const { return process_ != nullptr; }

    // The options as the fields hold them.
    classification::TwinspanLinkOptions options() const;

    // Command1_Click ("&Run TWINSPAN"): checks the fields, writes the files
    // and starts the program.
    void Command1_Click();
    // Command2_Click ("&Cancel"): stops a run, or closes the dialog.
    void Command2_Click();
    // Command3_Click ("&Change path"): chooses the program.
    void Command3_Click();

signals:
    // A run ended (applied or not).
    void runEnded(bool applied);

protected:
    void reject() override;

private:
    void setRunning(bool on);
    void finish(const core::ProgramOutcome& outcome);

    core::Workspace& ws_;
    core::Interaction& ui_;
    QLineEdit* texts_[7] = {};
    QComboBox* colour_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* waiting_ = nullptr;  // the waiting picture
    QLabel* state_ = nullptr;
    QTimer* clock_ = nullptr;
    QElapsedTimer elapsed_;
    QProcess* process_ = nullptr;
    std::optional<classification::TwinspanRun> currentRun_;
    bool cancelled_ = false;
};

}  // namespace zembu::app
