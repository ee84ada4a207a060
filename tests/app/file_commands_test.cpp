// The File and Head menu commands in the window: opening, the caption, the
// head check marks, saving and the short-head field dialog.

#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/short_head_fields_dialog.h"
#include "app/main_window.h"
#include "core/file_util.h"
#include "core/header_store.h"
#include "core/index_code.h"
#include "core/menu_ids.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/vod_format.h"
#include "core/workspace.h"
#include "session/startup.h"

using namespace zembu;

class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }

    // A table file of two species in three relevés, with header companions.
    void writeTable(const std::string& file) {
        core::Table t;
        t.ReleveCount = t.ReleveRecordCount = 3;
        t.SpeciesCount = t.SpeciesRecordCount = 2;
        for (int k = 1; k <= 3; ++k) t.ReleveOrder[k] = {k, 1000 + k};
        for (int i = 1; i <= 2; ++i) {
            t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayerLabel[i] = "   ";
        }
        core::appendCell(t.ReleveData[1], 1, core::coverByte(5));
        core::appendCell(t.ReleveData[3], 2, core::coverByte(38));
        t.tvorbadruhu();
        t.recountFrequencies();
        core::writeTableFile(file, t, {});
        core::writeFileAtomically(core::companionName(file, "str"), "   1  Releve number\r\n   8  DATE\r\n");
        core::writeFileAtomically(core::companionName(file, "exp"),
                                  "  1001 20010101\r\n  1002 20020202\r\n  1003 20030303\r\n");
    }

private slots:
    void opensSavesAndSwitchesTheHead() {
        core::Workspace ws((dir_.path() + "/home").toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        app::MainWindow window(ws, ui);
        writeTable(path("meadow.vod"));

        ui.expectOpenFile("Open Table", path("meadow.vod"));
        window.action(core::menu::Open)->trigger();
        QCOMPARE(window.windowTitle(), QString::fromStdString("ZEMBU - (" + path("meadow.vod") + ")"));
        QVERIFY(window.action("relanum_Click")->isChecked());
        QVERIFY(window.action("recentFile#0")->isVisible());
        QCOMPARE(ws.header.fieldCount(), 2);

        window.action("turbnum_Click")->trigger();
        QVERIFY(window.action("turbnum_Click")->isChecked());
        QVERIFY(!window.action("relanum_Click")->isChecked());
        QCOMPARE(QString::fromStdString(ws.table.ReleveHead[2]), QString("  1002"));

        ui.expectSaveFile("SAVE TABLE", path("copy"));
        window.action(core::menu::Save)->trigger();
        QVERIFY(QFile::exists(dir_.filePath("copy.VOD")));
        QVERIFY(QFile::exists(dir_.filePath("copy.exp")));
        QCOMPARE(window.windowTitle(), QString::fromStdString("ZEMBU - (" + path("copy.VOD") + ")"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form22ReturnsTheTickedFields() {
        core::HeaderStore store;
        store.fields = {{1, "Releve number"}, {8, "DATE"}, {16, "ALTITUDE"}};
        app::Form22 form(store, {3});
        auto* list = form.findChild<QListWidget*>("fieldList");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(2)->checkState(), Qt::Checked);
        list->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(form.chosenFields(), (std::vector<int>{1, 3}));
        QCOMPARE(form.windowTitle(), QString("Short head"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
