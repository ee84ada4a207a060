#include "synoptic/fidelity_calculator.h"

#include "core/interaction.h"
#include "core/settings.h"
#include "core/text.h"

namespace zembu::synoptic {

namespace setting = core::setting;

bool fidelityCountsAreCorrect(double N, double Np, double n, double np) {
    // Negative counts are refused as well: they make no table and would reach
    // the Fisher test as impossible counts.
    if (N < 0 || Np < 0 || n < 0 || np < 0) return false;
    return !(Np >= N || n < np || Np < np || n > N || N - Np < n - np);
}

std::string calculatorNumber(double value) { return core::formatNumber(value, "0.##########"); }

std::optional<CalculatorOutcome> Form29(core::Settings& settings, double N, double Np, double n, double np,
                                        core::Interaction& ui) {
    if (!fidelityCountsAreCorrect(N, Np, n, np)) {
        ui.message("Values are not correct!!!", "Program Info", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const FidelitySettings fidelity = readFidelitySettings(settings);
    CalculatorOutcome outcome;
    outcome.result = uvalue(fidelity, N, Np, n, np, FidelityIndex);
    if (outcome.result.fisherProblem != FisherProblem::None)
        ui.message(fisherProblemMessage(outcome.result.fisherProblem), "Program Info", core::MessageIcon::Critical);
    outcome.valueText = outcome.result.value ? core::formatNumber(*outcome.result.value, "0.000") : "---";

    settings.setValue(setting::FidelityTestN, calculatorNumber(N));
    settings.setValue(setting::FidelityTestNp, calculatorNumber(Np));
    settings.setValue(setting::FidelityTestSmallN, calculatorNumber(n));
    settings.setValue(setting::FidelityTestSmallNp, calculatorNumber(np));
    outcome.line = "N = " + calculatorNumber(N) + "; Np = " + calculatorNumber(Np) + "; n = " + calculatorNumber(n) +
                   "; np = " + calculatorNumber(np) + "; FIDELITY = " + outcome.valueText;
    return outcome;
}

}  // namespace zembu::synoptic
