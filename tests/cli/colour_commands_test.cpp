// zembu-cli colours, move, transform and abbreviations: the colour files,
// the block moves, the cover transformation and the abbreviation conversion
// of the menus on table files.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "cli_table_test.h"

using zembu::testing::CliRun;
using zembu::testing::columnRecords;
using zembu::testing::rowRecords;
using zembu::testing::runCli;
namespace core = zembu::core;

namespace {

class CliColours : public zembu::testing::CliTableTest {
protected:
    // Four relevés, relevés 2 and 4 red; three species, rows 1 and 3 blue. Row 1's
    // layer label holds the threshold 10 of the transformation.
    void SetUp() override {
        CliTableTest::SetUp();
        core::Table t = zembu::testing::tableFromCovers({{5, 20, 10, 0}, {1, 0, 1, 1}, {0, 3, 0, 3}});
        t.SpeciesLayerLabel[1] = "10";
        t.ReleveColour[2] = {0x0000FF, 1};
        t.ReleveColour[4] = {0x0000FF, 1};
        t.SpeciesColour[1] = {0xFF0000, 2};
        t.SpeciesColour[3] = {0xFF0000, 2};
        save(t, "t.vod");
    }
    static std::vector<int> releveColours(const core::Table& t) {
        std::vector<int> out;
        for (int32_t k = 1; k <= t.ReleveCount; ++k) out.push_back(t.ReleveColour[k].number);
        return out;
    }
};

}  // namespace

TEST_F(CliColours, ColourFilesCarryTheColoursOverARemoval) {
    CliRun run = runCli({"colours", file("t.vod"), "--save-releves", file("t.clr"), "--save-species", file("t.cls")});
    ASSERT_EQ(run.status, 0) << run.err;

    run = runCli({"colours", file("t.vod"), "-o", file("plain.vod"), "--remove", "all"});
    ASSERT_EQ(run.status, 0) << run.err;
    const core::Table plain = load("plain.vod");
    EXPECT_EQ(releveColours(plain), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(plain.SpeciesColour[1].number, 0);
    EXPECT_EQ(plain.SpeciesColour[3].number, 0);

    run = runCli({"colours", file("plain.vod"), "-o", file("back.vod"), "--load-releves", file("t.clr"),
                  "--load-species", file("t.cls")});
    ASSERT_EQ(run.status, 0) << run.err;
    const core::Table back = load("back.vod");
    EXPECT_EQ(releveColours(back), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(back.SpeciesColour[1].number, 2);
    EXPECT_EQ(back.SpeciesColour[2].number, 0);
    EXPECT_EQ(back.SpeciesColour[3].number, 2);

    // A file that cannot be read, a change without -o: refused, nothing written.
    run = runCli({"colours", file("plain.vod"), "-o", file("x.vod"), "--load-releves", file("missing.clr")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot be read"), std::string::npos) << run.err;
    run = runCli({"colours", file("plain.vod"), "--remove", "releves"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.vod"));
}

TEST_F(CliColours, BlockMovesGatherTheRowsAndRelevesOfTheColour) {
    // Left: the others of the colour join the first one; right: the last one.
    CliRun run = runCli({"move", file("t.vod"), "-o", file("l.vod"), "releves-left", "--colour", "red"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(columnRecords(load("l.vod")), (std::vector<int32_t>{1, 2, 4, 3}));
    run = runCli({"move", file("t.vod"), "-o", file("r.vod"), "releves-right", "--colour", "red"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(columnRecords(load("r.vod")), (std::vector<int32_t>{1, 3, 2, 4}));

    run = runCli({"move", file("t.vod"), "-o", file("u.vod"), "species-up", "--colour", "blue"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rowRecords(load("u.vod")), (std::vector<int32_t>{1, 3, 2}));
    run = runCli({"move", file("t.vod"), "-o", file("d.vod"), "species-down", "--colour", "blue"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rowRecords(load("d.vod")), (std::vector<int32_t>{2, 1, 3}));

    run = runCli({"move", file("t.vod"), "-o", file("x.vod"), "releves-left", "--colour", "all"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.vod"));
}

TEST_F(CliColours, TransformationMakesTwoCoversByTheThreshold) {
    const CliRun run = runCli({"transform", file("t.vod"), "-o", file("tr.vod")});
    ASSERT_EQ(run.status, 0) << run.err;
    const core::Table t = load("tr.vod");
    // Row 1, threshold 10: 5 % → 1 %, 20 % and 10 % → 2 %.
    EXPECT_EQ(core::coverPercent(t.coverAt(1, 1)), 1);
    EXPECT_EQ(core::coverPercent(t.coverAt(1, 2)), 2);
    EXPECT_EQ(core::coverPercent(t.coverAt(1, 3)), 2);
    EXPECT_EQ(t.coverAt(1, 4), 0);
    EXPECT_TRUE(core::checkInvariants(t).empty());
}

TEST_F(CliColours, AbbreviationsBecomeFullNamesByTheCheckList) {
    // Rows named by abbreviation; the check list in the default fixed layout.
    core::Table table = zembu::testing::tableFromCovers({{5}, {5}});
    table.SpeciesInfo[1].name = "Querpub";
    table.SpeciesInfo[2].name = "Xxxxyyy";
    save(table, "abbr.vod");
    zembu::testing::writeFile(dir / "list.txt", " 1000QuerpubQuercus pubescens                     \r\n");

    CliRun run = runCli({"abbreviations", file("abbr.vod"), "-o", file("full.vod"), "--checklist", file("list.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    const core::Table t = load("full.vod");
    EXPECT_EQ(t.SpeciesInfo[1].name, "Quercus pubescens");
    EXPECT_EQ(t.SpeciesLayerLabel[2].find("Abbreviation: Unknown") != std::string::npos, true);

    run = runCli({"abbreviations", file("abbr.vod"), "-o", file("x.vod"), "--checklist", file("none.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No correct check list was opened..."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.vod"));
}
