// zembu-cli cocktail-group, cocktail-export and twinspan-link on small tables and the
// demonstration table.

#include <gtest/gtest.h>

#include <cstdlib>
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

    // Reads a table file written by a command.
    core::Table load(const fs::path& file) {
        core::Workspace ws(dir / "reader");
        core::ScriptedInteraction ui;
        EXPECT_TRUE(core::loadTableFile(ws, ui, file, core::CapacityPolicy::FitFile)) << file;
        return ws.table;
    }

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

TEST_F(CliClassification, CocktailGroupIsStoredAndWrittenAsARow) {
    core::Workspace ws(dir / "work");
    ws.table = tableFromCovers({{5, 5, 0, 0}, {5, 0, 5, 0}, {0, 0, 0, 5}});
    ws.table.SpeciesInfo[1].name = "Fagus sylvatica";
    ws.table.SpeciesInfo[2].name = "Galium odoratum";
    core::ScriptedInteraction ui;
    ASSERT_TRUE(core::savetabl(ws, ui, (dir / "t.vod").string()));
    const std::string in = (dir / "t.vod").string();
    const std::string out = (dir / "g.vod").string();

    CliRun run = runCli({"cocktail-group", in, "-o", out, "--name", "Beech", "--species", "Fagus sylvatica",
                         "Galium odoratum", "--min", "2", "--row"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "group: Beech, members: 2, m: 2\nrow: 4\nwritten: " + out + "\n");
    const core::Table t = load(out);
    ASSERT_EQ(t.SpeciesGroups.size(), 1u);
    EXPECT_EQ(t.SpeciesGroups[0].members.size(), 2u);
    ASSERT_EQ(t.SpeciesCount, 4);
    EXPECT_EQ(std::string(t.SpeciesInfo[t.SpeciesRowOfRecord[4]].name).substr(0, 9), "### Beech");
    // Only relevé 1 holds both members.
    for (int32_t k = 1; k <= 4; ++k) EXPECT_EQ(t.coverAt(4, k) != 0, k == 1) << k;
    EXPECT_TRUE(core::checkInvariants(t).empty());

    run = runCli({"cocktail-group", in, "-o", (dir / "x.vod").string(), "--name", "Beech", "--species", "Abies"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The species Abies is not in the table."), std::string::npos);
    run = runCli({"cocktail-group", in, "-o", (dir / "x.vod").string(), "--name", "", "--species", "Fagus sylvatica"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Please write group name first..."), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "x.vod"));
}

TEST_F(CliClassification, LinkRunEndsAsTheProgramRunByHandOnTheKeptFiles) {
    const std::string demo = ZEMBU_DEMO_DATA_DIR "/demo.vod";
    const CliRun run = runCli({"twinspan-link", demo, "-o", (dir / "linked.vod").string(), "--colour", "0",
                               "--sort-species", "--separators", "--max-level", "4", "--keep", (dir / "kept").string(),
                               "--program", ZEMBU_TWINSPAN_PROGRAM});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("classified: 300 relevés"), std::string::npos);
    for (const char* name : {"twtwtw.cc!", "tw.dat", "twtwtw.pun", "twtwtw.twi"})
        EXPECT_TRUE(fs::exists(dir / "kept" / name)) << name;

    // The program by hand on the kept files, its output applied with --pun.
    fs::create_directories(dir / "hand");
    fs::copy_file(dir / "kept" / "twtwtw.cc!", dir / "hand" / "twtwtw.cc!");
    const std::string command = std::string("cd '") + (dir / "hand").string() + "' && '" + ZEMBU_TWINSPAN_PROGRAM +
                                "' < '" + (dir / "kept" / "tw.dat").string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const CliRun applied = runCli({"twinspan-link", demo, "-o", (dir / "applied.vod").string(), "--colour", "0",
                                   "--sort-species", "--pun", (dir / "hand" / "twtwtw.pun").string()});
    ASSERT_EQ(applied.status, 0) << applied.err;

    const core::Table linked = load(dir / "linked.vod");
    const core::Table byHand = load(dir / "applied.vod");
    for (int32_t k = 1; k <= linked.ReleveCount; ++k) ASSERT_EQ(linked.ReleveOrder[k], byHand.ReleveOrder[k]) << k;
    for (int32_t i = 1; i <= linked.SpeciesCount; ++i) ASSERT_EQ(linked.SpeciesInfo[i], byHand.SpeciesInfo[i]) << i;
    int levels[7] = {};
    for (int32_t k = 1; k < linked.ReleveCount; ++k) ++levels[linked.SeparatorAfter[k]];
    EXPECT_EQ(levels[1], 1);
    EXPECT_GT(levels[2] + levels[3] + levels[4], 0);
    EXPECT_EQ(levels[5] + levels[6], 0);
}

TEST_F(CliClassification, LinkRefusalsLeaveNoTable) {
    const std::string demo = ZEMBU_DEMO_DATA_DIR "/demo.vod";
    const std::string out = (dir / "out.vod").string();
    CliRun run = runCli({"twinspan-link", demo, "-o", out, "--colour", "3", "--program", ZEMBU_TWINSPAN_PROGRAM});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Relevé selection is empty!"), std::string::npos);
    run = runCli({"twinspan-link", demo, "-o", out, "--colour", "0", "--cut-levels", "0 25 5", "--program",
                  ZEMBU_TWINSPAN_PROGRAM});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("must increase"), std::string::npos);
    run = runCli({"twinspan-link", demo, "-o", out, "--colour", "0", "--program", (dir / "nothing").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("was not found; name it with --program"), std::string::npos);
    // A minimum group above the relevés: the program writes no classification.
    run = runCli({"twinspan-link", demo, "-o", out, "--colour", "0", "--min-group", "1000", "--program",
                  ZEMBU_TWINSPAN_PROGRAM});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("TWINSPAN made no classification"), std::string::npos);
    writeFile(dir / "other.pun", "nothing of the kind\r\n");
    run = runCli({"twinspan-link", demo, "-o", out, "--colour", "0", "--pun", (dir / "other.pun").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a TWINSPAN output file"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace zembu::testing
