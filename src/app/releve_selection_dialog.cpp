#include "app/releve_selection_dialog.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dialog_parts.h"
#include "classification/cocktail_group.h"
#include "classification/releve_selection.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::app {

namespace {

constexpr const char* Note =
    "Definition of querries must respect hierarchical structure of logical operators (see an example bellow). "
    "Please, use the button 'Show definition' for the test of querry correctness.";
constexpr const char* Example = "Example:  (<### Group A> OR <### Group B>) AND <Fagus sylvatica UP25>";

}  // namespace

Form8::Form8(core::Workspace& ws, core::Interaction& ui, QWidget* parent) : QDialog(parent), ws_(ws), ui_(ui) {
    setObjectName("Form8");
    setWindowTitle("Relevé Selection");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrappedLabel(Note, this));
    auto* example = new QLabel(Example, this);
    example->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(example);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("Text1");
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setMinimumHeight(90);
    layout->addWidget(text_);

    auto* operators = new QHBoxLayout;
    for (const char* token : {"AND", "OR", "NOT", "(", ")", "[", "]", "{", "}"}) {
        auto* b = new QPushButton(token, this);
        b->setAutoDefault(false);
        b->setObjectName(QString("insert ") + token);
        b->setMaximumWidth(60);
        const QString inserted = QString(token).size() > 1 ? QString(" %1 ").arg(token) : QString(token);
        connect(b, &QPushButton::clicked, this, [this, inserted] { insertText(inserted); });
        operators->addWidget(b);
    }
    operators->addStretch(1);
    layout->addLayout(operators);

    auto* middle = new QHBoxLayout;
    auto* groupBox = new QGroupBox("Group rows (click to insert)", this);
    auto* groupLayout = new QVBoxLayout(groupBox);
    groupRows_ = new QListWidget(groupBox);
    groupRows_->setObjectName("List1");
    for (int32_t i = 1; i <= ws_.table.SpeciesCount; ++i) {
        const std::string_view name = core::trim(ws_.table.SpeciesInfo[i].name);
        if (classification::isGroupRowName(name)) groupRows_->addItem(fromCodePage(name));
    }
    groupLayout->addWidget(groupRows_);
    connect(groupRows_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { insertText("<" + item->text() + ">"); });
    middle->addWidget(groupBox, 1);

    auto* colourBox = new QGroupBox("Colour of the selected relevés", this);
    auto* colourLayout = new QGridLayout(colourBox);
    colours_ = new QButtonGroup(this);
    int option = 0;
    for (const char* name : classification::SelectionColourNames) {
        auto* radio = new QRadioButton(name, colourBox);
        radio->setObjectName(QString("Option1_%1").arg(option));
        colours_->addButton(radio, option);
        colourLayout->addWidget(radio, option % 4, option / 4);
        ++option;
    }
    setColourOption(ws_.releveColourBox > 0 ? ws_.releveColourBox : 1);
    middle->addWidget(colourBox);

    auto* treeBox = new QGroupBox("Definition", this);
    auto* treeLayout = new QVBoxLayout(treeBox);
    tree_ = new QTreeWidget(treeBox);
    tree_->setObjectName("Tree1");
    tree_->setHeaderHidden(true);
    treeLayout->addWidget(tree_);
    middle->addWidget(treeBox, 2);
    layout->addLayout(middle, 1);

    result_ = new QLabel(this);
    result_->setObjectName("Label2");
    layout->addWidget(result_);

    auto* buttons = new QHBoxLayout;
    auto* make = new QPushButton("&Make selection", this);
    make->setObjectName("Command1");
    make->setDefault(true);
    auto* show = new QPushButton("&Show definition", this);
    show->setObjectName("Command2");
    show->setAutoDefault(false);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("Command3");
    cancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(make);
    buttons->addWidget(show);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(make, &QPushButton::clicked, this, &Form8::Command1_Click);
    connect(show, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(860, 520);
    const int left = static_cast<int>(ws_.settings.integer(core::setting::Form8Left));
    const int top = static_cast<int>(ws_.settings.integer(core::setting::Form8Top));
    if (left > 0 || top > 0) move(left, top);
}

int Form8::colourOption() const { return std::max(0, colours_->checkedId()); }

void Form8::setColourOption(int option) {
    if (QAbstractButton* b = colours_->button(option)) b->setChecked(true);
}

void Form8::insertText(const QString& text) {
    text_->insertPlainText(text);
    text_->setFocus();
}

void Form8::Command1_Click() {
    const auto count = classification::makeSelection(ws_, ui_, toCodePage(text_->toPlainText()), colourOption());
    if (!count) return;
    result_->setText(QString("%1 relevés selected.").arg(*count));
    if (tableChanged) tableChanged();
}

void Form8::Command2_Click() {
    const auto lines = classification::showDefinition(ws_, ui_, toCodePage(text_->toPlainText()));
    tree_->clear();
    if (!lines) return;
    // The lines come indented by three blanks per level.
    std::vector<QTreeWidgetItem*> parents;
    for (const std::string& line : *lines) {
        const size_t depth = line.find_first_not_of(' ') / 3;
        parents.resize(std::min(parents.size(), depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(line.substr(depth * 3)));
        parents.push_back(item);
    }
    tree_->expandAll();
}

void Form8::done(int result) {
    ws_.settings.setValue(core::setting::Form8Left, std::to_string(x()));
    ws_.settings.setValue(core::setting::Form8Top, std::to_string(y()));
    QDialog::done(result);
}

}  // namespace zembu::app
