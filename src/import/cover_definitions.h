#pragma once
// Cover characters and cover transformations of the loaded table:
// - the character cover definitions (Form60): cells that still hold a raw
//   cover character get the percentage defined for that character;
// - "&Transformation" (tabltransf): every cell becomes 2 % or 1 % by a
//   threshold taken from its species' layer label.

#include <string>
#include <utility>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
}

namespace zembu::import {

// A cover character and its percentage (0 while not defined).
using CoverDefinition = std::pair<char, int>;

// The list line of a definition: the character, " %     ", the percentage.
std::string coverDefinitionLine(const CoverDefinition& definition);

// Adds to the definitions every raw cover character (a cover byte of 160 or
// below) the table's cells hold and the list lacks; a Braun-Blanquet code
// character starts with its percentage, any other with 0.
void collectCoverCharacters(const core::Table& table, std::vector<CoverDefinition>& definitions);

// Form60.List1_DblClick: asks for the percentage of one character ("Cover
// value for character 'X'", title "COVER DEFINITION", the current percentage
// as default). A whole number of at least 1 is stored; anything else except
// Cancel shows "The value is incorrect!!!". Returns true when it changed.
bool editCoverDefinition(CoverDefinition& definition, core::Interaction& ui);

// Form60.Command2_Click: caps every percentage above 95 at 95, then writes the
// cover byte of its percentage into every cell (both cell strings) that holds
// a defined character, and recounts the frequencies. Characters still without
// a percentage stay raw. Returns the number of cells rewritten (relevé side).
int64_t applyCoverDefinitions(core::Table& table, std::vector<CoverDefinition>& definitions);

// tabltransf ("&Transformation"): every cell becomes cover 2 % when its
// percentage reaches its species' threshold and 1 % otherwise. The threshold
// of a species record is the numeric value (rounded) of the layer label of
// the row that shows it; both cell strings use the same one.
void tabltransf(core::Table& table);

}  // namespace zembu::import
