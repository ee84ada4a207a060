#include "classification/cocktail_marking.h"

#include "core/interaction.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::classification {

MarkingResult obarvenisnimku(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group,
                             core::ColourEntry colour) {
    MarkingResult result;
    core::Table& t = ws.table;
    result.statistics = pravdepodobnost(t, ws.CurrentRow, group, ui);
    if (group.minimumSpecies <= 0) {
        ui.message(MinimumSpeciesMessage, "Program Info", core::MessageIcon::Information);
        result.refused = true;
        return result;
    }
    const std::vector<int32_t> counts = memberCountsByRecord(t, result.statistics.records);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec >= static_cast<int32_t>(counts.size())) continue;
        if (counts[rec] >= group.minimumSpecies) {
            t.ReleveColour[k] = colour;
            ++result.marked;
        }
    }
    return result;
}

MarkingResult selectGroupReleves(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group,
                                 core::ColourEntry colour) {
    if (group.members.empty()) return {};
    core::ZalohaDat(ws);
    return obarvenisnimku(ws, ui, group, colour);
}

}  // namespace zembu::classification
