#pragma once
// Form10, "Name and Layer Change": a new name and layer for the current
// species row.

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;

namespace zembu::app {

class Form10 : public QDialog {
    Q_OBJECT

public:
    // The dialog shows the row's name and layer.
    Form10(const std::string& name, int layer, QWidget* parent = nullptr);

    std::string name() const;  // as typed (UTF-8)
    int layer() const;         // 0..9

private:
    QLineEdit* name_;
    QComboBox* layer_;
};

}  // namespace zembu::app
