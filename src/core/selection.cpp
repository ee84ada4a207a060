#include "core/selection.h"

#include "core/workspace.h"

namespace zembu::core {

bool isSelectedSpecies(const Workspace& ws, int32_t row) {
    const Table& t = ws.table;
    return row >= 1 && row <= t.SpeciesCount && t.SpeciesColour[row].number == ws.speciesColourBox &&
           !t.SpeciesInfo[row].name.starts_with("###");
}

int32_t selectedSpeciesCount(const Workspace& ws) {
    int32_t count = 0;
    for (int32_t i = 1; i <= ws.table.SpeciesCount; ++i) count += isSelectedSpecies(ws, i);
    return count;
}

int32_t selectedReleveCount(const Workspace& ws) {
    const Table& t = ws.table;
    int32_t count = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) count += t.ReleveColour[k].number == ws.releveColourBox;
    return count;
}

}  // namespace zembu::core
