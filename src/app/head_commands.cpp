// The Head menu: the head modes, the short-head view and its dialogs, the
// header export, the species-data heads and the diversity and site indices.

#include <QDialog>
#include <QDir>

#include "analysis/diversity_indices.h"
#include "analysis/heat_load.h"
#include "analysis/species_heads.h"
#include "app/commands.h"
#include "app/heat_load_dialog.h"
#include "app/short_head_fields_dialog.h"
#include "app/head_export_dialog.h"
#include "app/short_head_file_dialog.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "core/errors.h"
#include "core/head_modes.h"
#include "core/header_export.h"
#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/selection.h"
#include "core/short_head.h"
#include "core/text.h"
#include "view/short_head_view.h"

namespace zembu::app {

namespace {

// vykresleni3: the short-head view is drawn under the table head by the table
// widget; here the visible relevés are checked for incorrect heads.
void showShortHead(MainWindow& window) {
    const view::Viewport v = window.tableWidget()->currentViewport();
    view::vykresleni3(window.workspace(), window.interaction(), v.firstColumn, v.visibleColumns);
}

void toggleShortHead(MainWindow& window) {
    core::Workspace& ws = window.workspace();
    ws.shortHead.shown = !ws.shortHead.shown;
    ws.menuChecks["shortHead"] = ws.shortHead.shown;
    if (ws.shortHead.shown) showShortHead(window);
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
    const int32_t count = core::selectedReleveCount(ws);
    const QString releves = QString("%1 %2 relevés").arg(count).arg(QString::fromStdString(core::releveColourName(ws, ws.releveColourBox)));
    const QString file = QDir(QString::fromStdString(ws.currentDirectory)).filePath(core::HeaderExportFile);
    Form25 form(window.interaction(), releves, file, &window);
    if (form.exec() != QDialog::Accepted || form.file().isEmpty()) return;
    const int32_t written = core::exportHeader(ws, form.file().toStdString(), ws.releveColourBox);
    window.interaction().status("Header data of " + std::to_string(written) + " relevés exported.");
}

// Po&tential Annual Direct Irradiation and Heat Load: Form49, then the run.
void irradiation(MainWindow& window) {
    Form49 form(&window);
    if (form.exec() != QDialog::Accepted) return;
    analysis::Form49_Command1_Click(window.workspace(), window.interaction(), form.model(), form.output());
}

constexpr std::pair<const char*, analysis::SpeciesHead> SpeciesHeadItems[] = {
    {core::menu::CountSpecies, analysis::SpeciesHead::Count},
    {core::menu::SumOfSpeciesData, analysis::SpeciesHead::Sum},
    {core::menu::PercentageAbundance, analysis::SpeciesHead::Percentage},
    {core::menu::MeanOfSpeciesData, analysis::SpeciesHead::Mean},
    {core::menu::MinimumOfSpeciesData, analysis::SpeciesHead::Minimum},
    {core::menu::MaximumOfSpeciesData, analysis::SpeciesHead::Maximum},
};

void installIndexCommands(MainWindow& window) {
    for (const auto& [id, head] : SpeciesHeadItems)
        window.setCommand(id, [&window, head = head] {
            analysis::speciesDataHead(window.workspace(), window.interaction(), head);
            refreshShortHead(window);
        });
    window.setCommand(core::menu::ShannonWiener, [&window] {
        analysis::sh_store_Click(window.workspace());
        refreshShortHead(window);
    });
    window.setCommand(core::menu::PielouEvenness, [&window] {
        analysis::even_Click(window.workspace(), 0);
        refreshShortHead(window);
    });
    window.setCommand(core::menu::EvarEvenness, [&window] {
        analysis::even_Click(window.workspace(), 1);
        refreshShortHead(window);
    });
    window.setCommand(core::menu::Irradiation, [&window] {
        irradiation(window);
        refreshShortHead(window);
    });
}

}  // namespace

void installHeadCommands(MainWindow& window) {
    installIndexCommands(window);
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
