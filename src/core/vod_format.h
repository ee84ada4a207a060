#pragma once
// The table file (".VOD") at the level of bytes: reading a file into a plain
// result and writing a table to a file, with no workspace involved. The
// workspace-level commands (open, save, append) are in table_file.h.
//
// Binary layout ("ve64", every number little-endian, no padding):
//   "ve64" | "0002" relevé count, relevé record count | "0003" species count,
//   species record count | "0004" per column: record, TURBOVEG number |
//   "0005" per relevé record: length, variant string of its cells; per
//   species record: length, variant string | "A006" per row: species number,
//   text(50) name, species record, row of record | "0006" text(50) layer
//   labels | "0006" short species separators | "0006" text(30) notes by
//   record | "0007" relevé colours | "0008" species colours | "0009" long
//   frequencies | "0010" short layers | "0011" variant group count | "0012"
//   groups: text(38) name, variant member count, members: text(38) name,
//   variant value | "0020" short relevé separators | "0013" text(2) x 6
//   indicator values by species record, 6 longs by relevé record | "0021"
//   journal: count, text(60) lines | "0014".
// Older files: "ve63" holds shorts in "0009"; "ve62" has no notes record;
// files before "ve62" ("ve51", "0001") have neither labels nor separators nor
// notes; a species record tagged "0006" holds text(38) names; "0020" and
// "0021" may be missing.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/table.h"

namespace zembu::core {

class ProgressMeter;

// What a table file holds besides the table.
struct TableFileContents {
    Table table{0, 0};                 // sized to the capacities the reader was given
    std::vector<std::string> journal;  // species journal lines
    bool hasJournal = false;           // the file has a journal record
    std::string version;               // "ve64", "ve63", ... or "text" for the text form
};

// Version tags of binary table files this program reads.
bool isBinaryTableTag(const std::string& tag);

// The first four bytes of a file ("" when shorter or unreadable).
std::string fileTag(const std::filesystem::path& file);

// The capacity messages shown when a file holds more than the table can.
std::string speciesCapacityMessage(int32_t count, int32_t capacity);
std::string releveCapacityMessage(int32_t count, int32_t capacity);

// Counts of a table file, read from its start without reading the rest;
// false when the file is not a table file this program can read.
struct TableCounts {
    int32_t releves = 0;
    int32_t releveRecords = 0;
    int32_t species = 0;
    int32_t speciesRecords = 0;
};
bool peekTableCounts(const std::filesystem::path& file, TableCounts& counts);

// tableopen2 at the level of bytes: reads a binary table file into a new
// table of the given capacities. Throws ZembuError: "File format is not
// correct!!!" for a file that is not whole and sound, the capacity messages
// (title "Program Info") for a table too large. The result satisfies
// checkInvariants; its relevé record count equals its relevé count, its
// species marks are rebuilt and its formally deleted rows are uncoloured.
TableFileContents readBinaryTableFile(const std::filesystem::path& file, int32_t maxReleves,
                                      int32_t maxSpecies, ProgressMeter* progress = nullptr);

// tableopen at the level of bytes: reads the text form of the table file.
// Throws ZembuError with "File format is not correct!!!" or "File was
// incorrectly saved!!!" (a last line that is neither end line).
TableFileContents readTextTableFile(const std::filesystem::path& file, int32_t maxReleves,
                                    int32_t maxSpecies, ProgressMeter* progress = nullptr);

// Either kind, chosen by the file's first four bytes.
TableFileContents readTableFile(const std::filesystem::path& file, int32_t maxReleves, int32_t maxSpecies,
                                ProgressMeter* progress = nullptr);

// savetabl at the level of bytes: writes the table as a "ve64" file, through
// a temporary file renamed over the target. The relevé record count is
// written as the relevé count and indicator values trimmed, as the table
// will hold them after saving (the caller's table is not changed). Throws
// ZembuError when the file cannot be written; the old file is then intact.
void writeTableFile(const std::filesystem::path& file, const Table& table,
                    const std::vector<std::string>& journal, ProgressMeter* progress = nullptr);

// The bytes writeTableFile writes, for tests and tools.
std::string tableFileBytes(const Table& table, const std::vector<std::string>& journal);

// Rebuilds the species marks from the names: the mark of a row's species
// record is the second character of a name that begins "(", else none.
void rebuildSpeciesMarks(Table& table);

// Highest colour number a row or column may carry (the palette has 21 entries).
inline constexpr int32_t MaxColourNumber = 20;

// Used by the readers: the common last steps of reading a table (texts
// trimmed as stored, "(S) (S) " names mended, empty layer labels made "   ",
// records beyond the relevé count dropped, relevé record count set to the
// relevé count, formally deleted rows uncoloured, frequencies recounted,
// species marks rebuilt); throws the format error when the table breaks an
// invariant of the table model.
void finishTableRead(TableFileContents& contents);
// Used by peekTableCounts for the text form.
bool peekTextTableCounts(const std::filesystem::path& file, TableCounts& counts);

}  // namespace zembu::core
