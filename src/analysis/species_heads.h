#pragma once
// The species-data heads: per relevé a value computed from the cells of the
// selected species (the live rows of the species colour box's colour, see
// core/selection.h) and written into the table head: how many of them grow
// there, the sum, mean, smallest or largest of their covers, or their share
// of the relevé's total cover.

#include <cstdint>
#include <string>

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

inline constexpr const char* NoSpeciesSelectedMessage = "No species is selected!!!";

enum class SpeciesHead {
    Count,       // "C&ount n Species": selected species in the relevé, "###"
    Sum,         // "S&um of n Species Data": sum of their covers, "###"
    Percentage,  // "Percentage Abundance of n Species": 100 x their cover / all cover, "0.0"
    Mean,        // "Mean o&f n Species Data": mean of their covers, "###0.0"
    Minimum,     // "M&inimum of n Species Data": smallest of their covers, "###"
    Maximum,     // "Ma&ximum of n Species Data": largest of their covers, "###"
};

// The value of a head for relevé record rec; 0 when none of the selected
// species grows there (or the relevé has no cover at all). Counted are the
// cells of live rows that are not "###" group rows.
double speciesHeadValue(const core::Workspace& ws, int32_t rec, SpeciesHead head);

// The head text of a value: formatted with the head's pattern, right-justified
// in 6 (a longer text keeps its last 6 characters). "###" writes nothing for 0.
std::string speciesHeadText(double value, SpeciesHead head);

// spechlavicka: the count (or the cover sum) of the selected species.
bool spechlavicka(core::Workspace& ws, core::Interaction& ui, SpeciesHead head);
// averhlavicka: the mean cover of the selected species.
bool averhlavicka(core::Workspace& ws, core::Interaction& ui);
// PASShlavicka: the percentage abundance of the selected species.
bool PASShlavicka(core::Workspace& ws, core::Interaction& ui);
// specdatahlavicka: the smallest or largest cover of the selected species.
bool specdatahlavicka(core::Workspace& ws, core::Interaction& ui, SpeciesHead head);

// Any of the heads above: "No species is selected!!!" and false when no
// species is selected (the table is left as it was); otherwise an undo
// snapshot, the head of every relevé in column order (one progress step
// each), head mode 4 without a caption.
bool speciesDataHead(core::Workspace& ws, core::Interaction& ui, SpeciesHead head);

}  // namespace zembu::analysis
