#pragma once
// Marking the relevés of a Cocktail group: every relevé that holds at least
// m members of the working group takes the group's relevé colour.

#include <cstdint>

#include "classification/cocktail_statistics.h"
#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* MinimumSpeciesMessage = "Minimum number of species must be higher than 0!!!";

struct MarkingResult {
    MemberStatistics statistics;
    int32_t marked = 0;    // relevés given the group colour
    bool refused = false;  // m was not above 0: nothing changed
};

// obarvenisnimku: computes the member statistics (which may set m), then
// gives every relevé holding at least m resolved members the colour (value
// and number); the other relevés keep their colours. With m <= 0 the message
// is shown and nothing changes. The head lines are left alone; the caller
// redraws.
MarkingResult obarvenisnimku(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group,
                             core::ColourEntry colour);

// "&Select relevés as": nothing while the working group is empty; otherwise
// an undo snapshot, then obarvenisnimku.
MarkingResult selectGroupReleves(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group,
                                 core::ColourEntry colour);

}  // namespace zembu::classification
