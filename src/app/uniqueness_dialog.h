#pragma once
// Form24c, "Uniqueness": for one relevé group, how much of its fidelity
// profile the other groups share, as the list of the uniqueness computation.

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace zembu::core {
class Workspace;
}

namespace zembu::app {

class Form24c : public QDialog {
    Q_OBJECT

public:
    // Lists the first group at once.
    explicit Form24c(core::Workspace& ws, QWidget* parent = nullptr);

    // sharpness: recomputes the list for the group of the scroll bar and the cut level.
    void sharpness();
    // The back and forward buttons: the previous / next group, recomputed.
    void stepGroup(int step);

    QScrollBar* groupBar() const { return groupBar_; }
    QLabel* groupLabel() const { return groupLabel_; }
    QLineEdit* cutLevel() const { return cut_; }
    QListWidget* list() const { return list_; }

private:
    core::Workspace& ws_;
    QScrollBar* groupBar_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QLineEdit* cut_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace zembu::app
