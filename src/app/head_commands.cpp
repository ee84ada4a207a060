// The Head menu: the head modes, the short-head view and its dialogs, and the
// header export.

#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/commands.h"
#include "app/form22_short_head.h"
#include "app/form25_head_export.h"
#include "app/form43_short_headers.h"
#include "app/main_window.h"
#include "core/errors.h"
#include "core/head_modes.h"
#include "core/header_export.h"
#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/short_head.h"
#include "core/text.h"
#include "view/short_head_view.h"

namespace zembu::app {

namespace {

// Columns the interim short-head window shows (the table view will show the
// visible ones).
constexpr int32_t ShortHeadColumns = 300;

// The short-head view as text: the head caption and head lines, then one line
// per short-head line, each after its field name.
QString shortHeadText(const core::Workspace& ws, const view::ShortHeadView& v) {
    size_t labelWidth = ws.headCaption.size();
    for (const std::string& label : v.labels) labelWidth = std::max(labelWidth, label.size());
    const auto count = static_cast<size_t>(std::max<int64_t>(0, std::min<int64_t>(ws.table.ReleveCount, ShortHeadColumns)));
    std::string text;
    for (int j = 6; j >= 1; --j) {
        text += core::padRight(j == 6 ? ws.headCaption : std::string(), labelWidth) + " | ";
        text += ws.display.headLines[j - 1].substr(0, count) + "\n";
    }
    text += std::string(labelWidth, '-') + "-+-" + std::string(count, '-') + "\n";
    for (size_t i = 0; i < v.lines.size(); ++i) text += core::padRight(v.labels[i], labelWidth) + " | " + v.lines[i] + "\n";
    if (v.lines.empty())
        text += ws.header.empty() ? "The table has no header data.\n"
                                  : "No header fields are chosen (Head > Short Head Fields...).\n";
    return QString::fromStdString(core::codePageToUtf8(text));
}

// The window of the short-head view, made when first needed.
QPlainTextEdit* shortHeadWindow(MainWindow& window) {
    if (auto* text = window.findChild<QPlainTextEdit*>("shortHeadText")) return text;
    auto* dialog = new QDialog(&window);
    dialog->setObjectName("shortHeadView");
    dialog->setWindowTitle("Short head");
    auto* layout = new QVBoxLayout(dialog);
    auto* text = new QPlainTextEdit(dialog);
    text->setObjectName("shortHeadText");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(text);
    dialog->resize(760, 420);
    QObject::connect(dialog, &QDialog::finished, &window, [&window] {
        window.workspace().shortHead.shown = false;
        window.workspace().menuChecks["shortHead"] = false;
        window.refresh();
    });
    return text;
}

// vykresleni3 for the window: builds the view (asking about incorrect heads)
// and shows it.
void showShortHead(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    const view::ShortHeadView v = view::vykresleni3(ws, window.interaction(), 1, ShortHeadColumns);
    QPlainTextEdit* text = shortHeadWindow(window);
    text->setPlainText(shortHeadText(ws, v));
    text->parentWidget()->show();
    text->parentWidget()->raise();
}

void toggleShortHead(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    ws.shortHead.shown = !ws.shortHead.shown;
    ws.menuChecks["shortHead"] = ws.shortHead.shown;
    if (ws.shortHead.shown) showShortHead(window);
    else if (auto* text = window.findChild<QPlainTextEdit*>("shortHeadText")) text->parentWidget()->hide();
}

void refreshShortHead(MainWindow& window) {
    if (window.workspace().shortHead.shown) showShortHead(window);
}

void chooseShortHeadFields(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    Form22 form(ws.header, ws.shortHead.fields, &window);
    if (form.exec() != QDialog::Accepted) return;
    ws.shortHead.fields = form.chosenFields();
    if (!ws.shortHead.shown) toggleShortHead(window);
    else showShortHead(window);
}

void openShortHeaders(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    Form43 form(window.interaction(), QString::fromStdString(ws.currentDirectory), &window);
    if (form.exec() != QDialog::Accepted || form.chosenColumn() < 0) return;
    core::applyShortHeadFile(ws, form.file(), static_cast<size_t>(form.chosenColumn()));
    refreshShortHead(window);
}

void exportHead(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    int32_t count = 0;
    for (int32_t k = 1; k <= ws.table.ReleveCount; ++k) count += ws.table.ReleveColour[k].number == ws.releveColourBox;
    const QString releves = QString("%1 %2 relevés").arg(count).arg(QString::fromStdString(core::releveColourName(ws, ws.releveColourBox)));
    const QString file = QDir(QString::fromStdString(ws.currentDirectory)).filePath(core::HeaderExportFile);
    Form25 form(window.interaction(), releves, file, &window);
    if (form.exec() != QDialog::Accepted || form.file().isEmpty()) return;
    const int32_t written = core::exportHeader(ws, form.file().toStdString(), ws.releveColourBox);
    window.interaction().status("Header data of " + std::to_string(written) + " relevés exported.");
}

}  // namespace

void installHeadCommands(MainWindow& window) {
    window.setCommand("relanum_Click", [&window] {
        core::relanum_Click(window.workspace());
        refreshShortHead(window);
    });
    window.setCommand("sequnumb_Click", [&window] {
        core::sequnumb_Click(window.workspace());
        refreshShortHead(window);
    });
    window.setCommand("turbnum_Click", [&window] {
        core::turbnum_Click(window.workspace());
        refreshShortHead(window);
    });
    window.setCommand("shortHead", [&window] { toggleShortHead(window); });
    window.setCommand("shortHeadFields", [&window] { chooseShortHeadFields(window); });
    window.setCommand("openShortHeaders", [&window] { openShortHeaders(window); });
    window.setCommand(core::menu::ExportHead, [&window] { exportHead(window); });
}

}  // namespace zembu::app
