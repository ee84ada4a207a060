#include <gtest/gtest.h>

#include "analysis/beals_smoothing.h"
#include "classification/cocktail_group.h"
#include "core/errors.h"
#include "core/index_code.h"
#include "core/scripted_interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "generator/generator.h"
#include "support/test_support.h"

using namespace zembu;
using zembu::testing::readFile;
using zembu::testing::TempDir;

namespace {

// The export computed pair by pair, the plain way:
// co-occurrences by the aligned code search, then every live row of every
// relevé of the colour.
std::string referenceExport(const core::Table& t, int colour, double limit) {
    const int32_t R = t.SpeciesRecordCount;
    const auto live = [&](int32_t s) { return t.SpeciesRowOfRecord[s] >= 1 && t.SpeciesRowOfRecord[s] <= t.SpeciesCount; };
    std::vector<std::vector<double>> c(R + 1, std::vector<double>(R + 1, 0));
    std::vector<double> n(R + 1, 0);
    for (int32_t s1 = 1; s1 <= R; ++s1)
        for (int32_t s2 = 1; s2 <= R; ++s2) {
            if (!live(s1) || !live(s2)) continue;
            n[s1] = t.SpeciesData[s1].size() / 4;
            n[s2] = t.SpeciesData[s2].size() / 4;
            const std::string& cells = t.SpeciesData[s2];
            for (size_t p = 0; p < cells.size(); p += 4)
                if (classification::InString(t.SpeciesData[s1], cells.substr(p, 3)) > 0) ++c[s1][s2];
        }
    std::string out;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        if (colour != 9 && t.ReleveColour[k].number != colour) continue;
        const std::string& D = t.ReleveData[t.ReleveOrder[k].record];
        std::vector<int> present(t.SpeciesRecordCount + 1, 0);
        for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
            const int32_t s = t.SpeciesInfo[i].record;
            double sum = 0;
            int S = 0;
            for (size_t p = 0; p < D.size(); p += 4) {
                const int32_t tt = core::unkod(D.substr(p, 3));
                if (tt < 1 || tt > R || !live(tt)) continue;
                present[t.SpeciesRowOfRecord[tt]] = 1;
                ++S;
                sum += c[s][tt] / n[tt];
            }
            const double value = S == 0 ? 0 : core::roundHalfEven(1000 * sum / S) / 1000.0 + present[i];
            if (value < limit) continue;
            std::string text = core::formatNumber(value, "0.###");
            if (text.starts_with("0.")) text.erase(0, 1);
            out += std::to_string(t.ReleveOrder[k].turbovegNumber) + ";" + std::to_string(t.SpeciesInfo[i].number) +
                   ";" + std::to_string(t.SpeciesLayer[i]) + ";" + text + "\r\n";
        }
    }
    return out;
}

std::string exported(const core::Table& t, int colour, double limit, const TempDir& dir) {
    core::ScriptedInteraction ui;
    analysis::writeBealsFile(t, colour, limit, dir / "beals.txt", ui);
    return readFile(dir / "beals.txt");
}

}  // namespace

TEST(Beals, EqualsThePairByPairComputationOnRandomTables) {
    TempDir dir;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        generator::GeneratorOptions o;
        o.releves = 40 + static_cast<int32_t>(seed) * 7;
        o.species = 30 + static_cast<int32_t>(seed) * 5;
        o.speciesPerReleve = 6 + static_cast<int>(seed);
        o.seed = seed;
        o.deletedFraction = 0.15;
        o.shuffle = true;
        o.colours = true;
        o.emptyReleves = 2;
        const core::Table t = generator::generateTable(o);
        for (const double limit : {0.0, 0.05, 0.3, 0.999}) {
            EXPECT_EQ(exported(t, 9, limit, dir), referenceExport(t, 9, limit)) << "seed " << seed << " limit " << limit;
        }
        EXPECT_EQ(exported(t, 2, 0.1, dir), referenceExport(t, 2, 0.1)) << "seed " << seed;
    }
}

TEST(Beals, PairAlwaysTogetherAndLimits) {
    TempDir dir;
    // s and t always together (relevés 1, 2), u alone in relevé 3.
    core::Table t = zembu::testing::tableFromCovers({{5, 5, 0}, {5, 5, 0}, {0, 0, 5}});
    analysis::BealsSmoothing beals(t);
    EXPECT_EQ(beals.cooccurrences(1, 2), 2);
    EXPECT_EQ(beals.cooccurrences(1, 3), 0);
    std::vector<int32_t> values;
    beals.valuesOf(1, values);
    EXPECT_EQ(values, (std::vector<int32_t>{0, 2000, 2000, 0}));
    beals.valuesOf(3, values);
    EXPECT_EQ(values, (std::vector<int32_t>{0, 0, 0, 2000}));

    // Limit 0 writes every live species of every relevé; 0.999 only these of at least 0.999.
    EXPECT_EQ(exported(t, 9, 0, dir),
              "1001;1;6;2\r\n1001;2;6;2\r\n1001;3;6;0\r\n1002;1;6;2\r\n1002;2;6;2\r\n1002;3;6;0\r\n"
              "1003;1;6;0\r\n1003;2;6;0\r\n1003;3;6;2\r\n");
    EXPECT_EQ(exported(t, 9, 0.999, dir), "1001;1;6;2\r\n1001;2;6;2\r\n1002;1;6;2\r\n1002;2;6;2\r\n1003;3;6;2\r\n");
    // A colour no relevé has: an empty file.
    EXPECT_EQ(exported(t, 4, 0, dir), "");
}

TEST(Beals, AbsentSpeciesNearOne) {
    TempDir dir;
    // t in relevés 1..1000, s in 2..1000, w in 500: relevé 1 holds t only.
    std::vector<std::vector<int>> covers(3, std::vector<int>(1000, 0));
    for (int k = 0; k < 1000; ++k) covers[0][k] = 5;
    for (int k = 1; k < 1000; ++k) covers[1][k] = 5;
    covers[2][499] = 5;
    const core::Table t = zembu::testing::tableFromCovers(covers);
    analysis::BealsSmoothing beals(t);
    std::vector<int32_t> values;
    beals.valuesOf(1, values);
    EXPECT_EQ(values, (std::vector<int32_t>{0, 2000, 999, 1}));
    EXPECT_EQ(exported(t, 9, 0.999, dir).substr(0, 27), "1001;1;6;2\r\n1001;2;6;.999\r\n");
}

TEST(Beals, RelevesWithoutLiveSpeciesAndValueTexts) {
    TempDir dir;
    core::Table t = zembu::testing::tableFromCovers({{5, 0}, {5, 5}});
    t.SpeciesCount = 1;  // row 2 formally deleted: relevé 2 has no live species
    EXPECT_EQ(exported(t, 9, 0, dir), "1001;1;6;2\r\n1002;1;6;0\r\n");
    EXPECT_EQ(exported(t, 9, 0.001, dir), "1001;1;6;2\r\n");

    EXPECT_EQ(analysis::bealsValueText(345), ".345");
    EXPECT_EQ(analysis::bealsValueText(50), ".05");
    EXPECT_EQ(analysis::bealsValueText(1500), "1.5");
    EXPECT_EQ(analysis::bealsValueText(1007), "1.007");
    EXPECT_EQ(analysis::bealsValueText(2000), "2");
    EXPECT_EQ(analysis::bealsValueText(0), "0");
    EXPECT_TRUE(analysis::bealsValueReaches(100, 0.1));
    EXPECT_FALSE(analysis::bealsValueReaches(99, 0.1));
    EXPECT_EQ(analysis::bealsLimitThousandths(0), 0);
    EXPECT_EQ(analysis::bealsLimitThousandths(0.1), 100);
    EXPECT_EQ(analysis::bealsLimitThousandths(0.1001), 101);
    EXPECT_EQ(analysis::bealsLimitThousandths(0.999), 999);
    core::ScriptedInteraction ui;
    EXPECT_THROW(analysis::writeBealsFile(t, 9, 0, dir / "missing" / "b.txt", ui), core::ZembuError);
}

TEST(Beals, CommandAsksForTheFileAndALimit) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table = zembu::testing::tableFromCovers({{5, 5, 0}, {5, 5, 0}, {0, 0, 5}});
    ws.table.ReleveColour[3] = {0x9999FF, 1};
    ws.releveColourBox = 1;

    core::ScriptedInteraction ui;
    ui.expectSaveFile(analysis::BealsFileTitle, (dir / "out").string());
    ui.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, "1.5");
    ui.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, "many");
    ui.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, "0,5");
    EXPECT_TRUE(analysis::cockrele_Click(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown()[1].defaultValue, "0.100");
    EXPECT_EQ(readFile(dir / "out.txt"), "1003;3;6;2\r\n");
    EXPECT_EQ(ui.busyDepth(), 0);

    // Cancelling the file or the limit writes nothing.
    core::ScriptedInteraction cancel;
    cancel.expectSaveFile(analysis::BealsFileTitle, std::nullopt);
    EXPECT_FALSE(analysis::cockrele_Click(ws, cancel));
    cancel.expectSaveFile(analysis::BealsFileTitle, (dir / "none.txt").string());
    cancel.expectInput(analysis::BealsLimitPrompt, analysis::BealsLimitTitle, std::nullopt);
    EXPECT_FALSE(analysis::cockrele_Click(ws, cancel));
    EXPECT_SCRIPT_DONE(cancel);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.txt"));
}
