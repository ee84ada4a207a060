#pragma once
// Indicator (Ellenberg) values of the species: the indicator table file,
// assigning its values to the species of the table by species number or by
// name, and showing one axis beside the species names.
//
// The indicator table is read by byte position: records of 59 bytes, one
// species each: the species number (columns 1-5), the name (6-45), the six
// values of two characters each (46-57: light, temperature, continentality,
// moisture, soil reaction, nutrients) and the line end (58-59). A table
// written with LF line ends has records of 58 bytes and is read the same way.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

inline constexpr size_t IndicatorRecordLength = 59;
// The record without its line end.
inline constexpr size_t IndicatorDataLength = 57;
inline constexpr int IndicatorAxes = 6;
// Axis names in order 1..6.
inline constexpr const char* IndicatorAxisNames[IndicatorAxes] = {
    "Light", "Temperature", "Continentality", "Moisture", "Soil Reaction", "Nutrients"};

inline constexpr const char* NoIndicatorValuesMessage = "Indicator values have not been defined!";
inline constexpr const char* IndicatorTableTitle = "OPEN ELLENBERG TABLE TEXT FILE";
inline constexpr const char* IndicatorTableFilter = "File format .TXT|*.txt|All files (*.*)|*.*";
inline constexpr const char* SelectSpeciesMessage = "Select species, please...";

struct IndicatorRecord {
    double number = 0;             // numeric value of columns 1-5 (0 when not a number)
    std::string name;              // columns 6-45 as read
    core::IndicatorValues values;  // the six 2-character fields as read
};

// An indicator table as read: its records, the length of a record (59 with
// CR LF line ends, 58 with LF) and the bytes after the last whole record.
struct IndicatorTableContents {
    std::vector<IndicatorRecord> records;
    size_t recordLength = IndicatorRecordLength;
    size_t leftoverBytes = 0;
};

// The records of an indicator table's bytes. The record length follows the
// line end of the first record; a last record without its line end counts
// as whole.
IndicatorTableContents readIndicatorContents(std::string_view bytes);
std::vector<IndicatorRecord> parseIndicatorTable(std::string_view bytes);

// Reads an indicator table file; throws core::ZembuError when it cannot be read.
IndicatorTableContents readIndicatorTable(const std::filesystem::path& file);

// The warning about bytes after the last whole record ("" when there are none).
std::string leftoverBytesWarning(const std::filesystem::path& file, const IndicatorTableContents& contents);

// Reads an indicator table file and shows the warning about leftover bytes,
// if any; throws core::ZembuError when the file cannot be read.
std::vector<IndicatorRecord> readIndicatorRecords(const std::filesystem::path& file, core::Interaction& ui);

// Reads an indicator table for a command: a file that cannot be read is
// reported (nothing returned), leftover bytes are warned of and the records
// before them returned; the file becomes the workspace's indicator table.
std::optional<std::vector<IndicatorRecord>> loadIndicatorTable(core::Workspace& ws, core::Interaction& ui,
                                                               const std::filesystem::path& file);

// One record as Form18 lists it: the trimmed name in 40 characters, then the
// six values.
std::string indicatorRecordText(const IndicatorRecord& record);

// A value's number: the leading-number rule; counts in computations only above 0.
double indicatorNumber(std::string_view value);

// Form18.Command1_Click: every live row takes the six values of the first
// record whose number equals its species number; rows without a record keep
// their values. Returns the rows assigned.
int32_t assignIndicatorValuesByNumber(core::Table& table, const std::vector<IndicatorRecord>& records);

// Form18.Command3_Click: the same, matching the trimmed row name (without its
// first four characters when it begins with "(") with the trimmed record name.
int32_t assignIndicatorValuesByName(core::Table& table, const std::vector<IndicatorRecord>& records);

// Assigns by species name (byName) or by species number, as the two rules above.
int32_t assignIndicatorValues(core::Table& table, const std::vector<IndicatorRecord>& records, bool byName);

// The file chooser and assignment of Form18 (byName chooses the rule): the
// file is asked for with the program's title and filter; a file that cannot
// be read is reported. Returns the rows assigned, or -1 when nothing was read.
int32_t chooseIndicatorTable(core::Workspace& ws, core::Interaction& ui, bool byName);

// Form18.Command4_Click: the records of the indicator table, for assigning
// them by hand. The file is asked for only when the workspace's indicator
// table has no "ellenb" in its name (any case); nothing when cancelled or
// unreadable.
std::optional<std::vector<IndicatorRecord>> Form18_Command4_Click(core::Workspace& ws, core::Interaction& ui);

// The six values of a live species row's species; nothing for any other row.
std::optional<core::IndicatorValues> indicatorValuesOfRow(const core::Table& table, int32_t row);

// Gives a live species row's species the six values (each trimmed and cut
// to two characters). Shows "Select species, please..." and returns false
// when the row is not a live species row.
bool setIndicatorValuesOfRow(core::Table& table, core::Interaction& ui, int32_t row,
                             const core::IndicatorValues& values);

// indivalu_Click (axis 1..6): after an undo snapshot, every live row's layer
// label shows its value of the axis, trimmed and right-aligned in 3. When no
// species has a value above 0 of the axis, the message and nothing else
// (false).
bool indivalu_Click(core::Workspace& ws, core::Interaction& ui, int axis);

}  // namespace zembu::analysis
