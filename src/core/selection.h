#pragma once
// The selection the colour boxes make: the species rows of the species
// colour box's colour and the relevés of the relevé colour box's colour.
// The species-data heads work on the selected species; the menu captions
// count both.

#include <cstdint>

namespace zembu::core {

class Workspace;

// True for a live species row (not a "###" group row) whose colour number
// is the species colour box's entry.
bool isSelectedSpecies(const Workspace& ws, int32_t row);

// The selected species rows.
int32_t selectedSpeciesCount(const Workspace& ws);

// The relevé columns whose colour number is the relevé colour box's entry.
int32_t selectedReleveCount(const Workspace& ws);

}  // namespace zembu::core
