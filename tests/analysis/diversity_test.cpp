#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "analysis/diversity_indices.h"
#include "core/diversity.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::TempDir;

namespace {

std::string head(const core::Workspace& ws, int32_t rec) { return ws.table.ReleveHead[rec]; }

}  // namespace

TEST(DiversityIndices, EqualAndSingleCovers) {
    EXPECT_EQ(analysis::indexHeadText(core::shannonWiener({30, 30})), " 0.693");
    EXPECT_EQ(analysis::indexHeadText(core::pielouEvenness({30, 30})), " 1.000");
    EXPECT_EQ(analysis::indexHeadText(core::evar({30, 30})), " 1.000");
    for (double value : {core::shannonWiener({40}), core::pielouEvenness({40}), core::evar({40}),
                         core::shannonWiener({}), core::pielouEvenness({}), core::evar({})})
        EXPECT_EQ(analysis::indexHeadText(value), " 0.000");
    // Evar with the constant 3.1415927: covers 1 and 7 give V = (ln 7 / 2)^2.
    const double v = std::pow(std::log(7.0) / 2, 2);
    EXPECT_DOUBLE_EQ(core::evar({1, 7}), 1 - (2 / 3.1415927) * std::atan(v));
}

TEST(DiversityIndices, TextbookFormulasOnRandomReleves) {
    std::mt19937 random(3);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<int> covers(1 + random() % 40);
        for (int& c : covers) c = 1 + static_cast<int>(random() % 95);
        double total = 0;
        for (int c : covers) total += c;
        double h = 0;
        for (int c : covers) h += (c / total) * std::log(c / total);
        h = -h;
        EXPECT_NEAR(core::shannonWiener(covers), h, 1e-12);
        if (covers.size() > 1)
            EXPECT_NEAR(core::pielouEvenness(covers), h / std::log(static_cast<double>(covers.size())), 1e-12);
    }
}

TEST(DiversityIndices, HeadsCountLiveSpeciesOnlyAndFollowTheirReleves) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // Relevé 1: two equal covers and a group row; relevé 2: one species and
    // a formally deleted one; relevé 3: nothing counted.
    ws.table = zembu::testing::tableFromCovers({{20, 0, 0}, {20, 50, 0}, {70, 0, 30}, {0, 10, 0}});
    ws.table.SpeciesInfo[3].name = "### Group";
    ws.table.SpeciesCount = 3;  // row 4 formally deleted
    ws.table.ReleveData[3].clear();
    ws.table.tvorbadruhu();
    ws.table.recountFrequencies();

    analysis::sh_store_Click(ws);
    EXPECT_TRUE(ws.undo.available);
    EXPECT_EQ(head(ws, 1), " 0.693");
    EXPECT_EQ(head(ws, 2), " 0.000");
    EXPECT_EQ(head(ws, 3), " 0.000");
    EXPECT_EQ(ws.head, core::HeadKind::AnalysisValue);
    EXPECT_EQ(ws.display.headLines[0].substr(0, 2), "30");  // last characters of the heads

    ws.undo.available = false;
    analysis::even_Click(ws, 0);
    EXPECT_FALSE(ws.undo.available);
    EXPECT_EQ(head(ws, 1), " 1.000");
    EXPECT_EQ(head(ws, 2), " 0.000");

    // Sorted columns: each relevé keeps its own value.
    std::swap(ws.table.ReleveOrder[1], ws.table.ReleveOrder[2]);
    analysis::even_Click(ws, 1);
    EXPECT_EQ(head(ws, 1), " 1.000");
    EXPECT_EQ(head(ws, 2), " 0.000");

    // No relevés: the Shannon-Wiener command does nothing.
    core::Workspace empty(dir.path() / "empty");
    analysis::sh_store_Click(empty);
    EXPECT_FALSE(empty.undo.available);
}
