// The species editing dialogs and the expert system dialog driven as a user
// would, with scripted answers. ZEMBU_SHOTS=folder keeps pictures of them.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/expert_system_dialog.h"
#include "app/layer_combination_dialog.h"
#include "app/main_window.h"
#include "app/merge_same_species_dialog.h"
#include "app/name_layer_dialog.h"
#include "app/undelete_species_dialog.h"
#include "core/menu_captions.h"
#include "core/menu_ids.h"
#include "core/recent_files.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;

namespace {

// Quercus robur in layers 1 and 4, Quercus petraea in 1, Hedera helix in 6,
// over three relevés; recorded as saved.
void loadTable(core::Workspace& ws, const std::string& file) {
    ws.table = zembu::testing::tableFromCovers({{50, 0, 10}, {0, 60, 0}, {20, 0, 30}, {5, 5, 0}});
    const std::pair<const char*, int> rows[] = {
        {"Quercus robur", 1}, {"Quercus petraea", 1}, {"Quercus robur", 4}, {"Hedera helix", 6}};
    for (int i = 1; i <= 4; ++i) {
        ws.table.SpeciesInfo[i].name = rows[i - 1].first;
        ws.table.SpeciesLayer[i] = static_cast<int16_t>(rows[i - 1].second);
    }
    core::pushRecentFile(ws.settings, file);
    ws.currentTableFile = file;
}

void keepPicture(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("ZEMBU_SHOTS");
    if (folder.isEmpty()) return;
    widget.show();
    QCoreApplication::processEvents();
    widget.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
}

}  // namespace

class SpeciesDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::string path(const char* name) const { return (dir_.path() + "/" + name).toStdString(); }

private slots:
    void speciesItemsAreEnabledWithColourCaptions() {
        core::Workspace ws(path("home0"));
        core::ScriptedInteraction ui;
        app::MainWindow window(ws, ui);
        for (const char* id : {"sloucdruh_Click", "mergsame_Click", "comblaye_Click", "blokrozdedruh_Click",
                               "druhmaza_Click", "uprazpet_Click", "addempty_Click", "zmenjmen_Click", "expertSystem"})
            QVERIFY2(window.action(id)->isEnabled(), id);
        ws.aggregationColourBox = 2;
        ws.speciesColourBox = 1;
        core::renewColourCaptions(ws);
        window.refresh();
        QCOMPARE(window.action(core::menu::MergeSpecies)->text(), QString("&Merge BLUE Species"));
        QCOMPARE(window.action(core::menu::DeleteSpecies)->text(), QString("D&elete RED Species"));
    }

    void form10ChangesTheCurrentRowAndUndoTakesItBack() {
        core::Workspace ws(path("home1"));
        core::ScriptedInteraction ui;
        loadTable(ws, path("t.vod"));
        app::MainWindow window(ws, ui);
        ws.CurrentRow = 2;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<app::Form10*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->findChild<QLineEdit*>("Text1")->text(), QString("Quercus petraea"));
            QCOMPARE(dialog->findChild<QComboBox*>("Combo1")->currentIndex(), 1);
            dialog->findChild<QLineEdit*>("Text1")->setText("Quercus dalechampii");
            dialog->findChild<QComboBox*>("Combo1")->setCurrentIndex(4);
            keepPicture(*dialog, "form10");
            dialog->accept();
        });
        window.action("zmenjmen_Click")->trigger();
        QCOMPARE(QString::fromStdString(ws.table.SpeciesInfo[2].name), QString("Quercus dalechampii"));
        QCOMPARE(int(ws.table.SpeciesLayer[2]), 4);
        window.action(core::menu::Undo)->trigger();
        QCOMPARE(QString::fromStdString(ws.table.SpeciesInfo[2].name), QString("Quercus petraea"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form11AndForm54() {
        core::Workspace ws(path("home2"));
        core::ScriptedInteraction ui;
        loadTable(ws, path("t.vod"));
        ws.table.SpeciesCount = 2;  // rows 3 and 4 deleted
        app::Form11 undelete(ws.table);
        auto* list = undelete.findChild<QListWidget*>("List1");
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().startsWith("Hedera helix"));
        QVERIFY(!undelete.findChild<QPushButton*>("Command1")->isEnabled());
        list->item(1)->setSelected(true);
        QVERIFY(undelete.findChild<QPushButton*>("Command1")->isEnabled());
        QCOMPARE(undelete.chosenRows(), (std::vector<int32_t>{4}));
        keepPicture(undelete, "form11");

        app::Form54 merge;
        auto* layers = merge.findChild<QListWidget*>("List1");
        QCOMPARE(layers->count(), 10);
        QCOMPARE(layers->item(9)->text(), QString("Moos layer (value: 9)"));
        layers->item(1)->setCheckState(Qt::Checked);
        layers->item(4)->setCheckState(Qt::Checked);
        const editing::LayerChoice chosen = merge.layers();
        QVERIFY(chosen[1] && chosen[4] && !chosen[6]);
        keepPicture(merge, "form54");
    }

    void form12StepsThroughTheSpecies() {
        core::Workspace ws(path("home3"));
        core::ScriptedInteraction ui;
        loadTable(ws, path("t.vod"));
        int redraws = 0;
        app::Form12 dialog(ws, ui, [&] { ++redraws; });
        QCOMPARE(dialog.windowTitle(), QString("Layer Combination"));
        auto* list = dialog.list();
        ui.expectMessage("Please check minimum one layer to be combined!", "ZEMBU");
        dialog.findChild<QPushButton*>("Command1")->click();
        dialog.findChild<QCheckBox*>("Check2")->setChecked(true);
        dialog.findChild<QCheckBox*>("Check5")->setChecked(true);
        ui.expectMessage("Please check one layer as a result of the combination process!", "ZEMBU");
        dialog.findChild<QPushButton*>("Command1")->click();
        dialog.findChild<QRadioButton*>("Option2")->setChecked(true);
        dialog.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(list->item(0)->text(), QString("0.1.2.3.4.5.6.7.8.9  Comb.  Species name"));
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().endsWith("Quercus robur"));
        keepPicture(dialog, "form12");
        dialog.findChild<QPushButton*>("Command2")->click();
        QVERIFY(list->item(1)->text().endsWith("Quercus robur OK"));
        QCOMPARE(redraws, 1);
        QCOMPARE(ws.table.SpeciesCount, 3);
        QCOMPARE(QString::fromStdString(ws.table.SpeciesInfo[3].name), QString("(S) Quercus robur"));
        // Quercus petraea is in layer 1 already, so nothing is left.
        QCOMPARE(list->item(2)->text(), QString("The last species was done."));
        QVERIFY(!dialog.findChild<QPushButton*>("Command2")->isEnabled());
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form24bAppliesAndClassifies() {
        core::Workspace ws(path("home4"));
        core::ScriptedInteraction ui;
        loadTable(ws, path("t.vod"));
        std::ofstream(path("units.esy"), std::ios::binary)
            << "SECTION 1: Species aggregation\r\n"
               "(S) Quercus agg.                                          - 1\r\n"
               "     Quercus robur                                          1\r\n"
               "     Quercus petraea                                        1\r\n"
               "\r\nSECTION 1: End\r\nSECTION 3: Group definitions\r\n"
               "Oak = <(S) Quercus agg. UP55>\r\nIvy = <Hedera helix>\r\nSECTION 3: End\r\n";
        int redraws = 0;
        app::Form24b dialog(ws, ui, [&] { ++redraws; });
        QVERIFY(!dialog.findChild<QPushButton*>("Command3")->isEnabled());
        ui.expectOpenFile("Load ESY file", path("units.esy"));
        dialog.findChild<QPushButton*>("Command2")->click();
        QCOMPARE(dialog.list()->count(), 10);
        dialog.findChild<QPushButton*>("Command3")->click();
        QCOMPARE(dialog.list()->item(0)->text(), QString("Quercus robur -> (S) Quercus agg."));
        QCOMPARE(redraws, 1);
        dialog.findChild<QPushButton*>("Command4")->click();
        QCOMPARE(dialog.list()->item(0)->text(), QString("COCKTAIL CLASSIFICATION: "));
        QCOMPARE(dialog.list()->item(2)->text(), QString("      2  Oak"));
        QCOMPARE(dialog.list()->item(1)->text(), QString("      1  Ivy"));
        keepPicture(dialog, "form24b");
        dialog.findChild<QPushButton*>("Command5")->click();
        QCOMPARE(dialog.list()->item(0)->text(), QString("DELETED RECORDS:"));
        QCOMPARE(dialog.list()->item(1)->text(), QString("Quercus robur (1)"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(SpeciesDialogsTest)
#include "species_dialogs_test.moc"
