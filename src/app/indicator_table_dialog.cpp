#include "app/indicator_table_dialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

namespace {

QString tableText(std::string_view bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

}  // namespace

Form18::Form18(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form18");
    setWindowTitle("Indicator Values");
    setModal(false);

    auto* byNumber = new QPushButton("Assign by Species &Number...", this);
    byNumber->setObjectName("Command1");
    byNumber->setToolTip("Reads an indicator table and gives every species the values of its species number");
    auto* byName = new QPushButton("Assign by Species N&ame...", this);
    byName->setObjectName("Command3");
    byName->setToolTip("Reads an indicator table and gives every species the values of its name");
    auto* listAll = new QPushButton("&List the Indicator Table", this);
    listAll->setObjectName("Command4");
    listAll->setToolTip("Lists the records of the indicator table; double-click one to give its values to the "
                        "current species");
    connect(byNumber, &QPushButton::clicked, this, &Form18::Command1_Click);
    connect(byName, &QPushButton::clicked, this, &Form18::Command3_Click);
    connect(listAll, &QPushButton::clicked, this, &Form18::Command4_Click);
    auto* commands = new QHBoxLayout;
    commands->addWidget(byNumber);
    commands->addWidget(byName);
    commands->addWidget(listAll);

    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setWordWrap(true);

    // The current species and its six values.
    auto* current = new QGroupBox("Current species (click a species row in the table)", this);
    species_ = new QLabel(current);
    species_->setObjectName("species");
    auto* grid = new QGridLayout;
    for (int a = 0; a < analysis::IndicatorAxes; ++a) {
        auto* box = new QLineEdit(current);
        box->setObjectName(QString("Text%1").arg(a + 1));
        box->setMaxLength(2);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance("MMMM"));
        auto* label = new QLabel(QString("%1:").arg(analysis::IndicatorAxisNames[a]), current);
        label->setBuddy(box);
        grid->addWidget(label, a / 3, (a % 3) * 2);
        grid->addWidget(box, a / 3, (a % 3) * 2 + 1);
        connect(box, &QLineEdit::returnPressed, this, &Form18::storeValues);
        boxes_[static_cast<size_t>(a)] = box;
    }
    auto* store = new QPushButton("&Store Values", current);
    store->setObjectName("storeValues");
    store->setAutoDefault(false);
    connect(store, &QPushButton::clicked, this, &Form18::storeValues);
    grid->addWidget(store, 0, 6, 2, 1);
    auto* currentLayout = new QVBoxLayout(current);
    currentLayout->addWidget(species_);
    currentLayout->addLayout(grid);

    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Column headings over the list, in its fixed-pitch font.
    auto* headings = new QLabel(QString::fromStdString(core::leftJustify("Species", 40) + "  L  T  K  F  R  N"), this);
    headings->setFont(list_->font());
    headings->setIndent(list_->frameWidth() + 3);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { assignRecord(list_->row(item)); });

    auto* close = new QPushButton("&Close", this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* foot = new QHBoxLayout;
    foot->addWidget(new QLabel("Double click or Enter on a record = values for the current species", this), 1);
    foot->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(status_);
    layout->addWidget(current);
    layout->addWidget(headings);
    layout->addWidget(list_, 1);
    layout->addLayout(foot);
    resize(760, 520);
    showCurrentSpecies();
}

void Form18::showCurrentSpecies() {
    const core::Table& t = ws_.table;
    const std::optional<core::IndicatorValues> values = analysis::indicatorValuesOfRow(t, ws_.CurrentRow);
    if (!values) {
        species_->setText(analysis::SelectSpeciesMessage);
        for (QLineEdit* box : boxes_) box->clear();
        return;
    }
    species_->setText(QString("%1 (layer %2)")
                          .arg(tableText(core::trim(t.SpeciesInfo[ws_.CurrentRow].name)))
                          .arg(t.SpeciesLayer[ws_.CurrentRow]));
    for (int a = 0; a < analysis::IndicatorAxes; ++a)
        boxes_[static_cast<size_t>(a)]->setText(tableText(core::trim((*values)[static_cast<size_t>(a)])));
}

void Form18::assign(bool byName) {
    const int32_t assigned = analysis::chooseIndicatorTable(ws_, ui_, byName);
    if (assigned < 0) return;
    status_->setText(QString("%1: values given to %2 of %3 species rows (by species %4).")
                         .arg(QString::fromStdString(ws_.indicatorTableFile))
                         .arg(assigned)
                         .arg(ws_.table.SpeciesCount)
                         .arg(byName ? "name" : "number"));
    showCurrentSpecies();
    emit valuesChanged();
}

void Form18::Command1_Click() { assign(false); }

void Form18::Command3_Click() { assign(true); }

void Form18::Command4_Click() {
    auto records = analysis::Form18_Command4_Click(ws_, ui_);
    if (!records) return;
    records_ = std::move(*records);
    list_->clear();
    for (const analysis::IndicatorRecord& record : records_)
        list_->addItem(tableText(analysis::indicatorRecordText(record)));
    if (!records_.empty()) list_->setCurrentRow(0);
    status_->setText(QString("%1: %2 records.").arg(QString::fromStdString(ws_.indicatorTableFile)).arg(records_.size()));
}

void Form18::storeValues() {
    core::IndicatorValues values;
    for (int a = 0; a < analysis::IndicatorAxes; ++a)
        values[static_cast<size_t>(a)] = core::utf8ToCodePage(boxes_[static_cast<size_t>(a)]->text().toStdString());
    if (!analysis::setIndicatorValuesOfRow(ws_.table, ui_, ws_.CurrentRow, values)) return;
    showCurrentSpecies();
    emit valuesChanged();
}

void Form18::assignRecord(int j) {
    if (j < 0 || j >= static_cast<int>(records_.size())) return;
    if (!analysis::setIndicatorValuesOfRow(ws_.table, ui_, ws_.CurrentRow, records_[static_cast<size_t>(j)].values))
        return;
    showCurrentSpecies();
    emit valuesChanged();
}

}  // namespace zembu::app
