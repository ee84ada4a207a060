#include "synoptic/fidelity_measures.h"

#include <algorithm>
#include <cmath>

#include "core/text.h"

namespace zembu::synoptic {

namespace {

constexpr double Cap = 999;

// o * ln(numerator / denominator); a term whose count is 0, or whose logarithm
// fails, is 0.
double logTerm(double o, double numerator, double denominator) {
    if (o == 0) return 0;
    const double ratio = numerator / denominator;
    if (!(ratio > 0) || !std::isfinite(ratio)) return 0;
    return o * std::log(ratio);
}

// a / b, or 0 when b is 0.
double share(double a, double b) { return b == 0 ? 0 : a / b; }

// The four shares of the G tests: 2 (o1 ln(2 a / (a + c)) + o2 ln(2 c / (a + c))
// + o3 ln(2 b / (b + d)) + o4 ln(2 d / (b + d))).
double sharedG(double oa, double a, double oc, double c, double ob, double b, double od, double d) {
    return 2 * (logTerm(oa, 2 * a, a + c) + logTerm(oc, 2 * c, a + c) + logTerm(ob, 2 * b, b + d) +
                logTerm(od, 2 * d, b + d));
}

bool whole(double x) { return x == std::nearbyint(x); }

// Fisher's test of measure 13. Rescaled or weighted counts are rounded to
// whole numbers; rounding them one by one can push np just outside what the
// rounded margins allow, so it is then brought back to the nearest possible count.
FisherResult fisherOnCounts(double N, double Np, double n, double np) {
    if (whole(N) && whole(Np) && whole(n) && whole(np)) return hypocas(N, Np, n, np);
    const auto round = [](double x) { return static_cast<double>(core::roundHalfEven(x)); };
    N = round(N), Np = round(Np), n = round(n), np = round(np);
    np = std::clamp(np, std::max(0.0, Np + n - N), std::min(Np, n));
    return hypocas(N, Np, n, np);
}

bool cappedMeasure(int measure) { return measure != PhiCoefficient && measure != DufreneLegendre; }

}  // namespace

double covirs(int coverTransformation, int v) {
    switch (coverTransformation) {
    case 1: return std::sqrt(static_cast<double>(v)) / 10;
    case 2: return std::log(static_cast<double>(v)) / std::log(100.0);
    default: return v / 100.0;
    }
}

FidelityResult uvalue(const FidelitySettings& settings, double N, double Np, double n, double np, int kind,
                      const FisherCounts* veto) {
    FidelityResult result;
    if (N == 0 || Np == 0 || n == 0) return result;

    if (kind == StandardisedFidelity || kind == ModifiedFidelity) {
        if (Np == N) return result;
        const double target =
            kind == StandardisedFidelity || settings.sizeForTargetGroup ? N * settings.standardSize / 100 : Np;
        const double npScaled = np * target / Np;
        n = npScaled + (N - target) * (n - np) / (N - Np);
        np = npScaled;
        Np = target;
    }
    if (N == 1) return result;

    const double p = Np / N;
    const double q = (N - Np) / N;
    const double E = n * p;
    const double varB = n * p * q;
    const double varH = varB * (N - n) / (N - 1);
    const double sign = np > E + 0.5 ? 1 : np < E - 0.5 ? -1 : 0;
    const double o1 = np, o2 = Np - np, o3 = n - np, o4 = N - Np - n + np;
    // Product of the four margins of the 2x2 table, paired so that a perfect
    // square stays exact.
    const double margins = (n * Np) * ((N - n) * (N - Np));

    std::optional<double>& v = result.value;
    switch (settings.measure) {
    case 1:
        if (varH > 0) v = sign * (std::fabs(np - E) - 0.5) / std::sqrt(varH);
        break;
    case 2:
        // 100 (N np - n Np) / sqrt(n Np (N - n) (N - Np)), the closed form of
        // 100 (np - E) / sqrt(VarH) / sqrt(N - 1): exact +-100 at the extremes.
        if (varH > 0) v = 100 * (N * np - n * Np) / std::sqrt(margins);
        break;
    case 4:
    case 5: {
        v = 0;
        if (N > Np && N > 0 && n > 0 && varH > 0) {
            double d = std::fabs(N * np - n * Np);
            if (settings.measure == 5) d -= N / 2;
            v = sign * std::sqrt(N * d * d / margins);
        }
        break;
    }
    case 6:
    case 7: {
        double G = 2 * (logTerm(o1, N * o1, n * Np) + logTerm(o3, N * o3, n * (N - Np)) +
                        logTerm(o2, N * o2, Np * (N - n)) + logTerm(o4, N * o4, (N - n) * (N - Np)));
        if (settings.measure == 7) {
            // Williams' correction divides by N - n and N - Np.
            if (n >= N || Np >= N) break;
            G /= 1 + (N / n + N / (N - n) - 1) * (N / Np + N / (N - Np) - 1) / (6 * N);
        }
        v = sign * std::sqrt(std::fabs(G));
        break;
    }
    case 8:
        if (varH > 0) v = (np - E) / std::sqrt(varB);
        break;
    case 9:
        if (varH > 0) v = sign * (std::fabs(np - E) - 0.5) / std::sqrt(varB);
        break;
    case 10:
        if (varH > 0) v = ((np - E) / std::sqrt(varB)) * (std::sqrt(N - Np) / std::sqrt(N - n));
        break;
    case 11:
        if (varH > 0) v = (sign * (std::fabs(np - E) - 0.5) / std::sqrt(varB)) * (std::sqrt(N - Np) / std::sqrt(N - n));
        break;
    case 12:
        if (varH > 0) v = (np - E) / std::sqrt(varH);
        break;
    case FisherExactTest: {
        const FisherResult fisher = fisherOnCounts(N, Np, n, np);
        if (fisher.ok()) v = fisher.minusLog10P;
        else result.fisherProblem = fisher.problem;
        break;
    }
    case DufreneLegendre: {
        const double iv = share(np, Np) * share(np, n);
        v = static_cast<double>(core::roundHalfEven(1000 * iv)) / 10;
        break;
    }
    case 15: {
        const double G = sharedG(o1, share(o1, o1 + o3), o2, share(o2, o2 + o4), o3, share(o3, o1 + o3), o4,
                                 share(o4, o2 + o4));
        v = sign * std::sqrt(std::fabs(G));
        break;
    }
    case 16: {
        if (Np >= N) break;  // the shares outside the group divide by N - Np
        const double G = sharedG(o1, o1 / Np, o3, o3 / (N - Np), o2, o2 / Np, o4, o4 / (N - Np));
        v = sign * std::sqrt(std::fabs(G));
        break;
    }
    default:
        break;  // 3 and unknown indexes: no measure
    }

    if (v && cappedMeasure(settings.measure) && *v > Cap) v = Cap;

    if (v && settings.fisherVeto && veto && veto->N > 0) {
        const FisherResult fisher = hypocas(static_cast<double>(veto->N), static_cast<double>(veto->Np),
                                            static_cast<double>(veto->n), static_cast<double>(veto->np));
        if (!fisher.ok()) result.fisherProblem = fisher.problem;
        else if (fisher.minusLog10P < settings.fisherThreshold) v = VetoedFidelity;
    }
    if (v && !std::isfinite(*v)) v.reset();
    return result;
}

}  // namespace zembu::synoptic
