// zembu-cli fidelity N Np n np: the fidelity calculator for scripts.

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/settings.h"
#include "synoptic/fidelity_calculator.h"
#include "synoptic/fidelity_measures.h"

namespace zembu::cli {

namespace {

struct FidelityOptions {
    double N = 0, Np = 0, n = 0, np = 0;
    int measure = synoptic::PhiCoefficient;
    int kind = synoptic::FidelityIndex;
    double groupSize = 50;
    std::optional<double> fisher;
};

void runFidelity(const FidelityOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    if (!synoptic::fidelityCountsAreCorrect(o.N, o.Np, o.n, o.np)) {
        refuse(context, ui, "Values are not correct!!!", "Program Info");
        return;
    }
    core::Settings settings;
    core::applySettingRules(settings);
    settings.setValue(core::setting::FidelityType, std::to_string(o.measure));
    settings.setValue(core::setting::PhiRecalculated, std::to_string(o.kind));
    settings.setValue(core::setting::StandardReleveGroupSize, synoptic::calculatorNumber(o.groupSize));
    if (o.fisher) {
        settings.setValue(core::setting::PhiTestedByFisher, "Yes");
        settings.setValue(core::setting::SignificanceFetSynoptic, synoptic::calculatorNumber(*o.fisher));
    }
    const synoptic::FidelitySettings fidelity = synoptic::readFidelitySettings(settings);
    const auto whole = [](double x) { return static_cast<int64_t>(std::llround(x)); };
    const synoptic::FisherCounts counts{whole(o.N), whole(o.Np), whole(o.n), whole(o.np)};
    const synoptic::FidelityResult result = synoptic::uvalue(fidelity, o.N, o.Np, o.n, o.np, o.kind, &counts);
    if (result.fisherProblem != synoptic::FisherProblem::None) {
        refuse(context, ui, synoptic::fisherProblemMessage(result.fisherProblem), "Program Info");
        return;
    }
    context.out << fullPrecision(result.value) << '\n';
}

}  // namespace

std::string fullPrecision(std::optional<double> value) {
    if (!value) return "---";
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *value).ptr;
    return std::string(buffer, end);
}

void installFidelityCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<FidelityOptions>();
    CLI::App* command = app.add_subcommand(
        "fidelity",
        "Fidelity of a species to a group from the counts of a 2x2 table: N relevés, Np in the group, "
        "n with the species, np of the group with it. Prints the value at full precision, \"---\" when "
        "the measure is undefined for the counts.");
    command->add_option("N", options->N, "Relevés of the reference set")->required();
    command->add_option("Np", options->Np, "Relevés of the target group")->required();
    command->add_option("n", options->n, "Relevés with the species")->required();
    command->add_option("np", options->np, "Relevés of the group with the species")->required();
    command->add_option("--measure", options->measure, "Fidelity measure 1..16 (2 = phi coefficient; 3 is none)")
        ->check(CLI::Range(1, 16));
    command->add_option("--kind", options->kind, "0 fidelity index, 1 standardised, 2 modified fidelity")
        ->check(CLI::Range(0, 2));
    command->add_option("--group-size", options->groupSize,
                        "Standard group size in percent of N (outside 0..100 gives 50)");
    command->add_option("--fisher", options->fisher,
                        "Veto by Fisher's exact test: values with -log10 P below this become -0.00001");
    command->callback([options, &context] { runFidelity(*options, context); });
}

}  // namespace zembu::cli
