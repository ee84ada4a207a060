#pragma once
// The analysis of constancy columns: for every relevé group (a column of the
// synoptic table) its diagnostic species (fidelity above a limit), constant
// species (frequency above a limit) and dominant species (often present with
// a high cover), with a few numbers that rate the group.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "synoptic/synoptic_settings.h"

namespace zembu::core {
class Settings;
class Table;
class Workspace;
class Interaction;
}  // namespace zembu::core

namespace zembu::synoptic {

// The thresholds of the analysis, kept in the settings.
struct ConstancyThresholds {
    double fidelityLimit = 0;        // "Fidelity limit::": diagnostic when the fidelity is above it
    double frequencyLimit = 0;       // "Frequency limit::": constant when the frequency (%) is above it
    double coverLimit = 0;           // "Cover limit::": a dominant occurrence has a cover above it
    double frequencyCoverLimit = 0;  // "Frequency cover limit::": share (%) of dominant occurrences needed
    bool includeDiagnostic = false;  // "Include diagnostic species::": diagnostic species stay among the constant ones
    bool showReferences = false;     // "Show references::": values in brackets after the names
};

ConstancyThresholds readConstancyThresholds(const core::Settings& settings);
void storeConstancyThresholds(core::Settings& settings, const ConstancyThresholds& thresholds);

// Roles of a species in a column.
enum SpeciesRole : int { Diagnostic = 1, Constant = 2, Dominant = 4 };

// " (Dg)", " (C)", " (Dm)", " (Dg, C)", " (Dg, Dm)", " (C, Dm)", " (Dg, C, Dm)"; empty without a role.
std::string roleMark(int roles);

struct ListedSpecies {
    int32_t row = 0;
    double value = 0;  // fidelity, frequency (%) or the share (%) of dominant occurrences
    int roles = 0;     // every role the species has in the column
};

// A list is cut at this many entries.
inline constexpr size_t LongestSpeciesList = 2000;

struct ColumnAnalysis {
    int32_t group = 0;
    std::vector<ListedSpecies> diagnostic, constant, dominant;  // by value, highest first
    std::vector<ListedSpecies> combined;                        // every species with a role, in table order
    size_t diagnosticCount = 0, constantCount = 0, dominantCount = 0;  // before the lists are cut
    int32_t releves = 0;                                        // Np(g)
    double averageSpecies = 0;                                  // species per relevé
    std::optional<double> averagePositiveFidelity;              // none: "Empty"
    std::optional<double> qualityIndex;                         // none: "Empty" (no species)
    double diagnosticFidelitySum = 0;
    std::vector<int32_t> positiveFidelityRows;                  // the species the average is taken over
};

// The analysis of every column in one pass over the species rows (fidelity
// as in the synoptic table, with the settings' measure, kind and weights).
std::vector<ColumnAnalysis> analyseConstancyColumns(const core::Table& table, const SynopticSettings& settings,
                                                    const ConstancyThresholds& thresholds);

// func_refresh: the analysis of column g (1..K); a column outside gives an empty analysis.
ColumnAnalysis func_refresh(const core::Table& table, const SynopticSettings& settings,
                            const ConstancyThresholds& thresholds, int32_t g);

// "###0.00", or "Empty".
std::string summaryNumber(std::optional<double> value);

// An entry of one of the three lists: "value  name  layer", or with
// references "name [value]  layer"; fidelities "0.0", frequencies "0".
std::string listEntryText(const core::Table& table, const ListedSpecies& entry, bool fidelity, bool showReferences);

// An entry of the combined list: the name, the layer and the role mark.
std::string combinedEntryText(const core::Table& table, const ListedSpecies& entry);

// barvickysyn: colours every live species row by its roles in the column:
// black none, red diagnostic, blue constant, sea-green both, green dominant,
// yellow diagnostic and dominant, violet constant and dominant, grey all
// three. Takes the undo copy first.
void barvickysyn(core::Workspace& ws, const ColumnAnalysis& analysis);

// Form55.Command4_Click: writes the summary of a column into the work files
// of this session: "tmp1.tmp" diagnostic, "tmp2.tmp" constant, "tmp3.tmp"
// dominant, "tmp5.tmp" combined list, "tmp8.tmp" the species of positive
// fidelity (entries separated by "; "), and "tmp7.tmp" the summary table.
// Asks whether to add to the files ("Mám přidávat?") and whether the columns
// are classes or alliances ("Třídy (nebo svazy)?"), which names the column in
// the files. Returns true when written.
bool Command4_Click(core::Workspace& ws, const ColumnAnalysis& analysis, core::Interaction& ui);

}  // namespace zembu::synoptic
