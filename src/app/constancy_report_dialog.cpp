#include "app/constancy_report_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/wizard_frame.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/constancy_report.h"

namespace zembu::app {

Form45::Form45(core::Workspace& ws, core::Interaction& ui, const synoptic::ConstancyThresholds& thresholds,
               QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(ui), thresholds_(thresholds) {
    setObjectName("Form45");
    setWindowTitle("Export Clusters");
    auto* layout = new QVBoxLayout(this);
    preview_ = new QTextEdit(this);
    preview_->setObjectName("Picture1");
    preview_->setReadOnly(true);
    layout->addWidget(preview_, 1);
    auto* buttons = new QHBoxLayout;
    auto* show = new QPushButton("&Preview", this);
    show->setObjectName("Command1");
    auto* rtf = new QPushButton("&Export to RTF", this);
    rtf->setObjectName("Command2");
    auto* close = new QPushButton("Close", this);
    buttons->addWidget(show);
    buttons->addWidget(rtf);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(show, &QPushButton::clicked, this, &Form45::Command1_Click);
    connect(rtf, &QPushButton::clicked, this, &Form45::Command2_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(640, 560);
    Command1_Click();
}

void Form45::Command1_Click() {
    core::BusyScope busy(ui_);
    exporting::ConstancyReportOptions options = exporting::readConstancyReportOptions(ws_);
    options.thresholds = thresholds_;
    const auto columns =
        synoptic::analyseConstancyColumns(ws_.table, synoptic::readSynopticSettings(ws_), thresholds_);
    QString html = "<div style=\"font-family: monospace; white-space: pre;\">";
    for (const exporting::PreviewLine& line : exporting::constancyPreview(ws_.table, columns, options)) {
        const QString text = QString::fromStdString(core::codePageToUtf8(line.text)).toHtmlEscaped();
        html += line.heading ? "<b>" + text + "</b><br>" : text + "<br>";
    }
    preview_->setHtml(html + "</div>");
}

void Form45::Command2_Click() {
    DialogParentScope scope(ui_, this);
    if (exporting::Command2_Click(ws_, thresholds_, ui_))
        ui_.message("The analysis was appended to " + ws_.currentRtfFile + ".", "Program Info",
                    core::MessageIcon::Information);
}

}  // namespace zembu::app
