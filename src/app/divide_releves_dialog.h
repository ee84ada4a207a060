#pragma once
// Form42, "Divide Relevé": the relevés of one colour divided into groups of
// the same size or by their short headers.

#include <QDialog>

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace zembu::core {
class Workspace;
}

namespace zembu::app {

class Form42 : public QDialog {
    Q_OBJECT

public:
    Form42(const core::Workspace& ws, QWidget* parent = nullptr);

    int colour() const;             // palette number of the chosen relevé colour (0 white)
    int groups() const;             // the number box
    bool bySameSize() const;        // "Divide relevés into groups of the same size"

private:
    QComboBox* colours_;
    QSpinBox* number_;
    QRadioButton* sameSize_;
    QRadioButton* shortHeaders_;
};

}  // namespace zembu::app
