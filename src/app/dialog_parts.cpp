#include "app/dialog_parts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include "core/text.h"
#include "import/header_import.h"

namespace zembu::app {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QListWidget* addValueList(QBoxLayout* layout, QWidget* parent, std::function<void(int)> onDoubleClick) {
    QListWidget* list = fixedPitchList("List1", parent);
    layout->addWidget(list, 1);
    layout->addWidget(new QLabel("Double click = value change", parent));
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list, onDoubleClick = std::move(onDoubleClick)](QListWidgetItem* item) {
                         onDoubleClick(list->row(item));
                     });
    return list;
}

QPushButton* addConfirmButtons(QBoxLayout* layout, QDialog* dialog, const QString& confirmText,
                               const char* confirmName) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* confirm = new QPushButton(confirmText, dialog);
    confirm->setObjectName(confirmName);
    confirm->setDefault(true);
    auto* cancel = new QPushButton("Cancel", dialog);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return confirm;
}

QPushButton* dialogButton(const QString& text, const char* name, QWidget* parent, const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

QListWidget* fixedPitchList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

void fillColourBox(QComboBox* box, const core::Palette& palette, bool releveColours) {
    box->clear();
    for (int e = 0; e < core::PaletteColourCount; ++e) {
        const int32_t value = releveColours ? core::releveBoxColour(palette, e) : core::speciesBoxColour(palette, e);
        QPixmap swatch(12, 12);
        swatch.fill(QColor(core::colourRed(value), core::colourGreen(value), core::colourBlue(value)));
        const QString name = releveColours && e == 0 ? QString("white") : QString::fromStdString(palette[e].name);
        box->addItem(QIcon(swatch), name, value);
    }
}

QString fromCodePage(std::string_view bytes) { return QString::fromStdString(core::codePageToUtf8(bytes)); }

std::string toCodePage(const QString& text) { return core::utf8ToCodePage(text.toStdString()); }

void showHeaderFiles(const import::HeaderFiles& files, QListWidget* fields, QLabel* fileNames) {
    fields->clear();
    for (const std::string& line : files.fieldLines) fields->addItem(QString::fromStdString(core::codePageToUtf8(line)));
    if (fields->count() > 0) fields->setCurrentRow(0);
    fileNames->setText(QString::fromStdString(files.str.string()) + "\n" + QString::fromStdString(files.exp.string()));
}

}  // namespace zembu::app
