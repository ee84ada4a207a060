#include <gtest/gtest.h>

#include "cli_runner.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;

TEST(FidelityCommand, PrintsTheValueAtFullPrecision) {
    const CliRun phi = runCli({"fidelity", "100", "10", "10", "10"});
    EXPECT_EQ(phi.status, 0);
    EXPECT_EQ(phi.out, "100\n");

    const CliRun u = runCli({"fidelity", "60", "10", "12", "6", "--measure", "12"});
    EXPECT_EQ(u.status, 0);
    EXPECT_EQ(u.out.substr(0, 8), "3.435112");  // (6 - 2) / sqrt(VarH)
    EXPECT_GT(u.out.size(), 12u);

    EXPECT_EQ(runCli({"fidelity", "60", "10", "12", "6", "--fisher", "3"}).out, "-1e-05\n");
    EXPECT_EQ(runCli({"fidelity", "60", "10", "12", "6", "--measure", "3"}).out, "---\n");
    EXPECT_EQ(runCli({"fidelity", "40", "10", "10", "5", "--measure", "14"}).out, "25\n");
    // Modified fidelity of a group of 10 in 60 with the size parameter unused: same as the index.
    EXPECT_EQ(runCli({"fidelity", "60", "10", "12", "6", "--kind", "2"}).out,
              runCli({"fidelity", "60", "10", "12", "6"}).out);
    EXPECT_NE(runCli({"fidelity", "60", "10", "12", "6", "--kind", "1", "--group-size", "30"}).out,
              runCli({"fidelity", "60", "10", "12", "6"}).out);
}

TEST(FidelityCommand, RefusesWhatTheCalculatorRefuses) {
    const CliRun r = runCli({"fidelity", "20", "20", "5", "2"});
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Program Info: Values are not correct!!!\n");
    EXPECT_NE(runCli({"fidelity", "20", "5", "3", "4"}).status, 0);
    EXPECT_NE(runCli({"fidelity", "20", "5", "3", "1", "--measure", "17"}).status, 0);
    EXPECT_NE(runCli({"fidelity", "20", "5", "3"}).status, 0);
}
