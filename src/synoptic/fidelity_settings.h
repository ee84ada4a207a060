#pragma once
// The choices that decide what a fidelity value is: the measure, the kind of
// group-size standardisation, the reference set, the Fisher veto and the
// occurrence weights. Read once from the settings and passed by value to the
// evaluations, so a synoptic table never reads the settings in its loops.

#include <string_view>

namespace zembu::core {
class Settings;
}

namespace zembu::synoptic {

// Fidelity kinds ("Phi recalculated?::").
enum FidelityKind : int {
    FidelityIndex = 0,         // no change of group sizes
    StandardisedFidelity = 1,  // target group brought to a fixed share of N
    ModifiedFidelity = 2,      // every group brought to the mean group size
};

inline constexpr int FirstMeasure = 1;
inline constexpr int LastMeasure = 16;
inline constexpr int NoMeasure = 3;       // the separator line of the measure list
inline constexpr int PhiCoefficient = 2;
inline constexpr int FisherExactTest = 13;
inline constexpr int DufreneLegendre = 14;

// Value that marks a fidelity vetoed by Fisher's exact test as not significant.
inline constexpr double VetoedFidelity = -0.00001;

struct FidelitySettings {
    int measure = PhiCoefficient;      // "Fidelity type::", 1..16
    int kind = ModifiedFidelity;       // "Phi recalculated?::", 0..2
    double standardSize = 50;          // "Standard releve group size::", percent of N, 0 < s < 100
    bool sizeForTargetGroup = false;   // "Use the size parameter for target group?::" = 1
    bool adjustedNMinus1 = false;      // "Adjusted Phi for (n-1) groups::" = 1
    bool higherLevelReference = false; // "N defined as all data set/next higher heir. level::" = 1
    bool fisherVeto = false;           // "Phi tested by Fisher::" other than "No"
    double fisherThreshold = 3;        // "Signifikance FET u synoptických tabulek::", -log10 P
    bool withCover = false;            // "Fidelity with cover::"
    int coverTransformation = 0;       // "Cover transformation::", 0..2
};

// Reads the fidelity settings. A standard group size <= 0 or >= 100 is
// replaced by 50 and a veto threshold below 1 by 3, both written back to the
// settings. An empty kind gives modified fidelity and an empty measure the phi
// coefficient; a measure outside 1..16 evaluates to nothing.
FidelitySettings readFidelitySettings(core::Settings& settings);

// Stores a measure chosen by the user; the Dufrene-Legendre index always goes
// with modified fidelity, so choosing it stores kind 2 as well.
void chooseFidelityMeasure(core::Settings& settings, int measure);

// True for the values that switch an option on: "1", "-1", "Yes", "True"
// (letter case and blanks ignored).
bool isSwitchOn(std::string_view value);
// The same, with an empty (never set) value giving whenEmpty.
bool isSwitchOn(std::string_view value, bool whenEmpty);

}  // namespace zembu::synoptic
