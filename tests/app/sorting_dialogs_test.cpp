// The sorting dialogs return what was chosen; the Sorting menu's items sort
// the table and Undo takes the sort back.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "app/colour_choice.h"
#include "app/dependence_sorting_dialog.h"
#include "app/header_data_sort_dialog.h"
#include "app/main_window.h"
#include "app/sort_releves_dialog.h"
#include "app/sort_species_dialog.h"
#include "app/species_data_sort_dialog.h"
#include "core/header_store.h"
#include "core/index_code.h"
#include "core/palette.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "session/startup.h"

using namespace zembu;

class SortingDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

    // Species 1 in one relevé, species 2 in two, species 3 in three.
    static void loadTable(core::Table& t) {
        t.ReleveCount = t.ReleveRecordCount = 3;
        t.SpeciesCount = t.SpeciesRecordCount = 3;
        for (int k = 1; k <= 3; ++k) {
            t.ReleveOrder[k] = {k, 100 + k};
            t.ReleveColour[k] = {core::UncolouredReleve, 0};
        }
        for (int i = 1; i <= 3; ++i) {
            t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
            t.SpeciesRowOfRecord[i] = i;
            t.SpeciesLayerLabel[i] = "   ";
            for (int k = 1; k <= i; ++k) core::appendCell(t.ReleveData[k], i, core::coverByte(5 * k));
        }
        t.tvorbadruhu();
        t.recountFrequencies();
    }

    static void click(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(name);
        QVERIFY2(button, name);
        button->click();
    }

private slots:
    void form4StartsWithBlackByWhiteAndReturnsTheChoice() {
        app::Form4 dialog;
        QCOMPARE(dialog.windowTitle(), QString("Sort species"));
        sorting::SpeciesByRelevesOptions o = dialog.options();
        QCOMPARE(o.speciesColour, 0);
        QCOMPARE(o.releveColour, 0);
        QVERIFY(!o.layerFirst);
        dialog.findChild<app::ColourChoice*>("speciesColour")->findChild<QRadioButton*>("colour9")->click();
        dialog.findChild<app::ColourChoice*>("releveColour")->findChild<QRadioButton*>("colour3")->click();
        dialog.findChild<QCheckBox*>("layerFirst")->click();
        o = dialog.options();
        QCOMPARE(o.speciesColour, core::AllColours);
        QCOMPARE(o.releveColour, 3);
        QVERIFY(o.layerFirst);
        click(dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void form5Form27AndForm48ReturnTheirChoices() {
        app::Form5 form5;
        QCOMPARE(form5.windowTitle(), QString("Sort relevés"));
        form5.findChild<QCheckBox*>("countOnly")->click();
        QVERIFY(form5.options().countOnly);
        QCOMPARE(form5.options().releveColour, 0);

        core::Table t;
        loadTable(t);
        app::Form27 form27(t, 2);
        QCOMPARE(form27.windowTitle(), QString("Dependence Sorting"));
        QCOMPARE(form27.options().speciesColour, 2);
        QCOMPARE(form27.options().mostDependent, 1);
        form27.findChild<QRadioButton*>("average0")->click();
        form27.findChild<QSpinBox*>("minimumFrequency")->setValue(2);
        QCOMPARE(form27.options().mostDependent, 0);
        QCOMPARE(form27.options().minimumFrequency, 2);
        QCOMPARE(form27.expectedTime(), QString("Expected processing time: less than a second"));

        app::Form48 form48(4);
        QCOMPARE(form48.windowTitle(), QString("Species Sorting Parameters"));
        QCOMPARE(form48.options().speciesColour, core::AllColours);
        form48.findChild<QRadioButton*>("black")->click();
        form48.findChild<QRadioButton*>("numerically")->click();
        form48.findChild<QRadioButton*>("descending")->click();
        QCOMPARE(form48.options().speciesColour, 4);
        QVERIFY(form48.options().numeric);
        QVERIFY(form48.options().descending);
    }

    void form20bGivesTheTickedFieldsInListOrder() {
        core::HeaderStore store;
        store.fields = {{1, "Releve number"}, {8, "COMMUNITY"}, {20, "ALTITUDE"}};
        app::Form20b dialog(store);
        QCOMPARE(dialog.windowTitle(), QString("Sort Relevés by Selected Header Field"));
        auto* list = dialog.findChild<QListWidget*>("List1");
        QCOMPARE(list->count(), 3);
        list->item(2)->setCheckState(Qt::Checked);
        list->item(1)->setCheckState(Qt::Checked);
        dialog.findChild<QCheckBox*>("separators")->click();
        dialog.findChild<QSpinBox*>("separatorCharacters")->setValue(4);
        const sorting::HeaderSortOptions o = dialog.options();
        QCOMPARE(o.fields, (std::vector<int>{2, 3}));
        QVERIFY(o.sort);
        QVERIFY(!o.addToShortHead);
        QVERIFY(o.separators);
        QCOMPARE(o.separatorCharacters, 4);
    }

    void sortingMenuItemsSortAndUndoTakesItBack() {
        core::Workspace ws(home_.path().toStdString());
        core::ScriptedInteraction ui;
        session::Form_Load(ws, ui);
        loadTable(ws.table);
        app::MainWindow window(ws, ui);
        for (const char* id : {"sortSpecies", "setrdruhabecbarv_Click#0", "ssmcbarv_Click#1", "ssavrbarv_Click#1",
                               "dependenceSorting", "sortSpeciesBySpeciesDataLayerEIVEtc", "sortReleves",
                               "sortturb_Click#0", "sortalfa_Click#1", "sortRelevesByHeaderData"})
            QVERIFY2(window.action(id)->isEnabled(), id);

        // Median cover, all rows: species 3 (covers 15, 10, 5 -> 12) first.
        window.action("ssmcbarv_Click#1")->trigger();
        QCOMPARE(ws.table.SpeciesInfo[1].record, 3);
        QCOMPARE(ws.table.SpeciesInfo[2].record, 2);
        QVERIFY(window.action("VytazeniZalohyDat")->isEnabled());
        window.action("VytazeniZalohyDat")->trigger();
        QCOMPARE(ws.table.SpeciesInfo[1].record, 1);

        // Short heads 3, 2, 1 numerically: the relevés turn round.
        for (int32_t rec = 1; rec <= 3; ++rec) ws.table.ReleveHead[rec] = std::to_string(4 - rec);
        window.action("sortturb_Click#1")->trigger();
        QCOMPARE(ws.table.ReleveOrder[1].record, 3);
        QCOMPARE(ws.table.ReleveOrder[3].record, 1);
        QVERIFY2(ui.done(), ui.report().c_str());
    }
};

QTEST_MAIN(SortingDialogsTest)
#include "sorting_dialogs_test.moc"
