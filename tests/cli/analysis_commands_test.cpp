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

TEST_F(CliAnalysis, HeadsOfTheHeadMenu) {
    const auto head = [&](std::vector<std::string> by, std::vector<std::string> more = {}) {
        std::vector<std::string> args{"head", file(), "--by"};
        args.insert(args.end(), by.begin(), by.end());
        args.insert(args.end(), more.begin(), more.end());
        return runCli(args);
    };
    // Every species is black: the species colour's default.
    const CliRun count = head({"count"});
    EXPECT_EQ(count.status, 0) << count.err;
    EXPECT_EQ(count.out, "1\t2\n2\t2\n3\t1\n4\t1\n");
    EXPECT_EQ(head({"sum"}).out, "1\t20\n2\t35\n3\t20\n4\t20\n");
    EXPECT_EQ(head({"average"}).out, "1\t10.0\n2\t17.5\n3\t20.0\n4\t20.0\n");
    EXPECT_EQ(head({"pass"}).out, "1\t100.0\n2\t100.0\n3\t100.0\n4\t100.0\n");
    EXPECT_EQ(head({"species-data", "minimum"}).out, "1\t10\n2\t5\n3\t20\n4\t20\n");
    EXPECT_EQ(head({"species-data", "maximum"}).out, "1\t10\n2\t30\n3\t20\n4\t20\n");
    // The index heads print what "indices" prints.
    EXPECT_EQ(head({"shannon"}).out, runCli({"indices", file(), "--index", "shannon"}).out);
    EXPECT_EQ(head({"evenness", "pielou"}).out, runCli({"indices", file(), "--index", "pielou"}).out);
    EXPECT_EQ(head({"evenness", "evar"}).out, runCli({"indices", file(), "--index", "evar"}).out);
    const CliRun heat = head({"heat-load", "3"});
    EXPECT_EQ(heat.out, runCli({"indices", file(), "--index", "heatload", "--model", "3"}).out);
    EXPECT_EQ(heat.err, "ZEMBU: Latitude has incorrect format!\n");
    EXPECT_EQ(head({"radiation", "1"}).out, runCli({"indices", file(), "--index", "radiation", "--model", "1"}).out);

    // Refusals: a message, no output, a non-zero exit.
    const CliRun none = head({"count"}, {"--species-colour", "red"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "Program Info: No species is selected!!!\n");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"species-data"}, {"species-data", "median"}, {"evenness"},
                                               {"heat-load", "4"}, {"indicator", "salinity"}, {"count", "2"},
                                               {"richness"}}) {
        const CliRun refused = head(bad);
        EXPECT_EQ(refused.status, 1) << bad[0];
        EXPECT_EQ(refused.out, "");
        EXPECT_TRUE(refused.err.starts_with("zembu-cli: ")) << refused.err;
    }
    EXPECT_EQ(head({"count"}, {"--species-colour", "pink"}).status, 1);
}

TEST_F(CliAnalysis, IndicatorHeadAndTheExportsOfMeans) {
    const auto record = [](const std::string& number, const std::string& name, const std::string& values) {
        return zembu::core::leftJustify(number, 5) + zembu::core::leftJustify(name, 40) +
               zembu::core::leftJustify(values, 12);
    };
    // LF line ends and a stray byte at the end: read, with a warning.
    const std::string table = (dir / "ellenberg.txt").string();
    writeFile(table, record("1", "Abies alba", " 7 3") + "\n" + record("2", "Betula pendula", " 5 x") + "\n" +
                         record("3", "Carex", " 2 2") + "\n" + "\x1a");
    const CliRun light = runCli({"head", file(), "--by", "indicator", "light", "--indicator-table", table});
    EXPECT_EQ(light.status, 0) << light.err;
    EXPECT_EQ(light.out, "1\t6.0\n2\t6.0\n3\t2.0\n4\t2.0\n");
    EXPECT_EQ(light.err, "Program Info: The last 1 bytes of " + table +
                             " (from byte 175 on) are not a whole record of the indicator table and were not read.\n");
    EXPECT_EQ(runCli({"head", file(), "--by", "indicator", "2", "--indicator-table", table}).out,
              "1\t3.0\n2\t3.0\n3\t2.0\n4\t2.0\n");

    const std::string ecol = (dir / "ecol.txt").string();
    const CliRun plain = runCli({"indicator-means", file(), "--table", table, "--export", ecol});
    EXPECT_EQ(plain.status, 0) << plain.err;
    const std::string rest = "Continentality; No of species with nonzero value;Moisture; No of species with nonzero "
                             "value;Soil Reaction; No of species with nonzero value;Nutrients; No of species with "
                             "nonzero value\r\n";
    EXPECT_EQ(zembu::testing::readFile(ecol),
              "Releve No; No of all species; Shannon-Wiener Index;Light; No of species with nonzero value;"
              "Temperature; No of species with nonzero value;" + rest +
                  "1001;2;0.69;6.00;2;3.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1002;2;0.41;6.00;2;3.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1003;1;0;2.00;1;2.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1004;1;0;2.00;1;2.00;1;0;0;0;0;0;0;0;0\r\n");
    EXPECT_EQ(runCli({"indicator-means", file(), "--table", table, "--export", ecol, "--groups"}).status, 0);
    EXPECT_EQ(zembu::testing::readFile(ecol),
              "Group No; Releve No; No of all species; Light; No of species with nonzero value;"
              "Temperature; No of species with nonzero value;" + rest +
                  "1;1001;2;6.00;2;3.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1;1002;2;6.00;2;3.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1;1003;1;2.00;1;2.00;1;0;0;0;0;0;0;0;0\r\n"
                  "1;1004;1;2.00;1;2.00;1;0;0;0;0;0;0;0;0\r\n");
    // Only the relevés of a colour; a colour no relevé has gives the heading alone.
    EXPECT_EQ(runCli({"indicator-means", file(), "--table", table, "--export", ecol, "--releve-colour", "red"}).status, 0);
    EXPECT_EQ(zembu::core::splitLines(zembu::testing::readFile(ecol)).size(), 1u);
    EXPECT_NE(runCli({"indicator-means", file(), "--groups"}).status, 0);  // --groups needs --export
    EXPECT_EQ(runCli({"indicator-means", file(), "--export", (dir / "no" / "ecol.txt").string()}).status, 1);
}
