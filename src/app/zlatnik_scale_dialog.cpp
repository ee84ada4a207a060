#include "app/zlatnik_scale_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "synoptic/cover_statistics.h"

namespace zembu::app {

Form37::Form37(QWidget* parent) : QDialog(parent) {
    setObjectName("Form37");
    setWindowTitle("Zlatnik's Table");
    const synoptic::ZlatnikScale scale = synoptic::zlatnikScale();
    table_ = new QTableWidget(static_cast<int>(scale.abundance.size()), static_cast<int>(scale.constancy.size()), this);
    for (size_t c = 0; c < scale.constancy.size(); ++c)
        table_->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(scale.constancy[c]));
    for (size_t a = 0; a < scale.abundance.size(); ++a) {
        table_->setVerticalHeaderItem(static_cast<int>(a), new QTableWidgetItem(scale.abundance[a]));
        for (size_t c = 0; c < scale.constancy.size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(scale.values[a][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled);
            table_->setItem(static_cast<int>(a), static_cast<int>(c), item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Columns: constancy classes; rows: abundance classes (mean cover)", this));
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(420, 300);
}

}  // namespace zembu::app
