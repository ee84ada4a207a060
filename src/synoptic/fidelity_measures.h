#pragma once
// uvalue: the one evaluation of fidelity every analysis calls, from the four
// counts of a 2x2 contingency table:
//   N  relevés of the reference set,   Np relevés of the target group,
//   n  relevés with the species,       np relevés of the group with it.
// Under "Fidelity with cover" n and np are sums of occurrence weights.

#include <cstdint>
#include <optional>

#include "synoptic/fidelity_settings.h"
#include "synoptic/fisher_exact.h"

namespace zembu::synoptic {

// Whole counts of the same 2x2 table for the Fisher veto.
struct FisherCounts {
    int64_t N = 0, Np = 0, n = 0, np = 0;
};

struct FidelityResult {
    // Empty when the measure is undefined for these counts (or no measure is chosen).
    std::optional<double> value;
    // Set when Fisher's exact test refused its counts (hand-typed counts only).
    FisherProblem fisherProblem = FisherProblem::None;
};

// uvalue: the fidelity of a species to a target group by the chosen measure.
//
// Steps: empty when N, Np or n is 0; under kinds 1 and 2 the target group is
// rescaled to N * s / 100 (kind 1, or kind 2 with the size parameter) keeping
// the species' relative frequency inside and outside the group, and a target
// group holding all of N gives empty; N = 1 gives empty. Then the measure;
// results above 999 become 999 for every measure except 2 (phi) and 14
// (Dufrene-Legendre). With the veto on and counts given, a defined value whose
// Fisher test gives -log10 P below the threshold becomes -0.00001.
//
// Measure 13 tests the counts as they are when they are whole numbers;
// rescaled or weighted counts are rounded (half to even), with np kept within
// what the rounded margins allow.
FidelityResult uvalue(const FidelitySettings& settings, double N, double Np, double n, double np, int kind,
                      const FisherCounts* veto = nullptr);

// covirs: the weight of an occurrence of cover percentage v: v / 100,
// sqrt(v) / 10 or ln v / ln 100 by the cover transformation 0, 1 or 2.
double covirs(int coverTransformation, int v);

}  // namespace zembu::synoptic
