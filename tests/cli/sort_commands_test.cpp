#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli_runner.h"
#include "core/header_store.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

class CliSort : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ZEMBU_HOME", (dir / "home").c_str(), 1);
        zembu::core::Workspace ws(dir / "work");
        // Species 2 in two relevés, 3 left of 1; relevé 2 red.
        ws.table = zembu::testing::tableFromCovers({{0, 0, 5, 0}, {5, 0, 0, 5}, {0, 10, 0, 0}});
        ws.table.SpeciesInfo[1].name = "Carex sp.";
        ws.table.SpeciesInfo[2].name = "Abies alba";
        ws.table.SpeciesInfo[3].name = "Betula pendula";
        ws.table.ReleveColour[2] = {0x9999FF, 1};
        writeFile(ws.headerStructureFile(), "   1  Releve number\r\n   8  COMMUNITY\r\n");
        writeFile(ws.headerValueFile(), "  1001 Fagetum   \r\n  1002 Alnetum   \r\n  1003 Fagion    \r\n  1004 Querc.    \r\n");
        zembu::core::inichlava(ws);
        zembu::core::ScriptedInteraction ui;
        ASSERT_TRUE(zembu::core::savetabl(ws, ui, file()));
    }

    std::string file() const { return (dir / "t.vod").string(); }
    std::string out() const { return (dir / "out.vod").string(); }

    std::unique_ptr<zembu::core::Workspace> sorted() const {
        auto ws = std::make_unique<zembu::core::Workspace>(dir / "check");
        zembu::core::ScriptedInteraction ui;
        EXPECT_TRUE(zembu::core::loadTableFile(*ws, ui, out()));
        return ws;
    }

    TempDir dir;
};

TEST_F(CliSort, SpeciesByRelevesWithTheirKeys) {
    const CliRun run = runCli({"sort-species", file(), "-o", out(), "--by", "releves", "--keys"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto ws = sorted();
    std::string blanks;  // the rest of the key: 36 blanks
    for (int j = 0; j < 36; ++j) blanks += "20";
    EXPECT_EQ(ws->table.SpeciesInfo[1].name, "Abies alba");
    EXPECT_EQ(ws->table.SpeciesInfo[2].name, "Betula pendula");
    EXPECT_EQ(ws->table.SpeciesInfo[3].name, "Carex sp.");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "1\tAbies alba\t303030000002000003A5000000A5" + blanks);
    EXPECT_NE(run.out.find("written: " + out()), std::string::npos);
}

TEST_F(CliSort, SpeciesColoursByNameAndRefusals) {
    // White relevés only: Betula's relevé is red, so it has no occurrence.
    CliRun run = runCli({"sort-species", file(), "-o", out(), "--by", "releves", "--releve-colour", "white"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(sorted()->table.SpeciesInfo[3].name, "Betula pendula");

    // The table file goes with its companions: left alone, they would be
    // someone else's beside a new out.vod.
    for (const char* name : {"out.vod", "out.str", "out.exp"}) std::filesystem::remove(dir / name);
    run = runCli({"sort-species", file(), "-o", out(), "--by", "alphabetical", "--species-colour", "red"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Program Info: Please mark any species by selected colour!\n");
    EXPECT_FALSE(std::filesystem::exists(out()));

    run = runCli({"sort-species", file(), "-o", out(), "--by", "median", "--species-colour", "pink"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\"pink\" is no colour"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out()));

    run = runCli({"sort-species", file(), "-o", out(), "--by", "dependence", "--mds", "all", "--species-colour", "0"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(CliSort, RelevesByHeaderDataWithShortHeadAndSeparators) {
    const CliRun run = runCli({"sort-releves", file(), "-o", out(), "--by", "header", "--fields", "COMMUNITY",
                               "--short-head", "3", "--separators", "1", "--level", "2", "--keys"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto ws = sorted();
    std::vector<int32_t> records;
    for (int32_t k = 1; k <= 4; ++k) records.push_back(ws->table.ReleveOrder[k].record);
    EXPECT_EQ(records, (std::vector<int32_t>{2, 1, 3, 4}));
    EXPECT_EQ(ws->table.SeparatorAfter[1], 2);
    EXPECT_EQ(ws->table.SeparatorAfter[2], 0);
    EXPECT_EQ(ws->table.SeparatorAfter[3], 2);
    // The relevé colour went with the relevé.
    EXPECT_EQ(ws->table.ReleveColour[1].number, 1);
    EXPECT_EQ(run.out.substr(0, run.out.find('\t', 2)), "1\t2");

    const CliRun bad = runCli({"sort-releves", file(), "-o", out(), "--by", "header", "--fields", "ALTITUDE"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "zembu-cli: The table has no header field \"ALTITUDE\".\n");
}

TEST_F(CliSort, RelevesBySpeciesAndByHead) {
    CliRun run = runCli({"sort-releves", file(), "-o", out(), "--by", "species", "--releve-colour", "all"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<int32_t> records;
    for (int32_t k = 1; k <= 4; ++k) records.push_back(sorted()->table.ReleveOrder[k].record);
    // The relevé of the topmost row (Carex) first, then those of Abies, then Betula's.
    EXPECT_EQ(records, (std::vector<int32_t>{3, 1, 4, 2}));

    run = runCli({"sort-releves", file(), "-o", out(), "--by", "head-numeric", "--head", "turboveg",
                  "--releve-colour", "blue"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Program Info: Please mark any relevé by selected colour!\n");
}
