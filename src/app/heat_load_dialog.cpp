#include "app/heat_load_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/heat_load.h"
#include "app/dialog_parts.h"

namespace zembu::app {

namespace {

const char* const Explanation =
    "The annual direct incident radiation proposed by McCune and Keon (2002) estimates direct incident "
    "radiation and heat load using slope, aspect and latitude. The calculated equation has three models:\n"
    "Model 1: ln(RAD) = -1.467 + 1.582 * cos(lat) * cos(slo) - 1.5 * cos(asp) * sin(slo) * sin(lat) "
    "- 0.262 * sin(lat) * sin(slo) + 0.607 * sin(asp) * sin(slo)\n"
    "Model 2: ln(RAD) = -1.236 + 1.35 * cos(lat) * cos(slo) - 1.376 * cos(asp) * sin(slo) * sin(lat) "
    "- 0.331 * sin(lat) * sin(slo) + 0.375 * sin(asp) * sin(slo)\n"
    "Model 3: RAD = 0.339 + 0.808 * cos(lat) * cos(slo) - 0.196 * sin(lat) * sin(slo) "
    "- 0.482 * cos(asp) * sin(slo)\n"
    "The aspect is folded about the south for the radiation (180 - |aspect - 180|) and about the south-west "
    "for the heat load (180 - |aspect - 225|). Latitude, slope and aspect come from the header fields whose "
    "names contain LATITUDE (ddmmss or dddmmss), SLOPE and ASPECT (degrees); a relevé without them gets "
    "\"------\".";

}  // namespace

Form49::Form49(QWidget* parent) : QDialog(parent) {
    setObjectName("Form49");
    setWindowTitle("Potential Annual Direct Irradiation and Heat Load");

    auto* modelBox = new QGroupBox("Model", this);
    auto* modelLayout = new QHBoxLayout(modelBox);
    for (int m = 0; m < 3; ++m) {
        models_[m] = new QRadioButton(QString("Model &%1").arg(m + 1), modelBox);
        models_[m]->setObjectName(QString("Option%1").arg(m + 1));
        modelLayout->addWidget(models_[m]);
    }
    models_[0]->setChecked(true);

    auto* outputBox = new QGroupBox("Into the head", this);
    radiationOption_ = new QRadioButton("Potential annual direct &radiation", outputBox);
    heatLoad_ = new QRadioButton("&Heat load", outputBox);
    radiationOption_->setChecked(true);
    auto* outputLayout = new QHBoxLayout(outputBox);
    outputLayout->addWidget(radiationOption_);
    outputLayout->addWidget(heatLoad_);

    auto* calculator = new QGroupBox("Calculator", this);
    latitude_ = new QLineEdit("491230", calculator);
    latitude_->setObjectName("latitude");
    slope_ = new QLineEdit("20", calculator);
    slope_->setObjectName("slope");
    aspect_ = new QLineEdit("180", calculator);
    aspect_->setObjectName("aspect");
    radiationLabel_ = new QLabel(calculator);
    heatLoadLabel_ = new QLabel(calculator);
    radiation_ = new QLabel(calculator);
    radiation_->setObjectName("radiation");
    heatLoadValue_ = new QLabel(calculator);
    heatLoadValue_->setObjectName("heatLoad");
    problem_ = new QLabel(calculator);
    problem_->setStyleSheet("color: #b00000;");
    for (QLineEdit* box : {latitude_, slope_, aspect_}) connect(box, &QLineEdit::textChanged, this, [this] { calculate(); });
    for (QRadioButton* option : models_) connect(option, &QRadioButton::toggled, this, [this] { calculate(); });
    auto* inputs = new QFormLayout;
    inputs->addRow("&Latitude (ddmmss):", latitude_);
    inputs->addRow("&Slope (degrees):", slope_);
    inputs->addRow("&Aspect (degrees):", aspect_);
    auto* results = new QGridLayout;
    results->addWidget(radiationLabel_, 0, 0);
    results->addWidget(radiation_, 0, 1);
    results->addWidget(heatLoadLabel_, 1, 0);
    results->addWidget(heatLoadValue_, 1, 1);
    results->addWidget(problem_, 2, 0, 1, 2);
    results->setColumnStretch(1, 1);
    auto* calculatorLayout = new QHBoxLayout(calculator);
    calculatorLayout->addLayout(inputs);
    calculatorLayout->addSpacing(24);
    calculatorLayout->addLayout(results, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(Explanation, this));
    layout->addWidget(modelBox);
    layout->addWidget(outputBox);
    layout->addWidget(calculator);
    QPushButton* run = addConfirmButtons(layout, this, "&Calculate for All Relevés", "Command1");
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 500);
    calculate();
}

int Form49::model() const { return models_[1]->isChecked() ? 1 : models_[2]->isChecked() ? 2 : 0; }

int Form49::output() const { return heatLoad_->isChecked() ? analysis::HeatLoad : analysis::Radiation; }

void Form49::calculate() {
    const analysis::IrradiationCalculation result = analysis::irradiationCalculator(
        latitude_->text().toStdString(), slope_->text().toStdString(), aspect_->text().toStdString(), model());
    radiationLabel_->setText(QString::fromStdString(result.radiationLabel) + ":");
    heatLoadLabel_->setText(QString::fromStdString(result.heatLoadLabel) + ":");
    radiation_->setText(QString::fromStdString(result.radiation));
    heatLoadValue_->setText(QString::fromStdString(result.heatLoad));
    problem_->setText(QString::fromStdString(result.problem));
}

}  // namespace zembu::app
