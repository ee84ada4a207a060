#pragma once
// A TWINSPAN classification applied to the table: the relevés reordered by
// their codes (the classified ones gathered at the first relevé of the
// chosen colour), optionally the species too, the codes shown in the head
// under "TWINSPAN category:", and optionally separators from the divisions.
// Also sorttwin, the same for a punched output file chosen by the user.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "classification/twinspan_result.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* NoClassifiedRelevesMessage =
    "None of the classified relevés is in the table: the file belongs to another table.";

// What to do with a classification besides reordering the relevés.
struct TwinspanApplyChoice {
    int colour = 0;               // the relevé colour analysed
    bool sortSpecies = false;     // "   Species sorting"
    bool makeSeparators = false;  // "   Make separators"
};

// Reorders the relevés (Form32.reltrideni), with sortSpecies the species
// too (Form32.spectrideni), shows the codes in the head (twinhlavicka) and
// with makeSeparators places the separators of the divisions. Refused with a
// message, the table unchanged, when no classified relevé is in the table.
// The caller takes the undo copy. Returns the number of classified relevés
// of the table; nothing when refused.
std::optional<int32_t> applyTwinspanClassification(core::Workspace& ws, core::Interaction& ui,
                                 const TwinspanClassification& classification, const TwinspanApplyChoice& choice);

// The separators of the divisions count up to `level` (1..6): the current
// separator level becomes `level` and the hierarchy switch is turned on,
// both kept in the settings.
void useDivisionSeparatorLevel(core::Workspace& ws, int level);

// twinhlavicka: the head shows each relevé's code ("10----"; "------" for a
// relevé outside the classification) under "TWINSPAN category:".
void twinhlavicka(core::Workspace& ws, const std::vector<std::string>& codeOfRecord);

// Reads a punched output file and applies it: takes the undo copy, with
// makeSeparators sets the separator level to the deepest division (at most
// 6) and turns the hierarchy on. Errors are shown (title "TWINSPAN") and
// leave the table as it was. Returns the number of classified relevés.
std::optional<int32_t> applyPunchedFile(core::Workspace& ws, core::Interaction& ui, const std::filesystem::path& file,
                      const TwinspanApplyChoice& choice);

// sorttwin ("So&rt Relevés by Clusters" / "&TWINSPAN"): asks for the file
// ("OPEN TWINSPAN RESULTING FILE (*.pun)") and whether to make separators,
// then applies it to the relevés of the relevé colour box with the species
// sorted too. Returns true when applied.
bool sorttwin(core::Workspace& ws, core::Interaction& ui);

}  // namespace zembu::classification
