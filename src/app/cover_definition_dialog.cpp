#include "app/cover_definition_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/cover_definitions.h"

namespace zembu::app {

Form60::Form60(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form60");
    setWindowTitle("COVER DEFINITION");
    import::collectCoverCharacters(ws_.table, ws_.coverDefinitions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Cover characters of the table and their percentages:", this));
    list1_ = addValueList(layout, this, [this](int row) { List1_DblClick(row); });
    QPushButton* ok = addConfirmButtons(layout, this, "OK", "Command2");
    fillList();

    connect(ok, &QPushButton::clicked, this, &Form60::Command2_Click);
    resize(320, 380);
}

void Form60::fillList() {
    list1_->clear();
    for (const auto& d : ws_.coverDefinitions)
        list1_->addItem(QString::fromStdString(core::codePageToUtf8(import::coverDefinitionLine(d))));
}

void Form60::List1_DblClick(int row) {
    if (row < 0 || row >= static_cast<int>(ws_.coverDefinitions.size())) return;
    if (import::editCoverDefinition(ws_.coverDefinitions[static_cast<size_t>(row)], ui_)) fillList();
}

void Form60::Command2_Click() {
    core::BusyScope busy(ui_);
    import::applyCoverDefinitions(ws_.table, ws_.coverDefinitions);
    accept();
}

}  // namespace zembu::app
