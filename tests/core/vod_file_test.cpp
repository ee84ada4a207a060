#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/vod_format.h"
#include "generator/generator.h"
#include "support/test_support.h"
#include "vod_test_util.h"

using namespace zembu::core;
using zembu::generator::GeneratorOptions;
using zembu::testing::Bytes;
using zembu::testing::expectSameTable;
using zembu::testing::handMadeTableFile;
using zembu::testing::LayoutOptions;
using zembu::testing::readFile;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

// A small table with a formally deleted row, a marked name, a group,
// separators, colours, indicator values and notes.
Table smallTable() {
    Table t = zembu::testing::tableFromCovers({{5, 0, 95}, {0, 2, 0}, {10, 10, 10}});
    t.SpeciesCount = 2;  // row 3 is formally deleted
    t.SpeciesInfo[1].name = "(S) Festuca rubra";
    t.SpeciesInfo[2].name = "Carex humilis";
    t.SpeciesLayer[2] = 9;
    t.SpeciesLayerLabel[1] = "6 - Herb";
    t.SpeciesSeparatorAfter[1] = 2;
    t.SpeciesColour[2] = {0xDD0000, 2};
    t.SpeciesNote[2] = "sedge";
    t.SpeciesIndicator[1] = {"7", "x", "", "12", "3", "1"};
    t.ReleveColour[2] = {0x9999FF, 1};
    t.SeparatorAfter[1] = 1;
    t.ReleveIndicatorMean[3] = {1, -2, 3, 4000, 5, 6};
    t.SpeciesGroups.push_back({"Dry grassland", {{"Festuca rubra", Variant::ofLong(1)}, {"Carex humilis", Variant::ofLong(2)}}});
    return t;
}

TableFileContents readBytes(const TempDir& dir, const std::string& bytes, int32_t maxReleves = 30000,
                            int32_t maxSpecies = 5000) {
    writeFile(dir / "t.vod", bytes);
    return readBinaryTableFile(dir / "t.vod", maxReleves, maxSpecies);
}

void expectFormatError(const TempDir& dir, const std::string& bytes, const std::string& what) {
    try {
        readBytes(dir, bytes, 50, 50);
        ADD_FAILURE() << what << ": the damaged file was read";
    } catch (const ZembuError& e) {
        EXPECT_STREQ(e.what(), "File format is not correct!!!") << what;
        EXPECT_EQ(e.title(), "ZEMBU") << what;
    }
}

}  // namespace

TEST(TableFile, WritesTheLayoutByteForByte) {
    const Table t = smallTable();
    const std::vector<std::string> journal = {"DDD", "Carex humilis", "***"};
    EXPECT_EQ(tableFileBytes(t, journal), handMadeTableFile(t, journal));
    // A relevé without species: length 0 and an empty string variant (8, 0).
    const Table empty = zembu::testing::tableFromCovers({{0, 5}});
    const std::string bytes = tableFileBytes(empty, {});
    EXPECT_NE(bytes.find(std::string("0005\0\0\0\0\x08\0\0\0", 12)), std::string::npos);
}

TEST(TableFile, GeneratedTablesRoundTripArrayByArray) {
    TempDir dir;
    for (uint64_t seed : {1, 2, 3}) {
        GeneratorOptions options = zembu::generator::withAllContents({});
        options.releves = 150;
        options.species = 220;
        options.seed = seed;
        const Table table = zembu::generator::generateTable(options);
        ASSERT_TRUE(checkInvariants(table).empty());
        const std::vector<std::string> journal = zembu::generator::generateJournal(options, table);
        writeTableFile(dir / "g.vod", table, journal);
        const TableFileContents read = readBinaryTableFile(dir / "g.vod", 30000, 5000);
        expectSameTable(table, read.table);
        EXPECT_EQ(read.journal, journal);
        EXPECT_TRUE(read.hasJournal);
        EXPECT_EQ(read.version, "ve64");
    }
}

TEST(TableFile, ReadsTextsAsTheyAreKept) {
    TempDir dir;
    Table t = smallTable();
    t.SpeciesInfo[2].name = "(S) (S) Carex humilis";  // a mark written twice is kept once
    t.SpeciesIndicator[1][0] = " 7";
    const TableFileContents read = readBytes(dir, handMadeTableFile(t, {"line with blanks   "}));
    EXPECT_EQ(read.table.SpeciesInfo[1].name, "(S) Festuca rubra");
    EXPECT_EQ(read.table.SpeciesInfo[2].name, "(S) Carex humilis");
    EXPECT_EQ(read.table.SpeciesMark[1], 'S');
    EXPECT_EQ(read.table.SpeciesMark[3], '\0');
    EXPECT_EQ(read.table.SpeciesLayerLabel[1], "6 - Herb");
    EXPECT_EQ(read.table.SpeciesLayerLabel[2], "   ");
    EXPECT_EQ(read.table.SpeciesIndicator[1][0], "7");
    EXPECT_EQ(read.journal, std::vector<std::string>{"line with blanks"});
    // Formally deleted rows lose their colours.
    Table coloured = smallTable();
    coloured.SpeciesColour[3] = {0xDD0000, 2};
    EXPECT_EQ(readBytes(dir, handMadeTableFile(coloured, {})).table.SpeciesColour[3], (ColourEntry{0, 0}));
}

TEST(TableFile, OlderVersionsReadToTheSameTable) {
    TempDir dir;
    const Table t = smallTable();
    const Table current = readBytes(dir, handMadeTableFile(t, {"x"})).table;

    // "ve63": shorts in "0009".
    LayoutOptions ve63;
    ve63.version = "ve63";
    expectSameTable(current, readBytes(dir, handMadeTableFile(t, {"x"}, ve63)).table);

    // No "0020" and no "0021": an empty journal, no relevé separators.
    LayoutOptions bare;
    bare.separators = false;
    bare.journal = false;
    const TableFileContents noJournal = readBytes(dir, handMadeTableFile(t, {"x"}, bare));
    EXPECT_FALSE(noJournal.hasJournal);
    EXPECT_TRUE(noJournal.journal.empty());
    EXPECT_EQ(noJournal.table.SeparatorAfter[1], 0);

    // "ve62": no notes; before "ve62": no labels and species separators;
    // "0006" species records with names of 38 characters.
    LayoutOptions ve62;
    ve62.version = "ve62";
    EXPECT_EQ(readBytes(dir, handMadeTableFile(t, {}, ve62)).table.SpeciesNote[2], "");
    LayoutOptions ve51;
    ve51.version = "ve51";
    ve51.speciesTagA006 = false;
    Table longName = t;
    longName.SpeciesInfo[2].name = std::string(45, 'n');
    const Table old = readBytes(dir, handMadeTableFile(longName, {}, ve51)).table;
    EXPECT_EQ(old.SpeciesInfo[2].name, std::string(38, 'n'));
    EXPECT_EQ(old.SpeciesLayerLabel[1], "   ");
    EXPECT_EQ(old.SpeciesSeparatorAfter[1], 0);
    EXPECT_EQ(old.SpeciesData, current.SpeciesData);
}

TEST(TableFile, SpeciesInTwentyThousandRelevesRoundTrips) {
    TempDir dir;
    Table t;
    const int32_t n = 20000;
    t.ReleveCount = t.ReleveRecordCount = n;
    t.SpeciesCount = t.SpeciesRecordCount = 2;
    for (int32_t i = 1; i <= 2; ++i) {
        t.SpeciesInfo[i] = {i, "Species " + std::to_string(i), i};
        t.SpeciesLayerLabel[i] = "   ";
    }
    for (int32_t k = 1; k <= n; ++k) {
        t.ReleveOrder[k] = {k, k};
        appendCell(t.ReleveData[k], 1, coverByte(1 + k % 95));
        if (k % 3 == 0) appendCell(t.ReleveData[k], 2, coverByte(3));
    }
    t.tvorbadruhu();
    t.rebuildRowOfRecord();
    t.recountFrequencies();
    ASSERT_EQ(t.SpeciesData[1].size(), 80000u);

    writeTableFile(dir / "long.vod", t, {});
    const std::string bytes = readFile(dir / "long.vod");
    // Length 80000, then the string variant with the long form: 8, 0xFFFF, 80000.
    EXPECT_NE(bytes.find(Bytes().i32(80000).i16(8).i16(-1).i32(80000).data), std::string::npos);
    expectSameTable(t, readBinaryTableFile(dir / "long.vod", 30000, 5000).table);
}

TEST(TableFile, RefusesDamagedFiles) {
    TempDir dir;
    const Table t = smallTable();
    const std::string good = handMadeTableFile(t, {"a", "b"});
    ASSERT_NO_THROW(readBytes(dir, good));

    for (size_t length = 0; length < good.size(); ++length)
        expectFormatError(dir, good.substr(0, length), "cut to " + std::to_string(length) + " bytes");

    std::string wrongTag = good;
    wrongTag.replace(wrongTag.find("0007"), 4, "0070");
    expectFormatError(dir, wrongTag, "wrong tag");
    expectFormatError(dir, "ve65" + good.substr(4), "unknown version");

    expectFormatError(dir, Bytes().tag("ve64").tag("0002").i32(-1).i32(-1).tag("0003").i32(0).i32(0).data + good.substr(28),
                      "negative counts");
    // A string length far beyond the file.
    std::string longLength = good;
    const size_t cells = longLength.find("0005") + 4;
    longLength.replace(cells, 4, Bytes().i32(0x7FFFFFF0).data);
    expectFormatError(dir, longLength, "string length beyond the file");

    // A cell naming a species record the table does not have.
    Table outside = t;
    outside.ReleveData[1].replace(0, 3, kod(4));
    expectFormatError(dir, handMadeTableFile(outside, {}), "cell code outside the table");
    Table badCover = t;
    badCover.ReleveData[1][3] = static_cast<char>(160);
    badCover.tvorbadruhu();
    expectFormatError(dir, handMadeTableFile(badCover, {}), "cover byte 160");
    Table badLayer = t;
    badLayer.SpeciesLayer[1] = 12;
    expectFormatError(dir, handMadeTableFile(badLayer, {}), "layer 12");
}

TEST(TableFile, CapacityMessagesComeBeforeAnyData) {
    TempDir dir;
    const std::string good = handMadeTableFile(smallTable(), {});
    try {
        readBytes(dir, good, 30000, 2);
        ADD_FAILURE();
    } catch (const ZembuError& e) {
        EXPECT_STREQ(e.what(),
                     "The number of species (with formally deleted records) is  3.\rIt exeeds the limit (2). "
                     "Please change limits and try to import data once more.");
        EXPECT_EQ(e.title(), "Program Info");
    }
    try {
        readBytes(dir, Bytes().tag("ve64").tag("0002").i32(2000000).i32(2000000).tag("0003").i32(0).i32(0).data);
        ADD_FAILURE();
    } catch (const ZembuError& e) {
        EXPECT_STREQ(e.what(),
                     "The number of relevés is  2000000.\rIt exeeds the limit (30000). "
                     "Please change limits and try to import data once more.");
        EXPECT_EQ(e.title(), "Program Info");
    }
}

TEST(TableFile, RandomDamageNeverBreaksTheReader) {
    TempDir dir;
    GeneratorOptions options = zembu::generator::withAllContents({});
    options.releves = 12;
    options.species = 20;
    options.speciesPerReleve = 5;
    const Table table = zembu::generator::generateTable(options);
    const std::string good = tableFileBytes(table, {"j"});
    uint64_t state = 42;
    for (int round = 0; round < 400; ++round) {
        std::string damaged = good;
        for (int flips = 0; flips < 3; ++flips) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            damaged[(state >> 33) % damaged.size()] = static_cast<char>(state >> 56);
        }
        try {
            const TableFileContents read = readBytes(dir, damaged, 50, 50);
            EXPECT_TRUE(checkInvariants(read.table).empty());
        } catch (const ZembuError&) {
        }
    }
}

TEST(TableFile, ReadsTheTextForm) {
    TempDir dir;
    const std::string cover5 = std::string(1, coverByte(5)), cover60 = std::string(1, coverByte(60));
    std::string text =
        "--- Soubor fytocenologicke tabulky programu VOD ---\r\n"
        "- Pocet snimku -\r\n2,2\r\n"
        "- Pocet druhu -\r\n2,2\r\n"
        "- Ulozeni cisel snimku -\r\n1,501\r\n2,502\r\n"
        "- Ulozeni tabulky -\r\n"
        "2\r\n1\r\n" + cover5 + "\r\n2\r\n" + cover60 + "\r\n"
        "1\r\n2\r\n" + cover5 + "\r\n"
        "1\r\n1\r\n" + cover5 + "\r\n"
        "2\r\n1\r\n" + cover60 + "\r\n2\r\n" + cover5 + "\r\n"
        "- Ulozeni jmen druhu -\r\n"
        "11\r\nFestuca rubra, s.l.\r\n1\r\n1\r\n"
        "12\r\n\"Carex humilis\"\r\n2\r\n2\r\n"
        "- Ulozeni barev snimku -\r\n16777215,0\r\n10066431,1\r\n"
        "- Ulozeni barev druhu -\r\n0,0\r\n0,0\r\n"
        "- Ulozeni poctu prvku -\r\n1\r\n2\r\n"
        "- Ulozeni patrovitosti zaznamu -\r\n6\r\n9\r\n"
        "- Ulozeni poctu skupin -\r\n1\r\n"
        "- Ulozeni jednotlivych skupin -\r\nGrassland\r\n1\r\nFestuca rubra, s.l.\r\n11\r\n";
    writeFile(dir / "t.txt", text + "- Ellenberg -\r\n7,x,,1,2,3\r\n1,2,3,4,5,6\r\n1,2,3,4,5,6\r\n6,5,4,3,2,1\r\n");
    const TableFileContents read = readTableFile(dir / "t.txt", 30000, 5000);
    const Table& t = read.table;
    EXPECT_EQ(read.version, "text");
    EXPECT_EQ(t.ReleveCount, 2);
    EXPECT_EQ(t.ReleveOrder[2].turbovegNumber, 502);
    EXPECT_EQ(t.SpeciesInfo[1].name, "Festuca rubra, s.l.");
    EXPECT_EQ(t.SpeciesInfo[2].name, "Carex humilis");
    EXPECT_EQ(t.SpeciesLayer[2], 9);
    EXPECT_EQ(t.coverAt(2, 2), coverByte(5));
    EXPECT_EQ(t.ReleveColour[2], (ColourEntry{10066431, 1}));
    EXPECT_EQ(t.SpeciesFrequency[2], 2);
    ASSERT_EQ(t.SpeciesGroups.size(), 1u);
    EXPECT_EQ(t.SpeciesGroups[0].members[0].value, Variant::ofLong(11));
    EXPECT_EQ(t.SpeciesIndicator[1], (IndicatorValues{"7", "x", "", "1", "2", "3"}));
    EXPECT_EQ(t.ReleveIndicatorMean[2], (IndicatorMeans{6, 5, 4, 3, 2, 1}));

    writeFile(dir / "end.txt", text + "- Konec souboru -\r\n");
    EXPECT_EQ(readTableFile(dir / "end.txt", 30000, 5000).table.SpeciesIndicator[1][0], "");

    const auto message = [&](const std::string& content) {
        writeFile(dir / "bad.txt", content);
        try {
            readTableFile(dir / "bad.txt", 30000, 5000);
        } catch (const ZembuError& e) {
            return std::string(e.what()) + " / " + e.title();
        }
        return std::string("read");
    };
    EXPECT_EQ(message(text + "- Konec -\r\n"), "File was incorrectly saved!!! / ZEMBU");
    EXPECT_EQ(message(text.substr(0, text.size() / 2)), "File was incorrectly saved!!! / ZEMBU");
    EXPECT_EQ(message("--- Soubor tabulky ---\r\n" + text.substr(text.find('\n') + 1)),
              "File format is not correct!!! / ZEMBU");
}
