#include <gtest/gtest.h>

#include "cli_runner.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::readFile;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;
namespace core = zembu::core;

namespace {

class CliSpecies : public ::testing::Test {
protected:
    // Four relevés; Quercus robur in layers 1 and 4, Quercus petraea (red) in
    // layer 1, Hedera helix in layer 6.
    void SetUp() override {
        setenv("ZEMBU_HOME", (dir / "home").c_str(), 1);
        core::Workspace ws(dir / "work");
        ws.table = zembu::testing::tableFromCovers({{50, 0, 10, 0}, {50, 60, 0, 0}, {0, 20, 30, 0}, {5, 0, 0, 5}});
        const auto name = [&](int32_t row, const char* text, int layer) {
            ws.table.SpeciesInfo[row].name = text;
            ws.table.SpeciesLayer[row] = static_cast<int16_t>(layer);
        };
        name(1, "Quercus robur", 1);
        name(2, "Quercus petraea", 1);
        name(3, "Quercus robur", 4);
        name(4, "Hedera helix", 6);
        ws.table.SpeciesColour[2] = {0x0000CC, 1};
        core::ScriptedInteraction ui;
        ASSERT_TRUE(core::savetabl(ws, ui, file("t.vod")));
    }
    std::string file(const char* name) const { return (dir / name).string(); }

    // Live rows of a table file as "name layer: covers".
    std::vector<std::string> rows(const char* name) {
        core::Workspace ws(dir / "check");
        core::ScriptedInteraction ui;
        EXPECT_TRUE(core::loadTableFile(ws, ui, file(name)));
        std::vector<std::string> lines;
        for (int32_t i = 1; i <= ws.table.SpeciesCount; ++i) {
            std::string line = std::string(core::trim(ws.table.SpeciesInfo[i].name)) + " " +
                               std::to_string(ws.table.SpeciesLayer[i]) + ":";
            for (int32_t k = 1; k <= ws.table.ReleveCount; ++k) {
                const char c = ws.table.coverAt(i, k);
                line += " " + std::to_string(c ? core::coverPercent(c) : 0);
            }
            lines.push_back(line);
        }
        return lines;
    }

    TempDir dir;
};

}  // namespace

TEST_F(CliSpecies, MergeDivideDeleteAndUndelete) {
    CliRun run = runCli({"species", file("t.vod"), "-o", file("m.vod"), "merge", "--rows", "1,2", "--name",
                         "Quercus agg.", "--layer", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "species: 3 live, 2 deleted\nwritten: " + file("m.vod") + "\n");
    EXPECT_EQ(rows("m.vod"), (std::vector<std::string>{"Quercus robur 4: 0 20 30 0", "Hedera helix 6: 5 0 0 5",
                                                       "(S) Quercus agg. 1: 75 60 10 0"}));

    run = runCli({"species", file("t.vod"), "-o", file("d.vod"), "divide", "--colour", "red", "--threshold", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rows("d.vod")[1], "(D) Quercus petraea 1: 0 60 0 0");
    EXPECT_EQ(rows("d.vod")[2], "(r) Quercus petraea 1: 50 0 0 0");

    run = runCli({"species", file("t.vod"), "-o", file("x.vod"), "delete", "--colour", "red"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "species: 3 live, 1 deleted\nwritten: " + file("x.vod") + "\n");
    run = runCli({"species", file("x.vod"), "-o", file("u.vod"), "undelete"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rows("u.vod").back(), "Quercus petraea 1: 50 60 0 0");

    // Refusals write nothing.
    run = runCli({"species", file("t.vod"), "-o", file("no.vod"), "delete", "--rows", "1,2,3,4"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("All species cannot be deleted!!!"), std::string::npos);
    run = runCli({"species", file("t.vod"), "-o", file("no.vod"), "divide", "--threshold", "1"});
    EXPECT_EQ(run.status, 1);
    run = runCli({"species", file("t.vod"), "-o", file("no.vod"), "merge", "--colour", "purple"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(file("no.vod")));
}

TEST_F(CliSpecies, LayersAddAndRename) {
    CliRun run = runCli({"species", file("t.vod"), "-o", file("c.vod"), "combine-layers", "--layers", "1,4", "--into",
                         "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rows("c.vod"), (std::vector<std::string>{"Quercus petraea 1: 50 60 0 0", "Hedera helix 6: 5 0 0 5",
                                                       "(S) Quercus robur 1: 50 20 37 0"}));
    EXPECT_NE(run.out.find("Quercus robur OK"), std::string::npos);
    run = runCli({"species", file("t.vod"), "-o", file("s.vod"), "merge-same", "--layers", "4,6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 17), "merged: 0 species");

    run = runCli({"species", file("t.vod"), "-o", file("a.vod"), "add", "--name", "Viola odorata", "--layer", "6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rows("a.vod").back(), "Viola odorata 6: 0 0 0 0");
    run = runCli({"species", file("a.vod"), "-o", file("r.vod"), "rename", "--rows", "5", "--name", "Viola alba"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(rows("r.vod").back(), "Viola alba 6: 0 0 0 0");
    EXPECT_EQ(runCli({"species", file("t.vod"), "-o", file("no.vod"), "add", "--name", "X"}).status, 1);
    EXPECT_EQ(runCli({"species", file("t.vod"), "-o", file("no.vod"), "rename", "--rows", "1,2"}).status, 1);
}

TEST_F(CliSpecies, ExpertFileSavedAppliedAndClassified) {
    ASSERT_EQ(runCli({"species", file("t.vod"), "-o", file("m.vod"), "combine-layers", "--layers", "1,4", "--into",
                      "1"})
                  .status,
              0);
    CliRun run = runCli({"expert-save", file("m.vod"), "-o", file("e.esy")});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string esy = readFile(file("e.esy"));
    EXPECT_EQ(esy.substr(0, 32), "SECTION 1: Species aggregation\r\n");

    run = runCli({"expert-apply", file("t.vod"), file("e.esy"), "-o", file("applied.vod")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 35), "Quercus robur -> (S) Quercus robur\n");
    EXPECT_EQ(rows("applied.vod"), rows("m.vod"));

    const size_t end = esy.find("SECTION 3: End");
    esy.insert(end, "Oak = <(S) Quercus robur UP40>\r\nIvy = <Hedera helix>\r\n");
    writeFile(file("e.esy"), esy);
    run = runCli({"expert-classify", file("m.vod"), file("e.esy")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\tOak\n2\t---\n3\t---\n4\tIvy\n");

    esy.insert(esy.find("SECTION 3: End"), "Bad = <Abies alba>\r\n");
    writeFile(file("e.esy"), esy);
    run = runCli({"expert-classify", file("m.vod"), file("e.esy")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The name Abies alba was not found in the table!!!"), std::string::npos);
    writeFile(file("plain.txt"), "Oak = <Hedera helix>\n");
    EXPECT_EQ(runCli({"expert-classify", file("m.vod"), file("plain.txt")}).status, 1);
    EXPECT_EQ(runCli({"expert-apply", file("t.vod"), file("plain.txt"), "-o", file("no.vod")}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(file("no.vod")));
}
