// zembu-cli select -o, delete-releves and separators: the relevé colouring,
// deletion and separator commands of the menus on table files.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "cli_table_test.h"
#include "core/text.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;
namespace core = zembu::core;

namespace {

class CliReleves : public zembu::testing::CliTableTest {
protected:
    // Six relevés; Poa (row 1) grows in relevés 2, 3 and 5, Carex (row 2) in
    // all of them. A level-2 separator stands after column 3.
    void SetUp() override {
        CliTableTest::SetUp();
        core::Table t = zembu::testing::tableFromCovers({{0, 5, 15, 0, 25, 0}, {1, 2, 3, 4, 5, 6}});
        t.SpeciesInfo[1].name = "Poa annua";
        t.SpeciesInfo[2].name = "Carex flacca";
        t.SeparatorAfter[3] = 2;
        save(t, "t.vod");
    }
    // Per column: the separator after it (0 for none).
    std::vector<int> separators(const char* name) {
        const core::Table t = load(name);
        std::vector<int> out;
        for (int32_t k = 1; k <= t.ReleveCount; ++k) out.push_back(t.SeparatorAfter[k]);
        return out;
    }
};

}  // namespace

TEST_F(CliReleves, SelectionColoursTheRelevesAndDeletionRemovesThem) {
    CliRun run = runCli({"select", file("t.vod"), "--formula", "<Poa annua>", "-o", file("s.vod"),
                         "--releve-colour", "blue"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "selected: 3\nwritten: " + file("s.vod") + "\n");
    const core::Table selected = load("s.vod");
    for (int32_t k = 1; k <= 6; ++k) EXPECT_EQ(selected.ReleveColour[k].number, (k == 2 || k == 3 || k == 5) ? 2 : 0);

    run = runCli({"delete-releves", file("s.vod"), "-o", file("d.vod"), "--releve-colour", "blue"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "releves: 3, separators: 1\nwritten: " + file("d.vod") + "\n");
    const core::Table left = load("d.vod");
    EXPECT_EQ(left.ReleveCount, 3);
    EXPECT_TRUE(core::checkInvariants(left).empty());
    // Relevés 1, 4 and 6 stay with their Carex covers; Poa has no cell left.
    EXPECT_EQ(core::coverPercent(left.coverAt(2, 1)), 1);
    EXPECT_EQ(core::coverPercent(left.coverAt(2, 2)), 4);
    EXPECT_EQ(core::coverPercent(left.coverAt(2, 3)), 6);
    for (int32_t k = 1; k <= 3; ++k) EXPECT_EQ(left.coverAt(1, k), 0);
    // The separator after deleted column 3 moved to column 1, the nearest before it.
    EXPECT_EQ(separators("d.vod"), (std::vector<int>{2, 0, 0}));
}

TEST_F(CliReleves, SeparatorsAreMadeAndRemovedAsTheMenuDoes) {
    CliRun run = runCli({"select", file("t.vod"), "--formula", "<Poa annua>", "-o", file("s.vod")});
    ASSERT_EQ(run.status, 0) << run.err;

    run = runCli({"separators", file("s.vod"), "-o", file("a.vod"), "around-colour", "--releve-colour", "red",
                  "--level", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(separators("a.vod"), (std::vector<int>{3, 0, 3, 3, 3, 0}));

    run = runCli({"separators", file("t.vod"), "-o", file("e.vod"), "equal-groups", "--groups", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(separators("e.vod"), (std::vector<int>{0, 1, 2, 1, 0, 0}));

    run = runCli({"separators", file("e.vod"), "-o", file("r.vod"), "remove", "--which", "from", "--column", "4"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(separators("r.vod"), (std::vector<int>{0, 1, 2, 0, 0, 0}));

    run = runCli({"separators", file("s.vod"), "-o", file("c.vod"), "colour-changes"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(separators("c.vod"), (std::vector<int>{1, 0, 1, 1, 1, 0}));
}

TEST_F(CliReleves, RefusalsWriteNothing) {
    const auto refused = [&](std::vector<std::string> args, const std::string& message) {
        args.insert(args.begin() + 1, {file("t.vod"), "-o", file("x.vod")});
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "x.vod"));
    };
    refused({"delete-releves"}, "All relevés cannot be deleted!!!");
    refused({"delete-releves", "--releve-colour", "all"}, "must name one colour");
    refused({"delete-releves", "--releve-colour", "red"}, "There is no RED relevé in the table.");
    refused({"separators", "equal-groups"}, "Give --groups");
    refused({"separators", "remove", "--which", "to"}, "need --column");
    refused({"select", "--formula", "<Poa annua"}, "");
    refused({"select", "--formula", "<Poa annua>", "--releve-colour", "all"}, "must name one colour");
}
