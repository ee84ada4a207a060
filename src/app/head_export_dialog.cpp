#include "app/head_export_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/header_export.h"
#include "core/interaction.h"

namespace zembu::app {

Form25::Form25(core::Interaction& ui, const QString& relevesText, const QString& file, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setObjectName("Form25");
    setWindowTitle("Export of HEAD");
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel("Relevés:", this), 0, 0);
    layout->addWidget(new QLabel(relevesText, this), 0, 1, 1, 2);
    layout->addWidget(new QLabel("File:", this), 1, 0);
    file_ = new QLineEdit(file, this);
    file_->setMinimumWidth(320);
    layout->addWidget(file_, 1, 1);
    auto* browse = new QPushButton("&Browse...", this);
    layout->addWidget(browse, 1, 2);
    layout->addWidget(new QLabel("Semicolon-separated text: sequence, TURBOVEG and group number, then every header "
                                 "field;\nLATITUDE and LONGITUDE in degrees (00.0000).",
                                 this),
                      2, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&Export", QDialogButtonBox::AcceptRole);
    buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons, 3, 0, 1, 3);
    connect(browse, &QPushButton::clicked, this, &Form25::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString Form25::file() const { return file_->text().trimmed(); }

void Form25::browse() {
    core::FileRequest request;
    request.title = "Export of HEAD";
    request.filter = core::HeaderExportFilter;
    const QFileInfo info(file());
    request.directory = info.absolutePath().toStdString();
    request.proposedName = info.fileName().toStdString();
    request.mustExist = false;
    if (const auto chosen = ui_.saveFile(request)) file_->setText(QString::fromStdString(*chosen));
}

}  // namespace zembu::app
