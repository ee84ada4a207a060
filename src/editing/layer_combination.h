#pragma once
// Layer combination (Form12, "Layer Combination"): the rows a species has in
// the ticked layers are merged into one row in the result layer, species by
// species, each one confirmed or skipped by the user, or all of them at once.
//
// A species (rows of one name) is offered when it has at least two rows in
// the ticked layers, or one that is not yet in the result layer. Its merged
// row is named "(S) " + the name and carries the journal block and mark of
// every aggregation.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/species_commands.h"

namespace zembu::editing {

// Captions of the layers in the dialogs that choose layers.
inline constexpr std::array<const char*, LayerCount> LayerCaptions = {
    "None layer (value: 0)",           "Tree layer - high (value: 1)", "Tree layer - middle (value: 2)",
    "Tree layer - low (value: 3)",     "Shrub layer - high (value: 4)", "Shrub layer - low (value: 5)",
    "Herb layer (value: 6)",           "Juveniles (value: 7)",          "Seedling (value: 8)",
    "Moos layer (value: 9)"};

// Heading of the stepping list; the lines under it put "X " under each layer
// the species has a row in.
inline constexpr const char* LayerListHeading = "0.1.2.3.4.5.6.7.8.9  Comb.  Species name";

// A species offered for combination.
struct LayerCandidate {
    std::string name;              // trimmed name (code-page bytes)
    std::vector<int32_t> records;  // its records in the ticked layers, in table order
    LayerChoice present{};         // the layers it has live rows in
};

// The species offered, in the order of their first rows.
std::vector<LayerCandidate> layerCandidates(const core::Table& table, const LayerChoice& combine, int result);

// The list line of a species (code-page bytes).
std::string candidateLine(const LayerCandidate& candidate);

// "C&ontinue >>>": checks the choice ("Please check minimum one layer to be
// combined!", "Please check one layer as a result of the combination
// process!") and that the journal has a table file. Returns true when the
// stepping may begin.
bool checkLayerChoice(core::Workspace& ws, core::Interaction& ui, const LayerChoice& combine,
                      std::optional<int> result);

// The stepping through the offered species.
class LayerCombination {
public:
    LayerCombination(const core::Table& table, const LayerChoice& combine, int result);

    // True when every offered species was confirmed or skipped.
    bool finished() const { return next_ >= candidates_.size(); }
    size_t count() const { return candidates_.size(); }
    // The species shown now and its list line; nothing / "" when finished.
    const LayerCandidate* current() const { return finished() ? nullptr : &candidates_[next_]; }
    std::string currentLine() const;

    // "C&onfirm merging >>>": merges the shown species and goes on. Returns its
    // list line cut to 70 characters with " OK"; nothing when the merge was
    // refused (the species stays shown).
    std::optional<std::string> confirm(core::Workspace& ws, core::Interaction& ui);
    // "&Skip >>>": goes on without merging; the line with " skip".
    std::string skip();
    // "Merge automatically": confirms the shown species and every following
    // one; stops at a refusal. Returns the lines of the species merged.
    std::vector<std::string> confirmAll(core::Workspace& ws, core::Interaction& ui);

private:
    std::vector<LayerCandidate> candidates_;
    int result_;
    size_t next_ = 0;
};

}  // namespace zembu::editing
