#pragma once
// Separators between relevé columns and species rows, and the commands that
// make and remove them. Every separator a command makes takes the current
// separator level; with the hierarchy switch on, a separator counts (and is
// drawn) only when its level is at most the current level.

#include <cstdint>

namespace zembu::core {
class Workspace;
}

namespace zembu::view {

// Toggles the separator after a column / below a row: an empty entry takes
// the current level, any other becomes 0. Renumbers the group head when it
// is shown.
void toggleReleveSeparator(core::Workspace& ws, int32_t column);
void toggleSpeciesSeparator(core::Workspace& ws, int32_t row);

// withcolo_Click: a separator wherever the colour numbers of neighbouring
// columns differ, none elsewhere (takes an undo snapshot first).
void withcolo_Click(core::Workspace& ws);

// "Make Separators within WHITE &Relevés": a separator of the current level
// before and after every run of neighbouring relevés of the colour (none
// after the last column); other separators stay. Takes an undo snapshot
// first and renumbers the group head when it is shown.
void separatorsAroundColour(core::Workspace& ws, int colour);
// withshor_Click: a separator wherever the first six characters of the head
// values of neighbouring columns differ (takes an undo snapshot first).
void withshor_Click(core::Workspace& ws);

// Form42, "Divide relevés into groups of the same size": separators that cut
// the relevés of one colour into `groups` groups of equal size (undo snapshot
// first). Nothing happens for fewer than 1 or more than ReleveCount groups.
void divideIntoEqualGroups(core::Workspace& ws, int colour, int64_t groups);

// Form42, "Divide relevés by short headers": a separator after a relevé of
// the colour whose head value differs from the next relevé of that colour.
void divideByShortHeaders(core::Workspace& ws, int colour);

// delsep_Click: 0 the separators of the current level and finer (all when
// the hierarchy is off), 1 all, 2 from the selected relevé to the end,
// 3 from the start to the selected relevé.
void delsep_Click(core::Workspace& ws, int index);

// "Reset separators": a click removes as "&Selected" does; a double click
// removes every relevé separator and leaves the species separators.
void Image18_Click(core::Workspace& ws);
void Image18_DblClick(core::Workspace& ws);

// Combo4_Click / Check1_Click: the level list and the hierarchy switch changed;
// both are kept in the settings.
void Combo4_Click(core::Workspace& ws, int position);
void Check1_Click(core::Workspace& ws, bool on);

// hlavickaskup: numbers the groups and shows the numbers in the head
// ("Group number:").
void hlavickaskup(core::Workspace& ws);

// grounumb_Click ("&Group Number"): an undo snapshot, then hlavickaskup.
void grounumb_Click(core::Workspace& ws);

// Renumbers the group head when it is the head shown.
void renumberGroupHead(core::Workspace& ws);

}  // namespace zembu::view
