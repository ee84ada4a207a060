// Form57, the settings dialog: what it shows, the controls that act at once,
// and the capacities question when it is opened from the menu.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/main_window.h"
#include "app/settings_dialog.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "support/test_support.h"

using namespace zembu;

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Two species in four relevés.
    static core::Table smallTable() { return zembu::testing::tableFromCovers({{5, 10, 0, 0}, {0, 0, 1, 30}}); }

    // Opens the menu item and, once its dialog is up, lets `use` work on it.
    static void withDialog(app::MainWindow& w, const std::string& item, std::function<void(app::Form57&)> use) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<app::Form57*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            use(*dialog);
        });
        w.action(item)->trigger();
        QVERIFY(seen);
    }

private slots:
    void showsTheSettingsAndActsOnTheSeparatorsAtOnce() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        ws.table = smallTable();
        ws.table.SeparatorAfter[1] = 1;
        int changes = 0;
        app::Form57 dialog(ws, [&changes] { ++changes; });
        QCOMPARE(dialog.pages()->count(), 5);
        QCOMPARE(dialog.findChild<QSpinBox*>("releveCapacity")->value(), 30000);
        auto* measure = dialog.findChild<QComboBox*>("measure");
        QCOMPARE(measure->count(), 16);
        QCOMPARE(measure->currentData().toInt(), 2);
        auto* model = qobject_cast<QStandardItemModel*>(measure->model());
        QVERIFY(!model->item(2)->isEnabled());  // the separator line
        QCOMPARE(dialog.findChild<QComboBox*>("combinedForm")->count(), 6);
        QVERIFY(!dialog.findChild<QPushButton*>("selectRtf")->isEnabled());  // no report route given

        dialog.findChild<QCheckBox*>("Check1")->setChecked(true);
        QVERIFY(ws.separatorHierarchy);
        dialog.findChild<QComboBox*>("Combo4")->setCurrentIndex(3);
        QCOMPARE(ws.separatorLevel, 4);
        QCOMPARE(changes, 2);

        // Dufrene and Legendre forces modified fidelity.
        measure->setCurrentIndex(measure->findData(14));
        const session::ProgramSettings chosen = dialog.chosen();
        QCOMPARE(chosen.measure, 14);
        QCOMPARE(chosen.kind, 2);

        // Proposed standard size: groups of 1 and 3 relevés -> 25 %.
        auto* propose = dialog.findChild<QPushButton*>("propose");
        QVERIFY(propose->isEnabled());
        propose->click();
        QCOMPARE(dialog.findChild<QDoubleSpinBox*>("standardSize")->value(), 25.0);
    }

    void capacitiesCloseTheTableOnlyAfterTheQuestion() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        ws.table = smallTable();
        app::MainWindow w(ws, ui);
        const char* warning = "WARNING!!! The confirmation will close currently loaded table. Are you sure to continue?";

        ui.expectQuestion(warning, "ZEMBU", core::Answer::No);
        withDialog(w, "separ_Click#20", [](app::Form57& d) {
            d.findChild<QSpinBox*>("speciesCapacity")->setValue(8000);
            d.accept();
        });
        QVERIFY2(ui.done(), ui.report().c_str());
        QCOMPARE(ws.table.SpeciesCount, 2);
        QCOMPARE(ws.table.MaxSpecies, 5000);

        ui.expectQuestion(warning, "ZEMBU", core::Answer::Yes);
        ui.expectQuestion("Save current file?", "ZEMBU", core::Answer::No);
        withDialog(w, "separ_Click#20", [](app::Form57& d) {
            d.findChild<QSpinBox*>("speciesCapacity")->setValue(8000);
            d.accept();
        });
        QVERIFY2(ui.done(), ui.report().c_str());
        QCOMPARE(ws.table.SpeciesCount, 0);
        QCOMPARE(ws.table.MaxSpecies, 8000);

        // Cancel changes nothing; the synoptic menu opens the same dialog on
        // its synoptic page, and OK renews the status text.
        withDialog(w, "synopticSettings", [](app::Form57& d) {
            QCOMPARE(d.pages()->currentIndex(), int(app::Form57::SynopticPage));
            QVERIFY(d.findChild<QPushButton*>("selectRtf")->isEnabled());
            d.findChild<QComboBox*>("measure")->setCurrentIndex(0);
            d.reject();
        });
        QCOMPARE(w.fidelityLabel()->text(), QString(" C Phi coeff."));
        withDialog(w, "synopticSettings", [](app::Form57& d) {
            d.findChild<QComboBox*>("measure")->setCurrentIndex(0);
            d.accept();
        });
        QCOMPARE(w.fidelityLabel()->text(), QString(" C u-val.(hyp) adj."));
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
