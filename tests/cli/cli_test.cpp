#include <gtest/gtest.h>

#include "cli_runner.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;

TEST(Cli, VersionAndHelp) {
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("zembu-cli ") + ZEMBU_VERSION + "\n");

    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("zembu-cli"), std::string::npos);

    EXPECT_EQ(runCli({}).status, 0);
}

TEST(Cli, UnknownArgumentsAreRefused) {
    const CliRun r = runCli({"--no-such-flag"});
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(r.err.empty());
}
