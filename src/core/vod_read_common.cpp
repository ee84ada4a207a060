// The last steps shared by the binary and the text reader of table files.

#include "core/binary_io.h"
#include "core/text.h"
#include "core/vod_format.h"

namespace zembu::core {

void rebuildSpeciesMarks(Table& t) {
    std::fill(t.SpeciesMark.begin(), t.SpeciesMark.end(), '\0');
    for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
        const SpeciesInfoEntry& info = t.SpeciesInfo[i];
        if (info.record < 1 || info.record > t.MaxSpecies) continue;
        t.SpeciesMark[info.record] = speciesMarkOfName(info.name);
    }
}

void finishTableRead(TableFileContents& contents) {
    Table& t = contents.table;
    const int32_t S = t.SpeciesRecordCount;
    for (int32_t i = 1; i <= S; ++i) {
        std::string& name = t.SpeciesInfo[i].name;
        name = std::string(trimRight(name));
        // A mark written twice ("(S) (S) Name") is kept once.
        if (name.compare(0, 3, "(S)") == 0 && name.compare(4, 3, "(S)") == 0) name.erase(0, 4);
        std::string& label = t.SpeciesLayerLabel[i];
        label = std::string(trimRight(label));
        if (label.empty()) label = "   ";
    }
    for (int32_t s = 1; s <= S; ++s) {
        t.SpeciesNote[s] = std::string(trim(t.SpeciesNote[s]));
        for (std::string& value : t.SpeciesIndicator[s]) value = std::string(trim(value));
    }
    for (SpeciesGroup& group : t.SpeciesGroups) {
        group.name = std::string(trimRight(group.name));
        for (SpeciesGroupMember& member : group.members) member.name = std::string(trimRight(member.name));
    }
    for (std::string& line : contents.journal) line = std::string(trimRight(line));

    // Records beyond the relevé count are shown by no column.
    for (int32_t rec = t.ReleveCount + 1; rec <= t.ReleveRecordCount; ++rec) {
        t.ReleveData[rec].clear();
        t.ReleveIndicatorMean[rec] = {};
    }
    t.ReleveRecordCount = t.ReleveCount;
    for (int32_t i = t.SpeciesCount + 1; i <= S; ++i) t.SpeciesColour[i] = {0, 0};
    t.recountFrequencies();
    rebuildSpeciesMarks(t);
    if (!checkInvariants(t).empty()) throwFormatError();
}

}  // namespace zembu::core
