// zembu-cli cocktail-export.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "support/test_support.h"

namespace zembu::testing {
namespace {

namespace fs = std::filesystem;

class CliClassification : public ::testing::Test {
protected:
    void SetUp() override { setenv("ZEMBU_HOME", (dir / "home").c_str(), 1); }

    TempDir dir;
};

TEST_F(CliClassification, CocktailExportWithAndWithoutNames) {
    core::Workspace ws(dir / "work");
    ws.table = tableFromCovers({{5}, {5}});
    ws.table.SpeciesGroups.push_back({"Beech", {{"Species 1", core::Variant::ofLong(1)}, {"Species 2", core::Variant::ofLong(2)}}});
    core::ScriptedInteraction ui;
    ASSERT_TRUE(core::savetabl(ws, ui, (dir / "t.vod").string()));

    CliRun run = runCli({"cocktail-export", (dir / "t.vod").string(), "-o", (dir / "groups.txt").string(), "--names"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "groups.txt"), "Beech;2;Species 1;1;Species 2;2;\r\n");
    run = runCli({"cocktail-export", (dir / "t.vod").string(), "-o", (dir / "codes.txt").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "codes.txt"), "Beech;2;1;2;\r\n");

    ws.table.SpeciesGroups.clear();
    ASSERT_TRUE(core::savetabl(ws, ui, (dir / "none.vod").string()));
    run = runCli({"cocktail-export", (dir / "none.vod").string(), "-o", (dir / "none.txt").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("There are no species groups to export."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "none.txt"));
}

}  // namespace
}  // namespace zembu::testing
