#include "app/settings_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/measure_names.h"
#include "view/separators.h"

namespace zembu::app {

namespace {

QColor qColour(int32_t value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
int32_t colourValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QDoubleSpinBox* limitBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(-1000, 1000);
    box->setDecimals(2);
    return box;
}

QString fisherText(double t) {
    return QString("P = %1 (-log10 P = %2)")
        .arg(std::pow(10.0, -t), 0, 'g', 3)
        .arg(QString::fromStdString(core::formatNumber(t, "0.#####")));
}

constexpr const char* ColourNames[6] = {"Constancy, first threshold:", "Constancy, second threshold:",
                                        "Fidelity, first threshold:",  "Fidelity, second threshold:",
                                        "Cover, first threshold:",     "Cover, second threshold:"};
constexpr int32_t DefaultColours[2] = {0x99FFFF, 0x9999FF};

}  // namespace

Form57::Form57(core::Workspace& ws, std::function<void()> separatorsChanged, std::function<void()> selectRtf,
               QWidget* parent)
    : QDialog(parent), ws_(ws), separatorsChanged_(std::move(separatorsChanged)), selectRtf_(std::move(selectRtf)) {
    setObjectName("Form57");
    setWindowTitle("Settings");
    pages_ = new QTabWidget(this);
    pages_->addTab(buildTablePage(), "&Table");
    pages_->addTab(buildFidelityPage(), "&Fidelity");
    pages_->addTab(buildSynopticPage(), "S&ynoptic Table");
    pages_->addTab(buildReportsPage(), "&Reports");
    pages_->addTab(buildProgramsPage(), "&Programs");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    start_ = session::currentProgramSettings(ws_);
    showSettings(start_);

    // The separator controls act at once, like the main window's.
    connect(hierarchy_, &QCheckBox::toggled, this, [this](bool on) {
        view::Check1_Click(ws_, on);
        if (separatorsChanged_) separatorsChanged_();
        propose_->setEnabled(session::proposedStandardSize(ws_).has_value());
    });
    connect(level_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position < 0) return;
        view::Combo4_Click(ws_, position);
        if (separatorsChanged_) separatorsChanged_();
        propose_->setEnabled(session::proposedStandardSize(ws_).has_value());
    });
}

QWidget* Form57::buildTablePage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    releveCapacity_ = new QSpinBox(page);
    releveCapacity_->setObjectName("releveCapacity");
    releveCapacity_->setRange(30000, 1000000);
    releveCapacity_->setSingleStep(10000);
    speciesCapacity_ = new QSpinBox(page);
    speciesCapacity_->setObjectName("speciesCapacity");
    speciesCapacity_->setRange(5000, 15000);
    speciesCapacity_->setSingleStep(1000);
    form->addRow("Relevé capacity (closes the table):", releveCapacity_);
    form->addRow("Species capacity (closes the table):", speciesCapacity_);
    nameWidth_ = new QSpinBox(page);
    nameWidth_->setRange(4, 200);
    layerWidth_ = new QSpinBox(page);
    layerWidth_->setRange(3, 50);
    greyLevel_ = new QSpinBox(page);
    greyLevel_->setRange(0, 255);
    form->addRow("Species name width (characters):", nameWidth_);
    form->addRow("Layer field width (characters):", layerWidth_);
    form->addRow("Grey level of the layer field:", greyLevel_);

    hierarchy_ = new QCheckBox("Separator hierarchy", page);
    hierarchy_->setObjectName("Check1");
    level_ = new QComboBox(page);
    level_->setObjectName("Combo4");
    for (int level = 1; level <= 6; ++level) level_->addItem(QString::number(level));
    auto* separators = new QHBoxLayout;
    separators->addWidget(hierarchy_);
    separators->addWidget(new QLabel("Level:", page));
    separators->addWidget(level_);
    separators->addStretch();
    form->addRow("Separators:", separators);
    return page;
}

QWidget* Form57::buildFidelityPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    measure_ = new QComboBox(page);
    measure_->setObjectName("measure");
    const std::vector<std::string> names = synoptic::statistica();
    for (size_t i = 0; i < names.size(); ++i) {
        measure_->addItem(QString::fromStdString(names[i]), static_cast<int>(i) + 1);
        // The separator line of the list selects no measure.
        if (static_cast<int>(i) + 1 == synoptic::NoMeasure)
            if (auto* model = qobject_cast<QStandardItemModel*>(measure_->model()))
                model->item(static_cast<int>(i))->setEnabled(false);
    }
    connect(measure_, &QComboBox::currentIndexChanged, this, [this] { measureChosen(); });
    form->addRow("Fidelity measure:", measure_);

    auto* kindBox = new QGroupBox("Group sizes", page);
    auto* kindLayout = new QVBoxLayout(kindBox);
    const char* kindNames[3] = {"Fidelity index (groups as they are)",
                                "Standardised fidelity (target group at the standard size)",
                                "Modified fidelity (every group at the mean size)"};
    for (int k = 0; k < 3; ++k) {
        kinds_[k] = new QRadioButton(kindNames[k], kindBox);
        kindLayout->addWidget(kinds_[k]);
    }
    form->addRow(kindBox);

    standardSize_ = new QDoubleSpinBox(page);
    standardSize_->setObjectName("standardSize");
    standardSize_->setRange(0.001, 99.999);
    standardSize_->setDecimals(3);
    propose_ = new QPushButton("P&ropose from the groups", page);
    propose_->setObjectName("propose");
    propose_->setToolTip("The mean size of the groups but the last, in percent of all relevés");
    propose_->setEnabled(session::proposedStandardSize(ws_).has_value());
    connect(propose_, &QPushButton::clicked, this, [this] { test_velikosti_Np(); });
    auto* size = new QHBoxLayout;
    size->addWidget(standardSize_);
    size->addWidget(propose_);
    form->addRow("Standard group size (% of relevés):", size);
    sizeForTarget_ = new QCheckBox("Under modified fidelity also bring the target group to the standard size", page);
    adjusted_ = new QCheckBox("Leave the last group out of the mean group size (n - 1 groups)", page);
    higherLevel_ = new QCheckBox("Measure against the next higher separator level instead of the whole table", page);
    form->addRow(sizeForTarget_);
    form->addRow(adjusted_);
    form->addRow(higherLevel_);

    fisher_ = new QCheckBox("Fisher's exact test: values not significant at", page);
    fisher_->setObjectName("fisher");
    fisherLevel_ = new QComboBox(page);
    for (double t : session::FisherThresholds) fisherLevel_->addItem(fisherText(t), t);
    auto* fisher = new QHBoxLayout;
    fisher->addWidget(fisher_);
    fisher->addWidget(fisherLevel_);
    fisher->addWidget(new QLabel("are shown as ---", page));
    fisher->addStretch();
    form->addRow(fisher);

    withCover_ = new QCheckBox("Weigh occurrences by their cover:", page);
    coverTransformation_ = new QComboBox(page);
    coverTransformation_->addItems({"cover / 100", "square root of cover / 10", "ln cover / ln 100"});
    connect(withCover_, &QCheckBox::toggled, coverTransformation_, &QWidget::setEnabled);
    auto* cover = new QHBoxLayout;
    cover->addWidget(withCover_);
    cover->addWidget(coverTransformation_);
    cover->addStretch();
    form->addRow(cover);
    return page;
}

QWidget* Form57::buildSynopticPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    const char* kinds[3] = {"Constancy (types 1-3):", "Fidelity (type 4):", "Cover (types 5-11):"};
    grid->addWidget(new QLabel("First threshold", page), 0, 1);
    grid->addWidget(new QLabel("Second threshold", page), 0, 2);
    grid->addWidget(new QLabel("Highlight", page), 0, 3);
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(new QLabel(kinds[k], page), k + 1, 0);
        for (int t = 0; t < 2; ++t) {
            limits_[k * 2 + t] = limitBox(page);
            grid->addWidget(limits_[k * 2 + t], k + 1, t + 1);
        }
        highlights_[k] = new QCheckBox("coloured boxes", page);
        grid->addWidget(highlights_[k], k + 1, 3);
    }
    limits_[0]->setObjectName("frequencyLimit");
    limits_[2]->setObjectName("fidelityLimit");
    auto* thresholds = new QGroupBox("Thresholds of highlighted values", page);
    thresholds->setLayout(grid);
    layout->addWidget(thresholds);

    auto* colours = new QGroupBox("Highlight colours", page);
    auto* colourGrid = new QGridLayout(colours);
    for (size_t i = 0; i < colourButtons_.size(); ++i) {
        colourButtons_[i] = new QPushButton(colours);
        colourButtons_[i]->setMinimumWidth(110);
        connect(colourButtons_[i], &QPushButton::clicked, this, [this, i] {
            const QColor current = qColour(colours_[i] ? colours_[i] : DefaultColours[i % 2]);
            const QColor chosen = QColorDialog::getColor(current, this, "Highlight colour");
            if (chosen.isValid()) setColour(i, colourValue(chosen));
        });
        colourGrid->addWidget(new QLabel(ColourNames[i], colours), static_cast<int>(i / 2), static_cast<int>(i % 2) * 2);
        colourGrid->addWidget(colourButtons_[i], static_cast<int>(i / 2), static_cast<int>(i % 2) * 2 + 1);
    }
    auto* defaults = new QPushButton("&Default Colours", colours);
    connect(defaults, &QPushButton::clicked, this, [this] {
        for (size_t i = 0; i < colours_.size(); ++i) setColour(i, 0);
    });
    colourGrid->addWidget(defaults, 3, 3);
    layout->addWidget(colours);

    boldValues_ = new QCheckBox("Bold style of important values (screen and RTF reports)", page);
    layout->addWidget(boldValues_);
    auto* form = new QFormLayout;
    combinedForm_ = new QComboBox(page);
    combinedForm_->setObjectName("combinedForm");
    for (size_t f = 0; f < session::CombinedFormNames.size(); ++f)
        combinedForm_->addItem(QString("%1 - %2").arg(f + 1).arg(session::CombinedFormNames[f]));
    form->addRow("Combined synoptic table:", combinedForm_);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget* Form57::buildReportsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* document = new QGroupBox("RTF report document", page);
    auto* documentLayout = new QHBoxLayout(document);
    rtfFile_ = new QLabel(QString::fromStdString(ws_.currentRtfFile), document);
    rtfFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* select = new QPushButton("&Select RTF File...", document);
    select->setObjectName("selectRtf");
    select->setEnabled(static_cast<bool>(selectRtf_));
    select->setToolTip("Starts a new, empty report document; its old contents are discarded");
    connect(select, &QPushButton::clicked, this, [this] {
        selectRtf_();
        rtfFile_->setText(QString::fromStdString(ws_.currentRtfFile));
    });
    documentLayout->addWidget(rtfFile_, 1);
    documentLayout->addWidget(select);
    layout->addWidget(document);
    originalColours_ = new QCheckBox("Export species in original colours", page);
    highlightValues_ = new QCheckBox("Highlight important frequency or fidelity values", page);
    layout->addWidget(originalColours_);
    layout->addWidget(highlightValues_);
    layout->addWidget(new QLabel("The bold style of important values is set on the Synoptic Table page.", page));
    layout->addStretch();
    return page;
}

QWidget* Form57::buildProgramsPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const char* names[6] = {"PC-ORD:", "MULVA:", "TWINSPAN:", "DMAP:", "R:", "SYN-TAX:"};
    for (size_t i = 0; i < paths_.size(); ++i) {
        paths_[i] = new QLineEdit(page);
        auto* browse = new QPushButton("Browse...", page);
        connect(browse, &QPushButton::clicked, this, [this, i] {
            const QString file = QFileDialog::getOpenFileName(this, "Program", paths_[i]->text());
            if (!file.isEmpty()) paths_[i]->setText(file);
        });
        auto* row = new QHBoxLayout;
        row->addWidget(paths_[i], 1);
        row->addWidget(browse);
        form->addRow(names[i], row);
    }
    return page;
}

void Form57::setColour(size_t index, int32_t colour) {
    colours_[index] = colour;
    const QColor shown = qColour(colour ? colour : DefaultColours[index % 2]);
    colourButtons_[index]->setText(colour ? shown.name() : QString("default"));
    colourButtons_[index]->setStyleSheet(QString("background-color: %1;").arg(shown.name()));
}

void Form57::showSettings(const session::ProgramSettings& p) {
    releveCapacity_->setValue(p.releveCapacity);
    speciesCapacity_->setValue(p.speciesCapacity);
    nameWidth_->setValue(p.nameWidth);
    layerWidth_->setValue(p.layerWidth);
    greyLevel_->setValue(p.greyLevel);
    hierarchy_->setChecked(ws_.separatorHierarchy);
    level_->setCurrentIndex(ws_.separatorLevel - 1);

    measure_->setCurrentIndex(measure_->findData(p.measure));
    kinds_[std::clamp(p.kind, 0, 2)]->setChecked(true);
    standardSize_->setValue(p.standardSize);
    sizeForTarget_->setChecked(p.sizeForTargetGroup);
    adjusted_->setChecked(p.adjustedNMinus1);
    higherLevel_->setChecked(p.higherLevelReference);
    fisher_->setChecked(p.fisherVeto);
    int level = fisherLevel_->findData(p.fisherThreshold);
    if (level < 0) {
        // A threshold typed into the settings file keeps its value.
        fisherLevel_->addItem(fisherText(p.fisherThreshold), p.fisherThreshold);
        level = fisherLevel_->count() - 1;
    }
    fisherLevel_->setCurrentIndex(level);
    withCover_->setChecked(p.withCover);
    coverTransformation_->setCurrentIndex(p.coverTransformation);
    coverTransformation_->setEnabled(p.withCover);

    const double limits[6] = {p.frequencyLimit, p.frequency2Limit, p.fidelityLimit,
                              p.fidelity2Limit, p.coverLimit,      p.coverLimitHigher};
    for (size_t i = 0; i < limits_.size(); ++i) limits_[i]->setValue(limits[i]);
    for (size_t i = 0; i < colours_.size(); ++i) setColour(i, p.colours[i]);
    highlights_[0]->setChecked(p.frequencyHighlight);
    highlights_[1]->setChecked(p.fidelityHighlight);
    highlights_[2]->setChecked(p.coverHighlight);
    boldValues_->setChecked(p.boldValues);
    combinedForm_->setCurrentIndex(p.combinedForm - 1);

    originalColours_->setChecked(p.exportOriginalColours);
    highlightValues_->setChecked(p.highlightValues);
    const std::string* paths[6] = {&p.pcOrdPath, &p.mulvaPath, &p.twinspanPath, &p.dmapPath, &p.rPath, &p.synTaxPath};
    for (size_t i = 0; i < paths_.size(); ++i) paths_[i]->setText(QString::fromStdString(*paths[i]));
}

session::ProgramSettings Form57::chosen() const {
    session::ProgramSettings p = start_;
    p.releveCapacity = releveCapacity_->value();
    p.speciesCapacity = speciesCapacity_->value();
    p.nameWidth = nameWidth_->value();
    p.layerWidth = layerWidth_->value();
    p.greyLevel = greyLevel_->value();

    p.measure = measure_->currentData().toInt();
    for (int k = 0; k < 3; ++k)
        if (kinds_[k]->isChecked()) p.kind = k;
    p.standardSize = standardSize_->value();
    p.sizeForTargetGroup = sizeForTarget_->isChecked();
    p.adjustedNMinus1 = adjusted_->isChecked();
    p.higherLevelReference = higherLevel_->isChecked();
    p.fisherVeto = fisher_->isChecked();
    p.fisherThreshold = fisherLevel_->currentData().toDouble();
    p.withCover = withCover_->isChecked();
    p.coverTransformation = coverTransformation_->currentIndex();

    double* limits[6] = {&p.frequencyLimit, &p.frequency2Limit, &p.fidelityLimit,
                         &p.fidelity2Limit, &p.coverLimit,      &p.coverLimitHigher};
    for (size_t i = 0; i < limits_.size(); ++i) *limits[i] = limits_[i]->value();
    p.colours = colours_;
    p.frequencyHighlight = highlights_[0]->isChecked();
    p.fidelityHighlight = highlights_[1]->isChecked();
    p.coverHighlight = highlights_[2]->isChecked();
    p.boldValues = boldValues_->isChecked();
    p.combinedForm = combinedForm_->currentIndex() + 1;

    p.exportOriginalColours = originalColours_->isChecked();
    p.highlightValues = highlightValues_->isChecked();
    std::string* paths[6] = {&p.pcOrdPath, &p.mulvaPath, &p.twinspanPath, &p.dmapPath, &p.rPath, &p.synTaxPath};
    for (size_t i = 0; i < paths_.size(); ++i) *paths[i] = paths_[i]->text().toStdString();
    return p;
}

void Form57::showPage(Page page) { pages_->setCurrentIndex(page); }

void Form57::measureChosen() {
    // The Dufrene-Legendre index always goes with modified fidelity.
    const bool dufreneLegendre = measure_->currentData().toInt() == synoptic::DufreneLegendre;
    if (dufreneLegendre) kinds_[synoptic::ModifiedFidelity]->setChecked(true);
    for (QRadioButton* kind : kinds_) kind->setEnabled(!dufreneLegendre);
}

void Form57::test_velikosti_Np() {
    if (const auto size = session::proposedStandardSize(ws_)) {
        standardSize_->setValue(std::stod(core::formatNumber(*size, "0.###")));
    }
}

}  // namespace zembu::app
