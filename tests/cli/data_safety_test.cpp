// What the command-line tool refuses rather than lose or change data:
// companions of someone else's, files that are not whole, numbers a file
// cannot hold, records no export has; each with a message, a non-zero
// status and no output file.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"
#include "core/settings.h"
#include "core/vod_format.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::readFile;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

class CliDataSafety : public ::testing::Test {
protected:
    void SetUp() override { setenv("ZEMBU_HOME", (dir / "home").c_str(), 1); }
    TempDir dir;
    std::string at(const char* name) const { return (dir / name).string(); }
    CliRun importSpreadsheet(const char* out, bool replace = false) {
        std::vector<std::string> args = {"import-spreadsheet", at("s.csv"), "--separator", "semicolon", "--cover",
                                         "percent", "-o", at(out)};
        if (replace) args.push_back("--replace-companions");
        return runCli(args);
    }
};

TEST_F(CliDataSafety, CompanionsOfAnotherFileAreReplacedOnlyWithTheFlag) {
    writeFile(dir / "s.csv", "Species;101;102\r\nPoa annua;5;10\r\n");
    writeFile(dir / "survey.str", "   1  Releve number\r\n");
    writeFile(dir / "survey.exp", "   101\r\n");
    CliRun run = importSpreadsheet("survey.vod");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "zembu-cli: " + at("survey.str") + " and " + at("survey.exp") +
                           " belong to no table file and would be replaced or deleted by the header data of " +
                           at("survey.vod") + "; nothing was written. Give --replace-companions to replace them.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "survey.vod"));
    EXPECT_EQ(readFile(dir / "survey.exp"), "   101\r\n");

    run = importSpreadsheet("survey.vod", true);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "survey.exp"));  // the table has no header data

    // convert follows the same rule.
    writeFile(dir / "copy.exp", "   101\r\n");
    run = runCli({"convert", at("survey.vod"), at("copy.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.exp"));
    run = runCli({"convert", at("survey.vod"), at("copy.vod"), "--replace-companions"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(CliDataSafety, DamagedAndUnwritableInputsFailWithAMessage) {
    // A CC! file of comma-separated lines is not read as an empty table.
    writeFile(dir / "comma.cc!", "Title\r\n(I5,5(I5,F8.3))\r\n1,1,8.000,2,18.000\r\n");
    CliRun run = runCli({"import-cc", at("comma.cc!"), "-o", at("c.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("end-of-data line"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "c.vod"));

    // A relevé number the CC! relevé list cannot hold.
    zembu::core::Table table = zembu::testing::tableFromCovers({{5, 10}});
    table.ReleveOrder[2].turbovegNumber = 123456789;
    zembu::core::writeTableFile(dir / "t.vod", table, {});
    run = runCli({"export-cc", at("t.vod"), "--colour", "9", "-o", at("t.cc!")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("The relevé 123456789 (column 2)"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "t.cc!"));

    // A header file whose records would be far longer than any export's.
    std::string names = "Releve number";
    for (int j = 0; j < 20000; ++j) names += ",F";
    writeFile(dir / "h.csv", names + "\r\n101\r\n");
    run = runCli({"import-header", at("t.vod"), at("h.csv"), "-o", at("h.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("cannot be imported"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "h.vod"));

    // A read-only output file stays as it was.
    writeFile(dir / "kept.vod", "mine");
    chmod((dir / "kept.vod").c_str(), 0444);
    run = runCli({"convert", at("t.vod"), at("kept.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    EXPECT_EQ(readFile(dir / "kept.vod"), "mine");
    chmod((dir / "kept.vod").c_str(), 0644);
}

TEST_F(CliDataSafety, RunningOutOfMemoryIsAMessageNotAnAbort) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit leaves";
#endif
    // Capacities of a million relevés, in a process allowed little more
    // address space than it already has: the arrays cannot be made.
    std::filesystem::create_directories(dir / "home");
    zembu::core::Settings settings;
    settings.setValue(zembu::core::setting::ReleveDimension, "1000000");
    settings.setValue(zembu::core::setting::SpeciesDimension, "15000");
    ASSERT_TRUE(zembu::core::writeSettingsFile(dir / "home" / "zembu.ini", settings));
    writeFile(dir / "s.csv", "Species;101;102\r\nPoa annua;5;10\r\n");

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (40u << 20);
        setrlimit(RLIMIT_AS, &limit);
        const CliRun run = importSpreadsheet("big.vod");
        std::ofstream(dir / "err.txt") << run.err;
        _exit(run.status);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readFile(dir / "err.txt"), "There is not enough memory for this command.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "big.vod"));
}
