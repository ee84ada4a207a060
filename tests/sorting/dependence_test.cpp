#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "core/palette.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "sorting/dependence_sorting.h"
#include "sorting/species_sort_commands.h"
#include "support/test_support.h"
#include "synoptic/fidelity_settings.h"

using namespace zembu;
using zembu::testing::TempDir;

namespace {

const std::vector<std::vector<int>> kCovers = {
    {1, 1, 1, 0, 0, 0, 0, 0},  // 1
    {1, 1, 0, 0, 0, 0, 0, 0},  // 2: always with 1
    {0, 0, 0, 1, 1, 1, 0, 0},  // 3: never with 1
    {0, 0, 1, 1, 0, 0, 0, 0},  // 4
    {0, 0, 0, 0, 1, 1, 1, 1},  // 5
    {0, 0, 0, 0, 0, 0, 0, 1},  // 6: rare
};

// The phi coefficient of a 2x2 table, written out; empty where undefined.
std::optional<double> phi(double N, double Np, double n, double np) {
    const double d = n * Np * (N - n) * (N - Np);
    if (d <= 0) return std::nullopt;
    return 100 * (N * np - n * Np) / std::sqrt(d);
}

// The score of row t by the rule: mean of the k largest phi values of the
// other rows with frequency >= minimum (k = 0: rows sharing a relevé).
double referenceScore(size_t t, int k, int minimum) {
    const double N = static_cast<double>(kCovers[0].size());
    const auto frequency = [](size_t r) { return std::accumulate(kCovers[r].begin(), kCovers[r].end(), 0); };
    std::vector<double> values;
    for (size_t b = 0; b < kCovers.size(); ++b) {
        if (b == t || frequency(b) < minimum) continue;
        int both = 0;
        for (size_t j = 0; j < kCovers[0].size(); ++j) both += kCovers[t][j] && kCovers[b][j];
        if (k == 0 && both == 0) continue;
        if (const auto v = phi(N, frequency(t), frequency(b), both)) values.push_back(*v);
    }
    std::sort(values.rbegin(), values.rend());
    const size_t used = k == 0 ? values.size() : std::min(values.size(), static_cast<size_t>(k));
    return used ? std::accumulate(values.begin(), values.begin() + static_cast<long>(used), 0.0) / used : 0;
}

}  // namespace

TEST(DependenceSorting, ScoresFollowTheMostDependentSpecies) {
    const core::Table t = zembu::testing::tableFromCovers(kCovers);
    synoptic::FidelitySettings settings;
    settings.measure = synoptic::PhiCoefficient;
    settings.kind = synoptic::ModifiedFidelity;  // dependence always uses the plain index
    for (int k : {1, 3, 5, 10, sorting::AllCommonOccurrences}) {
        for (int minimum : {0, 2}) {
            const auto scores = sorting::dependenceScores(t, settings, core::AllColours, k, minimum);
            for (size_t row = 1; row <= kCovers.size(); ++row)
                EXPECT_NEAR(scores[row], referenceScore(row - 1, k, minimum), 1e-9)
                    << "row " << row << ", k " << k << ", minimum " << minimum;
        }
    }
    // Species 1: species 2 always with it gives phi 100 * (8 * 2 - 2 * 3) / sqrt(2 * 3 * 6 * 5).
    EXPECT_NEAR(sorting::dependenceScores(t, settings, core::AllColours, 1, 0)[1], 1000 / std::sqrt(180.0), 1e-9);
}

TEST(DependenceSorting, TheCommandSortsByScoreNegativeScoresIncluded) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers(kCovers);
    ws.table.SpeciesColour[6] = {0xCC, 1};  // the rare species is red and stays in row 6
    ws.settings.setValue(core::setting::FidelityType, "2");
    core::ScriptedInteraction ui;
    const auto outcome = sorting::depesorting(ws, {0, 1, 0}, ui);
    ASSERT_TRUE(outcome.sorted);
    std::vector<std::pair<double, int32_t>> expected;
    for (int32_t s = 1; s <= 5; ++s) expected.emplace_back(referenceScore(static_cast<size_t>(s - 1), 1, 0), s);
    std::sort(expected.rbegin(), expected.rend());
    for (int32_t i = 1; i <= 5; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_NEAR(referenceScore(static_cast<size_t>(ws.table.SpeciesInfo[i].record - 1), 1, 0), expected[i - 1].first, 1e-9);
        EXPECT_EQ(ws.table.SpeciesLayerLabel[i], sorting::scoreLabel(expected[i - 1].first));
    }
    EXPECT_EQ(ws.table.SpeciesInfo[6].record, 6);
    EXPECT_EQ(ws.table.SpeciesLayerLabel[6], "   ");
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
    EXPECT_GT(sorting::expectedDependenceSeconds(ws.table, core::AllColours), 0);
}

TEST(DependenceSorting, ScoreLabelsFitThreeCharacters) {
    EXPECT_EQ(sorting::scoreLabel(4.46), "4.5");
    EXPECT_EQ(sorting::scoreLabel(0), "0.0");
    EXPECT_EQ(sorting::scoreLabel(70.71), "71");
    EXPECT_EQ(sorting::scoreLabel(-4.46), "-4");
    EXPECT_EQ(sorting::scoreLabel(-57.7), "-58");
    EXPECT_EQ(sorting::scoreLabel(100), "100");
    EXPECT_EQ(sorting::scoreLabel(-100), "-99");
    EXPECT_EQ(sorting::scoreLabel(1500), "999");
}
