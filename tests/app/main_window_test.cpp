// The main window's shell: menus, colour boxes, the exit flow and Undo.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/reset_separators_button.h"
#include "app/table_widget.h"
#include "core/index_code.h"
#include "core/menu_ids.h"
#include "core/scripted_interaction.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "session/startup.h"

using namespace zembu;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Two species in three relevés.
    static void loadSmallTable(core::Table& t) {
        t.ReleveCount = t.ReleveRecordCount = 3;
        t.SpeciesCount = t.SpeciesRecordCount = 2;
        for (int k = 1; k <= 3; ++k) t.ReleveOrder[k] = {k, 100 + k};
        for (int i = 1; i <= 2; ++i) {
            t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
        }
        core::appendCell(t.ReleveData[1], 1, core::coverByte(5));
        core::appendCell(t.ReleveData[2], 2, core::coverByte(38));
        t.tvorbadruhu();
        t.recountFrequencies();
    }

private slots:
    void showsTheThirteenMenusAndTheControls() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        QStringList titles;
        for (QAction* a : window.menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "E&dit", "Sp&ecies", "&Relevés", "&Table", "&Head", "S&orting",
                                      "Se&parators", "&Synoptic Table", "&Indicator Values", "&Analysis",
                                      "&Table Simulation", "He&lp"}));
        QCOMPARE(window.speciesColourBox()->count(), 8);
        QCOMPARE(window.releveColourBox()->itemText(0), QString("white"));
        QCOMPARE(window.separatorLevelList()->count(), 6);
        QCOMPARE(window.windowTitle(), QString("ZEMBU"));
        // Items whose command is not built are present and disabled.
        QVERIFY(window.action("crispnessOfClassification") != nullptr);
        QVERIFY(!window.action("crispnessOfClassification")->isEnabled());
        QCOMPARE(window.action(core::menu::Undo)->shortcut(), QKeySequence("Ctrl+Z"));
        QVERIFY(ui.done());
    }

    void theUserGuideOpensInsideTheProgram() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        QAction* guide = window.action("helpContents");
        QVERIFY(guide->isEnabled());
        QCOMPARE(guide->shortcut(), QKeySequence(Qt::Key_F1));
        guide->trigger();
        auto* help = window.findChild<app::HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const QString text = help->browser()->toPlainText();
        QVERIFY(text.contains("ZEMBU user guide"));
        QVERIFY(text.contains("Importing a TURBOVEG export"));
        QVERIFY(text.contains("Separators and groups"));
    }

    void colourBoxesRenewTheirCaptions() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        window.speciesColourBox()->setCurrentIndex(1);
        QCOMPARE(ws.speciesColourBox, 1);
        QCOMPARE(window.action(core::menu::DeleteSpecies)->text(), QString("D&elete RED Species"));
        window.releveColourBox()->setCurrentIndex(3);
        QCOMPARE(window.action(core::menu::MoveRelevesLeft)->text(), QString("&Left SEA-GREEN Relevés"));
        window.aggregationColourBox()->setCurrentIndex(2);
        QCOMPARE(window.action(core::menu::MergeSpecies)->text(), QString("&Merge BLUE Species"));
        window.separatorLevelList()->setCurrentIndex(2);
        QCOMPARE(ws.separatorLevel, 3);
        QCOMPARE(ws.settings.value(core::setting::SeparatorHierarchyValue), std::string("2"));
        window.hierarchySwitch()->setChecked(true);
        QVERIFY(ws.separatorHierarchy);
    }

    void closingAnEmptyTableAsksNothing() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        window.show();
        QVERIFY(window.close());
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void cancelAtSaveKeepsTheWindowAndTheTable() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadSmallTable(ws.table);
        const std::string cells = ws.table.ReleveData[1];
        app::MainWindow window(ws, ui);
        window.show();
        ui.expectQuestion("Save current file?", "ZEMBU", core::Answer::Cancel);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(ws.table.ReleveData[1], cells);
        QCOMPARE(ws.table.SpeciesRecordCount, 2);
        QVERIFY2(ui.done(), ui.report().c_str());

        ui.expectQuestion("Save current file?", "ZEMBU", core::Answer::No);
        QVERIFY(window.close());
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void undoIsEnabledOnlyBetweenASnapshotAndTheUndo() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadSmallTable(ws.table);
        app::MainWindow window(ws, ui);
        QAction* undo = window.action(core::menu::Undo);
        QVERIFY(!undo->isEnabled());
        window.runCommand([&ws] {
            core::ZalohaDat(ws);
            std::swap(ws.table.ReleveOrder[1], ws.table.ReleveOrder[3]);
        });
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(ws.table.ReleveOrder[1].record, 1);
        QCOMPARE(ws.table.ReleveOrder[3].record, 3);
    }

    void relevesOfTheBoxColourAreSeparatedAndDeletedFromTheMenus() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadSmallTable(ws.table);
        ws.table.ReleveColour[2] = {0x9999FF, 1};
        app::MainWindow window(ws, ui);
        window.releveColourBox()->setCurrentIndex(1);
        QAction* separate = window.action(core::menu::SeparatorsWithinReleves);
        QAction* remove = window.action(core::menu::DeleteReleves);
        QCOMPARE(separate->text(), QString("Make Separators within RED &Relevés"));
        QVERIFY(separate->isEnabled());
        QVERIFY(remove->isEnabled());

        separate->trigger();
        QVERIFY(ws.table.SeparatorAfter[1] != 0);
        QVERIFY(ws.table.SeparatorAfter[2] != 0);
        ui.expectQuestion("Do you want to delete 1 RED relevés?", "ZEMBU", core::Answer::Yes);
        remove->trigger();
        QVERIFY2(ui.done(), ui.report().c_str());
        QCOMPARE(ws.table.ReleveCount, 2);
        QCOMPARE(ws.table.ReleveOrder[2].turbovegNumber, 103);
        QVERIFY(window.action(core::menu::Undo)->isEnabled());
    }

    void aDoubleClickOnResetSeparatorsRunsOnlyTheDoubleClick() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        app::ResetSeparatorsButton* button = window.resetSeparatorsButton();
        QSignalSpy single(button, &app::ResetSeparatorsButton::singleClicked);
        QSignalSpy twice(button, &app::ResetSeparatorsButton::doubleClicked);
        const QPointF at(5, 5);
        const auto send = [&](QEvent::Type type) {
            QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(button, &event);
        };
        // What the system sends for a double click: press, release, double click, release.
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        send(QEvent::MouseButtonDblClick);
        send(QEvent::MouseButtonRelease);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QCOMPARE(twice.count(), 1);
        QCOMPARE(single.count(), 0);
        // A click alone is a click, once the double-click time has passed.
        send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease);
        QCOMPARE(single.count(), 0);
        QVERIFY(single.wait(QApplication::doubleClickInterval() + 1000));
        QCOMPARE(single.count(), 1);
        QCOMPARE(twice.count(), 1);
    }

    void menusAreOffWhileAScrollBarIsHeld() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadSmallTable(ws.table);
        app::MainWindow window(ws, ui);
        window.resize(800, 600);
        window.show();
        QScrollBar* bar = window.tableWidget()->horizontalScrollBar();
        const QPoint end(bar->width() - 3, bar->height() / 2);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, end);
        for (QAction* a : window.menuBar()->actions()) QVERIFY(!a->isEnabled());
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, end);
        for (QAction* a : window.menuBar()->actions()) QVERIFY(a->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
