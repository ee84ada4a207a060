// Header data: the EXP/STR pair, the comma-separated file and the store.

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/header_import.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::import;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

const std::string kStr = "   1  Releve number\r\n   7  Locality\r\n";

// An EXP record of twelve characters: the relevé number right-aligned in
// columns 1..6, the locality in 7..12.
std::string record(int number, const std::string& locality) {
    return core::padLeft(std::to_string(number), 6) + core::leftJustify(locality, 6);
}

// Record r of a store's value file (records of `length` characters + CR LF).
std::string slot(const std::string& values, int r, size_t length) {
    return values.substr(static_cast<size_t>(r - 1) * (length + 2), length);
}

}  // namespace

TEST(HeaderImport, ExpRecordsGoToTheSlotsOfTheirRelevesRecords) {
    core::Table t = zt::tableFromCovers({{5, 5, 5, 5}});  // relevé numbers 1001..1004
    // Columns show records 2, 1, 3, 4.
    std::swap(t.ReleveOrder[1], t.ReleveOrder[2]);
    ScriptedInteraction ui;
    const std::string exp = record(1002, "Beta") + "\r\n" + record(1001, "Alpha") + "\r\n" +
                            record(9999, "None") + "\r\n" + record(1003, "Gamma") + "\r\n" +
                            record(1003, "Delta") + "\r\n";
    const HeaderStoreContents store = buildHeaderStore(t, kStr, exp, ui);
    EXPECT_EQ(store.structure, kStr);
    EXPECT_EQ(store.records, 5);
    EXPECT_EQ(store.matched, 4);
    ASSERT_EQ(store.values.size(), 4u * 14);
    EXPECT_EQ(slot(store.values, 1, 12), record(1001, "Alpha"));
    EXPECT_EQ(slot(store.values, 2, 12), record(1002, "Beta"));
    EXPECT_EQ(slot(store.values, 3, 12), record(1003, "Delta"));  // the later record wins
    EXPECT_EQ(slot(store.values, 4, 12), std::string(12, ' '));  // no record: blanks
    EXPECT_EQ(store.values.substr(12, 2), "\r\n");
}

TEST(HeaderImport, LfLinesAndShortRecordsAreRead) {
    core::Table t = zt::tableFromCovers({{5, 5}});
    ScriptedInteraction ui;
    const std::string exp = record(1001, "Alpha") + "\n" + "  1002Be\n\n";
    const HeaderStoreContents store = buildHeaderStore(t, kStr, exp, ui);
    EXPECT_EQ(store.matched, 2);
    EXPECT_EQ(slot(store.values, 2, 12), "  1002Be    ");
}

TEST(HeaderImport, ImpHeadWritesTheStoreAndExplainsAMissingNumberField) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5, 5}});
    zt::writeFile(dir / "h.str", kStr);
    zt::writeFile(dir / "h.exp", record(1002, "Beta") + "\r\n" + record(1001, "Alpha") + "\r\n");
    ScriptedInteraction ui;
    ASSERT_TRUE(imp_head(ws, dir / "h.str", dir / "h.exp", ui));
    EXPECT_EQ(zt::readFile(ws.headerStructureFile()), kStr);
    EXPECT_EQ(zt::readFile(ws.headerValueFile()), record(1001, "Alpha") + "\r\n" + record(1002, "Beta") + "\r\n");
    // The store's field table is loaded from the new files.
    ASSERT_EQ(ws.header.fieldCount(), 2);
    EXPECT_EQ(ws.header.field(2).name, "Locality");
    EXPECT_EQ(ws.header.recordLength, 12);

    zt::writeFile(dir / "n.str", "   1  Plot\r\n");
    ui.expectMessage("Header has no information about Turboveg number!!!\rPlease export the table once more.",
                     "Program Info");
    EXPECT_FALSE(imp_head(ws, dir / "n.str", dir / "h.exp", ui));
    EXPECT_EQ(zt::readFile(ws.headerStructureFile()), "   1  Plot\r\n");
    EXPECT_EQ(zt::readFile(ws.headerValueFile()), std::string(12, ' ') + "\r\n" + std::string(12, ' ') + "\r\n");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(HeaderImport, CheckingTheChosenPair) {
    TempDir dir;
    zt::writeFile(dir / "data.str", kStr);
    zt::writeFile(dir / "data.exp", record(1001, "Alpha") + "\r\n");
    ScriptedInteraction ui;
    // Another case than the files on disk still finds them.
    const auto files = test_hlavicky(dir / "DATA.EXP", ui);
    ASSERT_TRUE(files);
    EXPECT_EQ(files->exp, dir / "data.exp");
    EXPECT_EQ(files->str, dir / "data.str");
    EXPECT_EQ(files->fieldLines.size(), 2u);

    const core::Table t = zt::tableFromCovers({{5, 5}});
    EXPECT_EQ(headerMatchMessage(countHeaderMatches(t, *files)), "1 of 1 header records belong to relevés of the table.");

    zt::writeFile(dir / "plain.str", "   1  Plot\r\n");
    zt::writeFile(dir / "plain.exp", "x\r\n");
    ui.expectMessage("Header file does not contain 'Relevé number' field!!! Header data cannot be connected "
                     "with the table.",
                     "Program Info");
    EXPECT_FALSE(test_hlavicky(dir / "plain.str", ui));
    EXPECT_SCRIPT_DONE(ui);

    EXPECT_TRUE(namesReleveNumberField("  12  Relev\x82 number"));
    EXPECT_TRUE(namesReleveNumberField("  12  Relev\xE9 number"));
    EXPECT_TRUE(namesReleveNumberField("  12  abcde"));
    EXPECT_FALSE(namesReleveNumberField("  12  releve number"));
}

TEST(HeaderImport, CommaSeparatedFileWidthsAndStartColumns) {
    core::Table t = zt::tableFromCovers({{5, 5, 5}});
    for (int k = 1; k <= 3; ++k) t.ReleveOrder[k].turbovegNumber = 100 + k;
    // The name is in the second column; the number is still taken from the first.
    const std::string csv = "Plot,Releve number,Altitude\r\n103,Short,12345\r\n101,Locality A,1200\r\n\r\n";
    const HeaderStoreContents store = buildCommaHeaderStore(t, csv);
    EXPECT_EQ(store.structure, "   1  Plot\r\n   5  Releve number\r\n  16  Altitude\r\n");
    ASSERT_EQ(store.values.size(), 3u * 23);
    EXPECT_EQ(slot(store.values, 1, 21), "101 Locality A 1200  ");
    EXPECT_EQ(slot(store.values, 2, 21), std::string(21, ' '));
    EXPECT_EQ(slot(store.values, 3, 21), "103 Short      12345 ");

    EXPECT_THROW(buildCommaHeaderStore(t, "Plot,Number\r\n101,1\r\n"), core::ZembuError);
}

TEST(HeaderImport, CommaSeparatedImportLeavesTheStoreWhenRefused) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zt::tableFromCovers({{5}});
    zt::writeFile(ws.headerStructureFile(), "keep");
    zt::writeFile(dir / "h.csv", "Plot,Altitude\n1001,200\n");
    ScriptedInteraction ui;
    ui.expectMessage("The first line of the file must contain the 'Releve number' field name!", "ZEMBU");
    EXPECT_FALSE(importCommaHeader(ws, dir / "h.csv", ui));
    EXPECT_EQ(zt::readFile(ws.headerStructureFile()), "keep");

    zt::writeFile(dir / "h.csv", "Relevé number,Altitude\n1001,200\n");
    ASSERT_TRUE(importCommaHeader(ws, dir / "h.csv", ui));
    EXPECT_EQ(zt::readFile(ws.headerValueFile()), "1001 200 \r\n");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(HeaderImport, RecordsLongerThanAnyExportAreRefusedBeforeTheStoreIsMade) {
    core::Table t = zt::tableFromCovers({{5, 5, 5}});
    ScriptedInteraction ui;
    // A first EXP line of 20,000 characters would make a store of that many per relevé.
    const std::string longExp = record(1001, "Alpha") + std::string(20000, 'x') + "\r\n";
    EXPECT_THROW(buildHeaderStore(t, kStr, longExp, ui), core::ZembuError);
    const std::string tenThousand = record(1001, "Alpha") + std::string(10000 - 12, 'x') + "\r\n";
    EXPECT_EQ(buildHeaderStore(t, kStr, tenThousand, ui).matched, 1);

    // Many field names make every comma-separated record as long as their count.
    std::string names = "Releve number";
    for (int j = 0; j < 12000; ++j) names += ",F";
    EXPECT_THROW(buildCommaHeaderStore(t, names + "\r\n1001\r\n1002,a,b\r\n"), core::ZembuError);
}

TEST(HeaderImport, CommaSeparatedFileWithAByteOrderMark) {
    core::Table t = zt::tableFromCovers({{5, 5}});
    const HeaderStoreContents store =
        buildCommaHeaderStore(t, "\xEF\xBB\xBFReleve number,Altitude\r\n1002,300\r\n1001,20\r\n");
    EXPECT_EQ(store.structure, "   1  Releve number\r\n   6  Altitude\r\n");
    EXPECT_EQ(store.matched, 2);
    EXPECT_EQ(slot(store.values, 1, 9), "1001 20  ");
    EXPECT_EQ(slot(store.values, 2, 9), "1002 300 ");
}
