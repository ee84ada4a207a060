// The import and export dialogs driven as a user would, with scripted answers.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/spreadsheet_import_wizard.h"
#include "app/display_scale_dialog.h"
#include "app/cc_export_dialog.h"
#include "app/cc_import_wizard.h"
#include "app/header_import_wizard.h"
#include "core/index_code.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"

using namespace zembu;

class ImportDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    std::string path(const char* name) const { return (dir_.path() + "/" + name).toStdString(); }
    void write(const char* name, const std::string& text) const { std::ofstream(path(name), std::ios::binary) << text; }

private slots:
    void form66WalksTheFiveStepsAndImports() {
        write("t.cc!",
              "title\r\n(I5,5(I5,F8.3))\r\n    1    1   2.500    2  38.000\r\n    2    2   5.000\r\n0000\r\n"
              "Poa ann6Carex  6\r\n     101     102\r\n");
        write("t.str", "   1  Releve number\r\n");
        write("t.exp", "   102\r\n   101\r\n");
        core::Workspace ws(path("home"));
        core::ScriptedInteraction ui;
        app::Form66 wizard(ws, ui);
        QCOMPARE(wizard.windowTitle(), QString(" Import Manager for TURBOVEG or Cornell Condensed File (Step 1/5)"));
        wizard.setFile(QString::fromStdString(path("t.cc!")));
        wizard.goNext();
        QCOMPARE(wizard.step(), 1);
        auto* list = wizard.findChild<QListWidget*>("List1");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString("Cover value  2.500 will be saved as  3"));
        ui.expectInput("Enter the long percentage corresponding to the selected value.", "COVER VALUE", "4");
        wizard.List1_DblClick(0);
        QCOMPARE(list->item(0)->text(), QString("Cover value  2.500 will be saved as  4"));
        wizard.goNext();
        wizard.goNext();
        QVERIFY(wizard.test_hlavicky(QString::fromStdString(path("T.EXP"))));
        wizard.goNext();
        QCOMPARE(wizard.nextButton()->text(), QString("&Finish"));
        QCOMPARE(wizard.windowTitle(), QString(" Import Manager for TURBOVEG or Cornell Condensed File (Step 5/5)"));
        wizard.goNext();
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(ws.table.ReleveCount, 2);
        QCOMPARE(core::coverPercent(ws.table.coverInReleve(1, 1)), 4);
        std::ifstream values(ws.headerValueFile(), std::ios::binary);
        std::string store((std::istreambuf_iterator<char>(values)), std::istreambuf_iterator<char>());
        QCOMPARE(QString::fromStdString(store), QString("   101\r\n   102\r\n"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form66StaysOnAFileInTheWrongFormat() {
        write("bad.cc!", "title\r\nno format\r\n");
        core::Workspace ws(path("home2"));
        core::ScriptedInteraction ui;
        ui.expectMessage("The file format is not correct!!!", "Program Info");
        app::Form66 wizard(ws, ui);
        wizard.setFile(QString::fromStdString(path("bad.cc!")));
        wizard.goNext();
        QCOMPARE(wizard.step(), 0);
        QCOMPARE(wizard.findChild<QLabel*>("wizardStatus")->text(), QString("No correct cc! file was opened..."));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form34WalksTheSevenStepsAndImports() {
        write("s.csv", "Species,Layer,7,8\r\nPoa annua,6,5,.\r\nCarex nigra,1,100,20\r\n");
        core::Workspace ws(path("home3"));
        core::ScriptedInteraction ui;
        app::Form34 wizard(ws, ui);
        QVERIFY(wizard.setFile(QString::fromStdString(path("s.csv"))));
        wizard.goNext();
        wizard.goNext();
        wizard.setSeparator(import::SpreadsheetSeparator::Comma);
        wizard.goNext();
        wizard.setLayerColumn(true);
        wizard.goNext();
        QCOMPARE(wizard.step(), 4);
        QVERIFY(wizard.findChild<QLabel*>("counts")->text().startsWith("Species (Rows): 2\nRelevés (Columns): 2"));
        wizard.goNext();
        QCOMPARE(wizard.codes().size(), size_t(3));
        QCOMPARE(wizard.codes()[1].percent, 95);
        wizard.goNext();
        QCOMPARE(wizard.windowTitle(), QString(" Import Manager for Spreadsheed Format File (Step 7/7)"));
        wizard.goNext();
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(ws.table.SpeciesCount, 2);
        QCOMPARE(ws.table.SpeciesLayer[2], int16_t(1));
        QCOMPARE(ws.table.ReleveOrder[2].turbovegNumber, 8);
        QCOMPARE(core::coverPercent(ws.table.coverInReleve(2, 2)), 20);
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form50FillsAPresetAndStoresTheScale() {
        core::Workspace ws(path("home4"));
        core::ScriptedInteraction ui;
        app::Form50 dialog(ws, ui);
        dialog.Command2_Click();  // no option chosen: nothing happens
        QCOMPARE(dialog.box(10)->text(), QString());
        dialog.setOption(1);
        dialog.Command2_Click();
        QCOMPARE(dialog.box(4)->text(), QString("m"));
        QCOMPARE(dialog.box(95)->text(), QString("5"));
        dialog.box(3)->setText("xy");
        ui.expectMessage("Please use only one character for each cover value.", "ZEMBU");
        dialog.Command1_Click();
        QVERIFY(ws.settings.value(core::setting::UserDefinedScale).empty());
        dialog.box(3)->setText("1");
        dialog.Command1_Click();
        QCOMPARE(ws.settings.value(core::setting::UserDefinedScale).size(), size_t(95));
        QCOMPARE(ws.display.displayTable[160 + 20], 'b');
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form52ChecksTheTransformationAndExports() {
        core::Workspace ws(path("home5"));
        ws.table.ReleveCount = ws.table.ReleveRecordCount = 1;
        ws.table.ReleveOrder[1] = {1, 7};
        ws.table.SpeciesCount = ws.table.SpeciesRecordCount = 1;
        ws.table.SpeciesInfo[1] = {1, "Poa annua", 1};
        ws.table.SpeciesRowOfRecord[1] = 1;
        core::appendCell(ws.table.ReleveData[1], 1, core::coverByte(16));
        ws.table.tvorbadruhu();
        core::ScriptedInteraction ui;
        app::Form52 dialog(ws, ui);
        dialog.transformation()->setText("2");
        ui.expectMessage("Use a correct transformation number!", "Program Info");
        dialog.Command1_Click();
        QCOMPARE(dialog.transformation()->text(), QString("1.0"));
        dialog.transformation()->setText("0.5");
        ui.expectSaveFile("SAVE CORNELL CONDENSED FILE", path("out.cc!"));
        dialog.Command1_Click();
        std::ifstream in(path("out.cc!"), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QVERIFY(text.find("    1    1   4.000\r\n0000\r\n") != std::string::npos);
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form68WantsAValidPairBeforeTheImport() {
        core::Workspace ws(path("home6"));
        core::ScriptedInteraction ui;
        app::Form68 wizard(ws, ui);
        QCOMPARE(wizard.windowTitle(), QString(" Header Data Import (Step 1/2)"));
        ui.expectMessage("Please select correct header data!", "Program Info");
        wizard.goNext();
        QCOMPARE(wizard.step(), 0);
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(ImportDialogsTest)
#include "import_dialogs_test.moc"
