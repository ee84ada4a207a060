#include "app/indicator_means_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/indicator_releve.h"
#include "analysis/indicator_table.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

const std::array<const char*, 6> Form17::AxisCaptions = {
    "Add the &value LIGHT to the head",    "Add &value TEMPERATURE to the head",
    "Add the &value CONTINENT. to the head", "Add the &value MOISTURE to the head",
    "Add the &value REACTION to the head",  "Add the &value NUTRIENTS to the head"};

namespace {

QString tableText(std::string_view bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

void setBold(QTreeWidgetItem* item) {
    QFont font = item->font(0);
    font.setBold(true);
    for (int c = 0; c < item->columnCount(); ++c) item->setFont(c, font);
}

}  // namespace

Form17::Form17(core::Workspace& ws, core::Interaction& ui, int32_t releve, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(ui), releve_(releve) {
    setObjectName("Form17");
    setWindowTitle("Average Indicator Values");

    title_ = new QLabel(this);
    title_->setObjectName("releveTitle");
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("speciesTree");
    tree_->setColumnCount(8);
    tree_->setHeaderLabels({"Species", "Cover %", "L", "T", "K", "F", "R", "N"});
    tree_->setRootIsDecorated(false);
    tree_->setSelectionMode(QAbstractItemView::NoSelection);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tree_->headerItem()->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    tree_->header()->setMinimumSectionSize(tree_->fontMetrics().horizontalAdvance("00.00") + 12);
    tree_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 8; ++c) tree_->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);

    auto* modeBox = new QGroupBox("Mean", this);
    plain_ = new QRadioButton("&Arithmetic mean", modeBox);
    plain_->setObjectName("Option1");
    weighted_ = new QRadioButton("&Weighted by the species data (layer label column)", modeBox);
    weighted_->setObjectName("Option2");
    plain_->setChecked(true);
    auto* modeLayout = new QHBoxLayout(modeBox);
    modeLayout->addWidget(plain_);
    modeLayout->addWidget(weighted_);
    modeLayout->addStretch(1);
    connect(plain_, &QRadioButton::toggled, this, [this] { showReleve(); });

    auto* axes = new QGridLayout;
    for (int a = 1; a <= 6; ++a) {
        auto* label = new QPushButton(AxisCaptions[static_cast<size_t>(a - 1)], this);
        label->setObjectName(QString("axis%1").arg(a));
        label->setAutoDefault(false);
        label->setToolTip("Shows this mean of every relevé in the table head");
        connect(label, &QPushButton::clicked, this, [this, a] { Command2_Click(a); });
        axes->addWidget(label, (a - 1) / 3, (a - 1) % 3);
        axisLabels_[static_cast<size_t>(a - 1)] = label;
    }

    auto* exportMeans = new QPushButton("&Export Means of All Relevés...", this);
    exportMeans->setObjectName("Command3");
    exportMeans->setAutoDefault(false);
    auto* exportGroups = new QPushButton("Export with &Group Numbers...", this);
    exportGroups->setObjectName("Command4");
    exportGroups->setAutoDefault(false);
    auto* close = new QPushButton("&Close", this);
    close->setDefault(true);
    connect(exportMeans, &QPushButton::clicked, this, &Form17::Command3_Click);
    connect(exportGroups, &QPushButton::clicked, this, &Form17::Command4_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* foot = new QHBoxLayout;
    foot->addWidget(exportMeans);
    foot->addWidget(exportGroups);
    foot->addStretch(1);
    foot->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(tree_, 1);
    layout->addWidget(modeBox);
    layout->addLayout(axes);
    layout->addLayout(foot);
    resize(760, 600);
    paintAxisLabels();
    showReleve();
}

analysis::MeanMode Form17::meanMode() const {
    return weighted_->isChecked() ? analysis::MeanMode::Weighted : analysis::MeanMode::Plain;
}

void Form17::showReleve() {
    const analysis::IndicatorReleveView view = analysis::describeIndicatorReleve(ws_, releve_, meanMode());
    title_->setText(QString("Relevé %1 (TURBOVEG number %2)").arg(view.releve).arg(view.turbovegNumber));
    tree_->clear();
    for (const analysis::IndicatorLayerGroup& group : view.groups) {
        auto* heading = new QTreeWidgetItem(tree_, {QString::fromStdString(group.title)});
        setBold(heading);
        for (const analysis::IndicatorSpeciesLine& line : group.species) {
            QStringList cells{"    " + tableText(line.name), QString::number(line.cover)};
            for (const std::string& value : line.values) cells << tableText(core::trim(value));
            auto* item = new QTreeWidgetItem(tree_, cells);
            for (int c = 1; c < 8; ++c) item->setTextAlignment(c, Qt::AlignRight);
        }
    }
    QStringList means{meanMode() == analysis::MeanMode::Plain ? "Mean" : "Weighted mean", ""};
    QStringList counts{"Species with a value", ""};
    for (size_t a = 0; a < 6; ++a) {
        means << (view.means[a] ? QString::fromStdString(core::formatNumber(*view.means[a] / 1000.0, "0.00")) : "-");
        counts << QString::number(view.counts[a]);
    }
    for (const QStringList& cells : {means, counts}) {
        auto* item = new QTreeWidgetItem(tree_, cells);
        for (int c = 1; c < 8; ++c) item->setTextAlignment(c, Qt::AlignRight);
        setBold(item);
    }
}

void Form17::paintAxisLabels() {
    for (int a = 1; a <= 6; ++a)
        axisLabel(a)->setStyleSheet(a == axis_ ? "background-color: red; color: white;"
                                               : "background-color: yellow; color: black;");
}

void Form17::Command2_Click(int axis) {
    if (axis < 1 || axis > 6) return;
    axis_ = axis;
    paintAxisLabels();
    analysis::Form17_Command2_Click(ws_, ui_, meanMode(), axis_);
    emit headChanged();
}

void Form17::Command3_Click() { analysis::exportEcologicalValues(ws_, ui_, false); }

void Form17::Command4_Click() { analysis::exportEcologicalValues(ws_, ui_, true); }

}  // namespace zembu::app
