#pragma once
// The relevé sorts of the Sorting menu. Each takes the workspace, the choices
// of its dialog or submenu and an Interaction; it takes the undo copy first,
// reorders the relevés of the chosen relevé colour (core::AllColours for all)
// among the positions they hold, leaves every separator at its position and
// renews the head lines. An empty table is left as it is.

#include <cstdint>
#include <vector>

#include "sorting/sort_outcome.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::sorting {

// Choices of "Sort relevés" (Form5).
struct RelevesBySpeciesOptions {
    int releveColour = 0;    // "White" (0) .. "Grey", or "All" (9)
    int speciesColour = 0;   // "Black" .. "Grey", or "All" (9)
    bool countOnly = false;  // "Sort only by number of species records in releve. ..."
};

// tridenisnimku2 ("Sort &Relevés", Form5): sorts the relevés of the relevé
// colour by the group rows and species of the species colour they hold (see
// releveBySpeciesKeys). Refuses with a message when no row or no relevé has
// the chosen colour.
SortOutcome tridenisnimku2(core::Workspace& ws, const RelevesBySpeciesOptions& options, core::Interaction& ui);

// tridenisnimkupodleC: relevés by the number their head value starts with,
// smallest first (text without a number counts as 0).
SortOutcome sortShortHeadsNumerically(core::Workspace& ws, int releveColour, core::Interaction& ui);
// tridenisnimkupodleM: relevés by their head value, ascending byte order.
SortOutcome sortShortHeadsAlphabetically(core::Workspace& ws, int releveColour, core::Interaction& ui);

// sortturb_Click / sortalfa_Click: item 0 ("for &White Relevés") sorts the
// relevés of the relevé colour box's colour, item 1 ("for &All Relevés") all.
SortOutcome sortturb_Click(core::Workspace& ws, int index, core::Interaction& ui);
SortOutcome sortalfa_Click(core::Workspace& ws, int index, core::Interaction& ui);

// Choices of "Sort Relevés by Selected Header Field" (Form20b).
struct HeaderSortOptions {
    std::vector<int> fields;        // header field numbers (from 1) in list order
    bool sort = true;               // "Sort"
    bool addToShortHead = false;    // "Add first characters to the short head"
    int shortHeadCharacters = 6;    // 1..6; anything else counts as 6
    bool separators = false;        // "Separators"
    int separatorCharacters = 1;    // leading characters of the keys compared, 1..50
};

// Form20b's Command2_Click: with "Sort", the relevés in ascending order of
// their header data keys (headerDataKeys); with "Add first characters to the
// short head", every head value becomes the first characters of its key,
// trimmed (and, together with "Sort", every relevé separator is cleared);
// with "Separators", all relevé separators are cleared and one of the
// current level is put between neighbours whose keys differ in their first
// characters. Nothing happens without a field.
SortOutcome sortRelevesByHeaderData(core::Workspace& ws, const HeaderSortOptions& options, core::Interaction& ui);

}  // namespace zembu::sorting
