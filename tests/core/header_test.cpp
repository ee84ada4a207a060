#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/header_export.h"
#include "core/header_store.h"
#include "core/short_head.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::testing::readFile;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

// Three relevés (TURBOVEG numbers 1001..1003) with header records.
void loadSmallStore(Workspace& ws, const std::string& lineEnd = "\r\n") {
    ws.table = zembu::testing::tableFromCovers({{5, 5, 5}});
    writeFile(ws.headerStructureFile(), "   1  Relev\xE9 number\r\n   8  LATITUDE\r\n  15  ALTITUDE\r\n");
    writeFile(ws.headerValueFile(), "  1001 491230 450 " + lineEnd + "  1002 485959 1210" + lineEnd +
                                        "  9999            " + lineEnd);
    inichlava(ws);
}

}  // namespace

TEST(HeaderStore, LoadsFieldsWidthsAndRecords) {
    TempDir dir;
    Workspace ws(dir.path());
    loadSmallStore(ws);
    const HeaderStore& h = ws.header;
    ASSERT_EQ(h.fieldCount(), 3);
    EXPECT_EQ(h.field(2), (HeaderField{8, "LATITUDE"}));
    EXPECT_EQ(h.recordLength, 18);
    EXPECT_EQ(h.fieldWidth(1), 7);
    EXPECT_EQ(h.fieldWidth(3), 4);
    EXPECT_EQ(h.releveNumberField(), 1);

    HeaderValueFile values(ws.headerValueFile(), h);
    EXPECT_EQ(values.recordCount(), 3);
    EXPECT_EQ(h.fieldText(*values.record(2), 3), "1210");
    EXPECT_EQ(h.fieldText(*values.record(1), 2), "491230 ");
    EXPECT_FALSE(values.record(4).has_value());

    // A value file written with LF line ends.
    loadSmallStore(ws, "\n");
    EXPECT_EQ(ws.header.lineEndLength, 1);
    HeaderValueFile lf(ws.headerValueFile(), ws.header);
    EXPECT_EQ(ws.header.fieldText(*lf.record(2), 1), "  1002 ");

    // Missing files: an empty store.
    removeFileQuietly(ws.headerStructureFile());
    removeFileQuietly(ws.headerValueFile());
    inichlava(ws);
    EXPECT_TRUE(ws.header.empty());
    EXPECT_EQ(ws.header.recordLength, 0);
}

TEST(HeaderStore, RecognisesTheReleveNumberField) {
    for (const char* name : {"Releve number", "Releve Number", "Relev\x82 number", "Relev\xE9 number", "xabcdex"})
        EXPECT_TRUE(isReleveNumberFieldName(name)) << name;
    EXPECT_FALSE(isReleveNumberFieldName("releve number"));
}

TEST(HeadModes, NumbersRightJustifiedInSix) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 5, 5}});
    Table& t = ws.table;
    std::swap(t.ReleveOrder[1], t.ReleveOrder[3]);  // after a sort: records 3, 2, 1
    t.ReleveOrder[2].turbovegNumber = 1234567;

    relanum_Click(ws);
    EXPECT_TRUE(ws.undo.available);
    EXPECT_EQ(t.ReleveHead[3], "     3");
    EXPECT_EQ(ws.display.headLines[0], "321");  // head line 1 holds the last character
    EXPECT_EQ(ws.display.headLines[5], "   ");
    EXPECT_EQ(ws.headCaption, "Running number:");

    sequnumb_Click(ws);
    EXPECT_EQ(t.ReleveHead[3], "     1");  // the record in column 1
    EXPECT_EQ(ws.display.headLines[0], "123");
    EXPECT_EQ(ws.headCaption, "Sequence number:");
    EXPECT_TRUE(ws.menuChecks["sequnumb_Click"]);
    EXPECT_FALSE(ws.menuChecks["relanum_Click"]);

    turbnum_Click(ws);
    EXPECT_EQ(t.ReleveHead[2], "234567");  // seven digits keep the last six
    EXPECT_EQ(ws.display.headLines[5], " 2 ");
    EXPECT_EQ(ws.headMode, 2);
    EXPECT_EQ(ws.headCaption, "TURBOVEG number:");
    EXPECT_EQ(numericHeadValue(-5), "    -5");
    EXPECT_EQ(headText("-12.345"), "12.345");
    EXPECT_EQ(headText("0.5"), "   0.5");
    EXPECT_EQ(headText(""), "      ");
}

TEST(ShortHeadFile, ReadsTheLayoutAndSetsTheHead) {
    TempDir dir;
    Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{5, 5, 5}});
    writeFile(dir / "short.txt",
              "!-rel.-!  !head 1!  !head 2!\r\n"
              "!------!  !------!  !------!\r\n"
              "    1001  Fagion    12\r\n"
              "\r\n"
              "    1003  Carpinion-betuli\r\n");
    const ShortHeadFile file = readShortHeadFile(dir / "short.txt");
    ASSERT_EQ(file.columns, (std::vector<std::string>{"head 1", "head 2"}));
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[1].values[0], "Carpinion-");  // a value ends where the next column starts
    EXPECT_EQ(file.rows[1].values[1], "betuli");

    EXPECT_EQ(applyShortHeadFile(ws, file, 0), 2);
    EXPECT_EQ(ws.table.ReleveHead[1], "Fagion");
    EXPECT_EQ(ws.table.ReleveHead[2], "      ");
    EXPECT_EQ(ws.table.ReleveHead[3], "Carpin");
    EXPECT_EQ(ws.headCaption, "Short head:");
    EXPECT_FALSE(ws.menuChecks["relanum_Click"]);

    for (const char* bad : {"!-rel.-!  !head 2!\r\n!------!  !------!\r\n",
                            "!-rel.-!  !head 1!\r\n!------!\r\n",
                            "!-rel.-!  !head 1!\r\n!------!  !------!\r\n  abc  x\r\n",
                            "relevé   head\r\n"}) {
        writeFile(dir / "bad.txt", bad);
        try {
            readShortHeadFile(dir / "bad.txt");
            ADD_FAILURE() << bad;
        } catch (const ZembuError& e) {
            EXPECT_STREQ(e.what(), "The file has incorrect structure!");
            EXPECT_EQ(e.title(), "Program Info");
        }
    }
}

TEST(ShortHeadFile, ReleveNumbersBeyondTheRangeAreRefusedNotWrapped) {
    TempDir dir;
    // A relevé number of ten digits is no relevé of any table.
    writeFile(dir / "long.txt", "!-rel.-!  !head 1!\r\n!------!  !------!\r\n9999999999Fagion\r\n");
    try {
        readShortHeadFile(dir / "long.txt");
        ADD_FAILURE() << "read";
    } catch (const ZembuError& e) {
        EXPECT_STREQ(e.what(), "The relevé number 9999999999 in line 3 is no relevé number of this program.");
    }
    writeFile(dir / "edge.txt", "!-rel.-!  !head 1!\r\n!------!  !------!\r\n2147483647Fagion\r\n");
    EXPECT_EQ(readShortHeadFile(dir / "edge.txt").rows.at(0).releveNumber, 2147483647);
}

TEST(HeaderExport, WritesTheRelevesOfOneColour) {
    TempDir dir;
    Workspace ws(dir.path());
    loadSmallStore(ws);
    ws.table.SeparatorAfter[1] = 1;
    ws.table.ReleveColour[3] = {0x9999FF, 1};
    EXPECT_EQ(exportHeader(ws, dir / "hlava.txt", 0), 2);
    EXPECT_EQ(readFile(dir / "hlava.txt"),
              "Sequence No;Turboveg No;Group No;Relev\xE9 number;LATITUDE;ALTITUDE;\r\n"
              "1;1001;1;1001;49.2083;450;\r\n"
              "2;1002;2;1002;48.9997;1210;\r\n");
    EXPECT_EQ(exportHeader(ws, dir / "red.txt", 1), 1);
    EXPECT_EQ(readFile(dir / "red.txt").substr(readFile(dir / "red.txt").find('\n') + 1), "3;1003;2;9999;;;\r\n");

    EXPECT_EQ(coordinateText("0163012"), "16.5033");
    EXPECT_EQ(coordinateText("49.5"), "49.5000");
    EXPECT_EQ(coordinateText("4930S"), "-49.5000");
    EXPECT_EQ(coordinateText("unknown"), "unknown");
}
