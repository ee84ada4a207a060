#include "app/spreadsheet_import_wizard.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/errors.h"
#include "core/interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/cover_scale.h"
#include "import/import_file.h"

namespace zembu::app {

namespace {

QString fromTable(std::string_view bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

QLineEdit* marker(const QString& text, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    edit->setStyleSheet("background-color: #fff8d0;");
    return edit;
}

}  // namespace

Form34::Form34(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : WizardFrame(" Import Manager for Spreadsheed Format File ", 7, parent), ws_(ws), ui_(ui) {
    setObjectName("Form34");
    addStep(buildFilePage());
    addStep(buildPreviewPage());
    addStep(buildSeparatorPage());
    addStep(buildLayerPage());
    addStep(buildCountsPage());
    addStep(buildCoverPage());
    addStep(summaryPage("Finish imports the file. The table now loaded and its header data are replaced."));
    resize(720, 500);
}

QWidget* Form34::buildFilePage() {
    filePage_ = new FileChoicePage(
        "<b>Import a table saved from a spreadsheet as delimited text</b>",
        "Save the sheet as text separated by semicolons, commas or spaces (*.txt, *.csv).", this);
    connect(filePage_->browseButton(), &QPushButton::clicked, this, [this] { chooseFile(); });
    return filePage_;
}

QWidget* Form34::buildPreviewPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel("The file must be laid out like this: the first line holds the relevé numbers "
                                   "above the table; every further line holds a species name, its layer when the "
                                   "file has a layer column, and the cover codes of the species in the relevés "
                                   "(\".\" or nothing where the species is absent).",
                                   page));
    auto* markers = new QHBoxLayout;
    markerSpecies_ = marker("Species", "markerSpecies", page);
    markerLayer_ = marker("L a y e r", "markerLayer", page);
    markerTable_ = marker("Table", "markerTable", page);
    markers->addWidget(markerSpecies_, 3);
    markers->addWidget(markerLayer_, 1);
    markers->addWidget(markerTable_, 6);
    layout->addLayout(markers);
    layout->addWidget(new QLabel("The beginning of the file:", page));
    preview_ = new QPlainTextEdit(page);
    preview_->setObjectName("preview");
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(preview_, 1);
    return page;
}

QWidget* Form34::buildSeparatorPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* box = new QGroupBox("The fields of a line are separated by", page);
    auto* boxLayout = new QVBoxLayout(box);
    semicolon_ = new QRadioButton("&Semicolons ( ; )", box);
    semicolon_->setObjectName("semicolon");
    comma_ = new QRadioButton("&Commas ( , )", box);
    comma_->setObjectName("comma");
    space_ = new QRadioButton("S&paces", box);
    space_->setObjectName("space");
    semicolon_->setChecked(true);
    boxLayout->addWidget(semicolon_);
    boxLayout->addWidget(comma_);
    boxLayout->addWidget(space_);
    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

QWidget* Form34::buildLayerPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layerColumn_ = new QCheckBox("The second column holds the &layer (0-9) of each species", page);
    layerColumn_->setObjectName("layerColumn");
    layout->addWidget(layerColumn_);
    grid_ = new QTableWidget(page);
    grid_->setObjectName("grid");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    layout->addWidget(grid_, 1);
    connect(layerColumn_, &QCheckBox::toggled, this, [this] { fillGrid(); });
    return page;
}

QWidget* Form34::buildCountsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    counts_ = new QLabel(page);
    counts_->setObjectName("counts");
    counts_->setWordWrap(true);
    layout->addWidget(counts_);
    layout->addStretch(1);
    return page;
}

QWidget* Form34::buildCoverPage() {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* box = new QGroupBox("The cover codes of the file are", page);
    auto* boxLayout = new QVBoxLayout(box);
    const char* captions[3] = {"&Percentage values", "&Braun-Blanquet codes", "Codes &defined by the user"};
    for (int m = 0; m < 3; ++m) {
        modes_[m] = new QRadioButton(captions[m], box);
        modes_[m]->setObjectName(QString("coverMode%1").arg(m));
        boxLayout->addWidget(modes_[m]);
        connect(modes_[m], &QRadioButton::clicked, this, [this, m] { setCoverMode(m); });
    }
    modes_[0]->setChecked(true);
    left->addWidget(box);
    QString equivalents = "Braun-Blanquet codes are stored as:\n";
    for (int i = 0; i < import::BraunBlanquetCodeCount; ++i)
        equivalents += QString(import::braunBlanquetCodes()[i].listText) + "\n";
    bbList_ = new QLabel(equivalents, page);
    bbList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    left->addWidget(bbList_);
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("Cover codes found in the file:", page));
    codeList_ = new QListWidget(page);
    codeList_->setObjectName("codeList");
    codeList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    right->addWidget(codeList_, 1);
    right->addWidget(new QLabel("Double click = value change (user codes)", page));
    layout->addLayout(right, 1);
    connect(codeList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { codeDoubleClicked(codeList_->row(item)); });
    return page;
}

bool Form34::chooseFile() {
    const auto file = ui_.openFile({"IMPORT TABLE", "Files TXT, CSV|*.txt;*.csv|All files (*.*)|*.*",
                                    "*.txt;*.csv", ws_.currentDirectory, true});
    return file && setFile(QString::fromStdString(*file));
}

bool Form34::setFile(const QString& file) {
    try {
        content_ = import::readImportFile(file.toStdString());
    } catch (const core::ZembuError& e) {
        ui_.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    file_ = file;
    layout_.reset();
    codesDone_ = false;
    filePage_->showFile(file);
    QString text;
    for (const std::string& line : import::previewLines(content_, 40)) text += fromTable(line) + "\n";
    preview_->setPlainText(text);
    return true;
}

void Form34::setSeparator(import::SpreadsheetSeparator separator) {
    semicolon_->setChecked(separator == import::SpreadsheetSeparator::Semicolon);
    comma_->setChecked(separator == import::SpreadsheetSeparator::Comma);
    space_->setChecked(separator == import::SpreadsheetSeparator::Space);
}

void Form34::setLayerColumn(bool on) { layerColumn_->setChecked(on); }

import::SpreadsheetSeparator Form34::separator() const {
    if (comma_->isChecked()) return import::SpreadsheetSeparator::Comma;
    if (space_->isChecked()) return import::SpreadsheetSeparator::Space;
    return import::SpreadsheetSeparator::Semicolon;
}

void Form34::fillGrid() {
    const char sep = import::separatorCharacter(separator());
    const std::vector<std::string> lines = import::previewLines(content_, 12);
    int columns = 0;
    std::vector<std::vector<std::string_view>> rows;
    for (const std::string& line : lines) {
        if (core::trim(line).empty()) continue;
        rows.push_back(core::splitAt(line, sep));
        columns = std::max(columns, static_cast<int>(std::min<size_t>(rows.back().size(), 12)));
    }
    grid_->clear();
    grid_->setRowCount(static_cast<int>(rows.size()));
    grid_->setColumnCount(columns);
    QStringList headers;
    const bool layer = layerColumn_->isChecked();
    for (int c = 0; c < columns; ++c)
        headers << (c == 0 ? markerSpecies_->text() : (c == 1 && layer) ? markerLayer_->text() : markerTable_->text());
    grid_->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < columns && c < static_cast<int>(rows[r].size()); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(fromTable(rows[r][c])));
    grid_->resizeColumnsToContents();
}

bool Form34::analyse() {
    try {
        layout_ = import::analyseSpreadsheet(content_, separator(), layerColumn_->isChecked(), ws_.table.MaxReleves,
                                             ws_.table.MaxSpecies);
    } catch (const core::ZembuError& e) {
        layout_.reset();
        ui_.message(e.what(), e.title(), core::MessageIcon::Information);
        return false;
    }
    codesDone_ = false;
    QString first;
    for (size_t i = 0; i < layout_->identifiers.size() && i < 8; ++i)
        first += (i ? ", " : "") + fromTable(layout_->identifiers[i]);
    if (layout_->identifiers.size() > 8) first += ", ...";
    counts_->setText(QString("Species (Rows): %1\nRelevés (Columns): %2\n\nRelevés: %3\nCover codes: %4")
                         .arg(layout_->speciesLines.size())
                         .arg(layout_->identifiers.size())
                         .arg(first)
                         .arg(layout_->codes.size()));
    return true;
}

void Form34::krok3() {
    if (!layout_) return;
    codes_ = import::krok3(layout_->codes, coverMode_, ui_);
    codesDone_ = true;
    fillCodeList();
}

void Form34::fillCodeList() {
    codeList_->clear();
    int width = 0;
    for (const import::CoverCode& c : codes_) width = std::max(width, static_cast<int>(fromTable(c.code).size()));
    for (const import::CoverCode& c : codes_)
        codeList_->addItem(fromTable(c.code).leftJustified(width) + QString::fromStdString(c.listText));
}

void Form34::setCoverMode(int mode) {
    coverMode_ = mode;
    modes_[mode]->setChecked(true);
    krok3();
}

void Form34::codeDoubleClicked(int row) {
    if (coverMode_ != import::UserCodes || row < 0 || row >= static_cast<int>(codes_.size())) return;
    import::fusa(codes_[static_cast<size_t>(row)], ui_);
    fillCodeList();
}

bool Form34::leaveStep(int from) {
    if (from == 0) return !file_.isEmpty() || chooseFile();
    if (from == 3) return analyse();
    return true;
}

void Form34::showStep(int step) {
    if (step == 3) fillGrid();
    if (step == 5 && !codesDone_) krok3();
    if (step == 6 && layout_) {
        const char* modes[3] = {"percentage values", "Braun-Blanquet codes", "codes defined by the user"};
        setSummary(QString("<b>File:</b> %1<br><b>Species (Rows):</b> %2<br><b>Relevés (Columns):</b> %3"
                           "<br><b>Cover codes:</b> %4")
                       .arg(file_.toHtmlEscaped())
                       .arg(layout_->speciesLines.size())
                       .arg(layout_->identifiers.size())
                       .arg(modes[coverMode_]));
    }
}

bool Form34::finish() {
    // The import replaces the loaded table: it may be saved first.
    if (!core::offerSave(ws_, ui_)) return false;
    import::SpreadsheetChoices choices;
    choices.file = file_.toStdString();
    choices.separator = separator();
    choices.layerColumn = layerColumn_->isChecked();
    choices.codes = codes_;
    return import::importSpreadsheet(ws_, choices, ui_);
}

}  // namespace zembu::app
