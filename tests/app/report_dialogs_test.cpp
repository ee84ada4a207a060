// The report dialogs driven as a user would: the analysis of constancy
// columns, its report, the column averages and the synoptic export options.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "app/column_averages_dialog.h"
#include "app/constancy_columns_dialog.h"
#include "app/constancy_report_dialog.h"
#include "app/synoptic_export_dialog.h"
#include "core/scripted_interaction.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "core/workspace.h"

using namespace zembu;

class ReportDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    // The demonstration table in five groups of 60 relevés.
    std::unique_ptr<core::Workspace> demo() {
        auto ws = std::make_unique<core::Workspace>((dir_.path() + "/home").toStdString());
        core::applySettingRules(ws->settings);
        core::ScriptedInteraction ui;
        if (!core::loadTableFile(*ws, ui, std::string(ZEMBU_DEMO_DATA_DIR) + "/demo.vod")) return nullptr;
        for (int32_t k = 1; k < ws->table.ReleveCount; ++k) ws->table.SeparatorAfter[k] = k % 60 == 0 ? 1 : 0;
        ws->settings.setValue(core::setting::PhiRecalculated, "0");
        return ws;
    }

    void shoot(QWidget& widget, const char* name) {
        if (!qEnvironmentVariableIsSet("ZEMBU_SHOTS")) return;
        widget.show();
        QCoreApplication::processEvents();
        widget.grab().save(qEnvironmentVariable("ZEMBU_SHOTS") + "/" + name + ".png");
    }

private slots:
    void form55ListsFollowColumnAndThresholds() {
        auto ws = demo();
        QVERIFY(ws);
        core::ScriptedInteraction ui;
        app::Form55 dialog(*ws, ui);
        dialog.fidelityLimit()->setText("30");
        dialog.frequencyLimit()->setText("60");
        QCOMPARE(dialog.columnBar()->maximum(), 5);
        const int diagnostic = dialog.diagnosticList()->count();
        QVERIFY(diagnostic > 0);
        QVERIFY(dialog.combinedList()->count() >= diagnostic);
        QVERIFY(dialog.summary()->text().contains("No. of relevés: 60"));
        // A higher limit lists fewer species; the settings follow the dialog.
        dialog.fidelityLimit()->setText("60");
        QVERIFY(dialog.diagnosticList()->count() < diagnostic);
        QCOMPARE(QString::fromStdString(ws->settings.value(core::setting::FidelityLimit)), QString("60"));
        dialog.columnBar()->setValue(5);
        QVERIFY(dialog.summary()->text().contains("No. of relevés: 60"));
        shoot(dialog, "form55");
        // Colouring the species: a species diagnostic only turns red, one
        // also dominant yellow.
        dialog.frequencyLimit()->setText("1000");
        dialog.findChild<QLineEdit*>("Text3")->setText("1000");
        dialog.colourSpecies();
        int red = 0;
        for (int32_t i = 1; i <= ws->table.SpeciesCount; ++i) {
            QVERIFY(ws->table.SpeciesColour[i].number == 0 || ws->table.SpeciesColour[i].number == 1);
            red += ws->table.SpeciesColour[i].number;
        }
        QCOMPARE(red, dialog.diagnosticList()->count());
        QVERIFY(ui.done());
    }

    void form45PreviewsAndReports() {
        auto ws = demo();
        QVERIFY(ws);
        ws->currentRtfFile = (dir_.path() + "/analysis.rtf").toStdString();
        core::ScriptedInteraction ui;
        synoptic::ConstancyThresholds limits;
        limits.fidelityLimit = 40;
        limits.frequencyLimit = 60;
        limits.coverLimit = 25;
        limits.frequencyCoverLimit = 20;
        app::Form45 dialog(*ws, ui, limits);
        const QString text = dialog.preview()->toPlainText();
        QVERIFY(text.startsWith("Cluster 1\nDiagnostic species\n"));
        QVERIFY(text.contains("Cluster 5"));
        shoot(dialog, "form45");
        ui.expectMessage("The analysis was appended to " + ws->currentRtfFile + ".", "Program Info");
        dialog.Command2_Click();
        QVERIFY(ui.done());
        QFile rtf(QString::fromStdString(ws->currentRtfFile));
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        QVERIFY(rtf.readAll().contains("Analysis of synoptic table"));
    }

    void form35ListsAndCopies() {
        auto ws = demo();
        QVERIFY(ws);
        core::ScriptedInteraction ui;
        app::Form35 dialog(*ws, ui);
        QCOMPARE(dialog.list()->count(), 1 + 5 + 1 + 5);
        QVERIFY(dialog.list()->item(1)->text().startsWith("Group 1: "));
        dialog.valueList()->setCurrentIndex(3);
        QCOMPARE(dialog.list()->item(0)->text(), QString("Average of Maximum Cover Values "));
        shoot(dialog, "form35");
        dialog.copyList();
        QVERIFY(QString::fromStdString(ui.clipboard()).startsWith("Average of Maximum Cover Values\nGroup 1\t"));
    }

    void form62StoresItsOptions() {
        core::Settings settings;
        settings.setValue(core::setting::BoldImportantValuesInSynopticTable, "yes");
        app::Form62 dialog(settings);
        QVERIFY(dialog.options().bold);
        QVERIFY(!dialog.options().highlight);
        dialog.findChild<QCheckBox*>("Check2")->setChecked(true);
        shoot(dialog, "form62");
        dialog.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(settings.value(core::setting::HighlightValuesInSynopticTable)), QString("yes"));
        QCOMPARE(QString::fromStdString(settings.value(core::setting::ExportSpeciesInOriginalColours)), QString("no"));
    }
};

QTEST_MAIN(ReportDialogsTest)
#include "report_dialogs_test.moc"
