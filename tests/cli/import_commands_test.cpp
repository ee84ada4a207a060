// The import and export subcommands: files in, table files out, refusals
// with the program's messages and a non-zero status.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::readFile;
using zembu::testing::runCli;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

const std::string kCc =
    "Test\r\n(I5,5(I5,F8.3))\r\n"
    "    1    1   2.000    2  38.000    3  95.000\r\n"
    "    2    2   5.000\r\n"
    "0000\r\n"
    "Poa ann6Carex  6Quer ro1\r\n"
    "     101     102\r\n";

}  // namespace

class CliImports : public ::testing::Test {
protected:
    void SetUp() override { setenv("ZEMBU_HOME", (dir / "home").c_str(), 1); }
    TempDir dir;
    std::string at(const char* name) const { return (dir / name).string(); }
};

TEST_F(CliImports, CcImportAndExportGiveTheSameData) {
    writeFile(dir / "in.cc!", kCc);
    const CliRun in = runCli({"import-cc", at("in.cc!"), "-o", at("t.vod")});
    ASSERT_EQ(in.status, 0) << in.err;
    EXPECT_EQ(in.out, "imported: 2 relevés, 3 species\nwritten: " + at("t.vod") + "\n");

    const CliRun out = runCli({"export-cc", at("t.vod"), "-o", at("back.cc!")});
    ASSERT_EQ(out.status, 0) << out.err;
    const std::string back = readFile(dir / "back.cc!");
    EXPECT_NE(back.find("    1    1   2.000    2  38.000    3  95.000\r\n    2    2   5.000\r\n0000\r\n"),
              std::string::npos)
        << back;
    // Abbreviations are made again from the names: "Carex" gives "CareCar".
    EXPECT_NE(back.find("Poa ann6CareCar6Querro 1\r\n     101     102\r\n"), std::string::npos) << back;

    const CliRun root = runCli({"export-cc", at("t.vod"), "--power", "0.5", "--colour", "9", "-o", at("r.cc!")});
    ASSERT_EQ(root.status, 0) << root.err;
    EXPECT_NE(readFile(dir / "r.cc!").find("    1    1   1.414    2   6.164    3   9.747"), std::string::npos);
}

TEST_F(CliImports, CcImportWithHeaderAndCheckList) {
    writeFile(dir / "in.cc!", kCc);
    writeFile(dir / "h.str", "   1  Releve number\r\n   7  Place\r\n");
    writeFile(dir / "h.exp", "   102Beta  \r\n   101Alpha \r\n");
    writeFile(dir / "list.txt", "00001Poa annPoa annua\r\n00002Carex  Carex nigra\r\n");
    const CliRun run = runCli({"import-cc", at("in.cc!"), "--header", at("h.exp"), "--checklist", at("list.txt"),
                               "-o", at("t.vod")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "t.exp"), "   101Alpha \r\n   102Beta  \r\n");
    EXPECT_EQ(readFile(dir / "t.str"), "   1  Releve number\r\n   7  Place\r\n");
}

TEST_F(CliImports, RefusedInputsSayWhyAndWriteNothing) {
    writeFile(dir / "bad.cc!", "title\r\nno format line\r\n");
    CliRun run = runCli({"import-cc", at("bad.cc!"), "-o", at("t.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "Program Info: The file format is not correct!!!\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "t.vod"));

    writeFile(dir / "big.cc!", "t\r\n(I5)\r\n2000000    1   1.000\r\n0\r\nPoa ann6\r\n       1\r\n");
    run = runCli({"import-cc", at("big.cc!"), "-o", at("t.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("exceeds the limit (1000000)"), std::string::npos) << run.err;

    writeFile(dir / "s.csv", "Species;1;2\r\nPoa annua;0;5\r\n");
    run = runCli({"import-spreadsheet", at("s.csv"), "--separator", "semicolon", "--cover", "percent", "-o",
                  at("s.vod")});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("The value 0 cannot be used as percentage value!!!"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "s.vod"));

    writeFile(dir / "in.cc!", kCc);
    run = runCli({"export-cc", at("in.cc!"), "--power", "2", "-o", at("x.cc!")});
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err, "Program Info: Use a correct transformation number!\n");
}

TEST_F(CliImports, SpreadsheetAndCommaHeader) {
    writeFile(dir / "s.csv", "Species,Layer,A1,A2\r\nPoa annua,6,2a,.\r\nCarex nigra,6,a,2\r\n");
    CliRun run = runCli({"import-spreadsheet", at("s.csv"), "--separator", "comma", "--layer-column", "--cover",
                         "braun-blanquet", "-o", at("s.vod")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("all codes will be automatically renumbered."), std::string::npos);
    EXPECT_EQ(run.out, "imported: 2 relevés, 2 species\nwritten: " + at("s.vod") + "\n");

    writeFile(dir / "h.csv", "Releve number,Place\r\n2,South\r\n1,North\r\n");
    run = runCli({"import-header", at("s.vod"), at("h.csv"), "-o", at("h.vod")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "h.exp"), "1 North \r\n2 South \r\n");

    run = runCli({"export-cc", at("h.vod"), "-o", at("h.cc!")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(readFile(dir / "h.cc!").find("    1    1   8.000    2   8.000\r\n    2    2  13.000\r\n"),
              std::string::npos);
}
