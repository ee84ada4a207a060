#include "core/header_export.h"

#include "core/releve_groups.h"

#include <cctype>
#include <cmath>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::core {

std::string coordinateText(std::string_view value) {
    std::string text(trim(value));
    if (text.empty()) return text;
    double sign = 1;
    for (const bool atStart : {true, false}) {
        if (text.empty()) break;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(atStart ? text.front() : text.back())));
        if (c == 'N' || c == 'S' || c == 'E' || c == 'W') {
            if (c == 'S' || c == 'W') sign = -1;
            text = std::string(trim(atStart ? std::string_view(text).substr(1)
                                            : std::string_view(text).substr(0, text.size() - 1)));
        }
    }
    if (text.empty() || !isNumber(text)) return std::string(trim(value));
    if (text[0] == '-' || text[0] == '+') {
        if (text[0] == '-') sign = -sign;
        text.erase(0, 1);
    }
    double degrees;
    const auto part = [&](size_t from, size_t n) { return leadingNumber(std::string_view(text).substr(from, n)); };
    if (text.find('.') != std::string::npos || text.find_first_not_of("0123456789") != std::string::npos) {
        degrees = leadingNumber(text);
    } else if (text.size() == 6) {
        degrees = part(0, 2) + part(2, 2) / 60 + part(4, 2) / 3600;
    } else if (text.size() == 7) {
        degrees = part(0, 3) + part(3, 2) / 60 + part(5, 2) / 3600;
    } else if (text.size() == 4) {
        degrees = part(0, 2) + part(2, 2) / 60;
    } else if (text.size() == 5) {
        degrees = part(0, 3) + part(3, 2) / 60;
    } else {
        degrees = leadingNumber(text);
    }
    return formatNumber(sign * degrees, "00.0000");
}

int32_t exportHeader(const Workspace& ws, const std::filesystem::path& file, int colour) {
    const Table& t = ws.table;
    const HeaderStore& store = ws.header;
    std::vector<bool> coordinate(static_cast<size_t>(store.fieldCount()) + 1, false);
    std::string out = "Sequence No;Turboveg No;Group No;";
    for (int n = 1; n <= store.fieldCount(); ++n) {
        const std::string_view name = trim(store.field(n).name);
        coordinate[n] = equalsIgnoreCase(name, "LATITUDE") || equalsIgnoreCase(name, "LONGITUDE");
        out += name;
        out += ';';
    }
    out += "\r\n";

    const std::vector<int32_t> groups = groupNumbersOf(ws.table, ws.separatorHierarchy, ws.separatorLevel);
    HeaderValueFile values(ws.headerValueFile(), store);
    AtomicFileWriter writer(file);
    int32_t written = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        if (t.ReleveColour[k].number != colour) continue;
        out += std::to_string(k) + ";" + std::to_string(t.ReleveOrder[k].turbovegNumber) + ";" +
               std::to_string(groups[k]) + ";";
        const std::string record = values.record(t.ReleveOrder[k].record).value_or(std::string());
        for (int n = 1; n <= store.fieldCount(); ++n) {
            const std::string_view text = trim(store.fieldText(record, n));
            out += coordinate[n] && !text.empty() ? coordinateText(text) : std::string(text);
            out += ';';
        }
        out += "\r\n";
        ++written;
        if (out.size() > (4u << 20)) {
            writer.write(out);
            out.clear();
        }
    }
    writer.write(out);
    if (!writer.commit())
        throw ZembuError("The file " + file.string() + " cannot be written (" + writer.errorText() + ").");
    return written;
}

}  // namespace zembu::core
