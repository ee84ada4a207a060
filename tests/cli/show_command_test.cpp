#include <gtest/gtest.h>

#include "cli_runner.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "support/test_support.h"

using zembu::testing::runCli;

namespace {

// A table of two species in three relevés saved as a table file.
std::string savedTable(const zembu::testing::TempDir& dir) {
    zembu::core::Workspace ws(dir / "home");
    ws.table = zembu::testing::tableFromCovers({{1, 0, 38}, {95, 8, 0}});
    ws.table.SeparatorAfter[1] = 1;
    const std::string file = (dir / "small.vod").string();
    zembu::core::ScriptedInteraction ui;
    EXPECT_TRUE(zembu::core::savetabl(ws, ui, file));
    return file;
}

}  // namespace

TEST(ShowCommand, PrintsTheHeadAndBodyAsTheViewBuildsThem) {
    zembu::testing::TempDir dir;
    const std::string file = savedTable(dir);
    const auto run = runCli({"show", file, "--head", "group", "--scale", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string prefix(25, ' ');
    const std::string expected = "Group number:" + std::string(12, ' ') + "   " + std::string(77, ' ') + "\n" +
                                 prefix + "   " + std::string(77, ' ') + "\n" +
                                 prefix + "   " + std::string(77, ' ') + "\n" +
                                 prefix + "   " + std::string(77, ' ') + "\n" +
                                 "Releves 3" + std::string(16, ' ') + "   " + std::string(77, ' ') + "\n" +
                                 "Species 2" + std::string(16, ' ') + "122" + std::string(77, ' ') + "\n" +
                                 "Species 1" + std::string(12, ' ') + "    r 3" + std::string(77, ' ') + "\n" +
                                 "Species 2" + std::string(12, ' ') + "    5a " + std::string(77, ' ') + "\n";
    EXPECT_EQ(run.out, expected);

    const auto part = runCli({"show", file, "--first-column", "2", "--columns", "2", "--top-row", "2", "--scale", "3"});
    ASSERT_EQ(part.status, 0) << part.err;
    EXPECT_NE(part.out.find("Species 2" + std::string(12, ' ') + "    5 \n"), std::string::npos) << part.out;
}

TEST(ShowCommand, RefusesWhatItCannotShow) {
    zembu::testing::TempDir dir;
    zembu::testing::writeFile(dir / "bad.vod", "not a table");
    EXPECT_NE(runCli({"show", (dir / "bad.vod").string()}).status, 0);
    EXPECT_NE(runCli({"show", savedTable(dir), "--scale", "5"}).status, 0);
}

TEST(ShowCommand, PrintsTheSynopticViewWithItsClasses) {
    zembu::testing::TempDir dir;
    const std::string file = savedTable(dir);
    // Prefix: name width 20 + 2 + layer width 3.
    const auto pad = [](const std::string& text) { return text + std::string(25 - text.size(), ' '); };
    const std::string groupHead = pad("Group No."), sizeHead = "No. of relevés" + std::string(11, ' ');
    const std::string one = pad("Species 1"), two = pad("Species 2");
    const auto run = runCli({"show", file, "--synoptic", "1", "--frequency-limit", "50", "--frequency2-limit", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Percentage synoptic table\n" + groupHead + "     1     2\n" + sizeHead + "     1     2\n" +
                           one + "   100    50\n" + two + "   100    50\n");
    const auto classes = runCli({"show", file, "--synoptic", "1", "--classes", "--frequency-limit", "50",
                                 "--frequency2-limit", "100", "--first-column", "2", "--rows", "1"});
    EXPECT_EQ(classes.out,
              "Percentage synoptic table\n" + groupHead + "     2\n" + sizeHead + "     2\n" + one + "    50|1\n");
    // The combined view: two values per group.
    const auto combined = runCli({"show", file, "--synoptic", "combined", "--form", "6", "--rows", "1"});
    EXPECT_EQ(combined.out, "Synoptic table with percentage constancy and cover range\n" + groupHead +
                                "     1           2      \n" + sizeHead + "     1           2      \n" + one +
                                "   100     1    50    38\n");
    EXPECT_NE(runCli({"show", file, "--synoptic", "12"}).status, 0);
}
