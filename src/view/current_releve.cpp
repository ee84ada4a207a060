#include "view/current_releve.h"

#include <algorithm>
#include <set>

#include "core/diversity.h"
#include "core/header_store.h"
#include "core/index_code.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::view {

char panelCoverSymbol(unsigned char b) {
    switch (b) {
        case 161: return 'r';
        case 162: return '+';
        case 163: return '1';
        case 164: return 'm';
        case 168: return 'a';
        case 178: return 'b';
        default: break;
    }
    if (b <= 185) return '2';
    if (b <= 210) return '3';
    if (b <= 235) return '4';
    return '5';
}

namespace {

// Layer lines in the usual notation: E3 trees, E2 shrubs, E1 herbs, E0 mosses.
const char* layerHeading(int layer) {
    if (layer >= 1 && layer <= 3) return "E3: ";
    if (layer == 4 || layer == 5) return "E2: ";
    if (layer >= 6 && layer <= 8) return "E1: ";
    if (layer == 9) return "E0: ";
    return "Without layer: ";
}

}  // namespace

std::vector<ReleveDescriptionLine> describeReleve(const core::Workspace& ws, int32_t rec) {
    const core::Table& t = ws.table;
    std::vector<ReleveDescriptionLine> lines;
    if (rec < 1 || rec > t.ReleveRecordCount) return lines;
    int32_t turboveg = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (t.ReleveOrder[k].record == rec) turboveg = t.ReleveOrder[k].turbovegNumber;
    lines.push_back({"Releve No. " + std::to_string(rec) + "   Turboveg No.: " + std::to_string(turboveg)});
    lines.push_back({""});

    // The species in table order.
    struct Entry { int32_t row; unsigned char cover; };
    std::vector<Entry> entries;
    const std::string& cells = t.ReleveData[rec];
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t s = core::cellRecord(cells, c);
        if (s < 1 || s > t.MaxSpecies) continue;
        const int32_t row = t.SpeciesRowOfRecord[s];
        if (row >= 1 && row <= t.SpeciesCount)
            entries.push_back({row, static_cast<unsigned char>(core::cellCoverByte(cells, c))});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.row < b.row; });
    std::vector<int> covers;
    std::set<std::string> names;
    for (const Entry& e : entries) {
        const std::string name(core::trim(t.SpeciesInfo[e.row].name));
        lines.push_back({std::string(1, panelCoverSymbol(e.cover)) + "  " + core::codePageToUtf8(name) + "  (" +
                             std::to_string(t.SpeciesLayer[e.row]) + ")",
                         e.row});
        covers.push_back(e.cover - 160);
        names.insert(name);
    }
    lines.push_back({""});
    lines.push_back({"No. of species: " + std::to_string(names.size()) + " (" + std::to_string(entries.size()) +
                     " records)"});
    lines.push_back({"Shannon-Wiener Index: " + core::formatNumber(core::shannonWiener(covers), "0.00")});
    lines.push_back({"Evenness: " + core::formatNumber(core::pielouEvenness(covers), "0.00")});
    lines.push_back({""});
    for (const char* heading : {"E3: ", "E2: ", "E1: ", "E0: ", "Without layer: "}) {
        std::string line;
        for (const Entry& e : entries) {
            if (std::string_view(layerHeading(t.SpeciesLayer[e.row])) != heading) continue;
            if (!line.empty()) line += ", ";
            line += core::codePageToUtf8(std::string(core::trim(t.SpeciesInfo[e.row].name))) + " " +
                    panelCoverSymbol(e.cover);
        }
        if (!line.empty() || std::string_view(heading).size() == 4) lines.push_back({heading + line});
    }

    // Header values of the relevé's record.
    if (!ws.header.empty()) {
        core::HeaderValueFile file(ws.headerValueFile(), ws.header);
        if (const auto record = file.record(rec)) {
            lines.push_back({""});
            for (int n = 1; n <= ws.header.fieldCount(); ++n) {
                const std::string value(core::trim(ws.header.fieldText(*record, n)));
                if (value.empty()) continue;
                lines.push_back({core::codePageToUtf8(std::string(core::trim(ws.header.field(n).name)) + ": " + value)});
            }
        }
    }
    return lines;
}

int deleteSpeciesFromReleve(core::Workspace& ws, int32_t rec, const std::vector<int32_t>& rows) {
    core::Table& t = ws.table;
    if (rec < 1 || rec > t.ReleveRecordCount) return 0;
    std::set<int32_t> records;
    for (int32_t row : rows)
        if (row >= 1 && row <= t.SpeciesRecordCount) records.insert(t.SpeciesInfo[row].record);
    const auto removeCells = [](std::string& cells, auto drop) {
        std::string kept;
        int removed = 0;
        for (int c = 0; c < core::cellCount(cells); ++c) {
            if (drop(core::cellRecord(cells, c))) ++removed;
            else kept.append(cells, static_cast<size_t>(c) * core::CellSize, core::CellSize);
        }
        cells.swap(kept);
        return removed;
    };
    const int removed = removeCells(t.ReleveData[rec], [&](int32_t s) { return records.count(s) > 0; });
    for (int32_t s : records) removeCells(t.SpeciesData[s], [&](int32_t r) { return r == rec; });
    for (int32_t row : rows)
        if (row >= 1 && row <= t.SpeciesRecordCount) t.SpeciesFrequency[row] = core::cellCount(t.SpeciesData[t.SpeciesInfo[row].record]);
    return removed;
}

}  // namespace zembu::view
