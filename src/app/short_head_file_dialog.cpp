#include "app/short_head_file_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/errors.h"
#include "core/interaction.h"
#include "core/text.h"

namespace zembu::app {

Form43::Form43(core::Interaction& ui, const QString& directory, QWidget* parent)
    : QDialog(parent), ui_(ui), directory_(directory) {
    setObjectName("Form43");
    setWindowTitle("OPEN SHORT HEADERS");
    auto* layout = new QVBoxLayout(this);
    auto* fileRow = new QHBoxLayout;
    path_ = new QLineEdit(this);
    path_->setReadOnly(true);
    auto* browse = new QPushButton("&Browse...", this);
    fileRow->addWidget(new QLabel("File:", this));
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);
    preview_ = new QPlainTextEdit(this);
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview_->setPlaceholderText("!-rel.-!  !head 1!  !head 2!\n!------!  !------!  !------!\n    1234  value     value");
    layout->addWidget(preview_, 1);
    layout->addWidget(new QLabel("Column shown in the head:", this));
    columns_ = new QListWidget(this);
    columns_->setMaximumHeight(110);
    layout->addWidget(columns_);
    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton("&Open", QDialogButtonBox::AcceptRole);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    open_->setEnabled(false);
    layout->addWidget(buttons);
    connect(browse, &QPushButton::clicked, this, &Form43::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 440);
}

void Form43::browse() {
    core::FileRequest request;
    request.title = "OPEN SHORT HEADERS";
    request.filter = "Text format txt|*.txt|All files (*.*)|*.*";
    request.directory = directory_.toStdString();
    if (const auto chosen = ui_.openFile(request)) loadFile(QString::fromStdString(*chosen));
}

bool Form43::loadFile(const QString& path) {
    columns_->clear();
    open_->setEnabled(false);
    try {
        file_ = core::readShortHeadFile(path.toStdString());
    } catch (const core::ZembuError& e) {
        ui_.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    path_->setText(path);
    QFile text(path);
    if (text.open(QIODevice::ReadOnly))
        preview_->setPlainText(QString::fromStdString(core::codePageToUtf8(text.read(64 * 1024).toStdString())));
    for (const std::string& column : file_.columns) columns_->addItem(QString::fromStdString(column));
    columns_->setCurrentRow(0);
    open_->setEnabled(!file_.columns.empty());
    return true;
}

int Form43::chosenColumn() const { return columns_->currentRow(); }

}  // namespace zembu::app
