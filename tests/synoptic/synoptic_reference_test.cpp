// Every synoptic type and every form of the combined table against a
// straightforward computation: groups numbered column by column, each cell
// computed from the list of the species' covers in the group's columns.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "core/index_code.h"
#include "core/text.h"
#include "synoptic/synoptic_table.h"
#include "synoptic/synoptic_test_tables.h"

using namespace zembu::synoptic;
using zembu::core::roundHalfEven;

namespace {

struct Reference {
    const zembu::core::Table& table;
    const SynopticSettings& s;
    std::vector<int> group, higher;  // by column
    int K = 0;
    std::map<int, int> groupSize, higherSize, higherOfGroup;
    std::map<int, double> mean;  // by reference set

    Reference(const zembu::core::Table& t, const SynopticSettings& settings) : table(t), s(settings) {
        const bool hierarchical = s.grouping.hierarchy && s.grouping.higherLevelReference;
        int g = 1, h = 1;
        group.assign(t.ReleveCount + 1, 0);
        higher.assign(t.ReleveCount + 1, 0);
        for (int k = 1; k <= t.ReleveCount; ++k) {
            group[k] = g;
            higher[k] = hierarchical ? h : 1;
            ++groupSize[g];
            ++higherSize[higher[k]];
            higherOfGroup[g] = higher[k];
            const int sep = t.SeparatorAfter[k];
            if (sep > 0 && (!s.grouping.hierarchy || sep <= s.grouping.level)) ++g;
            if (sep > 0 && sep <= s.grouping.level - 1) ++h;
        }
        K = group[t.ReleveCount];
        for (const auto& [set, size] : higherSize) {
            double sum = 0;
            int count = 0;
            for (int gg = 1; gg <= K; ++gg) {
                if (higherOfGroup[gg] != set || (s.fidelity.adjustedNMinus1 && gg == K)) continue;
                sum += groupSize[gg];
                ++count;
            }
            mean[set] = count ? sum / count : 0;
        }
    }

    // Covers (0 for a cell without cover) of row i in the columns of group g.
    std::vector<int> covers(int row, int g) const {
        std::vector<int> list;
        for (int k = 1; k <= table.ReleveCount; ++k) {
            if (group[k] != g) continue;
            const char byte = table.coverAt(row, k);
            if (byte != 0) list.push_back(zembu::core::coverPercent(byte));
        }
        return list;
    }

    double weight(int p) const {
        if (!s.fidelity.withCover || p < 1) return 1;
        switch (s.fidelity.coverTransformation) {
        case 1: return std::sqrt(p) / 10;
        case 2: return std::log(p) / std::log(100);
        default: return p / 100.0;
        }
    }

    std::optional<double> fidelity(int row, int g) const {
        const int set = higherOfGroup.at(g);
        double N = higherSize.at(set), n = 0, scaled = 0, adjusted = 0, np = 0;
        int64_t nCount = 0, npCount = 0;
        for (int gg = 1; gg <= K; ++gg) {
            if (higherOfGroup.at(gg) != set) continue;
            double w = 0;
            const std::vector<int> list = covers(row, gg);
            for (int p : list) w += weight(p);
            n += w;
            nCount += static_cast<int64_t>(list.size());
            scaled += w * mean.at(set) / groupSize.at(gg);
            adjusted += gg == K ? w : w * mean.at(set) / groupSize.at(gg);
            if (gg == g) {
                np = w;
                npCount = static_cast<int64_t>(list.size());
            }
        }
        const double Np = groupSize.at(g), Nmean = mean.at(set);
        const FisherCounts fisher{static_cast<int64_t>(N), static_cast<int64_t>(Np), nCount, npCount};
        if (s.fidelity.kind != ModifiedFidelity) return uvalue(s.fidelity, N, Np, n, np, s.fidelity.kind, &fisher).value;
        if (!s.fidelity.adjustedNMinus1) return uvalue(s.fidelity, N, Nmean, scaled, np * Nmean / Np, 2, &fisher).value;
        if (g == K) return uvalue(s.fidelity, N, Np, adjusted, np, 2, &fisher).value;
        return uvalue(s.fidelity, N, Nmean, adjusted, np * Nmean / Np, 2, &fisher).value;
    }

    int level(double value, int first, int second) const { return value < first ? 0 : value >= second ? 3 : 1; }

    std::string label(int p) const {
        std::string text = s.labels.table().substr(6 * p, 6);
        return std::string(zembu::core::trim(text));
    }

    CellPart cover(const std::string& text) const {
        return {text, level(zembu::core::leadingNumber(text), s.coverLimit, s.coverLimitHigher)};
    }

    int percent(int count, int size) const {
        const double f = 100.0 * count / size;
        return count == 0 ? 0 : f < 0.5 ? 1 : static_cast<int>(roundHalfEven(f));
    }

    std::string romanClass(int v) const {
        static const char* names[] = {"I", "II", "III", "IV", "V"};
        return names[std::min(4, (v - 1) / 20)];
    }

    CellPart cell(int type, int row, int g) const {
        const std::vector<int> list = covers(row, g);
        std::vector<int> positive;
        for (int p : list)
            if (p >= 1) positive.push_back(p);
        std::sort(positive.begin(), positive.end());
        const int count = static_cast<int>(list.size()), size = groupSize.at(g);
        const int v = percent(count, size);
        double sum = 0, w = 0;
        for (int p : positive) sum += p;
        for (int p : list) w += weight(p);
        const int m = static_cast<int>(positive.size());

        switch (type) {
        case 1: return v ? CellPart{std::to_string(v), level(v, s.frequencyLimit, s.frequency2Limit)} : CellPart{"."};
        case 2: return v ? CellPart{romanClass(v), level(v, s.frequencyLimit, s.frequency2Limit)} : CellPart{"."};
        case 3:
            return w != 0 ? CellPart{std::to_string(count),
                                     level(roundHalfEven(100.0 * count / size), s.frequencyLimit, s.frequency2Limit)}
                          : CellPart{"."};
        case 4: {
            const std::optional<double> f = fidelity(row, g);
            if (!f || *f <= 0) return {"  ---"};
            return {zembu::core::padLeft(zembu::core::formatNumber(*f, "0.0"), 6),
                    level(*f, s.fidelityLimit, s.fidelity2Limit)};
        }
        default: break;
        }
        if (m == 0) return {"."};
        switch (type) {
        case 5: return cover(label(positive.back()));
        case 6: return cover(label(static_cast<int>(roundHalfEven(sum / m))));
        case 7: {
            const double median = m % 2 ? positive[m / 2] : (positive[m / 2 - 1] + positive[m / 2]) / 2.0;
            return cover(label(static_cast<int>(roundHalfEven(median))));
        }
        case 8: {
            int best = 0, most = 0;
            for (int p = 1; p <= 100; ++p) {
                const int c = static_cast<int>(std::count(positive.begin(), positive.end(), p));
                if (c > most) most = c, best = p;
            }
            return cover(label(best));
        }
        case 9: {
            // Rows: constancy classes II..V; columns: mean cover above 75, 50, 25, 4, 2, 1.
            static const int table[4][6] = {{27, 21, 15, 9, 3, 1}, {67, 52, 37, 22, 8, 2},
                                            {112, 87, 62, 37, 13, 4}, {157, 122, 87, 58, 18, 6}};
            const double frequency = static_cast<double>(count) / size, a = sum / m;
            const int k = frequency <= 0.2 + 1e-4 ? 0 : frequency <= 0.4 + 1e-4 ? 1 : frequency <= 0.6 + 1e-4 ? 2
                          : frequency <= 0.8 + 1e-4 ? 3 : 4;
            int value = 0;
            if (k > 0) {
                const double limits[] = {75, 50, 25, 4, 2, 1};
                for (int c = 5; c >= 0; --c)
                    if (a > limits[c]) value = table[k - 1][c];
            }
            return cover(std::to_string(value));
        }
        case 10: return cover(zembu::core::formatNumber(roundHalfEven(10 * (sum / size)) / 10.0, "0.0"));
        }
        return {};
    }

    SynopticCell combined(int form, int row, int g) const {
        const CellPart percentPart = cell(1, row, g), classPart = cell(2, row, g);
        const int v = percent(static_cast<int>(covers(row, g).size()), groupSize.at(g));
        const std::optional<double> f = fidelity(row, g);
        CellPart number{"  ---"}, marks{"  "};
        if (f && *f > 0) {
            number = {zembu::core::padLeft(zembu::core::formatNumber(roundHalfEven(*f * 10) / 10.0, "0.0"), 5),
                      level(*f, s.fidelityLimit, s.fidelity2Limit)};
        }
        if (f) {
            const int c = level(*f, s.fidelityLimit, s.fidelity2Limit);
            marks = {c == 3 ? " **" : c == 1 ? " *" : "  ", c};
        }
        CellPart constancyMarks{" "};
        if (v) {
            const int c = level(v, s.frequencyLimit, s.frequency2Limit);
            constancyMarks = {c == 3 ? " **" : c == 1 ? " *" : " ", c};
        }
        switch (form) {
        case 1: return {percentPart, marks};
        case 2: return {classPart, number};
        case 3: return {classPart, marks};
        case 4: return {number, percentPart};
        case 5: return {number, constancyMarks};
        default: {
            std::vector<int> positive;
            for (int p : covers(row, g))
                if (p >= 1) positive.push_back(p);
            if (positive.empty()) return {percentPart, {"."}};
            const auto [low, high] = std::minmax_element(positive.begin(), positive.end());
            return {percentPart, {*low == *high ? label(*low) : label(*low) + "-" + label(*high)}};
        }
        }
    }
};

SynopticSettings randomSettings(std::mt19937_64& random) {
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    SynopticSettings s;
    s.fidelity.measure = std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}[pick(0, 14)];
    s.fidelity.kind = pick(0, 2);
    s.fidelity.standardSize = pick(5, 60);
    s.fidelity.sizeForTargetGroup = pick(0, 3) == 0;
    s.fidelity.adjustedNMinus1 = pick(0, 1);
    s.fidelity.higherLevelReference = pick(0, 1);
    s.fidelity.fisherVeto = pick(0, 2) == 0;
    s.fidelity.fisherThreshold = pick(0, 1) ? 1.30103 : 2;
    s.fidelity.withCover = pick(0, 2) == 0;
    s.fidelity.coverTransformation = pick(0, 2);
    s.grouping = {pick(0, 1) == 1, pick(1, 6), s.fidelity.higherLevelReference};
    s.frequencyLimit = pick(0, 60);
    s.frequency2Limit = s.frequencyLimit + pick(0, 40);
    s.fidelityLimit = pick(-5, 40);
    s.fidelity2Limit = s.fidelityLimit + pick(0, 40);
    s.coverLimit = pick(0, 30);
    s.coverLimitHigher = s.coverLimit + pick(0, 40);
    if (pick(0, 2) == 0) {
        // A field scale: codes r, +, 1..5 and a few others.
        std::string uhul;
        for (int p = 0; p <= 100; ++p)
            uhul += zembu::core::rightJustify(p == 0 ? "" : p < 3 ? "r" : p < 5 ? "+" : std::to_string(p / 20 + 1), 6);
        s.labels = CoverLabels(uhul);
    }
    return s;
}

}  // namespace

TEST(SynopticReference, EveryTypeAgreesWithAStraightforwardComputation) {
    std::mt19937_64 random(8);
    for (int trial = 0; trial < 120; ++trial) {
        zembu::testing::RandomTableShape shape;
        shape.releves = std::uniform_int_distribution<int>(1, 70)(random);
        shape.separators = std::uniform_real_distribution<>(0, 0.4)(random);
        const zembu::core::Table table = zembu::testing::randomSynopticTable(random, shape);
        for (const std::string& problem : zembu::core::checkInvariants(table))
            ASSERT_NE(problem.find("cover byte"), std::string::npos) << problem;  // cover-0 cells are wanted
        SynopticSettings settings = randomSettings(random);
        const Reference reference(table, settings);

        for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20}) {
            if (type == 20) settings.combinedForm = std::uniform_int_distribution<int>(1, 6)(random);
            const SynopticTable result = computeSynopticTable(table, settings, type);
            ASSERT_EQ(result.groups.groupCount, reference.K);
            ASSERT_EQ(static_cast<int>(result.rows.size()), table.SpeciesCount);
            for (const SynopticRow& row : result.rows) {
                ASSERT_EQ(static_cast<int>(row.cells.size()), reference.K);
                for (int g = 1; g <= reference.K; ++g) {
                    const SynopticCell expected =
                        type == 20 ? reference.combined(settings.combinedForm, row.row, g)
                                   : SynopticCell{reference.cell(type, row.row, g), {}};
                    ASSERT_EQ(expected, row.cells[g - 1])
                        << "trial " << trial << " type " << type << " form " << settings.combinedForm << " row "
                        << row.row << " group " << g << ": expected '" << expected.first.text << "' '"
                        << expected.second.text << "', got '" << row.cells[g - 1].first.text << "' '"
                        << row.cells[g - 1].second.text << "'";
                }
            }
        }
    }
}
