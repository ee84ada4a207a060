// zembu-cli twinspan IN.cc!: the TWINSPAN classification of a condensed data
// file without the question-and-answer dialogue of the console program.

#include <CLI/CLI.hpp>

#include <memory>
#include <string>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/console_program.h"
#include "classification/twinspan/parameters.h"
#include "classification/twinspan/printed_output.h"
#include "classification/twinspan/punched_file.h"
#include "classification/twinspan/record_format.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/text.h"

namespace zembu::cli {

namespace {

namespace tw = classification::twinspan;

struct TwinspanOptions {
    std::string input;
    std::string cuts = "0 2 5 10 20";
    int minGroup = 5;
    int maxIndicators = 7;
    int maxLevel = 6;
    int maxTableSpecies = 100;
    bool longOutput = false;
    std::string output;
};

std::vector<double> cutLevelsFrom(const std::string& text) {
    std::vector<double> cuts;
    for (std::string_view word : core::splitAtBlanks(text)) {
        if (!word.empty() && word.back() == ',') word.remove_suffix(1);
        const auto value = tw::readDecimal(word);
        if (!value) throw core::ZembuError("The cut level \"" + std::string(word) + "\" is not a number.", "TWINSPAN");
        cuts.push_back(value->value);
    }
    return cuts;
}

void runTwinspan(const TwinspanOptions& o, CliContext& context) {
    try {
        tw::Parameters p;
        p.cutLevels = cutLevelsFrom(o.cuts);
        p.minGroupSize = o.minGroup;
        p.maxIndicators = o.maxIndicators;
        p.maxLevel = o.maxLevel;
        p.maxTableSpecies = o.maxTableSpecies;
        p.longOutput = o.longOutput;
        p.writePunched = true;
        const std::string problem = tw::checkParameters(p);
        if (!problem.empty()) throw core::ZembuError(problem, "TWINSPAN");

        const std::filesystem::path input = tw::locateInputFile(o.input);
        const tw::CondensedData data = tw::readCondensedFile(input);
        const std::filesystem::path punched = o.output.empty() ? tw::outputFileFor(input, "pun") : std::filesystem::path(o.output);
        const std::filesystem::path printed = tw::outputFileFor(punched, "twi");

        const tw::TwinspanResult result = tw::runTwinspan(data, p);
        const std::string punchedText = tw::punchedFileText(data, result);
        const std::string printedText = tw::printedOutputText(data, p, result);
        if (!core::writeFileAtomically(punched, punchedText))
            throw core::ZembuError("Cannot write " + punched.string() + ".", "TWINSPAN");
        if (!core::writeFileAtomically(printed, printedText))
            throw core::ZembuError("Cannot write " + printed.string() + ".", "TWINSPAN");
        if (result.stoppedEarly) {
            context.out << "No divisions (minimum group size above the samples with occurrences, or level 0): "
                        << punched.string() << " is empty\n";
        } else {
            context.out << result.samples.divisions.size() << " sample and " << result.species.divisions.size()
                        << " species divisions: " << punched.string() << ", " << printed.string() << '\n';
        }
    } catch (const core::ZembuError& e) {
        context.err << "twinspan: " << e.what() << '\n';
        context.exitCode = 1;
    }
}

}  // namespace

void installTwinspanCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<TwinspanOptions>();
    CLI::App* command = app.add_subcommand(
        "twinspan",
        "Two-way indicator species analysis of a condensed data file (CC!): writes the classification "
        "(.pun) and the printed output (.twi) the way the twinspan program does.");
    command->add_option("input", options->input, "The condensed data file")->required();
    command->add_option("--cuts", options->cuts, "Pseudospecies cut levels, increasing (default \"0 2 5 10 20\")");
    command->add_option("--min-group", options->minGroup, "Minimum group size for division (default 5)")
        ->check(CLI::Range(2, 10000));
    command->add_option("--max-indicators", options->maxIndicators, "Maximum indicators per division (default 7)")
        ->check(CLI::Range(0, 15));
    command->add_option("--max-level", options->maxLevel, "Maximum level of divisions (default 6)")
        ->check(CLI::Range(0, 15));
    command->add_option("--max-species", options->maxTableSpecies, "Species in the printed table (default 100)")
        ->check(CLI::Range(0, 1000));
    command->add_flag("--long", options->longOutput, "List the preferential pseudospecies of every division");
    command->add_option("-o,--output", options->output,
                        "Classification file (default: beside the input, named from its base name); the "
                        "printed output goes beside it with the extension .twi");
    command->callback([options, &context] { runTwinspan(*options, context); });
}

}  // namespace zembu::cli
