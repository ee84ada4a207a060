#include <gtest/gtest.h>

#include <cstdlib>

#include "cli_runner.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

class CliAnalysis : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ZEMBU_HOME", (dir / "home").c_str(), 1);
        zembu::core::Workspace ws(dir / "work");
        // Two species in half of four relevés, together; a third elsewhere.
        ws.table = zembu::testing::tableFromCovers({{10, 30, 0, 0}, {10, 5, 0, 0}, {0, 0, 20, 20}});
        ws.table.SpeciesInfo[1].name = "Abies alba";
        ws.table.SpeciesInfo[2].name = "Betula pendula";
        ws.table.SpeciesInfo[3].name = "Carex sp.";
        writeFile(ws.headerStructureFile(), "1 Releve number\r\n7 LATITUDE\r\n15 SLOPE\r\n19 ASPECT\r\n");
        writeFile(ws.headerValueFile(), "  1001 491230  20  45 \r\n  1002 491230  20  180\r\n"
                                        "  1003 4912    20  45 \r\n  1004 491230      45 \r\n");
        zembu::core::inichlava(ws);
        zembu::core::ScriptedInteraction ui;
        ASSERT_TRUE(zembu::core::savetabl(ws, ui, file()));
    }
    std::string file() const { return (dir / "t.vod").string(); }
    TempDir dir;
};

TEST_F(CliAnalysis, CocktailStatistics) {
    const CliRun run = runCli({"cocktail-stats", file(), "--species", "Abies alba", "Betula pendula"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1. O/E:     2/    3 =   0.67\n-------------------------------------------\n"
                       "2. O/E:     2/    1 =   2.00\nm\t2\n");
    const CliRun missing = runCli({"cocktail-stats", file(), "--species", "Quercus"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zembu-cli: The species Quercus is not in the table.\n");
}

TEST_F(CliAnalysis, SelectionByFormula) {
    const CliRun run = runCli({"select", file(), "--formula", "(<Abies alba UP20> AND <Betula pendula>) OR <Carex sp.>"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2\n3\n4\n");
    const CliRun refused = runCli({"select", file(), "--formula", "<Abies alba> AND <Betula pendula> OR <Carex sp.>"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "SYNTAX ERROR: Operators must be segregated by ()!!! Error is in the 1. hierarchical layer.\n");
}

TEST_F(CliAnalysis, IndicesIntoTheHead) {
    const CliRun shannon = runCli({"indices", file(), "--index", "shannon"});
    EXPECT_EQ(shannon.status, 0) << shannon.err;
    EXPECT_EQ(shannon.out, "1\t0.693\n2\t0.410\n3\t0.000\n4\t0.000\n");
    EXPECT_EQ(runCli({"indices", file(), "--index", "pielou"}).out, "1\t1.000\n2\t0.592\n3\t0.000\n4\t0.000\n");
    const CliRun heat = runCli({"indices", file(), "--index", "heatload", "--model", "3"});
    EXPECT_EQ(heat.status, 0);
    EXPECT_EQ(heat.err, "ZEMBU: Latitude has incorrect format!\n");
    const auto lines = zembu::core::splitLines(heat.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "3\t------");
    EXPECT_EQ(lines[3], "4\t------");
    EXPECT_NE(lines[0], lines[1]);  // aspects 45 and 180
    EXPECT_NE(runCli({"indices", file(), "--index", "radiation", "--model", "4"}).status, 0);
}

TEST_F(CliAnalysis, IndicatorMeans) {
    const auto record = [](const std::string& number, const std::string& name, const std::string& values) {
        return zembu::core::leftJustify(number, 5) + zembu::core::leftJustify(name, 40) +
               zembu::core::leftJustify(values, 12) + "\r\n";
    };
    writeFile(dir / "ellenberg.txt", record("1", "Abies alba", " 7 3") + record("2", "Betula pendula", " 5 x") +
                                         record("3", "Carex", " 2 2"));
    const CliRun byNumber = runCli({"indicator-means", file(), "--table", (dir / "ellenberg.txt").string()});
    EXPECT_EQ(byNumber.status, 0) << byNumber.err;
    const std::string zeros = "\t0.000\t0.000\t0.000\t0.000\n";
    EXPECT_EQ(byNumber.out, "1\t6.000\t3.000" + zeros + "2\t6.000\t3.000" + zeros + "3\t2.000\t2.000" + zeros +
                                "4\t2.000\t2.000" + zeros);
    // By name "Carex" is not "Carex sp.": relevés 3 and 4 keep their means.
    const CliRun byName = runCli({"indicator-means", file(), "--table", (dir / "ellenberg.txt").string(), "--by", "name"});
    EXPECT_EQ(zembu::core::splitLines(byName.out)[2], "3\t0.000\t0.000\t0.000\t0.000\t0.000\t0.000");
    EXPECT_EQ(runCli({"indicator-means", file(), "--table", (dir / "none.txt").string()}).status, 1);
}

TEST_F(CliAnalysis, BealsExport) {
    const std::string out = (dir / "beals.txt").string();
    const CliRun run = runCli({"beals", file(), "--limit", "0.5", "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(zembu::testing::readFile(out),
              "1001;1;6;2\r\n1001;2;6;2\r\n1002;1;6;2\r\n1002;2;6;2\r\n1003;3;6;2\r\n1004;3;6;2\r\n");
    EXPECT_EQ(runCli({"beals", file(), "--limit", "0", "--colour", "3", "-o", out}).status, 0);
    EXPECT_EQ(zembu::testing::readFile(out), "");
    EXPECT_NE(runCli({"beals", file(), "--limit", "1.5", "-o", out}).status, 0);
}
