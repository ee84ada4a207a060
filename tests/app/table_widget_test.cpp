// The table widget driven with the mouse, offscreen.

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/table_widget.h"
#include "core/index_code.h"
#include "core/menu_ids.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "table_clicks.h"

using namespace zembu;
using zembu::testing::headPoint;
using zembu::testing::rowPoint;

class TableWidgetTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Five species in six relevés, every cell filled.
    static void loadTable(core::Table& t) {
        t.ReleveCount = t.ReleveRecordCount = 6;
        t.SpeciesCount = t.SpeciesRecordCount = 5;
        for (int k = 1; k <= 6; ++k) {
            t.ReleveOrder[k] = {k, 100 + k};
            t.ReleveColour[k] = {0xFFFFFF, 0};
            t.ReleveHead[k] = "     " + std::to_string(k);
            for (int s = 1; s <= 5; ++s) core::appendCell(t.ReleveData[k], s, core::coverByte(s * 10));
        }
        for (int i = 1; i <= 5; ++i) {
            t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayerLabel[i] = "   ";
        }
        t.tvorbadruhu();
        t.recountFrequencies();
    }


private slots:
    void mouseColoursSeparatesAndDrags() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow window(ws, ui);
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        app::TableWidget& table = *window.tableWidget();
        QWidget* surface = table.viewport();

        // A right click in the head colours the relevé with the relevé box's colour.
        ws.releveColourBox = 2;
        QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, headPoint(table, 3));
        QCOMPARE(ws.table.ReleveColour[3].number, 2);
        QCOMPARE(table.hitAt(headPoint(table, 3)).column, 3);

        // A Shift click on a relevé toggles the separator after it.
        QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, headPoint(table, 4));
        QCOMPARE(ws.table.SeparatorAfter[4], int16_t(1));
        QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, headPoint(table, 4));
        QCOMPARE(ws.table.SeparatorAfter[4], int16_t(0));

        // Dragging species row 2 onto row 4 moves it; Undo moves it back.
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, rowPoint(table, 2));
        QTest::mouseMove(surface, rowPoint(table, 4));
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, rowPoint(table, 4));
        QCOMPARE(ws.table.SpeciesInfo[4].record, 2);
        QAction* undo = window.action(core::menu::Undo);
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(ws.table.SpeciesInfo[2].record, 2);
        QCOMPARE(ws.table.SpeciesInfo[4].record, 4);
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void paintsWithoutATable() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        window.show();
        const QImage image = window.tableWidget()->viewport()->grab().toImage();
        QVERIFY(!image.isNull());
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::white));
    }
};

QTEST_MAIN(TableWidgetTest)
#include "table_widget_test.moc"
