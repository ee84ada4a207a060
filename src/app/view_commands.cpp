// Commands of the table view: colours, block moves, separators, the group
// head, the current-relevé panel, the table font and the layer labels.

#include <QAction>
#include <QToolButton>

#include "app/commands.h"
#include "app/current_releve_panel.h"
#include "app/divide_releves_dialog.h"
#include "app/main_window.h"
#include "app/reset_separators_button.h"
#include "app/table_widget.h"
#include "core/menu_ids.h"
#include "core/workspace.h"
#include "view/colour_commands.h"
#include "view/layer_labels.h"
#include "view/releve_deletion.h"
#include "view/separators.h"

namespace zembu::app {

namespace {

void installIndexed(MainWindow& w, const std::string& handler, int count, void (*command)(core::Workspace&, int)) {
    for (int i = 0; i < count; ++i)
        w.setCommand(handler + "#" + std::to_string(i), [&w, command, i] { command(w.workspace(), i); });
}

constexpr std::pair<const char*, int> kLayerLabelItems[] = {
    {"layerView", view::LayerDigit}, {"layerNames", view::LayerName}, {"layerNumbersAndNames", view::LayerDigitAndName}};

void installLayerLabels(MainWindow& w) {
    for (const auto& [id, mode] : kLayerLabelItems) {
        w.setCommand(id, [&w, id = std::string(id), mode = mode] {
            core::Workspace& ws = w.workspace();
            ws.display.layerLabelMode = w.action(id)->isChecked() ? mode : view::NoLayerLabel;
            if (ws.display.layerLabelMode != view::NoLayerLabel) view::zobrazenipatra(ws.table, ws.display.layerLabelMode);
            for (const auto& [other, otherMode] : kLayerLabelItems) w.action(other)->setChecked(otherMode == ws.display.layerLabelMode);
        });
    }
}

}  // namespace

void installViewCommands(MainWindow& w) {
    installIndexed(w, "selecolo_Click", 2, view::selecolo_Click);
    installIndexed(w, "relcol_Click", 2, view::relcol_Click);
    installIndexed(w, "naho_Click", 2, view::naho_Click);
    installIndexed(w, "delsep_Click", 4, view::delsep_Click);
    for (int i = 0; i < 5; ++i)
        w.setCommand("vlev_Click#" + std::to_string(i), [&w, i] {
            view::vlev_Click(w.workspace(), i);
            if (i == 4) w.restartMoveToEndTimer();
        });
    w.setCommand("withcolo_Click", [&w] { view::withcolo_Click(w.workspace()); });
    w.setCommand("withshor_Click", [&w] { view::withshor_Click(w.workspace()); });
    w.setCommand("grounumb_Click", [&w] { view::grounumb_Click(w.workspace()); });
    w.setCommand(core::menu::SeparatorsWithinReleves,
                 [&w] { view::separatorsAroundColour(w.workspace(), w.workspace().releveColourBox); });
    w.setCommand(core::menu::DeleteReleves, [&w] {
        view::deleteReleves(w.workspace(), w.workspace().releveColourBox, w.interaction());
    });
    w.setCommand("divideWHITERelevesMakeSeparators", [&w] {
        Form42 dialog(w.workspace(), &w);
        if (dialog.exec() != QDialog::Accepted) return;
        if (dialog.bySameSize()) view::divideIntoEqualGroups(w.workspace(), dialog.colour(), dialog.groups());
        else view::divideByShortHeaders(w.workspace(), dialog.colour());
    });

    auto* button = w.resetSeparatorsButton();
    QObject::connect(button, &ResetSeparatorsButton::singleClicked, &w,
                     [&w] { w.runCommand([&w] { view::Image18_Click(w.workspace()); }); });
    QObject::connect(button, &ResetSeparatorsButton::doubleClicked, &w,
                     [&w] { w.runCommand([&w] { view::Image18_DblClick(w.workspace()); }); });

    auto* panel = new CurrentRelevePanel(w.workspace(), w.interaction(), &w);
    w.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->hide();
    panel->setChangedHandler([&w] { w.refresh(); });
    const auto showPanel = [&w, panel] {
        panel->show();
        panel->showCurrent();
    };
    w.setCommand("displayCurrentReleve", showPanel);
    QObject::connect(w.tableWidget(), &TableWidget::releveDoubleClicked, &w, showPanel);
    QObject::connect(w.tableWidget(), &TableWidget::tableChanged, panel, [panel] {
        if (panel->isVisible()) panel->showCurrent();
    });

    w.setCommand("zvetsitpismo", [&w] { w.tableWidget()->zvetsitpismo(); });
    w.setCommand("zmensitpismo", [&w] { w.tableWidget()->zmensitpismo(); });
    installLayerLabels(w);
}

}  // namespace zembu::app
