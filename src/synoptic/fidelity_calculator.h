#pragma once
// The fidelity calculator (Form29): the fidelity of typed counts N, Np, n, np.

#include <optional>
#include <string>

#include "synoptic/fidelity_measures.h"

namespace zembu::core {
class Interaction;
class Settings;
}

namespace zembu::synoptic {

// True when the counts make a 2x2 table: none negative, Np < N, np <= n,
// np <= Np, n <= N and n - np <= N - Np.
bool fidelityCountsAreCorrect(double N, double Np, double n, double np);

struct CalculatorOutcome {
    FidelityResult result;
    std::string valueText;  // the value formatted "0.000", "---" when there is none
    std::string line;       // "N = ...; Np = ...; n = ...; np = ...; FIDELITY = ..."
};

// Form29: checks the counts ("Values are not correct!!!", titled "Program
// Info", when they are not), evaluates uvalue of kind 0 with the current
// measure, stores the four counts in "Fidelity test N::" .. "Fidelity test np::"
// and returns the value and the result line. A refused Fisher test shows its
// message. Nothing when the counts were refused.
std::optional<CalculatorOutcome> Form29(core::Settings& settings, double N, double Np, double n, double np,
                                        core::Interaction& ui);

// A count as the calculator writes it: whole numbers without a point, others
// with up to ten decimals.
std::string calculatorNumber(double value);

}  // namespace zembu::synoptic
