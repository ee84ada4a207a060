// The synoptic views in the main window: the menu toggles, the painted
// values and highlights, and a view that follows the table.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/table_widget.h"
#include "core/scripted_interaction.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "support/test_support.h"

using namespace zembu;

class SynopticViewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Three species in six relevés, two groups of three.
    static void loadTable(core::Table& t) {
        t = zembu::testing::tableFromCovers({{20, 20, 20, 0, 0, 0}, {5, 5, 5, 5, 5, 5}, {0, 0, 0, 0, 0, 60}});
        t.SeparatorAfter[3] = 1;
    }

    // The program started with its window shown, on the small table or empty.
    struct Program {
        core::Workspace ws;
        core::ScriptedInteraction ui;
        std::unique_ptr<app::MainWindow> window;
        Program(const QTemporaryDir& home, bool withTable) : ws(home.path().toStdString()) {
            session::Form_Load(ws, ui);
            if (withTable) loadTable(ws.table);
            window = std::make_unique<app::MainWindow>(ws, ui);
            window->resize(900, 500);
            window->show();
        }
    };

    // The value text of a species row in the synoptic screen shown now.
    static std::string values(app::MainWindow& w, int row) {
        const view::SynopticScreen s = w.tableWidget()->currentSynopticScreen();
        return s.rows.at(static_cast<size_t>(row)).text.substr(static_cast<size_t>(s.prefixWidth));
    }

private slots:
    void theSameItemTwiceReturnsToTheTable() {
        Program p(home_, false);
        core::Workspace& ws = p.ws;
        app::MainWindow& w = *p.window;
        QAction* percentage = w.action("synopt_Click#1");
        QVERIFY(percentage->isEnabled());
        QVERIFY(percentage->isCheckable());
        // An empty table shows nothing.
        percentage->trigger();
        QCOMPARE(ws.synopticType, 0);
        QVERIFY(!percentage->isChecked());
        QVERIFY(w.tableWidget()->synopticView() == nullptr);

        loadTable(ws.table);
        percentage->trigger();
        QCOMPARE(ws.synopticType, 1);
        QVERIFY(percentage->isChecked());
        QVERIFY(w.tableWidget()->synopticView() != nullptr);
        QCOMPARE(values(w, 0), std::string("   100     ."));
        QCOMPARE(values(w, 2), std::string("     .    33"));
        w.action("synav_Click#0")->trigger();  // maximum cover
        QCOMPARE(ws.synopticType, 5);
        QVERIFY(!percentage->isChecked());
        QVERIFY(w.action("synav_Click#0")->isChecked());
        QCOMPARE(values(w, 2), std::string("     .    60"));
        w.action("synav_Click#0")->trigger();
        QCOMPARE(ws.synopticType, 0);
        QVERIFY(!w.action("synav_Click#0")->isChecked());
        QVERIFY(w.tableWidget()->synopticView() == nullptr);
        QVERIFY2(p.ui.done(), p.ui.report().c_str());
    }

    void theViewFollowsSeparatorsUndoAndTheHierarchy() {
        Program p(home_, true);
        core::Workspace& ws = p.ws;
        app::MainWindow& w = *p.window;
        w.action("synopt_Click#1")->trigger();
        QCOMPARE(w.tableWidget()->synopticView()->groupCount, 2);
        // A command that adds a separator: the next view has three groups.
        w.runCommand([&ws] {
            core::ZalohaDat(ws);
            ws.table.SeparatorAfter[5] = 2;
        });
        QCOMPARE(w.tableWidget()->synopticView()->groupCount, 3);
        QCOMPARE(values(w, 2), std::string("     .     .   100"));
        // The hierarchy at level 1 hides the level-2 separator.
        w.hierarchySwitch()->setChecked(true);
        QCOMPARE(w.tableWidget()->synopticView()->groupCount, 2);
        w.hierarchySwitch()->setChecked(false);
        // Undo takes the separator back.
        w.action("VytazeniZalohyDat")->trigger();
        QCOMPARE(w.tableWidget()->synopticView()->groupCount, 2);
        QCOMPARE(ws.synopticType, 1);
    }

    void highlightedValuesArePaintedOnTheirColour() {
        Program p(home_, true);
        core::Workspace& ws = p.ws;
        app::MainWindow& w = *p.window;
        ws.settings.setValue(core::setting::FrequencyLimit, "50");
        ws.settings.setValue(core::setting::Frequency2Limit, "90");
        ws.settings.setValue(core::setting::FrequencyThresholdColor2, std::to_string(0x00FF00));  // green
        w.action("synopt_Click#1")->trigger();
        app::TableWidget* table = w.tableWidget();
        const view::SynopticScreen s = table->currentSynopticScreen();
        QCOMPARE(s.title, std::string("Percentage synoptic table"));
        const QImage image = table->viewport()->grab().toImage();
        // The value 100 of species 1 in group 1 reaches the second threshold.
        const int x = 4 + (s.prefixWidth + 1) * table->charWidth();
        const int y = static_cast<int>((s.bodyTop + 0.1) * table->rowHeight());
        QCOMPARE(image.pixelColor(x, y), QColor(0, 255, 0));
        // Group 2 of species 1 shows "." on white.
        const int x2 = 4 + (s.prefixWidth + 7) * table->charWidth();
        QCOMPARE(image.pixelColor(x2, y), QColor(Qt::white));
        // The switch off: no box.
        ws.settings.setValue(core::setting::FrequencyThresholdYesNo, "No");
        w.updateSynopticView();
        const QImage plain = table->viewport()->grab().toImage();
        QCOMPARE(plain.pixelColor(x, y), QColor(Qt::white));
    }

    void rowsKeepTheirValuesWhenMovedAndHeadClicksDoNothing() {
        Program p(home_, true);
        core::Workspace& ws = p.ws;
        app::MainWindow& w = *p.window;
        w.action("synopt_Click#1")->trigger();
        app::TableWidget* table = w.tableWidget();
        const int rowY = static_cast<int>((view::SynopticBodyTop + 2.5) * table->rowHeight());
        const int firstRowY = static_cast<int>((view::SynopticBodyTop + 0.5) * table->rowHeight());
        // Drag species 3 onto the first row.
        QTest::mousePress(table->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, rowY));
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, firstRowY));
        QCOMPARE(ws.table.SpeciesInfo[1].name, std::string("Species 3"));
        QCOMPARE(values(w, 0), std::string("     .    33"));
        // A click in the head (the group numbers) is no relevé.
        const int16_t before = ws.table.SeparatorAfter[1];
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(4 + 30 * table->charWidth(), table->rowHeight() + 3));
        QCOMPARE(ws.table.SeparatorAfter[1], before);
    }
};

QTEST_MAIN(SynopticViewTest)
#include "synoptic_view_test.moc"
