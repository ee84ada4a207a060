#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

#include "core/settings.h"
#include "core/text.h"
#include "synoptic/fidelity_measures.h"

using namespace zembu::synoptic;

namespace {

// Textbook statistics of a 2x2 table with cells a (species in the group),
// b (group without it), c (species outside), d (neither), written from the
// cells, margins and expected frequencies.
struct Contingency {
    double a, b, c, d;
    double N() const { return a + b + c + d; }
    double group() const { return a + b; }
    double species() const { return a + c; }
    double expected(double row, double column) const { return row * column / N(); }
    double Ea() const { return expected(group(), species()); }
    double sign() const { return a > Ea() + 0.5 ? 1 : a < Ea() - 0.5 ? -1 : 0; }
    // Observed and expected cells in the order a, b, c, d.
    std::array<std::pair<double, double>, 4> cells() const {
        const double N = this->N(), g = group(), s = species();
        return {{{a, expected(g, s)}, {b, expected(g, N - s)}, {c, expected(N - g, s)}, {d, expected(N - g, N - s)}}};
    }
    double hypergeometricVariance() const {
        const double N = this->N();
        return species() * group() * (N - species()) * (N - group()) / (N * N * (N - 1));
    }
    double binomialVariance() const { return species() * group() / N() * (1 - group() / N()); }
};

std::optional<double> textbook(int measure, const Contingency& t) {
    const double N = t.N(), dev = t.a - t.Ea();
    switch (measure) {
    case 1: return t.sign() * (std::fabs(dev) - 0.5) / std::sqrt(t.hypergeometricVariance());
    case 2:
        return 100 * (t.a * t.d - t.b * t.c) /
               std::sqrt(t.group() * (t.c + t.d) * t.species() * (t.b + t.d));
    case 4:
    case 5: {
        double chi = 0;
        for (auto [o, e] : t.cells()) {
            const double diff = measure == 5 ? std::fabs(o - e) - 0.5 : o - e;
            chi += diff * diff / e;
        }
        return t.sign() * std::sqrt(chi);
    }
    case 6:
    case 7: {
        double G = 0;
        for (auto [o, e] : t.cells())
            if (o > 0) G += 2 * o * std::log(o / e);
        if (measure == 7) {
            const double rows = 1 / t.group() + 1 / (N - t.group());
            const double columns = 1 / t.species() + 1 / (N - t.species());
            G /= 1 + (N * rows - 1) * (N * columns - 1) / (6 * N);
        }
        return t.sign() * std::sqrt(std::fabs(G));
    }
    case 8: return dev / std::sqrt(t.binomialVariance());
    case 9: return t.sign() * (std::fabs(dev) - 0.5) / std::sqrt(t.binomialVariance());
    case 10:
        return dev / std::sqrt(t.binomialVariance()) * std::sqrt((N - t.group()) / (N - t.species()));
    case 11:
        return t.sign() * (std::fabs(dev) - 0.5) / std::sqrt(t.binomialVariance()) *
               std::sqrt((N - t.group()) / (N - t.species()));
    case 12: return dev / std::sqrt(t.hypergeometricVariance());
    case 13: {
        // Upper tail of the hypergeometric distribution of the group's
        // occurrences, summed in extended precision.
        const auto whole = [](double x) { return static_cast<long long>(std::llround(x)); };
        const long long n = whole(N), K = whole(t.group()), m = whole(t.species()), x0 = whole(t.a);
        auto lchoose = [](long double x, long double y) {
            return std::lgamma(x + 1) - std::lgamma(y + 1) - std::lgamma(x - y + 1);
        };
        long double sum = 0;
        for (long long x = x0; x <= std::min(K, m); ++x)
            sum += std::exp(lchoose(K, x) + lchoose(n - K, m - x) - lchoose(n, m));
        return static_cast<double>(-std::log10(sum));
    }
    case 14: {
        const double specificity = t.a / t.species(), fidelity = t.a / t.group();
        return zembu::core::roundHalfEven(1000 * specificity * fidelity) / 10.0;
    }
    case 15:
    case 16: {
        // Likelihood ratio of the species' distribution (15: occurrences
        // against absences; 16: inside against outside the group) with the
        // two profiles pooled.
        const double rowA = measure == 15 ? t.a + t.c : t.a + t.b;
        const double rowB = measure == 15 ? t.b + t.d : t.c + t.d;
        const double p[2][2] = {{t.a / rowA, (measure == 15 ? t.c : t.b) / rowA},
                                {(measure == 15 ? t.b : t.c) / rowB, t.d / rowB}};
        const double o[2][2] = {{t.a, measure == 15 ? t.c : t.b}, {measure == 15 ? t.b : t.c, t.d}};
        double G = 0;
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 2; ++k)
                if (o[r][k] > 0) G += 2 * o[r][k] * std::log(2 * p[r][k] / (p[0][k] + p[1][k]));
        return t.sign() * std::sqrt(std::fabs(G));
    }
    default: return std::nullopt;
    }
}

FidelitySettings withMeasure(int measure) {
    FidelitySettings s;
    s.measure = measure;
    s.kind = FidelityIndex;
    return s;
}

void expectSame(std::optional<double> expected, std::optional<double> actual, const std::string& what) {
    ASSERT_EQ(expected.has_value(), actual.has_value()) << what;
    if (!expected) return;
    EXPECT_NEAR(*expected, *actual, 1e-9 * std::max(1.0, std::fabs(*expected))) << what;
}

std::string describe(int measure, int kind, double N, double Np, double n, double np) {
    return "measure " + std::to_string(measure) + " kind " + std::to_string(kind) + ": N=" + std::to_string(N) +
           " Np=" + std::to_string(Np) + " n=" + std::to_string(n) + " np=" + std::to_string(np);
}

bool capped(int measure) { return measure != 2 && measure != 14; }

class EveryMeasure : public ::testing::TestWithParam<int> {};

}  // namespace

// Every measure against its textbook formula on random tables, for the
// fidelity index and for both standardisations (whose rescaled tables are
// built here from their definition).
TEST_P(EveryMeasure, AgreesWithTheTextbookFormulaOnRandomTables) {
    const int measure = GetParam();
    std::mt19937_64 random(1000 + measure);
    for (int trial = 0; trial < 1500; ++trial) {
        const double N = std::uniform_int_distribution<int>(3, trial < 1000 ? 60 : 2000)(random);
        const double Np = std::uniform_int_distribution<int>(1, static_cast<int>(N) - 1)(random);
        const double n = std::uniform_int_distribution<int>(1, static_cast<int>(N) - 1)(random);
        const double np = std::uniform_int_distribution<int>(static_cast<int>(std::max(0.0, Np + n - N)),
                                                             static_cast<int>(std::min(Np, n)))(random);
        const int kind = trial % 3;
        FidelitySettings settings = withMeasure(measure);
        settings.kind = kind;
        settings.standardSize = std::uniform_real_distribution<>(5, 95)(random);

        // The rescaled table: the group brought to X relevés, the species
        // keeping its frequency inside and outside the group.
        const double X = kind == StandardisedFidelity ? N * settings.standardSize / 100 : Np;
        const double a = np * X / Np, c = (N - X) * (n - np) / (N - Np);
        const Contingency table{a, X - a, c, (N - X) - c};
        // The sign rule jumps at 0.5 from the expectation: leave the last bit
        // of rounding out of the comparison there (the edge is tested below).
        if (std::fabs(std::fabs(table.a - table.Ea()) - 0.5) < 1e-9) continue;

        std::optional<double> expected = textbook(measure, table);
        if (measure == 13 && kind != FidelityIndex) {
            // The test runs on the rounded rescaled counts.
            const auto r = [](double x) { return static_cast<double>(zembu::core::roundHalfEven(x)); };
            const double tN = r(N), tNp = r(X), tn = r(table.species());
            const double tnp = std::clamp(r(table.a), std::max(0.0, tNp + tn - tN), std::min(tNp, tn));
            expected = textbook(13, Contingency{tnp, tNp - tnp, tn - tnp, tN - tNp - tn + tnp});
        }
        if (expected && capped(measure) && *expected > 999) expected = 999;
        expectSame(expected, uvalue(settings, N, Np, n, np, kind).value, describe(measure, kind, N, Np, n, np));
    }
}

INSTANTIATE_TEST_SUITE_P(Fidelity, EveryMeasure,
                         ::testing::Values(1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16),
                         [](const auto& info) { return "Measure" + std::to_string(info.param); });

TEST(Fidelity, UndefinedCountsGiveNoValueForEveryMeasure) {
    for (int measure = 1; measure <= 16; ++measure) {
        for (int kind = 0; kind <= 2; ++kind) {
            const FidelitySettings s = withMeasure(measure);
            EXPECT_FALSE(uvalue(s, 0, 5, 3, 1, kind).value) << measure;
            EXPECT_FALSE(uvalue(s, 20, 0, 3, 0, kind).value) << measure;
            EXPECT_FALSE(uvalue(s, 20, 5, 0, 0, kind).value) << measure;
            EXPECT_FALSE(uvalue(s, 1, 1, 1, 1, kind).value) << measure;
        }
        // A target group holding every relevé under a standardisation.
        EXPECT_FALSE(uvalue(withMeasure(measure), 20, 20, 5, 5, StandardisedFidelity).value) << measure;
        EXPECT_FALSE(uvalue(withMeasure(measure), 20, 20, 5, 5, ModifiedFidelity).value) << measure;
    }
    EXPECT_FALSE(uvalue(withMeasure(3), 20, 5, 6, 4, FidelityIndex).value);
    EXPECT_FALSE(uvalue(withMeasure(17), 20, 5, 6, 4, FidelityIndex).value);
    // Williams' correction and the shares outside the group divide by zero.
    EXPECT_FALSE(uvalue(withMeasure(7), 20, 5, 20, 5, FidelityIndex).value);
    EXPECT_FALSE(uvalue(withMeasure(16), 20, 20, 5, 5, FidelityIndex).value);
    // A species everywhere has no variance: empty u-values and phi, chi-square 0.
    EXPECT_FALSE(uvalue(withMeasure(12), 20, 5, 20, 5, FidelityIndex).value);
    EXPECT_EQ(uvalue(withMeasure(4), 20, 5, 20, 5, FidelityIndex).value, 0.0);
}

TEST(Fidelity, DeviationsWithinHalfOfTheExpectationGiveZero) {
    // E = 6 * 10 / 20 = 3.
    for (int measure : {1, 4, 5, 6, 7, 9, 11, 15, 16})
        for (double np : {3.0, 2.6, 3.5})
            EXPECT_EQ(uvalue(withMeasure(measure), 20, 10, 6, np, FidelityIndex).value, 0.0)
                << measure << " np " << np;
    EXPECT_GT(*uvalue(withMeasure(4), 20, 10, 6, 3.6, FidelityIndex).value, 0);
}

TEST(Fidelity, PhiReachesPlusAndMinusOneHundredExactly) {
    const FidelitySettings phi = withMeasure(PhiCoefficient);
    EXPECT_EQ(uvalue(phi, 1000, 37, 37, 37, FidelityIndex).value, 100.0);
    EXPECT_EQ(uvalue(phi, 1000000, 12345, 12345, 12345, FidelityIndex).value, 100.0);
    EXPECT_EQ(uvalue(phi, 1000, 37, 963, 0, FidelityIndex).value, -100.0);
    EXPECT_EQ(uvalue(phi, 1000000, 12345, 987655, 0, FidelityIndex).value, -100.0);
}

TEST(Fidelity, LargeValuesAreCappedUpwardOnly) {
    EXPECT_EQ(uvalue(withMeasure(12), 1e7, 1000, 1000, 1000, FidelityIndex).value, 999.0);
    EXPECT_LT(*uvalue(withMeasure(12), 1e7, 5e6, 5e6, 0, FidelityIndex).value, -1500);
    EXPECT_EQ(uvalue(withMeasure(13), 1e6, 5000, 5000, 5000, FidelityIndex).value, 999.0);
}

TEST(Fidelity, DufreneLegendreIsAPercentWithOneDecimalRoundedHalfToEven) {
    const FidelitySettings dl = withMeasure(DufreneLegendre);
    EXPECT_EQ(uvalue(dl, 40, 10, 10, 5, FidelityIndex).value, 25.0);
    EXPECT_EQ(uvalue(dl, 100, 2, 40, 1, FidelityIndex).value, 1.2);  // 12.5 -> 12
    EXPECT_EQ(uvalue(dl, 100, 8, 30, 3, FidelityIndex).value, 3.8);  // 37.5 -> 38
}

TEST(Fidelity, FisherVetoMarksInsignificantValues) {
    FidelitySettings s = withMeasure(PhiCoefficient);
    s.fisherVeto = true;
    s.fisherThreshold = 3;
    // A table whose one-tailed P lies between 0.01 and 0.001.
    const FisherCounts counts{60, 10, 12, 6};
    const double significance = hypocas(60, 10, 12, 6).minusLog10P;
    ASSERT_GT(significance, 2);
    ASSERT_LT(significance, 3);
    const double phi = *uvalue(withMeasure(PhiCoefficient), 60, 10, 12, 6, FidelityIndex).value;
    EXPECT_GT(phi, 30);
    EXPECT_EQ(uvalue(s, 60, 10, 12, 6, FidelityIndex, &counts).value, VetoedFidelity);
    s.fisherThreshold = 2;
    EXPECT_EQ(uvalue(s, 60, 10, 12, 6, FidelityIndex, &counts).value, phi);
    // Without counts, or with the veto off, nothing is tested.
    s.fisherThreshold = 3;
    EXPECT_EQ(uvalue(s, 60, 10, 12, 6, FidelityIndex).value, phi);
    s.fisherVeto = false;
    EXPECT_EQ(uvalue(s, 60, 10, 12, 6, FidelityIndex, &counts).value, phi);
    // An undefined value stays undefined.
    s.fisherVeto = true;
    const FisherCounts everywhere{60, 10, 60, 10};
    EXPECT_FALSE(uvalue(s, 60, 10, 60, 10, FidelityIndex, &everywhere).value);
}

TEST(Fidelity, FisherMeasureReportsRefusedCounts) {
    const FidelityResult r = uvalue(withMeasure(13), 10, 3, 4, 5, FidelityIndex);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.fisherProblem, FisherProblem::Inconsistent);
}

TEST(Fidelity, CoverWeights) {
    EXPECT_DOUBLE_EQ(covirs(0, 25), 0.25);
    EXPECT_DOUBLE_EQ(covirs(1, 25), 0.5);
    EXPECT_DOUBLE_EQ(covirs(2, 10), 0.5);
    EXPECT_DOUBLE_EQ(covirs(2, 1), 0);
}

TEST(FidelitySettingsRead, RulesAreAppliedAndWrittenBack) {
    using zembu::core::Settings;
    namespace setting = zembu::core::setting;
    for (const char* size : {"0", "100", "-5", "abc"}) {
        Settings settings;
        settings.setValue(setting::StandardReleveGroupSize, size);
        settings.setValue(setting::SignificanceFetSynoptic, "0.5");
        const FidelitySettings f = readFidelitySettings(settings);
        EXPECT_EQ(f.standardSize, 50) << size;
        EXPECT_EQ(settings.value(setting::StandardReleveGroupSize), "50") << size;
        EXPECT_EQ(f.fisherThreshold, 3);
        EXPECT_EQ(settings.value(setting::SignificanceFetSynoptic), "3");
    }
    Settings settings;
    EXPECT_EQ(readFidelitySettings(settings).kind, ModifiedFidelity);  // empty kind
    EXPECT_EQ(readFidelitySettings(settings).measure, PhiCoefficient);  // empty measure
    EXPECT_FALSE(readFidelitySettings(settings).fisherVeto);
    settings.setValue(setting::PhiRecalculated, "0");
    settings.setValue(setting::StandardReleveGroupSize, "33.5");
    settings.setValue(setting::PhiTestedByFisher, "Yes");
    settings.setValue(setting::SignificanceFetSynoptic, "1.30103");
    settings.setValue(setting::FidelityWithCover, "1");
    settings.setValue(setting::CoverTransformation, "2");
    settings.setValue(setting::UseSizeParameterForTargetGroup, "1");
    const FidelitySettings f = readFidelitySettings(settings);
    EXPECT_EQ(f.kind, FidelityIndex);
    EXPECT_EQ(f.standardSize, 33.5);
    EXPECT_TRUE(f.fisherVeto);
    EXPECT_EQ(f.fisherThreshold, 1.30103);
    EXPECT_TRUE(f.withCover);
    EXPECT_EQ(f.coverTransformation, 2);
    EXPECT_TRUE(f.sizeForTargetGroup);

    chooseFidelityMeasure(settings, DufreneLegendre);
    EXPECT_EQ(settings.value(setting::FidelityType), "14");
    EXPECT_EQ(settings.value(setting::PhiRecalculated), "2");
}
