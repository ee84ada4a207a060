#include "app/constancy_columns_dialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/constancy_report_dialog.h"
#include "app/wizard_frame.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/measure_names.h"
#include "synoptic/synoptic_settings.h"

namespace zembu::app {

namespace {

QString fromTable(const std::string& bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

QString limitText(double value) { return QString::fromStdString(core::formatNumber(value, "0.###")); }

}  // namespace

Form55::Form55(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form55");
    setWindowTitle("Analysis of Constancy Columns");
    auto* layout = new QVBoxLayout(this);

    auto* columnRow = new QHBoxLayout;
    columnLabel_ = new QLabel(this);
    column_ = new QScrollBar(Qt::Horizontal, this);
    column_->setObjectName("HScroll1");
    column_->setMinimum(1);
    columnRow->addWidget(columnLabel_);
    columnRow->addWidget(column_, 1);
    layout->addLayout(columnRow);

    const synoptic::ConstancyThresholds t = synoptic::readConstancyThresholds(ws_.settings);
    auto* limits = new QGridLayout;
    const auto edit = [this](double value, const char* name) {
        auto* e = new QLineEdit(limitText(value), this);
        e->setObjectName(name);
        e->setMaximumWidth(70);
        return e;
    };
    fidelity_ = edit(t.fidelityLimit, "Text1");
    frequency_ = edit(t.frequencyLimit, "Text2");
    cover_ = edit(t.coverLimit, "Text3");
    frequencyCover_ = edit(t.frequencyCoverLimit, "Text4");
    limits->addWidget(new QLabel("&Fidelity limit:", this), 0, 0);
    limits->addWidget(fidelity_, 0, 1);
    limits->addWidget(new QLabel("F&requency limit (%):", this), 0, 2);
    limits->addWidget(frequency_, 0, 3);
    limits->addWidget(new QLabel("C&over limit (%):", this), 1, 0);
    limits->addWidget(cover_, 1, 1);
    limits->addWidget(new QLabel("Frequency co&ver limit (%):", this), 1, 2);
    limits->addWidget(frequencyCover_, 1, 3);
    include_ = new QCheckBox("&Include diagnostic species among the constant ones", this);
    include_->setObjectName("Check1");
    include_->setChecked(t.includeDiagnostic);
    references_ = new QCheckBox("Show &references", this);
    references_->setObjectName("Check2");
    references_->setChecked(t.showReferences);
    limits->addWidget(include_, 2, 0, 1, 3);
    limits->addWidget(references_, 2, 3);
    for (int i = 0; i < limits->count(); ++i)
        if (auto* label = qobject_cast<QLabel*>(limits->itemAt(i)->widget())) label->setBuddy(limits->itemAt(i + 1)->widget());
    layout->addLayout(limits);

    const QString measure = QString::fromStdString(
        std::string(synoptic::longMeasureName(synoptic::readFidelitySettings(ws_.settings).measure)));
    const QString captions[3] = {"Fidelity (" + measure + ")... species name... layer...",
                                 "Frequency (%)... species name... layer...",
                                 "Frequency (%) for cover values higher than the threshold... species name... layer..."};
    auto* grid = new QGridLayout;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < 4; ++i) {
        lists_[i] = new QListWidget(this);
        lists_[i]->setObjectName(QString("List%1").arg(i + 1));
        lists_[i]->setFont(fixed);
        lists_[i]->setMinimumSize(300, 150);
        auto* caption = new QLabel(i < 3 ? captions[i] : QString("Species and their roles (Dg, C, Dm)"), this);
        caption->setWordWrap(true);
        if (i < 3) captions_[i] = caption;
        grid->addWidget(caption, (i / 2) * 2, i % 2);
        grid->addWidget(lists_[i], (i / 2) * 2 + 1, i % 2);
    }
    layout->addLayout(grid, 1);

    summary_ = new QLabel(this);
    summary_->setObjectName("Label5");
    summary_->setFont(fixed);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    auto* colour = new QPushButton("&Colour Species", this);
    colour->setObjectName("Command3");
    auto* files = new QPushButton("&Save Summary", this);
    files->setObjectName("Command4");
    auto* report = new QPushButton("Export &Clusters...", this);
    report->setObjectName("Command5");
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(colour);
    buttons->addWidget(files);
    buttons->addWidget(report);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(column_, &QScrollBar::valueChanged, this, &Form55::func_refresh);
    for (QLineEdit* e : {fidelity_, frequency_, cover_, frequencyCover_})
        connect(e, &QLineEdit::textChanged, this, &Form55::recompute);
    connect(include_, &QCheckBox::toggled, this, &Form55::recompute);
    connect(references_, &QCheckBox::toggled, this, &Form55::recompute);
    connect(colour, &QPushButton::clicked, this, &Form55::colourSpecies);
    connect(files, &QPushButton::clicked, this, &Form55::Command4_Click);
    connect(report, &QPushButton::clicked, this, &Form55::openReport);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 640);
    recompute();
}

synoptic::ConstancyThresholds Form55::thresholds() {
    synoptic::ConstancyThresholds t;
    t.fidelityLimit = core::leadingNumber(fidelity_->text().toStdString());
    t.frequencyLimit = core::leadingNumber(frequency_->text().toStdString());
    t.coverLimit = core::leadingNumber(cover_->text().toStdString());
    t.frequencyCoverLimit = core::leadingNumber(frequencyCover_->text().toStdString());
    t.includeDiagnostic = include_->isChecked();
    t.showReferences = references_->isChecked();
    synoptic::storeConstancyThresholds(ws_.settings, t);
    return t;
}

void Form55::recompute() {
    core::BusyScope busy(ui_);
    columns_ = synoptic::analyseConstancyColumns(ws_.table, synoptic::readSynopticSettings(ws_), thresholds());
    column_->setMaximum(std::max<int>(1, static_cast<int>(columns_.size())));
    func_refresh();
}

void Form55::func_refresh() {
    for (QListWidget* list : lists_) list->clear();
    const int g = column_->value();
    columnLabel_->setText(QString("Column %1 of %2").arg(g).arg(columns_.size()));
    if (columns_.empty() || g < 1 || g > static_cast<int>(columns_.size())) {
        summary_->setText("The table has no relevés.");
        return;
    }
    const synoptic::ColumnAnalysis& c = columns_[static_cast<size_t>(g) - 1];
    const bool refs = references_->isChecked();
    const std::vector<synoptic::ListedSpecies>* lists[3] = {&c.diagnostic, &c.constant, &c.dominant};
    for (int i = 0; i < 3; ++i)
        for (const synoptic::ListedSpecies& e : *lists[i])
            lists_[i]->addItem(fromTable(synoptic::listEntryText(ws_.table, e, i == 0, refs)));
    for (const synoptic::ListedSpecies& e : c.combined)
        lists_[3]->addItem(fromTable(synoptic::combinedEntryText(ws_.table, e)));
    summary_->setText(QString("Diagnostic species: %1   Constant species: %2   Dominant species: %3\n"
                              "No. of relevés: %4   Average species No.: %5\n"
                              "Average positive fidelity: %6   Quality index: %7")
                          .arg(c.diagnosticCount)
                          .arg(c.constantCount)
                          .arg(c.dominantCount)
                          .arg(c.releves)
                          .arg(QString::fromStdString(synoptic::summaryNumber(c.averageSpecies)))
                          .arg(QString::fromStdString(synoptic::summaryNumber(c.averagePositiveFidelity)))
                          .arg(QString::fromStdString(synoptic::summaryNumber(c.qualityIndex))));
}

void Form55::colourSpecies() {
    const int g = column_->value();
    if (g < 1 || g > static_cast<int>(columns_.size())) return;
    synoptic::barvickysyn(ws_, columns_[static_cast<size_t>(g) - 1]);
    if (auto* window = parentWidget()) window->update();
}

void Form55::Command4_Click() {
    const int g = column_->value();
    if (g < 1 || g > static_cast<int>(columns_.size())) return;
    DialogParentScope scope(ui_, this);
    synoptic::Command4_Click(ws_, columns_[static_cast<size_t>(g) - 1], ui_);
}

void Form55::openReport() {
    Form45 report(ws_, ui_, thresholds(), this);
    DialogParentScope scope(ui_, &report);
    report.exec();
}

}  // namespace zembu::app
