#include <gtest/gtest.h>

#include <chrono>

#include "core/outside_program.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::readFile;
using zembu::testing::TempDir;

TEST(OutsideProgram, RunsInItsFolderWithItsInputAndOutputFiles) {
    TempDir dir;
    zembu::testing::writeFile(dir / "in.txt", "answers\r\n");
    core::ProgramRun run{"/bin/cat", dir.path(), dir / "in.txt", dir / "out.txt", dir / "err.txt"};
    const core::ProgramOutcome cat = core::runOutsideProgram(run);
    EXPECT_TRUE(cat.succeeded());
    EXPECT_EQ(readFile(dir / "out.txt"), "answers\r\n");

    run.program = "/bin/pwd";
    EXPECT_TRUE(core::runOutsideProgram(run).succeeded());
    EXPECT_EQ(readFile(dir / "out.txt"), std::filesystem::canonical(dir.path()).string() + "\n");

    run.program = "/bin/false";
    const core::ProgramOutcome failed = core::runOutsideProgram(run);
    EXPECT_TRUE(failed.started);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_FALSE(failed.succeeded());
}

TEST(OutsideProgram, ReportsWhatKeepsItFromStarting) {
    TempDir dir;
    core::ProgramRun run{dir / "missing", dir.path(), {}, {}, {}};
    const core::ProgramOutcome missing = core::runOutsideProgram(run);
    EXPECT_FALSE(missing.started);
    EXPECT_NE(missing.startError.find("cannot be executed"), std::string::npos);
    run.program = "/bin/true";
    run.standardInput = dir / "no such input";
    EXPECT_NE(core::runOutsideProgram(run).startError.find("input file"), std::string::npos);
    EXPECT_FALSE(core::isExecutableFile(dir / "missing"));
    EXPECT_FALSE(core::isExecutableFile(dir.path()));
    EXPECT_TRUE(core::isExecutableFile("/bin/true"));
}

TEST(OutsideProgram, CancellingStopsTheProgram) {
    TempDir dir;
    // "yes" writes for ever until it is stopped.
    const core::ProgramRun run{"/usr/bin/yes", dir.path(), {}, {}, {}};
    int polls = 0;
    const auto start = std::chrono::steady_clock::now();
    const core::ProgramOutcome outcome = core::runOutsideProgram(run, [&] { return ++polls < 3; });
    EXPECT_TRUE(outcome.started);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}
