#pragma once
// Fisher's exact test: the one-tailed upper tail of the hypergeometric
// distribution, reported as -log10 P.
//
// Probabilities are never formed as plain doubles: each term is computed as
// its natural logarithm by the saddle-point expansion (Stirling remainders
// and binomial deviances, free of the cancellation of log-factorial
// differences), and tails are summed relative to their largest term. A tail
// that holds most of the distribution is taken as one minus the opposite tail,
// so -log10 P keeps its relative precision even when P is close to 1.

#include <cstdint>
#include <string_view>

namespace zembu::synoptic {

// Why a test gave no probability. Counts gathered from a table are always
// consistent; only hand-typed values can be refused.
enum class FisherProblem : uint8_t {
    None,
    BadParameters,  // not 0 <= K <= m <= N
    Inconsistent,   // the first term's count lies outside the distribution
};

// The message shown for a refused test: "Error: bad parameters to function
// hypall" or "Error!!!"; empty for None.
std::string_view fisherProblemMessage(FisherProblem problem);

// -log10 of a probability, or the reason there is none.
struct FisherResult {
    double minusLog10P = 0;
    FisherProblem problem = FisherProblem::None;
    bool ok() const { return problem == FisherProblem::None; }
};

// Natural logarithm of the hypergeometric probability of x successes in m
// draws without replacement from N items of which K are successes;
// -infinity outside the distribution. Arguments must satisfy 0 <= K, m <= N.
double logHypergeometric(int64_t N, int64_t K, int64_t m, int64_t x);

// hyp: -log10 of the single term h(x) of H(N, K, m). Inconsistent when the
// parameters are negative, K or m exceed N, or x is impossible.
FisherResult hyp(int64_t N, int64_t K, int64_t m, int64_t x);

// hypall: -log10 of the sum of h(x) for x = from..to under H(N, K, m).
// BadParameters unless 0 <= K <= m <= N; Inconsistent when h(from) is
// impossible. Terms beyond the distribution contribute nothing; an empty range
// gives +infinity (P = 0).
FisherResult hypall(int64_t N, int64_t K, int64_t m, int64_t from, int64_t to);

// hypocas: -log10 P(X >= np) for the 2x2 table (N, Np, n, np), with
// K = min(Np, n), m = max(Np, n). The counts are rounded to whole numbers
// (half to even) first, so rescaled or weighted values can be tested too.
FisherResult hypocas(double N, double Np, double n, double np);

}  // namespace zembu::synoptic
