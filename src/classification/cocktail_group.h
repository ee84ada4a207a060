#pragma once
// The working group of a Cocktail species group: its members (species of the
// table, known by their species numbers) and the minimum number of members a
// relevé must hold to belong to the group. Also the searches the group work
// shares: the aligned code search in cell strings and the member counts of
// every relevé.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::classification {

// A member of a working group.
struct GroupMember {
    std::string name;           // species name as in the table (code-page bytes)
    int32_t speciesNumber = 0;  // species number, the member's identity code
    bool operator==(const GroupMember&) const = default;
};

// The group being built in the Cocktail dialog.
struct WorkingGroup {
    std::string name;
    std::vector<GroupMember> members;
    // "Manual setting": m keeps the value the user set; off, the member
    // statistics set m whenever they are computed.
    bool manualSetting = false;
    int minimumSpecies = 1;  // m: members a relevé must hold to be marked
};

// InString: the 1-based position of the first occurrence of a three-byte
// index code at a cell start of a cell string (a position p with (p - 1)
// divisible by 4); 0 when there is none. Occurrences straddling two cells are
// skipped and the search goes on from the next byte, so an aligned occurrence
// overlapping a skipped one is still found.
int InString(std::string_view cells, std::string_view code);

// The first live row whose species number is number; 0 when none.
int32_t firstRowOfSpeciesNumber(const core::Table& table, int32_t number);

// The first live row whose trimmed name equals the trimmed name; 0 when none.
int32_t firstRowNamed(const core::Table& table, std::string_view name);

// A member for a species row: its trimmed name and species number.
GroupMember memberOfRow(const core::Table& table, int32_t row);

// For every relevé record (index 0 unused), how many of the given species
// records have a cell of that relevé in their species data strings. Records
// of 0 are skipped (members without a species in the table).
std::vector<int32_t> memberCountsByRecord(const core::Table& table, const std::vector<int32_t>& speciesRecords);

// True for a group row of the table: a name beginning with "###".
bool isGroupRowName(std::string_view name);

}  // namespace zembu::classification
