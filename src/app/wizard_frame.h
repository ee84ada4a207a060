#pragma once
// The frame shared by the step-by-step dialogs (the import wizards): a title
// that names the step, one page per step, and Back / Next / Cancel buttons;
// Next reads "&Finish" on the last step.

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace zembu::core {
class Interaction;
}

namespace zembu::app {

// While a dialog is open, the Interaction's message boxes and file choosers
// belong to it (when the Interaction is the desktop program's).
class DialogParentScope {
public:
    DialogParentScope(core::Interaction& ui, QWidget* dialog);
    ~DialogParentScope();
    DialogParentScope(const DialogParentScope&) = delete;
    DialogParentScope& operator=(const DialogParentScope&) = delete;

private:
    core::Interaction& ui_;
    QPointer<QWidget> previous_;
};

// The first page of an import wizard: what it imports, the chosen file with
// a Browse button beside it, and the file's size.
class FileChoicePage : public QWidget {
public:
    FileChoicePage(const QString& heading, const QString& explanation, QWidget* parent);

    // Shows the chosen file and its size in kB.
    void showFile(const QString& file);
    QPushButton* browseButton() const { return browse_; }

private:
    QLineEdit* path_ = nullptr;
    QLabel* size_ = nullptr;
    QPushButton* browse_ = nullptr;
};

class WizardFrame : public QDialog {
    Q_OBJECT

public:
    // titleStem is followed by "(Step n/steps)".
    WizardFrame(QString titleStem, int steps, QWidget* parent);

    int step() const { return step_; }
    // Moves one step on / back, as the buttons do (tests call them).
    void goNext();
    void goBack();

    QPushButton* nextButton() const { return next_; }
    QPushButton* backButton() const { return back_; }

protected:
    // Adds the page of the next step.
    void addStep(QWidget* page);
    // The work of moving from `from` to `from + 1`; false keeps the step.
    virtual bool leaveStep(int from) { return true; }
    // Called when a step is shown.
    virtual void showStep(int step) {}
    // The work of the last step; true closes the dialog.
    virtual bool finish() = 0;
    // A short text under the pages (file status and the like).
    void setStatus(const QString& text);
    // A page with a note on what Finish does.
    QWidget* notePage(const QString& note);
    // The same with a summary of the choices above the note (setSummary).
    QWidget* summaryPage(const QString& note);
    void setSummary(const QString& text);

private:
    void moveTo(int step);

    QString titleStem_;
    int steps_;
    int step_ = 0;
    QStackedWidget* pages_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zembu::app
