#pragma once
// The species sorts of the Sorting menu. Each takes the workspace, the
// choices of its dialog or submenu and an Interaction; it takes the undo copy
// first, shows progress while it computes the keys and reorders the live rows
// of the chosen species colour (core::AllColours for all rows), the other
// rows keeping their places. An empty table is left as it is.

#include <cstdint>

#include "sorting/sort_outcome.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::sorting {

// Messages of the colour checks ("Program Info", information).
inline constexpr const char* NoSpeciesOfColour = "Please mark any species by selected colour!";
inline constexpr const char* NoReleveOfColour = "Please mark any relevé by selected colour!";

// Choices of "Sort species" (Form4).
struct SpeciesByRelevesOptions {
    int speciesColour = 0;     // "Black" .. "Grey", or "All" (9)
    int releveColour = 0;      // "White" (0) .. "Grey", or "All" (9)
    bool layerFirst = false;   // "Layer as a main sorting criterium"
};

// tridenidruhu2 ("Sort &Species", Form4): sorts the rows of the species colour
// by their occurrences in the relevés of the relevé colour (see
// speciesByReleveKeys); while a constancy view of the synoptic table is
// shown, by the constancies of the groups instead (synopticConstancyKeys,
// every relevé counting). Refuses with a message when no row or no relevé has
// the chosen colour. Afterwards the layer labels show the layer digit while
// the layer view is on, blanks while no layer labels are shown; name labels
// stay.
SortOutcome tridenidruhu2(core::Workspace& ws, const SpeciesByRelevesOptions& options, core::Interaction& ui);

// Species names in ascending byte order, case-sensitive.
SortOutcome sortSpeciesAlphabetically(core::Workspace& ws, int speciesColour, core::Interaction& ui);
// Median cover, largest first.
SortOutcome sortSpeciesByMedianCover(core::Workspace& ws, int speciesColour, core::Interaction& ui);
// Average vegetation richness of the relevés holding the species, largest first.
SortOutcome sortSpeciesByRichness(core::Workspace& ws, int speciesColour, core::Interaction& ui);

// setrdruhabecbarv_Click, ssmcbarv_Click, ssavrbarv_Click: the three
// submenus; item 0 ("&Black") sorts the rows of the species colour box's
// colour, item 1 ("&All") every row.
SortOutcome setrdruhabecbarv_Click(core::Workspace& ws, int index, core::Interaction& ui);
SortOutcome ssmcbarv_Click(core::Workspace& ws, int index, core::Interaction& ui);
SortOutcome ssavrbarv_Click(core::Workspace& ws, int index, core::Interaction& ui);

// Choices of "Dependence Sorting" (Form27).
struct DependenceOptions {
    int speciesColour = 0;
    int mostDependent = 1;           // 1, 3, 5, 10, or AllCommonOccurrences
    int32_t minimumFrequency = 0;    // "Minimum frequency of sorted species:"
};

// Form27.depesorting: sorts the rows of the colour by their dependence score
// (dependenceScores, with the fidelity measure of the settings), largest
// first; each sorted row's layer label shows its score (scoreLabel).
SortOutcome depesorting(core::Workspace& ws, const DependenceOptions& options, core::Interaction& ui);

// Choices of "Species Sorting Parameters" (Form48).
struct SpeciesDataOptions {
    int speciesColour = 9;     // "&All" (9) or the species colour box's colour ("&Black")
    bool numeric = false;      // "&Numerically" (leading number) or "&Alphabetically"
    bool descending = false;   // "In &descending order"
};

// Form48: sorts by the species data column (the layer labels).
SortOutcome sortSpeciesBySpeciesData(core::Workspace& ws, const SpeciesDataOptions& options, core::Interaction& ui);

}  // namespace zembu::sorting
