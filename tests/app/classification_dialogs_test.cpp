// The Cocktail, relevé selection, initiation and TWINSPAN dialogs driven as a
// user would, on the demonstration table, with scripted answers.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "app/cocktail_groups_dialog.h"
#include "app/main_window.h"
#include "app/member_list.h"
#include "app/group_initiation_dialog.h"
#include "app/releve_selection_dialog.h"
#include "app/twinspan_link_dialog.h"
#include "classification/cocktail_group_list.h"
#include "classification/twinspan_link.h"
#include "core/outside_program.h"
#include "session/startup.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"

using namespace zembu;

class ClassificationDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int homes_ = 0;

    // A workspace holding the demonstration table.
    std::unique_ptr<core::Workspace> demo() {
        auto ws = std::make_unique<core::Workspace>((dir_.path() + QString("/home%1").arg(++homes_)).toStdString());
        core::ScriptedInteraction quiet;
        if (!core::loadTableFile(*ws, quiet, ZEMBU_DEMO_DATA_DIR "/demo.vod", core::CapacityPolicy::FitFile))
            qFatal("the demonstration table cannot be read");
        return ws;
    }

    static int32_t rowNamed(const core::Table& t, const std::string& name) {
        for (int32_t i = 1; i <= t.SpeciesCount; ++i)
            if (core::trim(t.SpeciesInfo[i].name) == name) return i;
        return 0;
    }

    // Saves a picture of a dialog when ZEMBU_SHOTS names a folder.
    static void shoot(QWidget& w, const char* name) {
        const QByteArray folder = qgetenv("ZEMBU_SHOTS");
        if (folder.isEmpty()) return;
        w.show();
        QCoreApplication::processEvents();
        w.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }

    static QPushButton* button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(name); }

private slots:
    void form3BuildsAGroupMarksItsRelevesAndStoresIt() {
        auto ws = demo();
        core::Table& t = ws->table;
        const int32_t first = 1, second = 2;
        t.SpeciesColour[first] = {0xFF, 1};
        t.SpeciesColour[second] = {0xFF, 1};
        core::ScriptedInteraction ui;
        app::Form3 form(*ws, ui);
        int changes = 0;
        form.tableChanged = [&] { ++changes; };
        form.findChild<QComboBox*>("Combo2")->setCurrentIndex(1);
        form.memberList()->addSpecies();
        form.memberList()->addSpecies();  // the same species are not added twice
        QCOMPARE(form.group().members.size(), size_t(2));
        QCOMPARE(form.findChild<QListWidget*>("List1")->count(), 2);
        QVERIFY(form.findChild<QListWidget*>("List2")->count() >= 2);
        QCOMPARE(form.findChild<QSpinBox*>("HScroll1")->value(), 2);

        form.findChild<QComboBox*>("Combo3")->setCurrentIndex(2);
        form.fidelityCalculation();
        int32_t blue = 0;
        for (int32_t k = 1; k <= t.ReleveCount; ++k) blue += t.ReleveColour[k].number == 2;
        QVERIFY(blue > 0);
        QVERIFY(ws->undo.available);
        auto* results = form.findChild<QListWidget*>("List3");
        QCOMPARE(results->count(), t.SpeciesCount);
        QVERIFY(changes > 0);

        // A double click on a faithful species adds it.
        QListWidgetItem* third = nullptr;
        for (int r = 0; r < results->count() && !third; ++r)
            if (results->item(r)->data(Qt::UserRole).toInt() > 2) third = results->item(r);
        QVERIFY(third != nullptr);
        emit results->itemDoubleClicked(third);
        QCOMPARE(form.group().members.size(), size_t(3));

        form.constancyColumn();
        QVERIFY(results->count() > 0);

        form.findChild<QComboBox*>("Combo1")->setEditText("Wet forest");
        ui.expectQuestion("Do you wish to create new group Wet forest???", "ZEMBU", core::Answer::Yes);
        form.addGroup();
        QCOMPARE(t.SpeciesGroups.size(), size_t(1));
        QCOMPARE(form.findChild<QComboBox*>("Combo1")->count(), 1);

        const int32_t rows = t.SpeciesCount;
        form.Command10_Click();
        QCOMPARE(t.SpeciesCount, rows + 1);
        QCOMPARE(QString::fromStdString(t.SpeciesInfo[rows + 1].name), QString("### Wet forest"));

        const QString file = dir_.path() + "/groups.txt";
        ui.expectSaveFile("SAVE SPECIES GROUPS", file.toStdString());
        ui.expectQuestion("Export with species names?", "EXPORT", core::Answer::Yes);
        form.Command17_Click();
        QVERIFY(QFile(file).size() > 0);

        shoot(form, "form3");
        ui.expectQuestion("Do you wish to delete group Wet forest???", "ZEMBU", core::Answer::Yes);
        form.deleteGroup();
        QVERIFY(t.SpeciesGroups.empty());
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form8SelectsByAFormulaAndShowsItsStructure() {
        auto ws = demo();
        core::Table& t = ws->table;
        core::ScriptedInteraction ui;
        app::Form8 form(*ws, ui);
        const std::string a = std::string(core::trim(t.SpeciesInfo[1].name));
        const std::string b = std::string(core::trim(t.SpeciesInfo[2].name));
        form.formula()->setPlainText(QString::fromStdString("(<" + a + "> OR <" + b + ">"));
        ui.expectMessage("No of parenthesis \u00B4(\u00B4 is higher then \u00B4)\u00B4!!!", "SYNTAX ERROR");
        form.Command2_Click();
        form.formula()->setPlainText(QString::fromStdString("<" + a + ">"));
        form.formula()->moveCursor(QTextCursor::End);
        button(form, "insert NOT")->click();
        form.insertText(QString::fromStdString("<" + b + "> AND <" + a + " UP25>"));
        QVERIFY(form.formula()->toPlainText().contains("> NOT <"));
        ui.expectMessage("Operators must be segregated by ()!!! Error is in the 1. hierarchical layer.", "SYNTAX ERROR");
        form.Command2_Click();
        form.formula()->setPlainText(QString::fromStdString("<" + a + "> NOT (<" + b + "> OR <" + a + " UP25>)"));
        form.Command2_Click();
        QTreeWidget* tree = form.definition();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("1. layer: NOT"));
        QCOMPARE(tree->topLevelItem(0)->child(1)->text(0), QString("2. layer: OR"));
        QCOMPARE(tree->topLevelItem(0)->child(1)->childCount(), 2);

        form.setColourOption(5);
        form.Command1_Click();
        int32_t yellow = 0;
        for (int32_t k = 1; k <= t.ReleveCount; ++k) yellow += t.ReleveColour[k].number == 5;
        QVERIFY(yellow > 0);
        QCOMPARE(form.findChild<QLabel*>("Label2")->text(), QString("%1 relevés selected.").arg(yellow));
        shoot(form, "form8");
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form30GrowsTheListFromItsStartingSpecies() {
        auto ws = demo();
        core::ScriptedInteraction ui;
        app::Form30 form(*ws, ui);
        ws->CurrentRow = 3;
        form.memberList()->addCurrentSpecies();
        form.memberList()->addCurrentSpecies();
        QCOMPARE(form.group().members.size(), size_t(1));
        form.speciesPerMember()->setValue(1);
        form.Command5_Click();
        QVERIFY(form.group().members.size() > 1);
        QCOMPARE(form.findChild<QListWidget*>("List1")->count(), int(form.group().members.size()));
        ui.expectInput("Write group name:", "Initiation of Groups", "Start");
        ui.expectQuestion("Do you wish to create new group Start???", "ZEMBU", core::Answer::Yes);
        form.storeAsGroup();
        QCOMPARE(ws->table.SpeciesGroups.size(), size_t(1));
        shoot(form, "form30");
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form32RunsTwinspanToTheEnd() {
        auto ws = demo();
        core::Table& t = ws->table;
        // Every other relevé of the first 120 is analysed.
        for (int32_t k = 1; k <= 120; k += 2) t.ReleveColour[k] = {0x9999FF, 1};
        core::ScriptedInteraction ui;
        app::Form32 form(*ws, ui);
        QCOMPARE(form.text(1)->text(), QString("3"));
        QCOMPARE(form.text(2)->text(), QString("0 5 25"));
        QCOMPARE(form.text(6)->text(), QString("6"));
        form.text(7)->setText(ZEMBU_TWINSPAN_PROGRAM);
        form.colourList()->setCurrentIndex(1);
        form.speciesSorting()->setChecked(true);
        form.makeSeparators()->setChecked(true);
        form.text(6)->setText("3");
        shoot(form, "form32");

        form.text(3)->setText("1");
        ui.expectMessage("The minimum group size must be a whole number from 2 to 10000.", "TWINSPAN");
        form.Command1_Click();
        QVERIFY(!form.running());
        form.text(3)->setText("5");

        QSignalSpy ended(&form, &app::Form32::runEnded);
        form.Command1_Click();
        QVERIFY(form.running());
        QVERIFY(form.findChild<QProgressBar*>("Picture1")->isVisibleTo(&form));
        QVERIFY(ended.wait(60000));
        QCOMPARE(ended.front().front().toBool(), true);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(ws->headCaption), QString("TWINSPAN category:"));
        QCOMPARE(ws->separatorLevel, 3);
        // The 60 red relevés stand together from the first column on.
        for (int32_t k = 1; k <= 60; ++k) QCOMPARE(t.ReleveColour[k].number, 1);
        int separators = 0;
        for (int32_t k = 1; k < 60; ++k) separators += t.SeparatorAfter[k] != 0;
        QVERIFY(separators > 0);
        QVERIFY(core::checkInvariants(t).empty());
        QVERIFY(!std::filesystem::exists(classification::twinspanWorkFolder(*ws) / "tw.dat"));
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void form32NamesWhyARunBroughtNothing() {
        auto ws = demo();
        core::Table& t = ws->table;
        for (int32_t k = 1; k <= 20; ++k) t.ReleveColour[k] = {0x9999FF, 1};
        const auto order = t.ReleveOrder;
        core::ScriptedInteraction ui;
        app::Form32 form(*ws, ui);
        form.colourList()->setCurrentIndex(1);

        // A program that fails.
        form.text(7)->setText("/bin/false");
        QSignalSpy ended(&form, &app::Form32::runEnded);
        ui.expectMessage("The TWINSPAN program ended with an error (exit status 1).\rThe table was not changed.",
                         "TWINSPAN");
        form.Command1_Click();
        QVERIFY(ended.wait(20000));
        QCOMPARE(ended.takeFirst().front().toBool(), false);

        // A program that runs until it is cancelled.
        const QString slow = dir_.path() + "/slow-twinspan";
        std::ofstream(slow.toStdString()) << "#!/bin/sh\nexec sleep 30\n";
        QFile::setPermissions(slow, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        form.text(7)->setText(slow);
        ui.expectMessage("The TWINSPAN run was cancelled.\rThe table was not changed.", "TWINSPAN");
        form.Command1_Click();
        QVERIFY(form.running());
        form.Command2_Click();
        QVERIFY(ended.wait(20000));
        QVERIFY(!form.running());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(t.ReleveOrder == order);
        QVERIFY2(ui.done(), ui.report().c_str());
    }

    void theMenusOpenTheDialogsAndShowTheClassification() {
        core::Workspace ws((dir_.path() + "/window").toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        QVERIFY(core::loadTableFile(ws, ui, ZEMBU_DEMO_DATA_DIR "/demo.vod", core::CapacityPolicy::FitFile));
        app::MainWindow window(ws, ui);
        for (const char* id : {"cocktailGroups", "iniGroups", "releveSelection", "twinspanHill1978", "sorttwin"})
            QVERIFY2(window.action(id)->isEnabled(), id);
        window.action("cocktailGroups")->trigger();
        auto* cocktail = window.findChild<app::Form3*>();
        QVERIFY(cocktail && cocktail->isVisible() && !cocktail->isModal());
        window.action("cocktailGroups")->trigger();
        QCOMPARE(window.findChildren<app::Form3*>().size(), qsizetype(1));
        cocktail->close();

        // The link as the dialog runs it, then the window redrawn.
        classification::TwinspanLinkOptions o;
        o.program = ZEMBU_TWINSPAN_PROGRAM;
        o.makeSeparators = true;
        o.sortSpecies = true;
        o.maxLevel = "3";
        const auto run = classification::prepareTwinspanRun(ws, ui, o, classification::twinspanWorkFolder(ws));
        QVERIFY(run);
        QVERIFY(classification::finishTwinspanRun(ws, ui, *run, core::runOutsideProgram(run->program)));
        window.refresh();
        QCOMPARE(QString::fromStdString(ws.headCaption), QString("TWINSPAN category:"));
        QVERIFY(window.action("VytazeniZalohyDat")->isEnabled());
        window.resize(1400, 900);
        shoot(window, "main");
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(ClassificationDialogsTest)
#include "classification_dialogs_test.moc"
