#include <gtest/gtest.h>

#include <cstdlib>

#include "cli_runner.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;
using zembu::testing::TempDir;

class CliSynoptic : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ZEMBU_HOME", (dir / "home").c_str(), 1);
        // Two groups of three relevés divided by a level-2 separator.
        zembu::core::Workspace ws(dir / "work");
        ws.table = zembu::testing::tableFromCovers({{5, 10, 20, 0, 0, 0}, {1, 1, 1, 1, 1, 30}});
        ws.table.SeparatorAfter[3] = 2;
        zembu::core::ScriptedInteraction ui;
        ASSERT_TRUE(zembu::core::savetabl(ws, ui, file()));
    }
    std::string file() const { return (dir / "t.vod").string(); }
    TempDir dir;
};

TEST_F(CliSynoptic, PrintsTheSynopticTableOfAFile) {
    const CliRun run = runCli({"synoptic", file(), "--type", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Species 1\t6\t100\t.\nSpecies 2\t6\t100\t100\n");
    // The hierarchy at level 1 makes the level-2 separator no boundary.
    EXPECT_EQ(runCli({"synoptic", file(), "--type", "1", "--hierarchy", "--level", "1"}).out,
              "Species 1\t6\t50\nSpecies 2\t6\t100\n");
    const CliRun combined = runCli({"synoptic", file(), "--type", "combined", "--form", "4", "--kind", "0"});
    EXPECT_EQ(combined.out, "Species 1\t6\t100.0\t100\t  ---\t.\nSpecies 2\t6\t  ---\t100\t  ---\t100\n");
    // Run after run the same output.
    EXPECT_EQ(runCli({"synoptic", file(), "--type", "4", "--fisher", "1.3"}).out,
              runCli({"synoptic", file(), "--type", "4", "--fisher", "1.3"}).out);
}

TEST_F(CliSynoptic, PrintsTheUniquenessOfAGroup) {
    const CliRun run = runCli({"uniqueness", file(), "--group", "1", "--cut", "10"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Uniqueness\t1\n1\t100.0\t2.0\n2\t0.0\t1.0\n");
    const CliRun missing = runCli({"uniqueness", file(), "--group", "3", "--cut", "10"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zembu-cli: The table has no group 3\n");
}

TEST_F(CliSynoptic, RefusesMissingFilesAndUnknownTypes) {
    EXPECT_EQ(runCli({"synoptic", (dir / "none.vod").string(), "--type", "1"}).status, 1);
    EXPECT_NE(runCli({"synoptic", file(), "--type", "12"}).status, 0);
    EXPECT_NE(runCli({"synoptic", file()}).status, 0);
}

TEST_F(CliSynoptic, ShowDrawsTheCellsTheSynopticCommandPrints) {
    // A larger table: 8 species in 30 relevés, seven groups.
    zembu::core::Workspace ws(dir / "work2");
    std::vector<std::vector<int>> covers(8, std::vector<int>(30));
    for (size_t i = 0; i < covers.size(); ++i)
        for (size_t k = 0; k < 30; ++k) covers[i][k] = (i * 7 + k * 3) % 5 < 2 ? static_cast<int>((i + k) % 95) + 1 : 0;
    ws.table = zembu::testing::tableFromCovers(covers);
    for (int k : {4, 9, 10, 16, 22, 27}) ws.table.SeparatorAfter[k] = 1;
    zembu::core::ScriptedInteraction ui;
    const std::string big = (dir / "big.vod").string();
    ASSERT_TRUE(zembu::core::savetabl(ws, ui, big));

    const auto split = [](const std::string& text, char at) {
        std::vector<std::string> parts;
        size_t start = 0;
        for (size_t end; (end = text.find(at, start)) != std::string::npos; start = end + 1)
            parts.push_back(text.substr(start, end - start));
        parts.push_back(text.substr(start));
        return parts;
    };
    const auto trimmed = [](std::string s) {
        s.erase(0, s.find_first_not_of(' '));
        return s;
    };
    for (const std::string type : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "combined"}) {
        for (int form = 1; form <= (type == "combined" ? 6 : 1); ++form) {
            const std::vector<std::string> flags = {"--form", std::to_string(form), "--kind", "0", "--fisher", "1.3",
                                                    "--frequency-limit", "30", "--fidelity-limit", "5"};
            std::vector<std::string> synopticArgs = {"synoptic", big, "--type", type};
            std::vector<std::string> showArgs = {"show", big, "--synoptic", type, "--classes"};
            synopticArgs.insert(synopticArgs.end(), flags.begin(), flags.end());
            showArgs.insert(showArgs.end(), flags.begin(), flags.end());
            const std::vector<std::string> expected = split(runCli(synopticArgs).out, '\n');
            const std::vector<std::string> shown = split(runCli(showArgs).out, '\n');
            ASSERT_EQ(shown.size(), expected.size() + 3) << type;
            for (size_t row = 0; row + 1 < expected.size(); ++row) {
                const std::vector<std::string> cells = split(expected[row], '\t');
                const std::vector<std::string> fields = split(shown[row + 3].substr(25), '|');
                ASSERT_EQ(fields.size(), cells.size() - 1) << type << " row " << row;  // name and layer vs classes
                for (size_t c = 2; c < cells.size(); ++c) {
                    // Each field is the class of the value before, then the next value.
                    const std::string value = c == 2 ? fields[0] : fields[c - 2].substr(1);
                    EXPECT_EQ(trimmed(value), trimmed(cells[c])) << type << " form " << form << " row " << row;
                }
            }
        }
    }
}

TEST_F(CliSynoptic, SortsSpeciesBySynopticValues) {
    // Species 1 only in group 1, species 2 in both: by group 2 species 2 comes first.
    const std::string out = (dir / "sorted.vod").string();
    const CliRun single =
        runCli({"sort-species", file(), "-o", out, "--criterion", "frequency", "--by-column", "2", "--keys"});
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_EQ(runCli({"synoptic", out, "--type", "1"}).out, "Species 2\t6\t100\t100\nSpecies 1\t6\t100\t.\n");

    // Blocks: species 1 goes to group 1 (20 %), species 2 to group 2 (30 %).
    const CliRun blocks =
        runCli({"sort-species", file(), "-o", out, "--criterion", "maximum", "--entire-dataset", "15"});
    ASSERT_EQ(blocks.status, 0) << blocks.err;
    EXPECT_EQ(runCli({"synoptic", out, "--type", "5"}).out, "Species 1\t6\t20\t.\nSpecies 2\t6\t1\t30\n");

    // Sort Species in a constancy view.
    const CliRun constancy = runCli({"sort-species", out, "-o", out, "--by", "releves", "--synoptic", "1"});
    ASSERT_EQ(constancy.status, 0) << constancy.err;
    EXPECT_EQ(runCli({"synoptic", out, "--type", "1"}).out, "Species 2\t6\t100\t100\nSpecies 1\t6\t100\t.\n");

    EXPECT_EQ(runCli({"sort-species", file(), "-o", out, "--by", "releves", "--criterion", "maximum"}).status, 1);
    EXPECT_EQ(runCli({"sort-species", file(), "-o", out, "--criterion", "maximum"}).status, 1);
    const CliRun missing = runCli({"sort-species", file(), "-o", out, "--criterion", "modus", "--by-column", "3"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zembu-cli: The table has no group 3\n");
}
