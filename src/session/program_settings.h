#pragma once
// The program's settings as the settings dialog (Form57) shows them: table
// capacities and layout, the fidelity measure and its options, the synoptic
// thresholds and highlight colours, the report options and the paths of
// outside programs. The dialog reads them from the workspace, lets the user
// change them, and hands them back to applyProgramSettings.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zembu::core {
class Interaction;
class Workspace;
}

namespace zembu::session {

// The Fisher veto thresholds the dialog offers (-log10 of P = 0.05, 0.01, 0.001).
inline constexpr std::array<double, 3> FisherThresholds = {1.30103, 2, 3};

// Forms of the combined synoptic table, as the dialog lists them (form 1..6).
inline constexpr std::array<const char*, 6> CombinedFormNames = {
    "Percentage constancy and fidelity marks",
    "Categorical constancy and fidelity",
    "Categorical constancy and fidelity marks",
    "Fidelity and percentage constancy",
    "Fidelity and constancy marks",
    "Percentage constancy and cover range",
};

struct ProgramSettings {
    // Table.
    int32_t releveCapacity = 30000;   // 30000..1000000
    int32_t speciesCapacity = 5000;   // 5000..15000
    int nameWidth = 20;               // at least 4
    int layerWidth = 3;               // 3..50
    int greyLevel = 255;              // 0..255

    // Fidelity.
    int measure = 2;                  // 1..16 ("Fidelity type::"); 3 is no measure
    int kind = 2;                     // 0 fidelity index, 1 standardised, 2 modified
    double standardSize = 50;         // percent of N, 0 < s < 100
    bool sizeForTargetGroup = false;
    bool adjustedNMinus1 = false;
    bool higherLevelReference = false;
    bool fisherVeto = false;
    double fisherThreshold = 3;       // -log10 P
    bool withCover = false;
    int coverTransformation = 0;      // 0 v/100, 1 sqrt(v)/10, 2 ln v/ln 100

    // Synoptic table.
    double frequencyLimit = 0, frequency2Limit = 0;
    double fidelityLimit = 0, fidelity2Limit = 0;
    double coverLimit = 0, coverLimitHigher = 0;
    // Highlight colours 0x00BBGGRR, first and second threshold: frequency,
    // fidelity, cover; 0 for the default.
    std::array<int32_t, 6> colours{};
    bool frequencyHighlight = true, fidelityHighlight = true, coverHighlight = true;
    bool boldValues = false;          // values above a threshold in bold (screen and report)
    int combinedForm = 1;             // 1..6

    // Reports.
    bool exportOriginalColours = false;
    bool highlightValues = false;

    // Paths of outside programs.
    std::string pcOrdPath, mulvaPath, twinspanPath, dmapPath, rPath, synTaxPath;

    bool operator==(const ProgramSettings&) const = default;
};

// The settings as the workspace holds them now (the rules of the fidelity
// settings applied: a group size outside 0..100 shows as 50).
ProgramSettings currentProgramSettings(core::Workspace& ws);

// Puts the chosen settings in force. When a capacity differs from the
// table's, the user is first asked "WARNING!!! The confirmation will close
// currently loaded table. Are you sure to continue?"; only on Yes (and after
// the save offered for a table with species) is the table emptied and sized
// to the new capacities; otherwise the capacities stay and everything else
// is still applied. Then the settings file is written and the fidelity
// measure list and status text are renewed. Returns true when the table was
// emptied.
bool applyProgramSettings(core::Workspace& ws, const ProgramSettings& chosen, core::Interaction& ui);

// Empties the table and sizes it to new capacities: no relevés, species,
// header data, journal or undo copy; the ordinary table view.
void closeTable(core::Workspace& ws, int32_t releveCapacity, int32_t speciesCapacity);

// test_velikosti_Np for the settings dialog: the standard group size proposed
// from the table's current groups (separator level and hierarchy in force);
// nothing with fewer than two groups.
std::optional<double> proposedStandardSize(core::Workspace& ws);

}  // namespace zembu::session
