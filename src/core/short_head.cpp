#include "core/short_head.h"

#include <unordered_map>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::core {

namespace {

[[noreturn]] void incorrectStructure() { throw ZembuError("The file has incorrect structure!", "Program Info"); }

// The "!...!" groups of a line: start positions and texts; false when the
// line holds anything else than groups separated by blanks.
bool splitGroups(std::string_view line, std::vector<size_t>& starts, std::vector<std::string_view>& groups) {
    size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ') {
            ++pos;
            continue;
        }
        if (line[pos] != '!') return false;
        const size_t end = line.find('!', pos + 1);
        if (end == std::string_view::npos) return false;
        starts.push_back(pos);
        groups.push_back(line.substr(pos, end - pos + 1));
        pos = end + 1;
    }
    return true;
}

}  // namespace

ShortHeadFile readShortHeadFile(const std::filesystem::path& file) {
    std::string content;
    if (!readWholeFile(file, content)) throw ZembuError("The file " + file.string() + " cannot be read.", "Program Info");
    const std::vector<std::string_view> lines = splitLines(content);
    if (lines.size() < 2 || lines[0].substr(0, 8) != "!-rel.-!") incorrectStructure();

    std::vector<size_t> starts;
    std::vector<std::string_view> groups;
    if (!splitGroups(trimRight(lines[0]), starts, groups) || groups.size() < 2) incorrectStructure();
    ShortHeadFile result;
    for (size_t g = 1; g < groups.size(); ++g) {
        if (groups[g] != "!head " + std::to_string(g) + "!") incorrectStructure();
        result.columns.push_back("head " + std::to_string(g));
    }
    std::vector<size_t> rulerStarts;
    std::vector<std::string_view> ruler;
    if (!splitGroups(trimRight(lines[1]), rulerStarts, ruler) || ruler.size() != groups.size()) incorrectStructure();
    for (std::string_view group : ruler)
        if (group.size() < 3 || group.substr(1, group.size() - 2).find_first_not_of('-') != std::string_view::npos)
            incorrectStructure();

    for (size_t n = 2; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (trim(line).empty()) continue;
        const auto field = [&](size_t g) -> std::string {
            const size_t from = starts[g];
            if (from >= line.size()) return {};
            const size_t to = g + 1 < starts.size() ? starts[g + 1] : line.size();
            return std::string(trim(line.substr(from, to - from)));
        };
        const std::string number = field(0);
        if (!isNumber(number)) incorrectStructure();
        ShortHeadFile::Row row;
        const auto releve = wholeNumberIn(leadingNumber(number), INT32_MIN, INT32_MAX);
        if (!releve)
            throw ZembuError("The relevé number " + number + " in line " + std::to_string(n + 1) +
                                 " is no relevé number of this program.",
                             "Program Info");
        row.releveNumber = static_cast<int32_t>(*releve);
        for (size_t g = 1; g < starts.size(); ++g) row.values.push_back(field(g));
        result.rows.push_back(std::move(row));
    }
    return result;
}

int32_t applyShortHeadFile(Workspace& ws, const ShortHeadFile& file, size_t column) {
    if (column >= file.columns.size()) return 0;
    std::unordered_map<int32_t, const std::string*> valueOf;
    for (const ShortHeadFile::Row& row : file.rows) valueOf[row.releveNumber] = &row.values[column];
    ZalohaDat(ws);
    Table& t = ws.table;
    int32_t found = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.MaxReleves) continue;
        const auto hit = valueOf.find(t.ReleveOrder[k].turbovegNumber);
        t.ReleveHead[rec] = rightJustify(hit == valueOf.end() ? std::string_view() : std::string_view(*hit->second), 6);
        found += hit != valueOf.end();
    }
    ws.head = HeadKind::ShortHeadFile;
    ws.headMode = 4;
    ws.headCaption = "Short head:";
    renewHead(ws);
    return found;
}

}  // namespace zembu::core
