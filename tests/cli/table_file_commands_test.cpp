#include <gtest/gtest.h>

#include "cli_runner.h"
#include "core/vod_format.h"
#include "generator/generator.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::readFile;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

zembu::generator::GeneratorOptions options() {
    zembu::generator::GeneratorOptions o = zembu::generator::withAllContents({});
    o.releves = 30;
    o.species = 40;
    o.speciesPerReleve = 6;
    o.deletedFraction = 0.1;
    return o;
}

}  // namespace

class CliTableFile : public ::testing::Test {
protected:
    void SetUp() override { setenv("ZEMBU_HOME", (dir / "home").c_str(), 1); }
    TempDir dir;
};

TEST_F(CliTableFile, InfoListsTheCounts) {
    zembu::generator::writeGeneratedTableFile(dir / "t.vod", options());
    const zembu::core::Table t = zembu::generator::generateTable(options());
    const CliRun run = runCli({"info", (dir / "t.vod").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "format: ve64\n"
                       "relevés: 30\n"
                       "relevé records: 30\n"
                       "species: 36\n"
                       "species records: 40\n"
                       "species groups: 5\n"
                       "journal lines: " +
                           std::to_string(zembu::generator::generateJournal(options(), t).size()) +
                           "\n"
                           "header fields: 10\n");
}

TEST_F(CliTableFile, InfoReportsABadFile) {
    writeFile(dir / "bad.vod", "ve64 and nothing else");
    const CliRun run = runCli({"info", (dir / "bad.vod").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ZEMBU: File format is not correct!!!\n");
}

TEST_F(CliTableFile, ConvertWritesACurrentFileWithCompanions) {
    zembu::generator::writeGeneratedTableFile(dir / "in.vod", options());
    const CliRun run = runCli({"convert", (dir / "in.vod").string(), (dir / "out").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "written: " + (dir / "out.VOD").string() + "\n");
    EXPECT_EQ(readFile(dir / "out.VOD"), readFile(dir / "in.vod"));
    EXPECT_EQ(readFile(dir / "out.str"), readFile(dir / "in.str"));
    EXPECT_EQ(readFile(dir / "out.exp"), readFile(dir / "in.exp"));

    EXPECT_EQ(runCli({"convert", (dir / "missing.vod").string(), (dir / "x.vod").string()}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.vod"));
}
