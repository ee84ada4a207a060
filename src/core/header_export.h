#pragma once
// Export of the header data (Form25, "Export of HEAD"): a semicolon-separated
// text file of the relevés of one colour.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zembu::core {

class Interaction;
class Workspace;

// The default file name of the export.
inline constexpr const char* HeaderExportFile = "hlava.txt";
// The filter of its file chooser.
inline constexpr const char* HeaderExportFilter = "Text format txt|*.txt|All files (*.*)|*.*";

// A LATITUDE or LONGITUDE value as a number of degrees written "00.0000":
// six digits are DDMMSS, seven DDDMMSS, four DDMM, five DDDMM, fewer whole
// degrees; a value with a decimal point is already in degrees; a leading or
// trailing N, S, E or W gives the sign. A value that is none of these is
// kept as it is (trimmed).
std::string coordinateText(std::string_view value);

// Writes the export: the line "Sequence No;Turboveg No;Group No;" + every
// field name + ";", then one line per column k whose relevé has the colour
// number `colour` (0 = uncoloured): k, the TURBOVEG number, the group number
// and every field value of the relevé's record (trimmed), each followed by
// ";". Lines end with CR LF. Throws ZembuError when the file cannot be
// written. Returns the number of relevés written.
int32_t exportHeader(const Workspace& ws, const std::filesystem::path& file, int colour);

}  // namespace zembu::core
