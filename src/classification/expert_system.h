#pragma once
// The commands of the expert system dialog (Form24b, "&Expert System"):
// save sections 1 to 3 from the current table, load a file, apply its species
// aggregations, classify the relevés by its unit definitions, list the rows
// the aggregations removed, and append the frequency table of the
// classification ("part 4").
//
// Lines returned for the dialog's list are UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classification/expert_system_file.h"
#include "classification/releve_formula.h"

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

// "SAVE EXPERT SYSTEM FILE (1st part)": asks whether to go on (the file is
// proposed as "expert.esy" beside the table), then for the file, and writes
// sections 1 to 3. Cancel at either step writes nothing. Returns the lines
// written, for the list.
std::optional<std::vector<std::string>> saveExpertSystemFile(core::Workspace& ws, core::Interaction& ui);

// "Load ESY file": asks for a file and reads it; a file that cannot be read
// or is not an expert system file is refused with a message.
std::optional<ExpertSystem> loadExpertSystemFile(core::Workspace& ws, core::Interaction& ui);

// What applying section 1 did.
struct AggregationReport {
    std::vector<std::string> lines;    // "old -> new" per merged species, and the species not found
    std::vector<std::string> deleted;  // the rows merged away ("DELETED RECORDS:")
    int applied = 0;                   // aggregations carried out
};

// Applies the aggregations of section 1 in order: the live rows named by an
// aggregation's species (and layers) are merged into the aggregate, as the
// Species menu merges them; a species missing from the table is listed and
// skipped. All aggregations are carried out or, after a refusal, none.
std::optional<AggregationReport> applyExpertAggregations(core::Workspace& ws, core::Interaction& ui,
                                                         const ExpertSystem& system);

// The classification of the relevés by the units of section 3.
struct ExpertClassification {
    std::vector<std::string> units;    // unit names (code-page bytes), in file order
    std::vector<int> unitOfColumn;     // by column 1..ReleveCount: index into units, -1 for none
};

// The outcome of classifying: the classification, or the unit whose
// definition was refused and why.
struct ClassificationOutcome {
    std::optional<ExpertClassification> classification;
    std::string unit;     // the refused unit's definition line (code-page bytes)
    FormulaError error;
};

// Evaluates every unit's formula; a relevé matching several units goes to
// the first of them in the file.
ClassificationOutcome classifyReleves(const core::Table& table, const ExpertSystem& system);

// The classification as the dialog lists it: "COCKTAIL CLASSIFICATION: ",
// then per relevé its running number and unit ("---" for none).
std::vector<std::string> classificationLines(const core::Table& table, const ExpertClassification& result);

// Classification (Command4): classifies and returns the list lines; a
// refused definition is shown with the formula's message and listed.
std::vector<std::string> classifyByExpertSystem(const core::Workspace& ws, core::Interaction& ui,
                                                const ExpertSystem& system,
                                                ExpertClassification* result = nullptr);

// The frequency table ("part 4") of a classification.
std::vector<std::string> frequencyTableLines(const core::Table& table, const ExpertClassification& result);

// "Save Expert System File (Part 4)": classifies, asks for the file and
// appends the frequency table to it. Returns the lines appended.
std::optional<std::vector<std::string>> saveFrequencyTable(core::Workspace& ws, core::Interaction& ui,
                                                           const ExpertSystem& system);

}  // namespace zembu::classification
