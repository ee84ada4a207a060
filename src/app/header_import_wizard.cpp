#include "app/header_import_wizard.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/interaction.h"
#include "core/workspace.h"

namespace zembu::app {

Form68::Form68(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : WizardFrame(" Header Data Import ", 2, parent), ws_(ws), ui_(ui) {
    setObjectName("Form68");
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(wrappedLabel("Choose the header data that TURBOVEG exported with the table: the EXP file "
                                   "holds one record per relevé, the STR file its fields.",
                                   page));
    auto* row = new QHBoxLayout;
    auto* choose = new QPushButton("Header &File...", page);
    choose->setObjectName("headerButton");
    auto* check = new QPushButton("&Check Relevé Numbers", page);
    check->setObjectName("Command5");
    row->addWidget(choose);
    row->addWidget(check);
    row->addStretch(1);
    layout->addLayout(row);
    fieldList_ = new QListWidget(page);
    fieldList_->setObjectName("fieldList");
    fieldList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(fieldList_, 1);
    fileNames_ = new QLabel("No correct header data were selected...", page);
    fileNames_->setObjectName("fileNames");
    layout->addWidget(fileNames_);
    addStep(page);

    addStep(notePage("Finish writes the header data of the relevés of the table. Header data imported before "
                     "are replaced."));

    connect(choose, &QPushButton::clicked, this, [this] { chooseFile(); });
    connect(check, &QPushButton::clicked, this, &Form68::Command5_Click);
    resize(600, 420);
}

bool Form68::chooseFile() {
    const auto file = ui_.openFile({"Header Data Files (*.EXP, *.STR)", "Files EXP, STR|*.exp;*.str|All files (*.*)|*.*",
                                    "*.exp;*.str", ws_.currentDirectory, true});
    return file && test_hlavicky2(QString::fromStdString(*file));
}

bool Form68::test_hlavicky2(const QString& chosen) {
    files_ = import::test_hlavicky(chosen.toStdString(), ui_);
    if (!files_) {
        fieldList_->clear();
        fileNames_->setText("No correct header data were selected...");
        return false;
    }
    showHeaderFiles(*files_, fieldList_, fileNames_);
    return true;
}

void Form68::Command5_Click() {
    if (!files_) {
        ui_.message("Please select correct header data!", "Program Info", core::MessageIcon::Information);
        return;
    }
    ui_.message(import::headerMatchMessage(import::countHeaderMatches(ws_.table, *files_)), "Program Info",
                core::MessageIcon::Information);
}

bool Form68::leaveStep(int from) {
    if (files_) return true;
    ui_.message("Please select correct header data!", "Program Info", core::MessageIcon::Information);
    return false;
}

bool Form68::finish() {
    if (!files_) {
        ui_.message("Please select correct header data!", "Program Info", core::MessageIcon::Information);
        return false;
    }
    core::BusyScope busy(ui_);
    import::imp_head(ws_, files_->str, files_->exp, ui_);
    return true;
}

}  // namespace zembu::app
