#pragma once
// The phytosociological table held in memory: relevés (columns) and species
// rows, with a cover value in every occupied cell.
//
// Every relevé has a record number (rec, its "running number", which keys the
// data that follows it) and a column (k, its display position). Every species
// row has a row (i, display position) and a species record (s, the index of
// its cell string). Cells are held twice: per relevé (ReleveData, by rec) and
// per species record (SpeciesData, by s); each cell is four bytes, the index
// code of the other dimension's record and a cover byte (see index_code.h).
//
// All arrays are 1-based: per-relevé arrays hold MaxReleves + 1 entries,
// per-species arrays MaxSpecies + 1; entry 0 is never used. Rows
// SpeciesCount+1..SpeciesRecordCount are formally deleted species: they keep
// their data but are not shown.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/index_code.h"
#include "core/variant.h"

namespace zembu::core {

inline constexpr int32_t DefaultMaxReleves = 30000;
inline constexpr int32_t DefaultMaxSpecies = 5000;
inline constexpr int32_t LargestMaxReleves = 1000000;
inline constexpr int32_t LargestMaxSpecies = 15000;

// Relevé order of one column: field 1 and field 2.
struct ReleveOrderEntry {
    int32_t record = 0;          // the rec shown in the column (running number)
    int32_t turbovegNumber = 0;  // the relevé's number in its source database
    bool operator==(const ReleveOrderEntry&) const = default;
};

// A colour of a column or row: field 1 and field 2.
struct ColourEntry {
    int32_t value = 0;   // 24-bit colour 0x00BBGGRR
    int32_t number = 0;  // palette colour number
    bool operator==(const ColourEntry&) const = default;
};

// Species info of one row: fields 1, 2 and 3.
struct SpeciesInfoEntry {
    int32_t number = 0;  // species number in its source list
    std::string name;    // at most 50 characters
    int32_t record = 0;  // species record s of the row
    bool operator==(const SpeciesInfoEntry&) const = default;
};

using IndicatorMeans = std::array<int32_t, 6>;        // six axes, value x 1000
using IndicatorValues = std::array<std::string, 6>;   // six axes, at most 2 characters

// A Cocktail species group: a name and its members with their values.
struct SpeciesGroupMember {
    std::string name;  // at most 38 characters
    Variant value;
    bool operator==(const SpeciesGroupMember&) const = default;
};
struct SpeciesGroup {
    std::string name;  // at most 38 characters
    std::vector<SpeciesGroupMember> members;
    bool operator==(const SpeciesGroup&) const = default;
};
inline constexpr int MaxSpeciesGroups = 200;
inline constexpr int MaxGroupMembers = 200;

class Table {
public:
    Table();
    // A table sized to the given capacities from the start (a reader that
    // knows them allocates its arrays once).
    Table(int32_t maxReleves, int32_t maxSpecies);

    // Capacities: the highest relevé and species index any array can hold.
    int32_t MaxReleves = DefaultMaxReleves;
    int32_t MaxSpecies = DefaultMaxSpecies;

    // Counts.
    int32_t ReleveCount = 0;         // relevé columns
    int32_t ReleveRecordCount = 0;   // relevé records in use
    int32_t SpeciesCount = 0;        // live species rows
    int32_t SpeciesRecordCount = 0;  // rows including the formally deleted ones

    // Per relevé.
    std::vector<std::string> ReleveData;              // by rec: cells [kod(s)][cover]
    std::vector<ReleveOrderEntry> ReleveOrder;        // by column k
    std::vector<ColourEntry> ReleveColour;            // by column k
    std::vector<ColourEntry> ReleveColourByRecord;    // by rec, made by zalozbarvy
    std::vector<int32_t> ReleveColumnOfRecord;        // by rec: inverse of ReleveOrder record
    std::vector<int16_t> SeparatorAfter;              // by column k: 0, or level 1..6
    std::vector<int32_t> ReleveGroup;                 // by column k: group number 1..
    std::vector<std::string> ReleveHead;              // by rec: head text, 6 characters
    std::vector<IndicatorMeans> ReleveIndicatorMean;  // by rec

    // Per species.
    std::vector<std::string> SpeciesData;             // by record s: cells [kod(rec)][cover]
    std::vector<SpeciesInfoEntry> SpeciesInfo;        // by row i
    std::vector<int32_t> SpeciesRowOfRecord;          // by record s: inverse of SpeciesInfo record
    std::vector<int16_t> SpeciesLayer;                // by row i: 0..9
    std::vector<std::string> SpeciesLayerLabel;       // by row i
    std::vector<ColourEntry> SpeciesColour;           // by row i
    std::vector<int16_t> SpeciesSeparatorAfter;       // by row i: 0, or level 1..6
    std::vector<int32_t> SpeciesFrequency;            // by row i: cells of the species
    std::vector<std::string> SpeciesNote;             // by record s: at most 30 characters
    std::vector<IndicatorValues> SpeciesIndicator;    // by record s
    std::vector<char> SpeciesMark;                    // by record s: letter of a "(X)" name, or 0

    // Cocktail species groups kept with the table.
    std::vector<SpeciesGroup> SpeciesGroups;

    // Redefine_dimensions: sizes every array to the current capacities and
    // discards all contents (strings empty, numbers 0, counts 0).
    void Redefine_dimensions();

    // Sets the capacities and sizes the arrays to them (contents discarded).
    void setCapacities(int32_t maxReleves, int32_t maxSpecies);

    // tvorbadruhu: rebuilds every species data string from the relevé data
    // strings; cells of a species string come in increasing rec order.
    void tvorbadruhu();

    // zalozbarvy: copies the colours of every column to the colour backup,
    // keyed by the record shown in the column.
    void zalozbarvy();

    // Fills ReleveColumnOfRecord from the relevé order.
    void fillColumnOfRecord();

    // Rebuilds SpeciesRowOfRecord from the species info of rows 1..SpeciesRecordCount.
    void rebuildRowOfRecord();

    // Recounts SpeciesFrequency of rows 1..SpeciesRecordCount from the species strings.
    void recountFrequencies();

    // Cover byte of species record s in relevé record rec, or 0 when absent;
    // found by walking the relevé's cells / the species' cells.
    char coverInReleve(int32_t rec, int32_t s) const;
    char coverInSpecies(int32_t s, int32_t rec) const;

    // Cover byte at species row i and column k, or 0.
    char coverAt(int32_t row, int32_t column) const;

    // The record shown in column k.
    int32_t recordOfColumn(int32_t column) const { return ReleveOrder[column].record; }

    // The live species row (1..SpeciesCount) of cell c of a relevé's cell
    // string; 0 when the cell's species record or its row is out of range.
    int32_t liveRowOfCell(std::string_view cells, int c) const {
        const int32_t s = cellRecord(cells, c);
        if (s < 1 || s > SpeciesRecordCount) return 0;
        const int32_t row = SpeciesRowOfRecord[s];
        return row >= 1 && row <= SpeciesCount ? row : 0;
    }

    // True when the table holds no relevé and no species.
    bool empty() const { return ReleveCount == 0 && SpeciesRecordCount == 0; }
};

// The species mark a name carries: its second character when it begins "("
// ("(S) ...", "(D) ...", "(r) ..."), otherwise none (0).
inline char speciesMarkOfName(std::string_view name) { return name.size() >= 2 && name[0] == '(' ? name[1] : '\0'; }

// Problems found by checking the table's invariants; empty when it is sound.
// Checks the counts against the capacities, the relevé order (a permutation of
// 1..ReleveCount), the row-of-record inverse, cell strings (whole cells,
// records in range, cover bytes 161..255), the agreement of the relevé and
// species cell strings, and the species frequencies.
std::vector<std::string> checkInvariants(const Table& table);

}  // namespace zembu::core
