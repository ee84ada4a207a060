// The Indicator Values menu: the indicator table dialog (Form18), the
// calculation for one relevé picked with a click (Form17) and the six axes
// shown beside the species names.

#include "analysis/indicator_releve.h"
#include "analysis/indicator_table.h"
#include "app/commands.h"
#include "app/indicator_means_dialog.h"
#include "app/indicator_table_dialog.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "core/menu_ids.h"
#include "core/workspace.h"

namespace zembu::app {

namespace {

// elleinit_Click: Form18, kept open beside the table and following the current species row.
void showIndicatorTableDialog(MainWindow& window) {
    auto* form = window.findChild<Form18*>("Form18");
    if (!form) {
        form = new Form18(window.workspace(), window.interaction(), &window);
        QObject::connect(form, &Form18::valuesChanged, &window, [&window] { window.refresh(); });
        QObject::connect(window.tableWidget(), &TableWidget::tableChanged, form, [form] {
            if (form->isVisible()) form->showCurrentSpecies();
        });
    }
    form->showCurrentSpecies();
    form->show();
    form->raise();
    form->activateWindow();
}

// Form17 for the relevé picked after ellenberg_Click.
void showIndicatorMeans(MainWindow& window, int32_t releve) {
    Form17 form(window.workspace(), window.interaction(), releve, &window);
    QObject::connect(&form, &Form17::headChanged, &window, [&window] { window.refresh(); });
    form.exec();
}

}  // namespace

void installIndicatorCommands(MainWindow& window) {
    window.setCommand(core::menu::IndicatorInitiation, [&window] { showIndicatorTableDialog(window); });
    window.setCommand(core::menu::IndicatorMeansOfReleve, [&window] {
        analysis::ellenberg_Click(window.workspace(), window.interaction());
        window.showClickModeHint();
    });
    window.setPickHandler(core::ClickMode::IndicatorMeans,
                          [&window](int32_t releve) { showIndicatorMeans(window, releve); });
    const std::string axisHandler = core::menu::IndicatorAxis;
    for (int axis = 1; axis <= analysis::IndicatorAxes; ++axis) {
        const std::string id = axisHandler + "#" + std::to_string(axis - 1);
        window.setCommand(id, [&window, axis] { analysis::indivalu_Click(window.workspace(), window.interaction(), axis); });
    }
}

}  // namespace zembu::app
