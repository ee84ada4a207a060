#include "app/current_releve_panel.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/interaction.h"
#include "core/workspace.h"
#include "view/current_releve.h"

namespace zembu::app {

CurrentRelevePanel::CurrentRelevePanel(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : QDockWidget("Current relevé", parent), ws_(ws), ui_(ui) {
    setObjectName("currentRelevePanel");
    auto* body = new QWidget(this);
    list_ = new QListWidget(body);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    list_->setFont(font);
    // Room for the first line ("Releve No. ... Turboveg No.: ...") and most species lines.
    list_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(40, QLatin1Char('M'))));
    delete_ = new QPushButton("&Delete Selected Species", body);
    connect(delete_, &QPushButton::clicked, this, &CurrentRelevePanel::deleteSelected);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);
    layout->addWidget(delete_);
    setWidget(body);
}

void CurrentRelevePanel::showCurrent() {
    shown_ = ws_.CurrentReleve;
    list_->clear();
    const auto lines = view::describeReleve(ws_, shown_);
    if (lines.empty()) {
        list_->addItem("No relevé is selected: click a relevé in the table head.");
        delete_->setEnabled(false);
        return;
    }
    for (const auto& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line.text), list_);
        item->setData(Qt::UserRole, line.row);
        if (line.row == 0) item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    }
    delete_->setEnabled(true);
}

void CurrentRelevePanel::deleteSelected() {
    std::vector<int32_t> rows;
    for (QListWidgetItem* item : list_->selectedItems())
        if (const int row = item->data(Qt::UserRole).toInt(); row > 0) rows.push_back(row);
    if (rows.empty() || shown_ < 1) return;
    if (ui_.question(view::DeleteFromReleveQuestion, "ZEMBU", core::Buttons::YesNo) != core::Answer::Yes) return;
    view::deleteSpeciesFromReleve(ws_, shown_, rows);
    showCurrent();
    if (changed_) changed_();
}

}  // namespace zembu::app
