#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "support/test_support.h"

namespace zembu::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(ZEMBU_TEST_DATA_DIR) / "twinspan";

TEST(CliTwinspan, ClassifiesWithoutTheDialogue) {
    TempDir dir;
    fs::copy_file(kCases / "danube.cc!", dir / "danube.cc!");
    const CliRun run = runCli({"twinspan", (dir / "danube.cc!").string(), "--cuts", "0 5 25", "--min-group", "5",
                               "--max-indicators", "6", "--max-level", "6"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "danube.pun"), readFile(kCases / "danube.p0525.PUN"));
    EXPECT_TRUE(fs::exists(dir / "danube.twi"));
    EXPECT_NE(run.out.find("danube.pun"), std::string::npos);

    // Another classification file; the printed output goes beside it.
    const CliRun other = runCli({"twinspan", (dir / "danube.cc!").string(), "--cuts", "0 1 2 3 4 5",
                                 "--max-indicators", "5", "-o", (dir / "six.PUN").string()});
    ASSERT_EQ(other.status, 0) << other.err;
    EXPECT_EQ(readFile(dir / "six.PUN"), readFile(kCases / "danube.p6cut.PUN"));
    EXPECT_TRUE(fs::exists(dir / "six.TWI"));
}

TEST(CliTwinspan, BadInputGetsAMessageAndNoFile) {
    TempDir dir;
    CliRun run = runCli({"twinspan", (dir / "missing.cc!").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not exist"), std::string::npos);

    fs::copy_file(kCases / "dune.cc!", dir / "dune.cc!");
    run = runCli({"twinspan", (dir / "dune.cc!").string(), "--cuts", "0 x 25"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("\"x\" is not a number"), std::string::npos);
    run = runCli({"twinspan", (dir / "dune.cc!").string(), "--cuts", "5 0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("must increase"), std::string::npos);
    EXPECT_NE(runCli({"twinspan", (dir / "dune.cc!").string(), "--min-group", "1"}).status, 0);
    EXPECT_FALSE(fs::exists(dir / "dune.pun"));
}

}  // namespace
}  // namespace zembu::testing
