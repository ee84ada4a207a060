// The Analysis menu's classifications: the Cocktail groups (Form3), the
// initiation of groups (Form30), the relevé selection by formulas (Form8),
// the TWINSPAN link (Form32), and the Sorting menu's reading of a TWINSPAN
// output file (sorttwin).

#include <QPointer>
#include <memory>

#include "app/cocktail_groups_dialog.h"
#include "app/commands.h"
#include "app/group_initiation_dialog.h"
#include "app/main_window.h"
#include "app/releve_selection_dialog.h"
#include "app/table_widget.h"
#include "app/twinspan_link_dialog.h"
#include "classification/twinspan_apply.h"

namespace zembu::app {

namespace {

void openReleveSelection(MainWindow& window, QWidget* parent) {
    Form8 form(window.workspace(), window.interaction(), parent);
    form.tableChanged = [&window] { window.refresh(); };
    form.exec();
}

// Shows the one window of a kind that stays open beside the table, making
// it first when it is not open yet.
template <typename Form, typename Make>
void showBeside(MainWindow& window, const std::shared_ptr<QPointer<Form>>& open, Make make) {
    if (!*open) {
        Form* form = make();
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setModal(false);
        *open = form;
    }
    (*open)->show();
    (*open)->raise();
    (*open)->activateWindow();
}

}  // namespace

void installClassificationCommands(MainWindow& window) {
    auto cocktail = std::make_shared<QPointer<Form3>>();
    window.setCommand("cocktailGroups", [&window, cocktail] {
        showBeside(window, cocktail, [&window] {
            auto* form = new Form3(window.workspace(), window.interaction(), &window);
            form->tableChanged = [&window] { window.refresh(); };
            form->showRow = [&window](int32_t row) {
                TableWidget* table = window.tableWidget();
                table->scrollTo(table->currentViewport().firstColumn, std::max<int32_t>(1, row - 2));
            };
            form->openSelection = [&window, form] { openReleveSelection(window, form); };
            return form;
        });
    });
    auto initiation = std::make_shared<QPointer<Form30>>();
    window.setCommand("iniGroups", [&window, initiation] {
        showBeside(window, initiation, [&window] {
            auto* form = new Form30(window.workspace(), window.interaction(), &window);
            form->tableChanged = [&window] { window.refresh(); };
            return form;
        });
    });
    window.setCommand("releveSelection", [&window] { openReleveSelection(window, &window); });
    window.setCommand("twinspanHill1978", [&window] {
        Form32 form(window.workspace(), window.interaction(), &window);
        form.tableChanged = [&window] { window.refresh(); };
        form.exec();
    });
    window.setCommand("sorttwin", [&window] { classification::sorttwin(window.workspace(), window.interaction()); });
}

}  // namespace zembu::app
