#include "classification/cocktail_group_list.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "classification/cocktail_marking.h"
#include "classification/cocktail_statistics.h"
#include "core/file_util.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/species_numbers.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::classification {

namespace {

std::string trimmed(std::string_view text) { return std::string(core::trim(text)); }

// Makes room for one more live row: the formally deleted rows behind the
// live ones move down by one, so that they keep their data and can still be
// undeleted. Returns the new row, SpeciesCount + 1.
int32_t insertLiveRow(core::Table& t) {
    const int32_t row = t.SpeciesCount + 1;
    for (int32_t i = t.SpeciesRecordCount; i >= row; --i) {
        t.SpeciesInfo[i + 1] = std::move(t.SpeciesInfo[i]);
        t.SpeciesLayer[i + 1] = t.SpeciesLayer[i];
        t.SpeciesLayerLabel[i + 1] = std::move(t.SpeciesLayerLabel[i]);
        t.SpeciesColour[i + 1] = t.SpeciesColour[i];
        t.SpeciesSeparatorAfter[i + 1] = t.SpeciesSeparatorAfter[i];
        t.SpeciesFrequency[i + 1] = t.SpeciesFrequency[i];
    }
    ++t.SpeciesRecordCount;
    ++t.SpeciesCount;
    return row;
}

}  // namespace

int addMembers(WorkingGroup& group, const std::vector<GroupMember>& members, core::Interaction& ui) {
    std::unordered_set<int32_t> numbers;
    for (const GroupMember& m : group.members) numbers.insert(m.speciesNumber);
    int added = 0;
    for (const GroupMember& m : members) {
        if (numbers.count(m.speciesNumber)) continue;
        if (group.members.size() >= static_cast<size_t>(core::MaxGroupMembers)) {
            ui.message(TooManyMembersMessage, "ZEMBU", core::MessageIcon::Information);
            break;
        }
        numbers.insert(m.speciesNumber);
        group.members.push_back(m);
        ++added;
    }
    return added;
}

int addSpeciesOfColour(const core::Table& table, WorkingGroup& group, int colour, core::Interaction& ui) {
    std::vector<GroupMember> members;
    for (int32_t i = 1; i <= table.SpeciesCount; ++i)
        if (table.SpeciesColour[i].number == colour) members.push_back(memberOfRow(table, i));
    return addMembers(group, members, ui);
}

int addCurrentSpecies(const core::Table& table, WorkingGroup& group, int32_t row, core::Interaction& ui) {
    if (row < 1 || row > table.SpeciesCount) return 0;
    return addMembers(group, {memberOfRow(table, row)}, ui);
}

bool deleteMembers(WorkingGroup& group, std::vector<int> positions, core::Interaction& ui) {
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::remove_if(positions.begin(), positions.end(),
                                   [&](int p) { return p < 0 || p >= static_cast<int>(group.members.size()); }),
                    positions.end());
    if (positions.empty()) return false;
    if (ui.question(DeleteMembersQuestion, "DOTAZ", core::Buttons::YesNo) != core::Answer::Yes) return false;
    for (auto p = positions.rbegin(); p != positions.rend(); ++p) group.members.erase(group.members.begin() + *p);
    return true;
}

std::optional<int> findGroup(const core::Table& table, std::string_view name) {
    const std::string_view wanted = core::trim(name);
    for (size_t g = 0; g < table.SpeciesGroups.size(); ++g)
        if (core::trim(table.SpeciesGroups[g].name) == wanted) return static_cast<int>(g);
    return std::nullopt;
}

std::optional<int> storeGroup(core::Table& table, const WorkingGroup& group, std::string_view name,
                              core::Interaction& ui) {
    const std::string groupName = trimmed(name);
    if (groupName.empty()) {
        ui.message(GroupNameFirstMessage, "INFORMATION", core::MessageIcon::Information);
        return std::nullopt;
    }
    if (groupName.size() > GroupNameLength) {
        ui.message(GroupNameTooLongMessage, "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    if (group.members.empty()) {
        ui.message(EmptyGroupMessage, "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    const std::optional<int> existing = findGroup(table, groupName);
    if (!existing && table.SpeciesGroups.size() >= static_cast<size_t>(core::MaxSpeciesGroups)) {
        ui.message(TooManyGroupsMessage, "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    const std::string shown = core::codePageToUtf8(groupName);
    const std::string question = existing ? "Do you wish to replace group " + shown + "???"
                                          : "Do you wish to create new group " + shown + "???";
    if (ui.question(question, "ZEMBU", core::Buttons::YesNo) != core::Answer::Yes) return std::nullopt;

    core::SpeciesGroup stored;
    stored.name = groupName;
    const size_t count = std::min(group.members.size(), static_cast<size_t>(core::MaxGroupMembers));
    for (size_t k = 0; k < count; ++k) {
        const GroupMember& m = group.members[k];
        stored.members.push_back({trimmed(m.name).substr(0, GroupNameLength), core::Variant::ofLong(m.speciesNumber)});
    }
    if (existing) {
        table.SpeciesGroups[static_cast<size_t>(*existing)] = std::move(stored);
        return existing;
    }
    table.SpeciesGroups.push_back(std::move(stored));
    return static_cast<int>(table.SpeciesGroups.size()) - 1;
}

bool deleteGroup(core::Table& table, int index, core::Interaction& ui) {
    if (index < 0 || index >= static_cast<int>(table.SpeciesGroups.size())) return false;
    const std::string name = core::codePageToUtf8(core::trim(table.SpeciesGroups[static_cast<size_t>(index)].name));
    if (ui.question("Do you wish to delete group " + name + "???", "ZEMBU", core::Buttons::YesNo) != core::Answer::Yes)
        return false;
    table.SpeciesGroups.erase(table.SpeciesGroups.begin() + index);
    return true;
}

WorkingGroup workingGroupOf(const core::SpeciesGroup& stored) {
    WorkingGroup group;
    group.name = trimmed(stored.name);
    for (const core::SpeciesGroupMember& m : stored.members) {
        const double number = m.value.type == core::Variant::String ? core::leadingNumber(m.value.text) : m.value.number;
        group.members.push_back({trimmed(m.name), static_cast<int32_t>(core::roundHalfEven(number))});
    }
    return group;
}

std::string memberCodeText(const core::Variant& value) {
    switch (value.type) {
    case core::Variant::Empty: return {};
    case core::Variant::String: return trimmed(value.text);
    case core::Variant::Single:
    case core::Variant::Double:
        if (value.number != std::floor(value.number)) return core::formatNumber(value.number, "0.###");
        [[fallthrough]];
    default: return std::to_string(static_cast<long long>(value.number));
    }
}

std::string groupsFileText(const std::vector<core::SpeciesGroup>& groups, bool withNames) {
    std::string text;
    for (const core::SpeciesGroup& g : groups) {
        text += trimmed(g.name) + ";" + std::to_string(g.members.size()) + ";";
        for (const core::SpeciesGroupMember& m : g.members) {
            if (withNames) text += trimmed(m.name) + ";";
            text += memberCodeText(m.value) + ";";
        }
        text += "\r\n";
    }
    return text;
}

bool writeGroupsFile(const core::Table& table, const std::string& file, bool withNames, core::Interaction& ui) {
    if (table.SpeciesGroups.empty()) {
        ui.message(NoGroupsToExportMessage, "EXPORT", core::MessageIcon::Information);
        return false;
    }
    if (core::writeFileAtomically(file, groupsFileText(table.SpeciesGroups, withNames))) return true;
    ui.message("The file " + file + " cannot be written.", "EXPORT", core::MessageIcon::Critical);
    return false;
}

std::optional<std::string> exportGroups(core::Workspace& ws, core::Interaction& ui) {
    if (ws.table.SpeciesGroups.empty()) {
        ui.message(NoGroupsToExportMessage, "EXPORT", core::MessageIcon::Information);
        return std::nullopt;
    }
    core::FileRequest request;
    request.title = "SAVE SPECIES GROUPS";
    request.filter = "Text file TXT|*.txt|All files (*.*)|*.*";
    request.proposedName = "groups.txt";
    request.directory = ws.currentDirectory;
    const auto file = ui.saveFile(request);
    if (!file || file->empty()) return std::nullopt;
    const bool withNames =
        ui.question("Export with species names?", "EXPORT", core::Buttons::YesNo) == core::Answer::Yes;
    if (!writeGroupsFile(ws.table, *file, withNames, ui)) return std::nullopt;
    return file;
}

int groupRowCover(const core::Workspace& ws) {
    const std::string_view text = core::trim(ws.settings.value(core::setting::CoverForNewSpecies));
    if (!core::isNumber(text)) return DefaultGroupRowCover;
    const int64_t cover = core::roundHalfEven(core::leadingNumber(text));
    return cover >= 1 && cover <= 95 ? static_cast<int>(cover) : DefaultGroupRowCover;
}

std::optional<int32_t> addGroupRow(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group) {
    core::Table& t = ws.table;
    const std::string name = trimmed(group.name);
    if (name.empty()) {
        ui.message(GroupNameFirstMessage, "INFORMATION", core::MessageIcon::Information);
        return std::nullopt;
    }
    const std::optional<int32_t> number = core::freeSpeciesNumber(t);
    if (!number) {
        ui.message(core::NumberFailureMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (t.SpeciesRecordCount >= t.MaxSpecies) {
        ui.message(TableFullMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const MemberStatistics statistics = pravdepodobnost(t, ws.CurrentRow, group, ui);
    if (statistics.stopped) return std::nullopt;
    if (group.minimumSpecies <= 0) {
        ui.message(MinimumSpeciesMessage, "Program Info", core::MessageIcon::Information);
        return std::nullopt;
    }

    // The cells of the new record, in increasing relevé record order.
    const int32_t s = t.SpeciesRecordCount + 1;
    const char cover = core::coverByte(groupRowCover(ws));
    const std::vector<int32_t> counts = memberCountsByRecord(t, statistics.records);
    std::string cells;
    for (int32_t rec = 1; rec < static_cast<int32_t>(counts.size()); ++rec) {
        if (counts[static_cast<size_t>(rec)] < group.minimumSpecies) continue;
        core::appendCell(cells, rec, cover);
        core::appendCell(t.ReleveData[static_cast<size_t>(rec)], s, cover);
    }

    const int32_t row = insertLiveRow(t);
    t.SpeciesInfo[row] = {*number, ("### " + name).substr(0, 50), s};
    t.SpeciesLayer[row] = 0;
    t.SpeciesLayerLabel[row] = std::string(t.SpeciesLayerLabel[1].size(), ' ');
    t.SpeciesColour[row] = {};
    t.SpeciesSeparatorAfter[row] = 0;
    t.SpeciesFrequency[row] = core::cellCount(cells);
    t.SpeciesData[s] = std::move(cells);
    t.SpeciesNote[s].clear();
    t.SpeciesIndicator[s] = {};
    t.SpeciesMark[s] = 0;
    t.rebuildRowOfRecord();
    return row;
}

}  // namespace zembu::classification
