#include "app/cc_import_wizard.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/cc_import_command.h"
#include "import/check_list.h"

namespace zembu::app {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Form66::Form66(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : WizardFrame(" Import Manager for TURBOVEG or Cornell Condensed File ", 5, parent), ws_(ws), ui_(ui) {
    setObjectName("Form66");
    options_.valueMode = ws_.settings.integer(core::setting::ImportCcPercentageOrdinal) == 1
                             ? import::OrdinalValues
                             : import::PercentageValues;
    addStep(buildFilePage());
    addStep(buildAnalysisPage());
    addStep(buildCheckListPage());
    addStep(buildHeaderPage());
    addStep(summaryPage("Finish imports the file. The table now loaded and its header data are replaced."));
}

QWidget* Form66::buildFilePage() {
    filePage_ = new FileChoicePage("<b>Import TURBOVEG Output or any other CC! file</b>",
                                   "A Cornell Condensed file holds the relevés with their species and cover "
                                   "values, the species abbreviations and the relevé numbers. TURBOVEG writes it "
                                   "when a table is exported in the Cornell Condensed format.",
                                   this);
    connect(filePage_->browseButton(), &QPushButton::clicked, this, [this] { chooseFile(); });
    return filePage_;
}

QWidget* Form66::buildAnalysisPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* options = new QHBoxLayout;

    auto* values = new QGroupBox("Values in the file", page);
    auto* valuesLayout = new QVBoxLayout(values);
    option1_ = new QRadioButton("&Percentage values", values);
    option1_->setObjectName("Option1");
    option2_ = new QRadioButton("&Ordinal values (1-9)", values);
    option2_->setObjectName("Option2");
    valuesLayout->addWidget(option1_);
    valuesLayout->addWidget(option2_);
    options->addWidget(values);

    auto* layers = new QGroupBox("Species abbreviations", page);
    auto* layersLayout = new QVBoxLayout(layers);
    withLayers_ = new QRadioButton("With &layer information (8th character)", layers);
    withLayers_->setObjectName("withLayers");
    withoutLayers_ = new QRadioButton("&Without layer information", layers);
    withoutLayers_->setObjectName("withoutLayers");
    layersLayout->addWidget(withLayers_);
    layersLayout->addWidget(withoutLayers_);
    options->addWidget(layers);
    layout->addLayout(options);

    list1_ = addValueList(layout, page, [this](int row) { List1_DblClick(row); });
    counts_ = new QLabel(page);
    counts_->setObjectName("counts");
    layout->addWidget(counts_);

    connect(option1_, &QRadioButton::clicked, this, &Form66::Option1_Click);
    connect(option2_, &QRadioButton::clicked, this, &Form66::Option2_Click);
    connect(withLayers_, &QRadioButton::clicked, this, [this] { options_.layerInformation = true; });
    connect(withoutLayers_, &QRadioButton::clicked, this, [this] { options_.layerInformation = false; });
    return page;
}

QWidget* Form66::buildCheckListPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        wrappedLabel("TURBOVEG writes species abbreviations. A species check list gives their full names.", page));
    checkListBox_ = new QCheckBox("&Convert abbreviations into full species names", page);
    checkListBox_->setObjectName("checkListBox");
    layout->addWidget(checkListBox_);
    auto* row = new QHBoxLayout;
    checkListLabel_ = new QLabel(page);
    checkListLabel_->setObjectName("checkListLabel");
    checkListLabel_->setWordWrap(true);
    auto* choose = new QPushButton("Check &List...", page);
    choose->setObjectName("checkListButton");
    row->addWidget(checkListLabel_, 1);
    row->addWidget(choose);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(choose, &QPushButton::clicked, this, &Form66::chooseCheckList);
    return page;
}

QWidget* Form66::buildHeaderPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    headerBox_ = new QCheckBox("Import &header data (EXP, STR files)", page);
    headerBox_->setObjectName("headerBox");
    auto* choose = new QPushButton("Header &File...", page);
    choose->setObjectName("headerButton");
    row->addWidget(headerBox_, 1);
    row->addWidget(choose);
    layout->addLayout(row);
    fieldList_ = new QListWidget(page);
    fieldList_->setObjectName("fieldList");
    fieldList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(fieldList_, 1);
    headerFiles_ = new QLabel(page);
    headerFiles_->setObjectName("headerFiles");
    layout->addWidget(headerFiles_);
    connect(choose, &QPushButton::clicked, this, &Form66::chooseHeaderFile);
    connect(headerBox_, &QCheckBox::clicked, this, [this](bool on) {
        if (on && !header_) chooseHeaderFile();
    });
    return page;
}

bool Form66::chooseFile() {
    const auto file = ui_.openFile({"Import TURBOVEG Output Or Any Other CC! File",
                                    "Files TXT, DAT, CC!|*.txt;*.dat;*.cc!|All files (*.*)|*.*", "*.cc!;*.dat;*.txt",
                                    ws_.currentDirectory, true});
    if (!file) return false;
    setFile(QString::fromStdString(*file));
    return true;
}

void Form66::setFile(const QString& file) {
    file_ = file;
    analysis_.reset();
    filePage_->showFile(file);
    setStatus(QString());
}

bool Form66::test_tabulky() {
    analysis_ = import::test_tabulky(file_.toStdString(), options_, ws_.table.MaxReleves, ws_.table.MaxSpecies, ui_);
    if (!analysis_) {
        setStatus("No correct cc! file was opened...");
        return false;
    }
    setStatus(QString());
    fillValueList();
    return true;
}

void Form66::fillValueList() {
    option1_->setChecked(options_.valueMode == import::PercentageValues);
    option2_->setChecked(options_.valueMode == import::OrdinalValues);
    withLayers_->setChecked(options_.layerInformation);
    withoutLayers_->setChecked(!options_.layerInformation);
    list1_->clear();
    if (!analysis_) return;
    // The value list applies in percentage mode only.
    if (options_.valueMode == import::PercentageValues)
        for (const import::CcValue& v : analysis_->values) list1_->addItem(qs(import::valueListLine(v)));
    list1_->setEnabled(options_.valueMode == import::PercentageValues);
    counts_->setText(QString("Relevés: %1     Species: %2     Species occurrences: %3")
                         .arg(analysis_->releveCount)
                         .arg(analysis_->speciesCount)
                         .arg(analysis_->pairCount));
}

void Form66::Option1_Click() {
    options_.valueMode = import::PercentageValues;
    ws_.settings.setValue(core::setting::ImportCcPercentageOrdinal, "0");
    test_tabulky();
}

void Form66::Option2_Click() {
    options_.valueMode = import::OrdinalValues;
    ws_.settings.setValue(core::setting::ImportCcPercentageOrdinal, "1");
    test_tabulky();
}

void Form66::List1_DblClick(int row) {
    if (!analysis_ || row < 0) return;
    if (import::List1_DblClick(analysis_->values, static_cast<size_t>(row), ui_))
        list1_->item(row)->setText(qs(import::valueListLine(analysis_->values[static_cast<size_t>(row)])));
}

void Form66::showCheckList() {
    const std::string& list = ws_.settings.value(core::setting::CheckListFile);
    if (list.size() <= 1 || !core::findFileIgnoringCase(list)) {
        checkListLabel_->setText("No correct check list was opened...");
        return;
    }
    const import::CheckListFormat f = import::CheckListFormat::fromSettings(ws_.settings);
    QString layout = f.commaSeparated ? QString("fields separated by commas")
                                      : QString("fields of fixed width (number %1, abbreviation %2, name %3)")
                                            .arg(f.numberLength)
                                            .arg(f.abbreviationLength)
                                            .arg(f.nameLength);
    if (f.withNumber) layout += ", with species numbers";
    if (f.encodedNames) layout += ", encoded names";
    checkListLabel_->setText("Check list: " + qs(list) + "\nLayout: " + layout +
                             "\n(the layout is set with Species - Convert Abbreviations into Full Names)");
}

void Form66::chooseCheckList() {
    const auto file = ui_.openFile({"Check list", "Check list|*.txt;*.csv|All files (*.*)|*.*",
                                    ws_.settings.value(core::setting::CheckListFile), ws_.currentDirectory, true});
    if (!file) return;
    ws_.settings.setValue(core::setting::CheckListFile, *file);
    checkListBox_->setChecked(true);
    showCheckList();
}

void Form66::chooseHeaderFile() {
    const auto file = ui_.openFile({"Header data files (*.EXP, *.STR)", "Files EXP, STR|*.exp;*.str|All files (*.*)|*.*",
                                    "*.exp;*.str", ws_.currentDirectory, true});
    if (!file) {
        if (!header_) headerBox_->setChecked(false);
        return;
    }
    test_hlavicky(QString::fromStdString(*file));
}

bool Form66::test_hlavicky(const QString& chosen) {
    header_ = import::test_hlavicky(chosen.toStdString(), ui_);
    if (!header_) {
        fieldList_->clear();
        headerFiles_->clear();
        headerBox_->setChecked(false);
        return false;
    }
    showHeaderFiles(*header_, fieldList_, headerFiles_);
    headerBox_->setChecked(true);
    return true;
}

bool Form66::leaveStep(int from) {
    if (from == 0) {
        if (file_.isEmpty() && !chooseFile()) return false;
        return test_tabulky();
    }
    return true;
}

void Form66::showStep(int step) {
    if (step == 1) fillValueList();
    if (step == 2) showCheckList();
    if (step == 4 && analysis_) {
        QString text = "<b>File:</b> " + file_.toHtmlEscaped() + "<br>";
        text += QString("<b>Relevés:</b> %1, <b>species:</b> %2<br>").arg(analysis_->releveCount).arg(analysis_->speciesCount);
        text += "<b>Values:</b> " +
                QString(options_.valueMode == import::PercentageValues ? "percentages" : "ordinal values 1-9") + "<br>";
        text += "<b>Layers:</b> " + QString(options_.layerInformation ? "the 8th character of the abbreviation"
                                                                      : "none") + "<br>";
        text += "<b>Full species names:</b> " + QString(checkListBox_->isChecked() ? "yes" : "no") + "<br>";
        text += "<b>Header data:</b> " +
                (headerBox_->isChecked() && header_ ? QString::fromStdString(header_->exp.filename().string())
                                                    : QString("none"));
        setSummary(text);
    }
}

bool Form66::finish() {
    if (!analysis_) return false;
    // The import replaces the loaded table: it may be saved first.
    if (!core::offerSave(ws_, ui_)) return false;
    import::CcImportChoices choices;
    choices.file = file_.toStdString();
    choices.options = options_;
    choices.values = analysis_->values;
    choices.convertNames = checkListBox_->isChecked();
    if (headerBox_->isChecked()) choices.header = header_;
    return import::importCcFile(ws_, choices, ui_);
}

}  // namespace zembu::app
