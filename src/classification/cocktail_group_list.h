#pragma once
// The Cocktail dialog's work on members and groups: filling and emptying the
// working group, the group list kept with the table (store, delete, load),
// its export as text and the group row written into the table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classification/cocktail_group.h"
#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* DeleteMembersQuestion = "Do you wish to delete species from the group???";
inline constexpr const char* GroupNameFirstMessage = "Please write group name first...";
inline constexpr const char* TooManyMembersMessage = "A group may hold at most 200 species.";
inline constexpr const char* TooManyGroupsMessage = "The group list is full: it may hold at most 200 groups.";
inline constexpr const char* EmptyGroupMessage = "Please add species to the group first...";
inline constexpr const char* GroupNameTooLongMessage = "A group name may have at most 38 characters.";
inline constexpr const char* NoGroupsToExportMessage = "There are no species groups to export.";
inline constexpr const char* TableFullMessage = "Please save the table and increase the table size limit.";
inline constexpr size_t GroupNameLength = 38;
inline constexpr int DefaultGroupRowCover = 1;

// Appends the members whose species are not in the group yet (a species is
// known by its species number). The 201st member is refused with a message;
// members before it are kept. Returns the number added.
int addMembers(WorkingGroup& group, const std::vector<GroupMember>& members, core::Interaction& ui);

// "A&dd species": the live rows of species colour `colour` join the group.
int addSpeciesOfColour(const core::Table& table, WorkingGroup& group, int colour, core::Interaction& ui);

// "Add &current species": the live row `row` joins the group; nothing for a
// row out of range.
int addCurrentSpecies(const core::Table& table, WorkingGroup& group, int32_t row, core::Interaction& ui);

// "Delete &species from the list": removes the members at the given list
// positions after the question (title "DOTAZ"). Returns true when removed.
bool deleteMembers(WorkingGroup& group, std::vector<int> positions, core::Interaction& ui);

// The group list position of the group named `name` (trimmed); none when absent.
std::optional<int> findGroup(const core::Table& table, std::string_view name);

// "&Add": stores the working group under `name` in the table's group list
// after the question "Do you wish to create new group NAME???" (or, when a
// group of that name exists, "Do you wish to replace group NAME???"), both
// titled "ZEMBU". Refused with a message for an empty name or group, a name
// over 38 characters, and a 201st group. Returns the group's list position.
std::optional<int> storeGroup(core::Table& table, const WorkingGroup& group, std::string_view name,
                              core::Interaction& ui);

// "&Delete": removes the group at list position `index` after the question
// "Do you wish to delete group NAME???" (title "ZEMBU").
bool deleteGroup(core::Table& table, int index, core::Interaction& ui);

// The stored group at list position `index` as a working group: its name and
// its members with the species numbers of their values.
WorkingGroup workingGroupOf(const core::SpeciesGroup& stored);

// The identity code of a member as text: the number of a numeric value, the
// text of a text value.
std::string memberCodeText(const core::Variant& value);

// The text of "groups.txt": one line per group, its trimmed name, ";", the
// member count, ";", then per member (with names) its trimmed name and ";",
// and its identity code and ";". Lines end in CR LF.
std::string groupsFileText(const std::vector<core::SpeciesGroup>& groups, bool withNames);

// Writes the table's group list to `file` as groupsFileText does; an empty
// list or a file that cannot be written is refused with a message (title
// "EXPORT"). Returns success.
bool writeGroupsFile(const core::Table& table, const std::string& file, bool withNames, core::Interaction& ui);

// Command17_Click ("&Export"): asks for the file ("SAVE SPECIES GROUPS",
// proposing "groups.txt") and "Export with species names?" (title "EXPORT"),
// then writes the list. Returns the file written.
std::optional<std::string> exportGroups(core::Workspace& ws, core::Interaction& ui);

// The cover of group-row cells: the setting "Cover for a new species::" when
// it is a percentage 1..95, otherwise 1 %.
int groupRowCover(const core::Workspace& ws);

// Command10_Click ("Add &group into the table"): appends the live row
// "### " + group name with the smallest free program species number, present
// (with the cover of groupRowCover) in every relevé holding at least m
// resolved members. Refused with a message when the name is empty, no number
// is free, or the table has no room for a row. Returns the new row.
std::optional<int32_t> addGroupRow(core::Workspace& ws, core::Interaction& ui, WorkingGroup& group);

}  // namespace zembu::classification
