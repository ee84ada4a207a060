#pragma once
// The commands of the relevé selection dialog (Form8): "&Make selection"
// colours the relevés a formula selects, "&Show definition" shows its
// structure. A refused formula is reported through the Interaction and
// changes nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

// Colour options of the dialog, in order: "White" (uncoloured), then the
// palette colours 1..7.
inline constexpr const char* SelectionColourNames[] = {"White", "Red",    "Blue",   "Sea-green",
                                                       "Green", "Yellow", "Violet", "Grey"};

// "&Make selection": nothing for a table without relevés; otherwise parses
// the formula (code-page bytes), shows a refusal with its title and critical
// icon, or takes an undo snapshot and gives every relevé the formula selects
// the colour of option colourOption (0..7). Returns the number of relevés
// selected; nothing when the formula was refused or there are no relevés.
std::optional<int32_t> makeSelection(core::Workspace& ws, core::Interaction& ui, std::string_view formula,
                                     int colourOption);

// "&Show definition": the structure of the formula's layers and terms, or
// nothing after the refusal was shown.
std::optional<std::vector<std::string>> showDefinition(const core::Workspace& ws, core::Interaction& ui,
                                                       std::string_view formula);

}  // namespace zembu::classification
