#include "synoptic/fisher_exact.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/text.h"

namespace zembu::synoptic {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double Ln10 = 2.302585092994045684017991454684364208;
constexpr double Ln2Pi = 1.837877066409345483560659472811235279;
// Terms below this share of the running sum change no digit of the result.
constexpr double Negligible = 1e-18;

// Stirling's remainder: ln(n!) - (n + 1/2) ln n + n - ln sqrt(2 pi), n >= 1.
double stirlerr(double n) {
    constexpr double S0 = 1.0 / 12, S1 = 1.0 / 360, S2 = 1.0 / 1260, S3 = 1.0 / 1680, S4 = 1.0 / 1188;
    if (n <= 15) {
        // Small arguments from the extended-precision log-gamma, once.
        static const std::array<double, 16> table = [] {
            std::array<double, 16> t{};
            for (int i = 1; i <= 15; ++i) {
                const long double x = i;
                t[i] = static_cast<double>(std::lgamma(x + 1) - (x + 0.5L) * std::log(x) + x -
                                           0.918938533204672741780329736405617639861L);
            }
            return t;
        }();
        return table[static_cast<int>(n)];
    }
    const double nn = n * n;
    if (n > 500) return (S0 - S1 / nn) / n;
    if (n > 80) return (S0 - (S1 - S2 / nn) / nn) / n;
    if (n > 35) return (S0 - (S1 - (S2 - S3 / nn) / nn) / nn) / n;
    return (S0 - (S1 - (S2 - (S3 - S4 / nn) / nn) / nn) / nn) / n;
}

// Deviance term x ln(x / mu) + mu - x, accurate also when x is close to mu.
double bd0(double x, double mu) {
    if (std::fabs(x - mu) < 0.1 * (x + mu)) {
        double v = (x - mu) / (x + mu);
        double s = (x - mu) * v;
        double ej = 2 * x * v;
        v *= v;
        for (int j = 1; j < 1000; ++j) {
            ej *= v;
            const double s1 = s + ej / (2 * j + 1);
            if (s1 == s) return s1;
            s = s1;
        }
        return s;
    }
    return x * std::log(x / mu) + mu - x;
}

// ln of the binomial probability of x successes in n trials with success
// probability p (q = 1 - p given separately to keep its precision).
double logBinomial(double x, double n, double p, double q) {
    if (p == 0) return x == 0 ? 0 : -Infinity;
    if (q == 0) return x == n ? 0 : -Infinity;
    if (x == 0) {
        if (n == 0) return 0;
        return p < 0.1 ? -bd0(n, n * q) - n * p : n * std::log(q);
    }
    if (x == n) return q < 0.1 ? -bd0(n, n * p) - n * q : n * std::log(p);
    if (x < 0 || x > n) return -Infinity;
    const double lc = stirlerr(n) - stirlerr(x) - stirlerr(n - x) - bd0(x, n * p) - bd0(n - x, n * q);
    const double lf = Ln2Pi + std::log(x) + std::log1p(-x / n);
    return lc - 0.5 * lf;
}

// Ratio h(x + 1) / h(x) of neighbouring terms of H(N, K, m).
double upRatio(int64_t N, int64_t K, int64_t m, int64_t x) {
    return static_cast<double>(K - x) * static_cast<double>(m - x) /
           (static_cast<double>(x + 1) * static_cast<double>(N - K - m + x + 1));
}

// ln of the sum of h(x) for x = a..b (a <= b, both within the distribution).
// The sum starts at the largest term of the range and walks outwards; beyond
// the mode the terms fall with a falling ratio r, so the rest of a side is at
// most term * r / (1 - r), and the walk stops once that is negligible.
double logSumRange(int64_t N, int64_t K, int64_t m, int64_t a, int64_t b) {
    const int64_t mode = static_cast<int64_t>(
        std::floor(static_cast<double>(K + 1) * static_cast<double>(m + 1) / static_cast<double>(N + 2)));
    const int64_t start = std::clamp(mode, a, b);
    double sum = 1;
    double term = 1;
    for (int64_t x = start; x < b; ++x) {
        const double r = upRatio(N, K, m, x);
        term *= r;
        sum += term;
        if (r < 1 && term * r < Negligible * sum * (1 - r)) break;
    }
    term = 1;
    for (int64_t x = start; x > a; --x) {
        const double r = 1 / upRatio(N, K, m, x - 1);  // h(x - 1) / h(x)
        term *= r;
        sum += term;
        if (r < 1 && term * r < Negligible * sum * (1 - r)) break;
    }
    return logHypergeometric(N, K, m, start) + std::log(sum);
}

int64_t wholeCount(double value) { return core::roundHalfEven(value); }

}  // namespace

std::string_view fisherProblemMessage(FisherProblem problem) {
    switch (problem) {
    case FisherProblem::BadParameters: return "Error: bad parameters to function hypall";
    case FisherProblem::Inconsistent: return "Error!!!";
    case FisherProblem::None: break;
    }
    return {};
}

double logHypergeometric(int64_t N, int64_t K, int64_t m, int64_t x) {
    if (x < std::max<int64_t>(0, K + m - N) || x > std::min(K, m)) return -Infinity;
    if (N == 0) return 0;
    const double n = static_cast<double>(N);
    const double p = static_cast<double>(m) / n;
    const double q = static_cast<double>(N - m) / n;
    return logBinomial(static_cast<double>(x), static_cast<double>(K), p, q) +
           logBinomial(static_cast<double>(m - x), static_cast<double>(N - K), p, q) -
           logBinomial(static_cast<double>(m), n, p, q);
}

FisherResult hyp(int64_t N, int64_t K, int64_t m, int64_t x) {
    if (N < 0 || K < 0 || m < 0 || K > N || m > N || x < std::max<int64_t>(0, K + m - N) || x > std::min(K, m))
        return {0, FisherProblem::Inconsistent};
    return {-logHypergeometric(N, K, m, x) / Ln10};
}

FisherResult hypall(int64_t N, int64_t K, int64_t m, int64_t from, int64_t to) {
    if (!(0 <= K && K <= m && m <= N)) return {0, FisherProblem::BadParameters};
    const int64_t low = std::max<int64_t>(0, K + m - N);
    const int64_t high = K;
    if (from < low || from > high) return {0, FisherProblem::Inconsistent};
    to = std::min(to, high);
    if (to < from) return {Infinity};
    if (to == high) {
        // An upper tail that starts at or below the mean holds most of the
        // distribution: take it as one minus the lower tail below it.
        const double mean = static_cast<double>(K) * static_cast<double>(m) / static_cast<double>(N);
        if (static_cast<double>(from) <= mean) {
            if (from == low) return {0};
            const double lower = std::exp(logSumRange(N, K, m, low, from - 1));
            return {-std::log1p(-lower) / Ln10};
        }
    }
    return {-logSumRange(N, K, m, from, to) / Ln10};
}

FisherResult hypocas(double N, double Np, double n, double np) {
    const int64_t total = wholeCount(N);
    const int64_t group = wholeCount(Np);
    const int64_t species = wholeCount(n);
    const int64_t both = wholeCount(np);
    const int64_t K = std::min(group, species);
    const int64_t m = std::max(group, species);
    return hypall(total, K, m, both, K);
}

}  // namespace zembu::synoptic
