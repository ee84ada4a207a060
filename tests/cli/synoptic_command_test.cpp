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
