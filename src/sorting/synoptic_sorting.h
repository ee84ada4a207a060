#pragma once
// Sorting species by their synoptic values: the "Sort species" command while
// a constancy view is shown, and Form44 ("Sorting") with its criteria.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sorting/sort_keys.h"
#include "sorting/sort_outcome.h"

namespace zembu::core {
class Interaction;
class ProgressMeter;
class Workspace;
}

namespace zembu::sorting {

// Form44's criteria, in the order of its list.
enum class SynopticCriterion {
    BarkmanCover,       // " Average cover (Barkman's TCV)"
    Fidelity,           // " Fidelity measure"
    MaximumCover,       // " Maximum cover"
    RelativeFrequency,  // " Relative frequency"
    AverageCover,       // " Average non-zero cover"
    MedianCover,        // " Median non-zero cover"
    ModusCover,         // " Modus non-zero cover"
    ZlatnikValue,       // " Zlatnik's value"
};
inline constexpr int CriterionCount = 8;

// The caption of a criterion in Form44's list.
std::string_view criterionCaption(SynopticCriterion criterion);
// The short name the command line uses ("barkman", "fidelity", "maximum",
// "frequency", "average", "median", "modus", "zlatnik"); and back.
std::string_view criterionName(SynopticCriterion criterion);
std::optional<SynopticCriterion> criterionNamed(std::string_view name);

// The criterion's value of every live species row in every group, computed
// like the synoptic tables (groups from the separators in force, fidelity
// by the measure and options of the settings). Frequencies and cover values
// are percentages; a group where the species has no value (absent, no cover
// of at least 1 %, no fidelity) holds nothing.
struct CriterionValues {
    int32_t groupCount = 0;
    int32_t rowCount = 0;
    std::vector<double> values;  // row-major, NaN for nothing
    std::optional<double> at(int32_t row, int32_t group) const;
};
CriterionValues synopticCriterionValues(core::Workspace& ws, SynopticCriterion criterion,
                                        core::Interaction* ui = nullptr);

// Where "Entire dataset" puts each row: the first column where its value is
// highest and reaches the limit (0 when none does), and the key that orders
// the rows descending: columns left to right, within a column by value
// descending, the rows reaching no limit last. With exceptLastColumn the
// last column takes no row.
struct BlockOrder {
    std::vector<int32_t> column;  // by row 1..rowCount (index 0 unused)
    std::vector<double> keys;     // by row, for a descending sort
};
BlockOrder blockOrder(const CriterionValues& values, double limit, bool exceptLastColumn);

// The species colour of block column c: the palette colours 1..7 in turn;
// 0 (black) for rows in no block.
int blockColour(int32_t column);

// Form44.single_column: sorts the rows of a species colour (core::AllColours
// for all) descending by the criterion's value in one group, rows without a
// value last. Takes the undo copy first. Refuses with the message "Please
// mark any species by selected colour!" when no row has the colour; nothing
// happens for a group the table does not have.
SortOutcome single_column(core::Workspace& ws, SynopticCriterion criterion, int32_t group, int colour,
                   core::Interaction& ui);

// Form44.entire_dataset: asks "This procedure changes all species colours.
// Do you want to continue?", then the sorting limit (input box "SORTING"),
// and orders the rows of the colour into blocks (blockOrder), each block in
// its colour. A limit that is no number is refused with a message.
SortOutcome entire_dataset(core::Workspace& ws, SynopticCriterion criterion, bool exceptLastColumn, int colour,
                           core::Interaction& ui);
// The same with the limit given (no questions), for scripts.
SortOutcome entireDatasetWithLimit(core::Workspace& ws, SynopticCriterion criterion, bool exceptLastColumn, int colour,
                            double limit, core::Interaction& ui);

// True while a constancy view (types 1-3) is shown: "Sort species" then
// sorts by synopticConstancyKeys.
bool showsConstancyView(const core::Workspace& ws);

// The keys of "Sort species" in a constancy view: per group the percentage
// frequency rounded half to even (with categorical constancy divided by 20),
// right-aligned in six characters, "     ." where the species is absent; the
// fields in group order, cut to the key length. With layerFirst the layer
// digit leads, as in the command's ordinary keys.
std::vector<TextKey> synopticConstancyKeys(const core::Workspace& ws, bool layerFirst = false,
                                           core::ProgressMeter* meter = nullptr);

}  // namespace zembu::sorting
