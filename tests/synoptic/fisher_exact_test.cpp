#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "synoptic/fisher_exact.h"

using namespace zembu::synoptic;

namespace {

// The probabilities as a decimal mantissa and exponent, step by step: every
// product renormalised, terms more than 30 decades below the sum dropped.
struct Decimal {
    long double mantissa = 1;
    long long exponent = 0;
    void normalise() {
        if (mantissa == 0) return;
        const long long shift = static_cast<long long>(std::floor(std::log10(mantissa)));
        mantissa /= std::pow(10.0L, static_cast<long double>(shift));
        exponent += shift;
    }
    void times(long double factor) {
        mantissa *= factor;
        normalise();
    }
};

// h(x) of H(N, K, m) as products of ratios.
Decimal term(long long N, long long K, long long m, long long x) {
    Decimal h;
    for (long long i = 0; i < x; ++i) h.times(static_cast<long double>(K - i) / (i + 1));
    for (long long j = 0; j < m - x; ++j) h.times(static_cast<long double>(N - K - j) / (j + 1));
    for (long long l = 0; l < m; ++l) h.times(static_cast<long double>(l + 1) / (N - l));
    return h;
}

// -log10 of the upper tail from x0 by the decimal procedure.
double decimalUpperTail(long long N, long long K, long long m, long long x0) {
    Decimal sum = term(N, K, m, x0);
    Decimal h = sum;
    for (long long x = x0; x < K; ++x) {
        h.times(static_cast<long double>(K - x) * (m - x) / ((x + 1) * static_cast<long double>(N - K - m + x + 1)));
        if (h.mantissa == 0) break;
        if (sum.exponent - h.exponent < 30) {
            sum.mantissa += h.mantissa * std::pow(10.0L, static_cast<long double>(h.exponent - sum.exponent));
            sum.normalise();
        }
    }
    return static_cast<double>(-std::log10(sum.mantissa) - sum.exponent);
}

// -log10 of the upper tail summed from log-gamma terms in extended precision.
double lgammaUpperTail(long long N, long long K, long long m, long long x0) {
    auto lchoose = [](long double a, long double b) {
        return std::lgamma(a + 1) - std::lgamma(b + 1) - std::lgamma(a - b + 1);
    };
    const long double total = lchoose(N, m);
    long double sum = 0;
    for (long long x = x0; x <= std::min(K, m); ++x)
        sum += std::exp(lchoose(K, x) + lchoose(N - K, m - x) - total);
    return static_cast<double>(-std::log10(sum));
}

void expectClose(double expected, double actual, const std::string& what) {
    const double tolerance = std::max(1e-9 * std::fabs(expected), 1e-13);
    EXPECT_NEAR(expected, actual, tolerance) << what;
}

}  // namespace

TEST(FisherExact, AgreesWithTheDecimalProcedureOnRandomTables) {
    std::mt19937_64 random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const long long N = std::uniform_int_distribution<long long>(2, trial < 2000 ? 60 : 400)(random);
        const long long Np = std::uniform_int_distribution<long long>(1, N - 1)(random);
        const long long n = std::uniform_int_distribution<long long>(1, N)(random);
        const long long low = std::max(0LL, Np + n - N), high = std::min(Np, n);
        const long long np = std::uniform_int_distribution<long long>(low, high)(random);
        const FisherResult r = hypocas(N, Np, n, np);
        ASSERT_TRUE(r.ok());
        const std::string what = "N=" + std::to_string(N) + " Np=" + std::to_string(Np) + " n=" +
                                 std::to_string(n) + " np=" + std::to_string(np);
        expectClose(decimalUpperTail(N, std::min(Np, n), std::max(Np, n), np), r.minusLog10P, what);
    }
}

TEST(FisherExact, KeepsItsPrecisionOnLargeTables) {
    std::mt19937_64 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        const long long N = std::uniform_int_distribution<long long>(1000, 1000000)(random);
        const long long Np = std::uniform_int_distribution<long long>(1, N / 20)(random);
        const long long n = std::uniform_int_distribution<long long>(1, N / 50)(random);
        const double mean = static_cast<double>(Np) * n / N;
        const long long high = std::min(Np, n);
        const long long np = std::min<long long>(high, static_cast<long long>(mean + std::uniform_real_distribution<>(-2, 6)(random) * std::sqrt(mean + 1)));
        const FisherResult r = hypocas(N, Np, n, std::max(0LL, np));
        ASSERT_TRUE(r.ok());
        if (std::min(Np, n) > 3000) continue;  // the reference would sum too long
        expectClose(lgammaUpperTail(N, std::min(Np, n), std::max(Np, n), std::max(0LL, np)), r.minusLog10P,
                    "N=" + std::to_string(N) + " Np=" + std::to_string(Np) + " n=" + std::to_string(n));
    }
}

TEST(FisherExact, WholeDistributionAndSingleTerms) {
    EXPECT_EQ(hypocas(10, 3, 4, 0).minusLog10P, 0);  // P(X >= 0) = 1
    // One relevé of ten in the group, species in it only: P = 1/10.
    EXPECT_NEAR(hypocas(10, 1, 1, 1).minusLog10P, 1, 1e-15);
    // h(2) of H(10, 3, 4) = C(3,2) C(7,2) / C(10,4) = 63 / 210.
    EXPECT_NEAR(hyp(10, 3, 4, 2).minusLog10P, -std::log10(63.0 / 210), 1e-14);
    // A middle range: P(1 <= X <= 2) = (105 + 63) / 210.
    EXPECT_NEAR(hypall(10, 3, 4, 1, 2).minusLog10P, -std::log10(168.0 / 210), 1e-14);
    EXPECT_EQ(hypall(10, 3, 4, 2, 1).minusLog10P, INFINITY);
}

TEST(FisherExact, RefusesBadParametersWithTheirMessages) {
    EXPECT_EQ(hypall(10, 5, 4, 1, 5).problem, FisherProblem::BadParameters);  // K > m
    EXPECT_EQ(hypall(10, 3, 11, 1, 3).problem, FisherProblem::BadParameters);  // m > N
    EXPECT_EQ(hypall(10, -1, 4, 0, 3).problem, FisherProblem::BadParameters);
    EXPECT_EQ(hypall(10, 3, 4, 4, 3).problem, FisherProblem::Inconsistent);  // np above K
    EXPECT_EQ(hypall(10, 3, 9, 1, 3).problem, FisherProblem::Inconsistent);  // below K + m - N
    EXPECT_EQ(hyp(10, 3, 4, -1).problem, FisherProblem::Inconsistent);
    EXPECT_EQ(fisherProblemMessage(FisherProblem::BadParameters), "Error: bad parameters to function hypall");
    EXPECT_EQ(fisherProblemMessage(FisherProblem::Inconsistent), "Error!!!");
    EXPECT_EQ(hypocas(10, 3, 4, 5).problem, FisherProblem::Inconsistent);
}
