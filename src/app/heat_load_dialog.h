#pragma once
// Form49, potential annual direct irradiation and heat load: the model and
// the output to write into the head of every relevé, and a calculator for
// one latitude, slope and aspect.

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace zembu::app {

class Form49 : public QDialog {
    Q_OBJECT

public:
    explicit Form49(QWidget* parent = nullptr);

    int model() const;   // 0..2: "Model 1".."Model 3"
    int output() const;  // 0 radiation, 1 heat load

    // Recomputes the calculator from its three boxes and the model.
    void calculate();

    QRadioButton* modelOption(int model) const { return models_[model]; }
    QRadioButton* heatLoadOption() const { return heatLoad_; }
    QLineEdit* latitudeBox() const { return latitude_; }
    QLineEdit* slopeBox() const { return slope_; }
    QLineEdit* aspectBox() const { return aspect_; }
    QLabel* radiationLabel() const { return radiationLabel_; }
    QLabel* heatLoadLabel() const { return heatLoadLabel_; }
    QLabel* radiationResult() const { return radiation_; }
    QLabel* heatLoadResult() const { return heatLoadValue_; }
    QLabel* problemLabel() const { return problem_; }

private:
    QRadioButton* models_[3] = {};
    QRadioButton* radiationOption_ = nullptr;
    QRadioButton* heatLoad_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* slope_ = nullptr;
    QLineEdit* aspect_ = nullptr;
    QLabel* radiationLabel_ = nullptr;
    QLabel* heatLoadLabel_ = nullptr;
    QLabel* radiation_ = nullptr;
    QLabel* heatLoadValue_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace zembu::app
