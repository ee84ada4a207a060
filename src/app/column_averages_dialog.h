#pragma once
// Form35: "Average Value of Constancy Columns": for every column of the
// synoptic table the mean of one synoptic value over its species, with a
// summary, to read or copy.

#include <QDialog>

class QComboBox;
class QListWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form35 : public QDialog {
    Q_OBJECT

public:
    Form35(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Form_Load: computes the averages of the chosen value and lists them.
    void Form_Load();
    // Puts the list on the clipboard as tab-separated text.
    void copyList();

    QComboBox* valueList() const { return values_; }
    QListWidget* list() const { return list_; }

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    QComboBox* values_ = nullptr;
    QListWidget* list_ = nullptr;
    std::string clipboard_;
};

}  // namespace zembu::app
