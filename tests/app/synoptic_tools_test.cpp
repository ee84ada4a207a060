// The tools of the Synoptic Table menu: the fidelity calculator Form29, the
// uniqueness dialog Form24c, Zlatník's table Form37 and the group averages.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/fidelity_calculator_dialog.h"
#include "app/main_window.h"
#include "app/synoptic_sort_dialog.h"
#include "app/uniqueness_dialog.h"
#include "app/zlatnik_scale_dialog.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "export/rtf_document.h"
#include "session/startup.h"
#include "support/test_support.h"

using namespace zembu;

class SynopticToolsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Species 1 in relevés 1-3 (group 1), species 2 in 4-6 (group 2), species 3 everywhere.
    static void loadTable(core::Table& t) {
        t = zembu::testing::tableFromCovers({{20, 20, 20, 0, 0, 0}, {0, 0, 0, 20, 20, 20}, {5, 5, 5, 5, 5, 5}});
        for (int k = 1; k <= 6; ++k) t.ReleveHead[k] = "     " + std::to_string(k);
        t.SeparatorAfter[3] = 1;
    }

private slots:
    void theCalculatorRefusesAndEvaluates() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        ws.settings.setValue(core::setting::FidelityType, "2");
        app::Form29 dialog(ws, ui);
        const char* refused[4] = {"10", "10", "3", "2"};  // Np = N
        for (int i = 0; i < 4; ++i) dialog.field(i)->setText(refused[i]);
        ui.expectMessage("Values are not correct!!!", "Program Info");
        dialog.Command1_Click();
        QVERIFY2(ui.done(), ui.report().c_str());
        QCOMPARE(dialog.lines()->count(), 0);

        const char* counts[4] = {"10", "5", "5", "5"};  // all in the group, nowhere else
        for (int i = 0; i < 4; ++i) dialog.field(i)->setText(counts[i]);
        dialog.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(dialog.result()->text(), QString("100.000"));
        QCOMPARE(dialog.lines()->item(0)->text(), QString("N = 10; Np = 5; n = 5; np = 5; FIDELITY = 100.000"));
        QCOMPARE(ws.settings.value(core::setting::FidelityTestNp), std::string("5"));
        // The next opening starts from the counts typed last.
        app::Form29 again(ws, ui);
        QCOMPARE(again.field(0)->text(), QString("10"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void uniquenessListsTheChosenGroup() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        ws.settings.setValue(core::setting::PhiRecalculated, "0");
        app::Form24c dialog(ws);
        QCOMPARE(dialog.groupBar()->maximum(), 2);
        QCOMPARE(dialog.list()->item(0)->text(), QString("Group No. 1"));
        QVERIFY(dialog.list()->item(1)->text().startsWith("Uniqueness for the fidelity cut level: 0"));
        QVERIFY(dialog.list()->item(1)->text().endsWith("1.000"));
        QCOMPARE(dialog.list()->count(), 6);
        // The scroll bar only shows the group until the list is recomputed.
        dialog.groupBar()->setValue(2);
        QCOMPARE(dialog.groupLabel()->text(), QString("Group No. 2"));
        QCOMPARE(dialog.list()->item(0)->text(), QString("Group No. 1"));
        dialog.findChild<QPushButton*>("recompute")->click();
        QCOMPARE(dialog.list()->item(0)->text(), QString("Group No. 2"));
        dialog.findChild<QPushButton*>("back")->click();
        QCOMPARE(dialog.list()->item(0)->text(), QString("Group No. 1"));
        // A cut level no fidelity reaches: undefined.
        dialog.cutLevel()->setText("500");
        dialog.sharpness();
        QVERIFY(dialog.list()->item(1)->text().endsWith("Undef."));
    }

    void zlatnikTableAndGroupAveragesFromTheMenu() {
        app::Form37 zlatnik;
        QCOMPARE(zlatnik.table()->rowCount(), 6);
        QCOMPARE(zlatnik.table()->item(5, 4)->text(), QString("157"));
        QCOMPARE(zlatnik.table()->item(0, 0)->text(), QString("."));

        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow w(ws, ui);
        QVERIFY(w.action("uniqueness_Click")->isEnabled());
        ui.expectQuestion("Add the group minimum and maximum?", "Program Info", core::Answer::No);
        ui.expectMessage("The group averages were saved into the clipboard!", "Program Info");
        w.action("shheadaver")->trigger();
        QVERIFY2(ui.done(), ui.report().c_str());
        const QString text = QString::fromStdString(ui.clipboard());
        QVERIFY(text.startsWith("SHORT HEAD AVERAGES\nGroup average\n"));
        QVERIFY(text.contains("        2             3      5.0000\n"));
    }

    void form44SortsByOneColumnOrIntoBlocks() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow w(ws, ui);
        const auto withForm44 = [&w](const std::string& item, std::function<void(app::Form44&)> use) {
            QTimer::singleShot(0, [use] {
                auto* dialog = qobject_cast<app::Form44*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                use(*dialog);
            });
            w.action(item)->trigger();
        };
        // By maximum cover in group 2: species 2 (20 %), species 3 (5 %), species 1 (none).
        withForm44("synosort_Click", [](app::Form44& d) {
            QCOMPARE(d.columnBar()->maximum(), 2);
            QCOMPARE(d.criteria()->count(), 8);
            d.columnBar()->setValue(2);
            d.criteria()->setCurrentRow(static_cast<int>(sorting::SynopticCriterion::MaximumCover));
            d.accept();
        });
        QCOMPARE(ws.table.SpeciesInfo[1].name, std::string("Species 2"));
        QCOMPARE(ws.table.SpeciesInfo[3].name, std::string("Species 1"));
        QVERIFY(w.action("VytazeniZalohyDat")->isEnabled());

        ui.expectQuestion("This procedure changes all species colours.  Do you want to continue?", "Program Info",
                          core::Answer::Yes);
        ui.expectInput("Please write minimum value of selected criteria as a sorting limit:", "SORTING", "90");
        withForm44("sortsyno_Click", [](app::Form44& d) {
            d.extentButton(app::Form44::Extent::EntireDataset)->setChecked(true);
            d.accept();
        });
        QVERIFY2(ui.done(), ui.report().c_str());
        // Group 1 holds species 1 and 3 (100 % both), group 2 species 2.
        QCOMPARE(ws.table.SpeciesInfo[3].name, std::string("Species 2"));
        QCOMPARE(ws.table.SpeciesColour[1].number, 1);
        QCOMPARE(ws.table.SpeciesColour[3].number, 2);
    }

    void theShownSynopticTableIsExported() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow w(ws, ui);
        QTemporaryDir files;
        ui.expectMessage("Please show a synoptic table first (Synoptic Table menu).", "Program Info");
        w.action("synoform_Click#1")->trigger();
        QVERIFY2(ui.done(), ui.report().c_str());

        w.action("synopt_Click#1")->trigger();
        const std::string cc = files.filePath("groups.cc!").toStdString();
        ui.expectSaveFile("CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE", cc);
        w.action("synoform_Click#1")->trigger();
        QVERIFY2(ui.done(), ui.report().c_str());
        QVERIFY(zembu::testing::readFile(cc).rfind("Zembu synoptic table", 0) == 0);

        ws.currentRtfFile = files.filePath("report.rtf").toStdString();
        QVERIFY(exporting::startRtfDocument(ws.currentRtfFile, true, ui));
        QTimer::singleShot(0, [] {
            QWidget* options = QApplication::activeModalWidget();
            QVERIFY(options && options->objectName() == "Form62");
            qobject_cast<QDialog*>(options)->accept();
        });
        w.action("synoform_Click#0")->trigger();
        QVERIFY2(ui.done(), ui.report().c_str());
        QVERIFY(zembu::testing::readFile(ws.currentRtfFile).find("Percentage synoptic table") != std::string::npos);

        // The image of the view shown, compared with itself: similarity 1.
        const std::string image = files.filePath("synoptic.txt").toStdString();
        ui.expectSaveFile("Save image of synoptic table", image);
        w.action("compsyno2_Click#0")->trigger();
        QVERIFY(zembu::testing::readFile(image).rfind("Synoptic table image", 0) == 0);
        ui.expectOpenFile("Synoptic table image to compare", image);
        w.action("compsyno2_Click#1")->trigger();
        QVERIFY(ui.shown().back().text.find("Similarity of two tables: ") != std::string::npos);
        QVERIFY(ui.clipboard().rfind("ED matrix and total similarity", 0) == 0);
    }
};

QTEST_MAIN(SynopticToolsTest)
#include "synoptic_tools_test.moc"
