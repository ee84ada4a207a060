#pragma once
// Short-head files (Form43, "OPEN SHORT HEADERS"): per-relevé values laid
// out in columns, one of which becomes the head of the table.
//
// Layout:
//   !-rel.-!  !head 1!  !head 2!        header line: the relevé column, then
//   !------!  !------!  !------!        one "!head n!" group per value column
//       1234  Fagion    12              (n = 1, 2, ...), separated by blanks;
//       1240  Carpinion 7               a ruler line of one "!---!" group per
//                                       column; then one line per relevé.
// A data line holds the relevé number (its TURBOVEG number) in the columns of
// the "!-rel.-!" group and each value in the columns from its group's start
// up to the next group's start (the last value to the end of the line);
// values are trimmed. Blank lines are skipped.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zembu::core {

class Workspace;

struct ShortHeadFile {
    std::vector<std::string> columns;  // "head 1", "head 2", ...
    struct Row {
        int32_t releveNumber = 0;
        std::vector<std::string> values;  // one per column
    };
    std::vector<Row> rows;
};

// Reads a short-head file; throws ZembuError("The file has incorrect
// structure!", "Program Info") when it does not follow the layout.
ShortHeadFile readShortHeadFile(const std::filesystem::path& file);

// Makes column `column` (0-based) of the file the head: every relevé whose
// TURBOVEG number has a line in the file gets that value (right-justified in
// 6 characters, a longer value keeps its first 6), the others a blank head;
// caption "Short head:". Takes an undo snapshot first. Returns the number of
// relevés that found a value.
int32_t applyShortHeadFile(Workspace& ws, const ShortHeadFile& file, size_t column);

}  // namespace zembu::core
