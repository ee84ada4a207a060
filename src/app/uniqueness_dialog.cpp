#include "app/uniqueness_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/releve_groups.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/synoptic_settings.h"
#include "synoptic/uniqueness.h"

namespace zembu::app {

Form24c::Form24c(core::Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setObjectName("Form24c");
    setWindowTitle("Uniqueness");
    const std::vector<int32_t> groups = core::groupNumbersOf(ws_.table, ws_.separatorHierarchy, ws_.separatorLevel);
    const int32_t K = ws_.table.ReleveCount > 0 ? groups[static_cast<size_t>(ws_.table.ReleveCount)] : 0;

    groupBar_ = new QScrollBar(Qt::Horizontal, this);
    groupBar_->setObjectName("HScroll1");
    groupBar_->setRange(1, std::max<int32_t>(1, K));
    groupLabel_ = new QLabel(this);
    groupLabel_->setMinimumWidth(110);
    // Moving the bar only shows the group; the list follows at the next recompute.
    connect(groupBar_, &QScrollBar::valueChanged, this,
            [this](int g) { groupLabel_->setText(QString("Group No. %1").arg(g)); });
    auto* back = new QPushButton("<", this);
    back->setObjectName("back");
    back->setToolTip("Previous group");
    auto* forward = new QPushButton(">", this);
    forward->setObjectName("forward");
    forward->setToolTip("Next group");
    connect(back, &QPushButton::clicked, this, [this] { stepGroup(-1); });
    connect(forward, &QPushButton::clicked, this, [this] { stepGroup(1); });
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupLabel_);
    groupRow->addWidget(back);
    groupRow->addWidget(groupBar_, 1);
    groupRow->addWidget(forward);

    cut_ = new QLineEdit("0", this);
    cut_->setObjectName("cutLevel");
    auto* recompute = new QPushButton("&Recompute", this);
    recompute->setObjectName("recompute");
    recompute->setDefault(true);
    connect(recompute, &QPushButton::clicked, this, &Form24c::sharpness);
    auto* cutRow = new QHBoxLayout;
    cutRow->addWidget(new QLabel("Fidelity cut level:", this));
    cutRow->addWidget(cut_);
    cutRow->addWidget(recompute);
    cutRow->addStretch();

    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupRow);
    layout->addLayout(cutRow);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(520, 460);
    groupLabel_->setText(QString("Group No. %1").arg(groupBar_->value()));
    sharpness();
}

void Form24c::sharpness() {
    const synoptic::SynopticSettings settings = synoptic::readSynopticSettings(ws_);
    const double cut = core::leadingNumber(cut_->text().toStdString());
    const synoptic::UniquenessResult r = synoptic::sharpness(ws_.table, settings, groupBar_->value(), cut);
    list_->clear();
    for (const std::string& line : r.lines) list_->addItem(QString::fromStdString(line));
}

void Form24c::stepGroup(int step) {
    groupBar_->setValue(groupBar_->value() + step);
    sharpness();
}

}  // namespace zembu::app
