#include "app/abbreviation_wizard.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/file_util.h"
#include "core/interaction.h"
#include "core/workspace.h"
#include "import/check_list.h"

namespace zembu::app {

Form67::Form67(core::Workspace& ws, core::Interaction& ui, QWidget* parent)
    : WizardFrame(" Conversion of Abbreviations into Full Species Names ", 2, parent), ws_(ws), ui_(ui) {
    setObjectName("Form67");
    const import::CheckListFormat format = import::CheckListFormat::fromSettings(ws_.settings);

    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    file_ = new QLineEdit(QString::fromStdString(ws_.settings.value(core::setting::CheckListFile)), page);
    file_->setObjectName("checkListFile");
    auto* browse = new QPushButton("&Browse...", page);
    browse->setObjectName("browseButton");
    row->addWidget(new QLabel("Check list:", page));
    row->addWidget(file_, 1);
    row->addWidget(browse);
    layout->addLayout(row);

    auto* box = new QGroupBox("Layout of the check list", page);
    auto* form = new QFormLayout(box);
    fixedWidth_ = new QRadioButton("Fields of fixed width", box);
    fixedWidth_->setObjectName("fixedWidth");
    commaSeparated_ = new QRadioButton("Fields separated by commas", box);
    commaSeparated_->setObjectName("commaSeparated");
    (format.commaSeparated ? commaSeparated_ : fixedWidth_)->setChecked(true);
    form->addRow(fixedWidth_);
    form->addRow(commaSeparated_);
    withNumber_ = new QCheckBox("Each line begins with the species number", box);
    withNumber_->setObjectName("withNumber");
    withNumber_->setChecked(format.withNumber);
    form->addRow(withNumber_);
    const auto spin = [box](int value, const char* name) {
        auto* s = new QSpinBox(box);
        s->setRange(1, 200);
        s->setValue(value);
        s->setObjectName(name);
        s->setMaximumWidth(80);
        return s;
    };
    numberLength_ = spin(format.numberLength, "numberLength");
    abbreviationLength_ = spin(format.abbreviationLength, "abbreviationLength");
    nameLength_ = spin(format.nameLength, "nameLength");
    form->addRow("Width of the number field:", numberLength_);
    form->addRow("Width of the abbreviation field:", abbreviationLength_);
    form->addRow("Width of the name field:", nameLength_);
    encoded_ = new QCheckBox("Names are stored encoded", box);
    encoded_->setObjectName("encoded");
    encoded_->setChecked(format.encodedNames);
    form->addRow(encoded_);
    layout->addWidget(box);
    layout->addStretch(1);
    addStep(page);

    addStep(notePage("Finish replaces the abbreviation of every species found in the check list by its full "
                     "name. Species not found keep their abbreviation and are marked \"Abbreviation: "
                     "Unknown\"."));

    connect(browse, &QPushButton::clicked, this, [this] { chooseCheckList(); });
    resize(660, 440);
}

bool Form67::chooseCheckList() {
    const auto file = ui_.openFile({"Check list", "Check list|*.txt;*.csv|All files (*.*)|*.*",
                                    file_->text().toStdString(), ws_.currentDirectory, true});
    if (!file) return false;
    setCheckList(QString::fromStdString(*file));
    return true;
}

void Form67::setCheckList(const QString& file) { file_->setText(file); }

void Form67::storeLayout() {
    using namespace core::setting;
    core::Settings& s = ws_.settings;
    s.setValue(CheckListFile, file_->text().toStdString());
    s.setValue(CheckListFileFormat, commaSeparated_->isChecked() ? "1" : "0");
    s.setValue(CheckListFields, withNumber_->isChecked() ? "1" : "0");
    s.setValue(NoLength, std::to_string(numberLength_->value()));
    s.setValue(ShortcutLength, std::to_string(abbreviationLength_->value()));
    s.setValue(NameLength, std::to_string(nameLength_->value()));
    s.setValue(CheckListEncoding, encoded_->isChecked() ? "1" : "0");
}

bool Form67::leaveStep(int from) {
    if (file_->text().trimmed().isEmpty() || !core::findFileIgnoringCase(file_->text().toStdString())) {
        ui_.message("No correct check list was opened...", "Program Info", core::MessageIcon::Information);
        return false;
    }
    storeLayout();
    return true;
}

bool Form67::finish() {
    storeLayout();
    core::BusyScope busy(ui_);
    return import::convertTableAbbreviations(ws_, file_->text().toStdString(), ui_);
}

}  // namespace zembu::app
