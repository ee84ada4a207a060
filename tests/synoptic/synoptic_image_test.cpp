// The synoptic table image: its file, reading it back, and the comparison
// of two synoptic tables.

#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/synoptic_image.h"

using namespace zembu;
using namespace zembu::synoptic;
namespace zt = zembu::testing;

namespace {

core::Table twoGroups(const std::vector<std::vector<int>>& covers) {
    core::Table t = zt::tableFromCovers(covers);
    t.SeparatorAfter[2] = 1;
    return t;
}

}  // namespace

TEST(SynopticImage, FileTextAndReadingBack) {
    const core::Table t = twoGroups({{5, 5, 0, 0}, {5, 0, 0, 30}});
    const SynopticImage image = synopticImage(t, SynopticSettings{}, PercentageConstancy);
    EXPECT_EQ(synopticImageText(image),
              "Synoptic table image\r\nTable type: 1\r\nNo. of species: 2\r\nNo. of groups: 2\r\n"
              "Species 1\r\n6\r\nSpecies 2\r\n6\r\n100\r\n0\r\n50\r\n50\r\n");
    const auto back = readSynopticImage(synopticImageText(image));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->values, image.values);
    EXPECT_EQ(back->names, image.names);
    // Truncated or foreign files are not images.
    const std::string text = synopticImageText(image);
    EXPECT_FALSE(readSynopticImage(text.substr(0, text.size() - 4)));
    EXPECT_FALSE(readSynopticImage("Synoptic table image\nTable type: x\n"));
    EXPECT_FALSE(readSynopticImage("hello"));
    // Categorical tables keep their percentages; absent fidelities count 0.
    EXPECT_EQ(synopticImage(t, SynopticSettings{}, CategoricalConstancy).values, image.values);
    for (double v : synopticImage(t, SynopticSettings{}, FidelityTable).values) EXPECT_GE(v, 0);
}

TEST(SynopticImage, ComparisonMatrixAndSimilarity) {
    const core::Table t = twoGroups({{5, 5, 0, 0}, {5, 0, 0, 30}});
    const SynopticImage image = synopticImage(t, SynopticSettings{}, PercentageConstancy);
    // An image compared with itself: 0 on the diagonal, similarity 1.
    auto r = compareSynopticImages(image, image);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->distance[0][0], 0);
    EXPECT_EQ(r->distance[1][1], 0);
    EXPECT_EQ(r->distance[0][1], 100.0 * 100 + 0);  // species 1: 100 vs 0; species 2: 50 vs 50
    EXPECT_DOUBLE_EQ(r->similarity, 1);
    EXPECT_EQ(r->clipboardText,
              "ED matrix and total similarity\n\t1\t2\n1\t0.000\t10000.000\n2\t10000.000\t0.000\nTotal similarity\t1.00\n");

    // A table with a species the stored one lacks, in another order.
    const core::Table other = twoGroups({{0, 0, 40, 40}, {5, 5, 0, 0}});
    SynopticImage current = synopticImage(other, SynopticSettings{}, PercentageConstancy);
    current.names = {"Species 3", "Species 1"};
    r = compareSynopticImages(image, current);
    ASSERT_TRUE(r);
    // Group 1 vs group 1: species 1 equal (100), species 2 only stored (50),
    // species 3 only current (0 in group 1).
    EXPECT_EQ(r->distance[0][0], 50.0 * 50);
    // Paired groups 1-1 and 2-2: distances 2500 and 50^2 + 100^2.
    const double paired = 2500 + (2500 + 10000);
    const double norms = (100 * 100 + 50 * 50) + (100 * 100) + (50 * 50) + (100 * 100);
    EXPECT_NEAR(r->similarity, 1 - paired / norms, 1e-12);
    // Different types do not compare.
    EXPECT_FALSE(compareSynopticImages(image, synopticImage(t, SynopticSettings{}, MaximumCover)));
}

TEST(SynopticImage, UnequalGroupCountsPairWithTheNearest) {
    const core::Table two = twoGroups({{5, 5, 0, 0}});
    core::Table three = zt::tableFromCovers({{0, 0, 5, 5, 5, 0}});
    three.SeparatorAfter[2] = 1;
    three.SeparatorAfter[4] = 1;
    const auto r = compareSynopticImages(synopticImage(two, {}, PercentageConstancy),
                                         synopticImage(three, {}, PercentageConstancy));
    ASSERT_TRUE(r);
    ASSERT_EQ(r->distance.size(), 2u);
    ASSERT_EQ(r->distance[0].size(), 3u);
    // Stored group 1 (100) pairs with current group 2 (100), stored group 2
    // (0) with current group 1 (0): the tables hold the same groups.
    EXPECT_DOUBLE_EQ(r->similarity, 1);
}

TEST(SynopticImage, SaveAndCompareCommands) {
    zt::TempDir dir;
    core::Workspace ws(dir / "work");
    core::applySettingRules(ws.settings);
    ws.table = twoGroups({{5, 5, 0, 0}, {5, 0, 0, 30}});
    core::ScriptedInteraction ui;
    ui.expectSaveFile("Save image of synoptic table", (dir / "image.txt").string());
    ASSERT_TRUE(ulozsyno(ws, PercentageConstancy, ui));
    ui.expectOpenFile("Synoptic table image to compare", (dir / "image.txt").string());
    ui.expectMessage("Similarity of two tables: 1.00\nThe result was saved into the clipboard!", "ZEMBU");
    ASSERT_TRUE(otevsyno(ws, PercentageConstancy, ui));
    EXPECT_EQ(ui.clipboard().substr(0, 31), "ED matrix and total similarity\n");
    ui.expectOpenFile("Synoptic table image to compare", (dir / "image.txt").string());
    ui.expectMessage("These tables have different formats", "ZEMBU");
    EXPECT_FALSE(otevsyno(ws, MaximumCover, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown()[1].request.filter, "TEXT file|*.txt|All files (*.*)|*.*");
}
