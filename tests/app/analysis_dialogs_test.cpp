// The indicator-value dialogs, the click mode, the Head menu's species-data
// and index items, Form49 and the Beals item, driven offscreen.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <memory>

#include "analysis/beals_smoothing.h"
#include "analysis/heat_load.h"
#include "analysis/indicator_releve.h"
#include "analysis/indicator_table.h"
#include "analysis/species_heads.h"
#include "app/heat_load_dialog.h"
#include "app/indicator_means_dialog.h"
#include "app/indicator_table_dialog.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "core/index_code.h"
#include "core/menu_ids.h"
#include "core/scripted_interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "table_clicks.h"

using namespace zembu;
using zembu::testing::headPoint;
using zembu::testing::rowPoint;

class AnalysisDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    std::string path(const char* name) const { return (dir_.path() + "/" + name).toStdString(); }

    static std::string readFile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    // Saves a picture of a widget when ZEMBU_TEST_SHOTS names a folder, for a
    // developer to look at.
    static void shot(QWidget& widget, const QString& name) {
        const QString folder = qEnvironmentVariable("ZEMBU_TEST_SHOTS");
        if (!folder.isEmpty()) widget.grab().save(folder + "/" + name + ".png");
    }

    // Four species in five relevés: a tree, a shrub, a herb and a moss.
    static void loadTable(core::Table& t) {
        t.ReleveCount = t.ReleveRecordCount = 5;
        t.SpeciesCount = t.SpeciesRecordCount = 4;
        const char* names[] = {"Fagus sylvatica", "Corylus avellana", "Oxalis acetosella", "Hypnum cupressiforme"};
        const int layers[] = {1, 4, 6, 9};
        for (int i = 1; i <= 4; ++i) {
            t.SpeciesInfo[i] = {100 + i, names[i - 1], i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayer[i] = static_cast<int16_t>(layers[i - 1]);
            t.SpeciesLayerLabel[i] = "   ";
        }
        for (int k = 1; k <= 5; ++k) {
            t.ReleveOrder[k] = {k, 1000 + k};
            t.ReleveColour[k] = {0xFFFFFF, 0};
            t.ReleveHead[k] = "     " + std::to_string(k);
            for (int s = 1; s <= 4; ++s)
                if (s <= k) core::appendCell(t.ReleveData[k], s, core::coverByte(10 * s + k));
        }
        t.tvorbadruhu();
        t.recountFrequencies();
    }

    // An indicator table of the four species with LF line ends.
    std::string writeIndicatorTable() const {
        const auto record = [](const char* number, const char* name, const char* values) {
            return core::leftJustify(number, 5) + core::leftJustify(name, 40) + core::leftJustify(values, 12) + "\n";
        };
        const std::string file = path("ellenberg.txt");
        std::ofstream(file, std::ios::binary) << record("101", "Fagus sylvatica", " 3 5 2 5 x 5")
                                              << record("102", "Corylus avellana", " 6 5 3 x x 5")
                                              << record("103", "Oxalis acetosella", " 1 x 3 5 4 6")
                                              << record("104", "Hypnum cupressiforme", " 5 x 5 4 4 x");
        return file;
    }


    // A shown main window on the four species.
    struct ShownWindow {
        core::Workspace ws;
        core::ScriptedInteraction ui;
        std::unique_ptr<app::MainWindow> window;
        explicit ShownWindow(const std::string& home) : ws(home) {
            session::Form_Load(ws, ui);
            loadTable(ws.table);
            window = std::make_unique<app::MainWindow>(ws, ui);
            window->resize(900, 600);
            window->show();
        }
    };

private slots:
    void form18AssignsListsAndEditsTheCurrentSpecies() {
        core::Workspace ws(path("home1"));
        core::ScriptedInteraction ui;
        loadTable(ws.table);
        app::Form18 form(ws, ui);
        QCOMPARE(form.speciesLabel()->text(), QString("Fagus sylvatica (layer 1)"));
        QSignalSpy changed(&form, &app::Form18::valuesChanged);

        // By number, from a table with LF line ends.
        ui.expectOpenFile(analysis::IndicatorTableTitle, writeIndicatorTable());
        form.findChild<QPushButton*>("Command1")->click();
        QVERIFY(form.statusLabel()->text().endsWith("values given to 4 of 4 species rows (by species number)."));
        QCOMPARE(form.valueBox(0)->text(), QString("3"));
        QCOMPARE(form.valueBox(4)->text(), QString("x"));
        QCOMPARE(changed.count(), 1);

        // The list needs no file now; a record's values go to the current species.
        form.Command4_Click();
        QCOMPARE(form.recordList()->count(), 4);
        QVERIFY(form.recordList()->item(2)->text().startsWith("Oxalis acetosella "));
        ws.CurrentRow = 4;
        form.showCurrentSpecies();
        form.assignRecord(2);
        QCOMPARE(ws.table.SpeciesIndicator[4][0], std::string("1"));
        QCOMPARE(form.valueBox(0)->text(), QString("1"));

        // Values typed into the boxes.
        form.valueBox(0)->setText("9");
        form.valueBox(5)->setText("");
        QTest::keyClick(form.valueBox(0), Qt::Key_Return);
        QCOMPARE(ws.table.SpeciesIndicator[4][0], std::string("9"));
        QCOMPARE(ws.table.SpeciesIndicator[4][5], std::string(""));
        QCOMPARE(changed.count(), 3);
        form.show();
        shot(form, "form18");

        // Without a current species.
        ws.CurrentRow = 0;
        form.showCurrentSpecies();
        QCOMPARE(form.speciesLabel()->text(), QString(analysis::SelectSpeciesMessage));
        ui.expectMessage(analysis::SelectSpeciesMessage, "Program Info");
        form.storeValues();
        QCOMPARE(changed.count(), 3);
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form17ShowsTheReleveAndPutsAnAxisIntoTheHead() {
        core::Workspace ws(path("home2"));
        core::ScriptedInteraction ui;
        loadTable(ws.table);
        ws.indicatorTableFile = writeIndicatorTable();
        analysis::assignIndicatorValuesByNumber(ws.table, analysis::parseIndicatorTable(readFile(ws.indicatorTableFile)));
        app::Form17 form(ws, ui, 3);
        QTreeWidget* tree = form.speciesTree();
        QStringList titles;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (tree->topLevelItem(i)->font(0).bold()) titles << tree->topLevelItem(i)->text(0);
        QCOMPARE(titles, (QStringList{"Tree layer E3", "Shrub layer E2", "Herb layer E1", "Mean",
                                      "Species with a value"}));
        QTreeWidgetItem* mean = tree->topLevelItem(tree->topLevelItemCount() - 2);
        QCOMPARE(mean->text(2), QString("3.33"));  // light of 3, 6 and 1
        QCOMPARE(mean->text(6), QString("4.00"));  // reaction of the herb alone

        // An axis label runs the means of every relevé into the head.
        QSignalSpy changed(&form, &app::Form17::headChanged);
        form.axisLabel(1)->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(form.selectedAxis(), 1);
        QVERIFY(form.axisLabel(1)->styleSheet().contains("red"));
        QVERIFY(form.axisLabel(2)->styleSheet().contains("yellow"));
        QCOMPARE(ws.table.ReleveHead[3], std::string("   3.3"));
        QCOMPARE(ws.table.ReleveHead[4], std::string("   3.8"));  // 3.75
        QCOMPARE(ws.table.ReleveHead[1], std::string("   3.0"));
        QCOMPARE(ws.table.ReleveIndicatorMean[2][0], 4500);
        QCOMPARE(ws.head, core::HeadKind::AnalysisValue);
        QCOMPARE(form.axisLabel(3)->text(), QString("Add the &value CONTINENT. to the head"));

        // The weighted means take the layer labels as weights.
        ws.table.SpeciesLayerLabel[1] = "  3";
        ws.table.SpeciesLayerLabel[2] = "  1";
        form.weightedOption()->setChecked(true);
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 2)->text(0), QString("Weighted mean"));
        QCOMPARE(tree->topLevelItem(tree->topLevelItemCount() - 2)->text(2), QString("3.75"));  // (9 + 6) / 4
        form.show();
        shot(form, "form17");

        // The two exports.
        ui.expectSaveFile(analysis::EcologicalExportTitle, path("ecol.txt"));
        form.findChild<QPushButton*>("Command3")->click();
        QVERIFY(readFile(path("ecol.txt")).starts_with("Releve No; No of all species; Shannon-Wiener Index;Light;"));
        QVERIFY(readFile(path("ecol.txt")).ends_with("\r\n1005;4;1.31;3.75;4;5.00;2;3.25;4;4.67;3;4.00;2;5.33;3\r\n"));
        ui.expectSaveFile(analysis::EcologicalExportTitle, path("ecolgroups.txt"));
        form.findChild<QPushButton*>("Command4")->click();
        QVERIFY(readFile(path("ecolgroups.txt")).starts_with("Group No; Releve No;"));
        QCOMPARE(ui.shown()[0].request.proposedName, std::string("ecol.txt"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void theClickModeOpensForm17ForTheClickedReleveOnly() {
        ShownWindow shown(path("home3"));
        core::Workspace& ws = shown.ws;
        core::ScriptedInteraction& ui = shown.ui;
        app::MainWindow& window = *shown.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        app::TableWidget& table = *window.tableWidget();
        QWidget* surface = table.viewport();
        QAction* ellenberg = window.action(core::menu::IndicatorMeansOfReleve);
        QVERIFY(ellenberg->isEnabled());

        ui.expectMessage(analysis::SelectReleveForMeansMessage, "Program Info");
        ellenberg->trigger();
        QCOMPARE(ws.clickMode, core::ClickMode::IndicatorMeans);
        QVERIFY(window.statusPanel()->text().contains("Esc"));
        QString seen;
        QTimer::singleShot(0, &window, [&] {
            auto* form = window.findChild<app::Form17*>();
            QVERIFY(form);
            seen = form->findChild<QLabel*>("releveTitle")->text();
            form->axisLabel(2)->click();
            shot(window, "window-after-axis");
            form->accept();
        });
        QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, headPoint(table, 3));
        QCOMPARE(seen, QString("Relevé 3 (TURBOVEG number 1003)"));
        QCOMPARE(ws.clickMode, core::ClickMode::None);
        QCOMPARE(ws.CurrentReleve, 3);
        QVERIFY(window.statusPanel()->text().isEmpty());
        QCOMPARE(ws.head, core::HeadKind::AnalysisValue);

        // A click on a species name leaves the mode and does nothing else.
        ui.expectMessage(analysis::SelectReleveForMeansMessage, "Program Info");
        ellenberg->trigger();
        bool opened = false;
        QTimer::singleShot(0, &window, [&] {
            if (auto* form = window.findChild<app::Form17*>()) {
                opened = true;
                form->reject();
            }
        });
        QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, rowPoint(table, 2, 1));
        QTest::qWait(10);
        QVERIFY(!opened);
        QCOMPARE(ws.clickMode, core::ClickMode::None);
        QCOMPARE(ws.table.SpeciesColour[2].number, 0);
        QCOMPARE(ws.CurrentRow, 1);

        // Esc leaves it too.
        ui.expectMessage(analysis::SelectReleveForMeansMessage, "Program Info");
        ellenberg->trigger();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(ws.clickMode, core::ClickMode::None);
        QVERIFY(window.statusPanel()->text().isEmpty());
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form49CalculatesOnOpening() {
        app::Form49 form;
        const auto expected = analysis::irradiationCalculator("491230", "20", "180", analysis::Model1);
        QCOMPARE(form.radiationLabel()->text(), QString("ln(RAD):"));
        QCOMPARE(form.heatLoadLabel()->text(), QString("ln(HEAT):"));
        QCOMPARE(form.radiationResult()->text(), QString::fromStdString(expected.radiation));
        QCOMPARE(form.heatLoadResult()->text(), QString::fromStdString(expected.heatLoad));
        QCOMPARE(form.model(), 0);
        QCOMPARE(form.output(), int(analysis::Radiation));
        form.show();
        shot(form, "form49");

        form.modelOption(2)->setChecked(true);
        QCOMPARE(form.radiationLabel()->text(), QString("RAD:"));
        QCOMPARE(form.heatLoadLabel()->text(), QString("HEAT:"));
        form.aspectBox()->setText("45");
        QCOMPARE(form.heatLoadResult()->text(),
                 QString::fromStdString(analysis::irradiationCalculator("491230", "20", "45", analysis::Model3).heatLoad));
        form.latitudeBox()->setText("4912");
        QCOMPARE(form.problemLabel()->text(), QString(analysis::LatitudeFormatMessage));
        QVERIFY(form.radiationResult()->text().isEmpty());
        form.heatLoadOption()->setChecked(true);
        QCOMPARE(form.model(), 2);
        QCOMPARE(form.output(), int(analysis::HeatLoad));
    }

    void headItemsFollowTheSelectionAndRun() {
        ShownWindow shown(path("home4"));
        core::Workspace& ws = shown.ws;
        core::ScriptedInteraction& ui = shown.ui;
        app::MainWindow& window = *shown.window;
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        app::TableWidget& table = *window.tableWidget();
        QAction* count = window.action(core::menu::CountSpecies);
        QAction* beals = window.action(core::menu::BealsForReleves);
        QCOMPARE(count->text(), QString("C&ount 4 Species"));
        QCOMPARE(beals->text(), QString("Beals &Smoothing for 5 Relevés"));

        // Colouring with the mouse renews the counts.
        window.speciesColourBox()->setCurrentIndex(1);
        QCOMPARE(count->text(), QString("C&ount 0 Species"));
        QTest::mouseClick(table.viewport(), Qt::RightButton, Qt::NoModifier, rowPoint(table, 3));
        QTest::mouseClick(table.viewport(), Qt::RightButton, Qt::NoModifier, rowPoint(table, 4));
        QCOMPARE(count->text(), QString("C&ount 2 Species"));
        QCOMPARE(window.action(core::menu::MaximumOfSpeciesData)->text(), QString("Ma&ximum of 2 Species Data"));
        if (QMenu* head = count->menu() ? count->menu() : qobject_cast<QMenu*>(count->parent())) {
            head->popup(window.mapToGlobal(QPoint(200, 20)));
            shot(*head, "head-menu");
            head->hide();
        }
        window.releveColourBox()->setCurrentIndex(2);
        QTest::mouseClick(table.viewport(), Qt::RightButton, Qt::NoModifier, headPoint(table, 5));
        QCOMPARE(beals->text(), QString("Beals &Smoothing for 1 Relevés"));
        window.action("selecolo_Click#1")->trigger();  // every species colour removed
        QCOMPARE(count->text(), QString("C&ount 0 Species"));

        ui.expectMessage(analysis::NoSpeciesSelectedMessage, "Program Info");
        count->trigger();
        QCOMPARE(ws.table.ReleveHead[5], std::string("     5"));

        window.speciesColourBox()->setCurrentIndex(0);
        count->trigger();
        QCOMPARE(ws.table.ReleveHead[5], std::string("     4"));
        QCOMPARE(ws.table.ReleveHead[2], std::string("     2"));
        window.action(core::menu::SumOfSpeciesData)->trigger();
        QCOMPARE(ws.table.ReleveHead[2], std::string("    34"));  // 12 + 22
        window.action(core::menu::PercentageAbundance)->trigger();
        QCOMPARE(ws.table.ReleveHead[2], std::string(" 100.0"));
        window.action(core::menu::MeanOfSpeciesData)->trigger();
        QCOMPARE(ws.table.ReleveHead[2], std::string("  17.0"));
        window.action(core::menu::MinimumOfSpeciesData)->trigger();
        QCOMPARE(ws.table.ReleveHead[2], std::string("    12"));
        shot(window, "window-species-head");
        window.action(core::menu::ShannonWiener)->trigger();
        QCOMPARE(ws.table.ReleveHead[1], std::string(" 0.000"));
        window.action(core::menu::PielouEvenness)->trigger();
        QCOMPARE(ws.table.ReleveHead[1], std::string(" 0.000"));
        window.action(core::menu::EvarEvenness)->trigger();
        QVERIFY(window.action(core::menu::Undo)->isEnabled());

        // The axes beside the species names.
        ui.expectMessage(analysis::NoIndicatorValuesMessage, "Program Info");
        window.action("indivalu_Click#0")->trigger();
        analysis::assignIndicatorValuesByNumber(ws.table, analysis::parseIndicatorTable(readFile(writeIndicatorTable())));
        window.action("indivalu_Click#3")->trigger();
        QCOMPARE(ws.table.SpeciesLayerLabel[1], std::string("  5"));

        // Beals smoothing for the relevés of the relevé box's colour.
        ui.expectSaveFile(analysis::BealsFileTitle, path("beals"));
        ui.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, "2");
        ui.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, "0");
        window.action(core::menu::BealsFromAllReleves)->trigger();
        QCOMPARE(QString::fromStdString(readFile(path("beals.txt"))).count("\r\n"), 4);  // relevé 5, every species
        QVERIFY(readFile(path("beals.txt")).starts_with("1005;101;1;"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void theIrradiationItemRunsForm49() {
        core::Workspace ws(path("home5"));
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow window(ws, ui);
        bool shown = false;
        QTimer::singleShot(0, &window, [&] {
            auto* form = window.findChild<app::Form49*>();
            QVERIFY(form);
            shown = true;
            form->modelOption(1)->setChecked(true);
            form->findChild<QPushButton*>("Command1")->click();
        });
        window.action(core::menu::Irradiation)->trigger();
        QVERIFY(shown);
        // No header data: every relevé gets the dashes.
        QCOMPARE(ws.table.ReleveHead[3], std::string(analysis::MissingSiteHead));
        QCOMPARE(ws.head, core::HeadKind::AnalysisValue);
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(AnalysisDialogsTest)
#include "analysis_dialogs_test.moc"
