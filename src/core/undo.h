#pragma once
// The one-level undo of table rearrangements: a copy of the twelve arrays that
// rearranging commands change (order, colours, separators, heads, species
// rows). Cell strings and counts are not part of it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/table.h"

namespace zembu::core {

class Interaction;
class Workspace;

struct UndoCopy {
    bool available = false;  // "&Undo" is enabled

    // Counts at the time of the copy; undo is refused when they changed since.
    int32_t releveCount = 0;
    int32_t releveRecordCount = 0;
    int32_t speciesRecordCount = 0;
    int32_t speciesCount = 0;  // rows deleted or undeleted since also change the table's size

    std::vector<int16_t> SeparatorAfter;
    std::vector<ColourEntry> ReleveColour;
    std::vector<std::string> ReleveHead;
    std::vector<ReleveOrderEntry> ReleveOrder;
    std::vector<int32_t> ReleveColumnOfRecord;
    std::vector<int16_t> SpeciesSeparatorAfter;
    std::vector<ColourEntry> SpeciesColour;
    std::vector<int16_t> SpeciesLayer;
    std::vector<int32_t> SpeciesFrequency;
    std::vector<SpeciesInfoEntry> SpeciesInfo;
    std::vector<std::string> SpeciesLayerLabel;
    std::vector<int32_t> SpeciesRowOfRecord;
    // The head the values of ReleveHead belong to: which one (a HeadKind),
    // its mode and its caption, so that an undone head command also gives
    // back the caption and the tick of the Head menu.
    int headKind = 0;
    int headMode = 1;
    std::string headCaption;

    // Forgets the copy (a new table was loaded).
    void clear();
};

// ZalohaDat: copies the twelve arrays into the undo copy and enables "&Undo".
void ZalohaDat(Workspace& ws);

// VytazeniZalohyDat ("&Undo"): copies the undo copy back (with the head kind,
// mode and caption, and renews the head lines and ticks) and disables "&Undo".
// When the table changed its size since the copy, nothing is restored and the
// user is told so. Returns true when the arrays were restored.
bool VytazeniZalohyDat(Workspace& ws, Interaction& ui);

}  // namespace zembu::core
