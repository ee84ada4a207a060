#include "core/undo.h"

#include <algorithm>

#include "core/head_modes.h"
#include "core/interaction.h"
#include "core/workspace.h"

namespace zembu::core {

namespace {

// Copies entries 0..last of an array.
template <typename T>
void copyPrefix(const std::vector<T>& from, std::vector<T>& to, int32_t last) {
    const size_t n = std::min(from.size(), static_cast<size_t>(std::max(last, 0)) + 1);
    to.assign(from.begin(), from.begin() + static_cast<std::ptrdiff_t>(n));
}

// Writes a saved prefix back over the start of an array.
template <typename T>
void restorePrefix(const std::vector<T>& saved, std::vector<T>& to) {
    std::copy_n(saved.begin(), std::min(saved.size(), to.size()), to.begin());
}

}  // namespace

void UndoCopy::clear() { *this = UndoCopy{}; }

void ZalohaDat(Workspace& ws) {
    const Table& t = ws.table;
    UndoCopy& u = ws.undo;
    const int32_t releves = std::max(t.ReleveCount, t.ReleveRecordCount);
    const int32_t species = t.SpeciesRecordCount;
    u.releveCount = t.ReleveCount;
    u.releveRecordCount = t.ReleveRecordCount;
    u.speciesRecordCount = t.SpeciesRecordCount;
    u.speciesCount = t.SpeciesCount;
    copyPrefix(t.SeparatorAfter, u.SeparatorAfter, releves);
    copyPrefix(t.ReleveColour, u.ReleveColour, releves);
    copyPrefix(t.ReleveHead, u.ReleveHead, releves);
    copyPrefix(t.ReleveOrder, u.ReleveOrder, releves);
    copyPrefix(t.ReleveColumnOfRecord, u.ReleveColumnOfRecord, releves);
    copyPrefix(t.SpeciesSeparatorAfter, u.SpeciesSeparatorAfter, species);
    copyPrefix(t.SpeciesColour, u.SpeciesColour, species);
    copyPrefix(t.SpeciesLayer, u.SpeciesLayer, species);
    copyPrefix(t.SpeciesFrequency, u.SpeciesFrequency, species);
    copyPrefix(t.SpeciesInfo, u.SpeciesInfo, species);
    copyPrefix(t.SpeciesLayerLabel, u.SpeciesLayerLabel, species);
    copyPrefix(t.SpeciesRowOfRecord, u.SpeciesRowOfRecord, species);
    u.headKind = static_cast<int>(ws.head);
    u.headMode = ws.headMode;
    u.headCaption = ws.headCaption;
    u.available = true;
}

bool VytazeniZalohyDat(Workspace& ws, Interaction& ui) {
    UndoCopy& u = ws.undo;
    if (!u.available) return false;
    Table& t = ws.table;
    u.available = false;
    if (u.releveCount != t.ReleveCount || u.releveRecordCount != t.ReleveRecordCount ||
        u.speciesRecordCount != t.SpeciesRecordCount || u.speciesCount != t.SpeciesCount) {
        ui.message("The table has changed its size since the last rearrangement; it cannot be undone.",
                   "ZEMBU", MessageIcon::Information);
        u.clear();
        return false;
    }
    restorePrefix(u.SeparatorAfter, t.SeparatorAfter);
    restorePrefix(u.ReleveColour, t.ReleveColour);
    restorePrefix(u.ReleveHead, t.ReleveHead);
    restorePrefix(u.ReleveOrder, t.ReleveOrder);
    restorePrefix(u.ReleveColumnOfRecord, t.ReleveColumnOfRecord);
    restorePrefix(u.SpeciesSeparatorAfter, t.SpeciesSeparatorAfter);
    restorePrefix(u.SpeciesColour, t.SpeciesColour);
    restorePrefix(u.SpeciesLayer, t.SpeciesLayer);
    restorePrefix(u.SpeciesFrequency, t.SpeciesFrequency);
    restorePrefix(u.SpeciesInfo, t.SpeciesInfo);
    restorePrefix(u.SpeciesLayerLabel, t.SpeciesLayerLabel);
    restorePrefix(u.SpeciesRowOfRecord, t.SpeciesRowOfRecord);
    ws.head = static_cast<HeadKind>(u.headKind);
    ws.headMode = u.headMode;
    ws.headCaption = u.headCaption;
    renewHead(ws);
    return true;
}

}  // namespace zembu::core
