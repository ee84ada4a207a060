#include "classification/twinspan/dialogue.h"

#include <cmath>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/record_format.h"
#include "core/errors.h"
#include "core/text.h"

namespace zembu::classification::twinspan {

namespace {

[[noreturn]] void fail(const std::string& message) { throw core::ZembuError(message, "TWINSPAN"); }

}  // namespace

std::string Dialogue::nextLine(const std::string& question) {
    prompts_ << " " << question << '\n';
    prompts_.flush();
    std::string line;
    while (std::getline(in_, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!core::trim(line).empty()) return line;
    }
    fail("The answers end before the question \"" + question + "\".");
}

long long Dialogue::integer(const std::string& question) {
    const std::string line = nextLine(question);
    const std::vector<std::string_view> words = core::splitAtBlanks(line);
    std::string_view word = words.front();
    if (!word.empty() && word.back() == ',') word.remove_suffix(1);
    const auto value = readIntegerField(word);
    if (!value) fail("The answer \"" + core::codePageToUtf8(line) + "\" to \"" + question + "\" is not a whole number.");
    return *value;
}

double Dialogue::real(const std::string& question) {
    const std::string line = nextLine(question);
    const auto value = readDecimal(core::splitAtBlanks(line).front());
    if (!value) fail("The answer \"" + core::codePageToUtf8(line) + "\" to \"" + question + "\" is not a number.");
    return value->value;
}

int Dialogue::choice(const std::string& question, int low, int high, int fallback) {
    const long long value = integer(question);
    if (value == -1) return fallback;
    if (value < low || value > high)
        fail("The answer " + std::to_string(value) + " to \"" + question + "\" lies outside " + std::to_string(low) +
             ".." + std::to_string(high) + " (-1 takes the default " + std::to_string(fallback) + ").");
    return static_cast<int>(value);
}

bool Dialogue::valuesFollow(const std::string& question) {
    const long long value = integer(question);
    if (value != -1 && value != 0)
        fail("The answer " + std::to_string(value) + " to \"" + question + "\" must be -1 (all 1) or 0 (values follow).");
    return value == 0;
}

std::vector<double> Dialogue::reals(const std::string& question, size_t count) {
    // Free format: the values may stand on one line or on several.
    std::vector<double> values;
    std::string prompt = question;
    while (values.size() < count) {
        const std::string line = nextLine(prompt);
        prompt = question + " (continued)";
        for (std::string_view word : core::splitAtBlanks(line)) {
            if (values.size() == count) break;
            if (!word.empty() && word.back() == ',') word.remove_suffix(1);
            if (word.empty()) continue;
            const auto value = readDecimal(word);
            if (!value)
                fail("The answer \"" + core::codePageToUtf8(line) + "\" to \"" + question + "\" holds \"" +
                     core::codePageToUtf8(word) + "\", which is not a number.");
            values.push_back(value->value);
        }
    }
    return values;
}

std::vector<int> Dialogue::itemList(const std::string& question) {
    // One number a line; "-1" ends the list; a negative -k after j means j..k.
    std::vector<int> items;
    for (;;) {
        const long long value = integer(question);
        if (value == -1) return items;
        if (value == 0) fail("The answer 0 to \"" + question + "\" is no item number (-1 ends the list).");
        if (value < 0) {
            if (-value > kMaxSamples)
                fail("The item number " + std::to_string(-value) + " in \"" + question + "\" is too large.");
            if (items.empty() || -value < items.back())
                fail("The range end " + std::to_string(value) + " in \"" + question + "\" does not follow a smaller number.");
            for (long long k = items.back() + 1; k <= -value; ++k) items.push_back(static_cast<int>(k));
        } else {
            if (value > kMaxSamples) fail("The item number " + std::to_string(value) + " in \"" + question + "\" is too large.");
            items.push_back(static_cast<int>(value));
        }
        if (items.size() > static_cast<size_t>(kMaxSamples)) fail("The list \"" + question + "\" is too long.");
    }
}

std::vector<std::pair<int, double>> Dialogue::weightList(const std::string& question) {
    // A weight, then the items that take it (ended by -1); -1 as weight ends.
    std::vector<std::pair<int, double>> list;
    for (;;) {
        const double w = real(question);
        if (w == -1.0) return list;
        if (!(w > 0)) fail("The weight " + core::formatNumber(w, "0.###") + " in \"" + question + "\" is not positive.");
        for (int item : itemList("Items with weight " + core::formatNumber(w, "0.###") + ", ended by -1"))
            list.emplace_back(item, w);
    }
}

std::string Dialogue::inputFileName() {
    prompts_ << " TWINSPAN - two-way indicator species analysis\n";
    return std::string(core::trim(nextLine("Name of inputfile?")));
}

void Dialogue::readParameters(Parameters& p) {
    p.omittedSamples = itemList("Do you wish to omit some samples? Sample numbers one per line, -1 to end");
    const int cuts = choice("Number of pseudospecies cut levels (1..9, -1 = 0 2 5 10 20)", 1, 9, -1);
    if (cuts == -1) {
        p.cutLevels = defaultCutLevels();
    } else {
        p.cutLevels = reals("The " + std::to_string(cuts) + " cut levels", static_cast<size_t>(cuts));
        for (size_t k = 1; k < p.cutLevels.size(); ++k)
            if (!(p.cutLevels[k] > p.cutLevels[k - 1])) fail("The pseudospecies cut levels must increase.");
    }
    p.minGroupSize = choice("Minimum group size for division (2..10000, default 5)", 2, 10000, 5);
    p.maxIndicators = choice("Maximum number of indicators per division (0..15, default 7)", 0, 15, 7);
    p.maxTableSpecies = choice("Maximum number of species in final tabulation (0..1000, default 100)", 0, 1000, 100);
    p.maxLevel = choice("Maximum level of divisions (0..15, default 6)", 0, 15, 6);
    p.longOutput = choice("Type 1 for long output", 0, 1, 0) == 1;
    p.divisionDiagrams = choice("Type 1 if diagrams of divisions are wanted", 0, 1, 0) == 1;
    p.writePunched = choice("Type 1 if machine readable copy of solution to be written to disk", 0, 1, 0) == 1;

    const size_t levels = p.cutLevels.size();
    if (valuesFollow("Weights for levels of pseudospecies (-1 = all 1, 0 = values follow)"))
        p.levelWeights = reals("Weights of the " + std::to_string(levels) + " levels", levels);
    if (valuesFollow("Indicator potentials for cut levels (-1 = all 1, 0 = values follow)"))
        p.indicatorPotentials = reals("Indicator potentials of the " + std::to_string(levels) + " levels", levels);
    p.nonIndicatorSpecies = itemList("Species omitted from the list of potential indicators, -1 to end");
    p.sampleWeights = weightList("Weight for SAMPLES to be specified next, or -1 (default weight 1 for the others)");
    p.speciesWeights = weightList("Weight for SPECIES to be specified next, or -1 (default weight 1 for the others)");

    const std::string problem = checkParameters(p);
    if (!problem.empty()) fail(problem);
}

}  // namespace zembu::classification::twinspan
