#pragma once
// Form25 ("Export of HEAD"): the header data of the relevés of the relevé
// colour box's colour, written to a semicolon-separated file.

#include <QDialog>

class QLineEdit;

namespace zembu::core {
class Interaction;
}

namespace zembu::app {

class Form25 : public QDialog {
    Q_OBJECT

public:
    // `relevesText` names the relevés exported ("12 WHITE relevés").
    Form25(core::Interaction& ui, const QString& relevesText, const QString& file, QWidget* parent = nullptr);
    QString file() const;

private:
    void browse();

    core::Interaction& ui_;
    QLineEdit* file_ = nullptr;
};

}  // namespace zembu::app
