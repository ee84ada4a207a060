#include "analysis/indicator_table.h"

#include <unordered_map>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

// The name a row is matched by: trimmed, without a "(X) " mark.
std::string_view matchedName(std::string_view name) {
    name = core::trim(name);
    if (name.starts_with("(")) name = core::trim(name.substr(std::min<size_t>(4, name.size())));
    return name;
}

// Gives each live row the values of the record key(row) finds.
template <typename Lookup>
int32_t assign(core::Table& table, Lookup lookup) {
    int32_t assigned = 0;
    for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
        const IndicatorRecord* record = lookup(i);
        const int32_t s = table.SpeciesInfo[i].record;
        if (!record || s < 1 || s > table.MaxSpecies) continue;
        table.SpeciesIndicator[s] = record->values;
        ++assigned;
    }
    return assigned;
}

}  // namespace

IndicatorTableContents readIndicatorContents(std::string_view bytes) {
    IndicatorTableContents contents;
    // A first record ended by a lone LF (or CR) gives records of 58 bytes.
    if (bytes.size() > IndicatorDataLength &&
        (bytes[IndicatorDataLength] == '\n' ||
         (bytes[IndicatorDataLength] == '\r' && (bytes.size() == IndicatorDataLength + 1 || bytes[IndicatorDataLength + 1] != '\n'))))
        contents.recordLength = IndicatorDataLength + 1;
    size_t count = bytes.size() / contents.recordLength;
    contents.leftoverBytes = bytes.size() % contents.recordLength;
    // The last record of a file without a final line end.
    if (contents.leftoverBytes == IndicatorDataLength) {
        ++count;
        contents.leftoverBytes = 0;
    }
    contents.records.reserve(count);
    for (size_t j = 0; j < count; ++j) {
        const std::string_view r = bytes.substr(j * contents.recordLength, IndicatorDataLength);
        IndicatorRecord record;
        record.number = core::leadingNumber(r.substr(0, 5));
        record.name = std::string(r.substr(5, 40));
        for (int a = 0; a < IndicatorAxes; ++a) record.values[a] = std::string(r.substr(45 + 2 * a, 2));
        contents.records.push_back(std::move(record));
    }
    return contents;
}

std::vector<IndicatorRecord> parseIndicatorTable(std::string_view bytes) { return readIndicatorContents(bytes).records; }

IndicatorTableContents readIndicatorTable(const std::filesystem::path& file) {
    std::string bytes;
    if (!core::readWholeFile(file, bytes)) throw core::ZembuError("The file " + file.string() + " cannot be read.", "Program Info");
    return readIndicatorContents(bytes);
}

std::string leftoverBytesWarning(const std::filesystem::path& file, const IndicatorTableContents& contents) {
    if (contents.leftoverBytes == 0) return {};
    const size_t first = contents.records.size() * contents.recordLength + 1;
    return "The last " + std::to_string(contents.leftoverBytes) + " bytes of " + file.string() + " (from byte " +
           std::to_string(first) + " on) are not a whole record of the indicator table and were not read.";
}

std::vector<IndicatorRecord> readIndicatorRecords(const std::filesystem::path& file, core::Interaction& ui) {
    IndicatorTableContents contents = readIndicatorTable(file);
    const std::string warning = leftoverBytesWarning(file, contents);
    if (!warning.empty()) ui.message(warning, "Program Info", core::MessageIcon::Warning);
    return std::move(contents.records);
}

std::optional<std::vector<IndicatorRecord>> loadIndicatorTable(core::Workspace& ws, core::Interaction& ui,
                                                               const std::filesystem::path& file) {
    try {
        std::vector<IndicatorRecord> records = readIndicatorRecords(file, ui);
        ws.indicatorTableFile = file.string();
        return records;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return std::nullopt;
    }
}

std::string indicatorRecordText(const IndicatorRecord& record) {
    std::string text = core::leftJustify(core::trim(record.name), 40);
    for (const std::string& value : record.values) text += " " + core::rightJustify(core::trim(value), 2);
    return text;
}

double indicatorNumber(std::string_view value) { return core::leadingNumber(value); }

int32_t assignIndicatorValuesByNumber(core::Table& table, const std::vector<IndicatorRecord>& records) {
    std::unordered_map<double, const IndicatorRecord*> first;
    for (const IndicatorRecord& r : records) first.emplace(r.number, &r);
    return assign(table, [&](int32_t row) -> const IndicatorRecord* {
        const auto hit = first.find(static_cast<double>(table.SpeciesInfo[row].number));
        return hit == first.end() ? nullptr : hit->second;
    });
}

int32_t assignIndicatorValuesByName(core::Table& table, const std::vector<IndicatorRecord>& records) {
    std::unordered_map<std::string_view, const IndicatorRecord*> first;
    for (const IndicatorRecord& r : records) first.emplace(core::trim(r.name), &r);
    return assign(table, [&](int32_t row) -> const IndicatorRecord* {
        const auto hit = first.find(matchedName(table.SpeciesInfo[row].name));
        return hit == first.end() ? nullptr : hit->second;
    });
}

int32_t assignIndicatorValues(core::Table& table, const std::vector<IndicatorRecord>& records, bool byName) {
    return byName ? assignIndicatorValuesByName(table, records) : assignIndicatorValuesByNumber(table, records);
}

int32_t chooseIndicatorTable(core::Workspace& ws, core::Interaction& ui, bool byName) {
    const core::FileRequest request{IndicatorTableTitle, IndicatorTableFilter, "*.txt", ws.currentDirectory, true};
    const std::optional<std::string> file = ui.openFile(request);
    if (!file) return -1;
    const auto records = loadIndicatorTable(ws, ui, *file);
    if (!records) return -1;
    return assignIndicatorValues(ws.table, *records, byName);
}

std::optional<std::vector<IndicatorRecord>> Form18_Command4_Click(core::Workspace& ws, core::Interaction& ui) {
    std::string file = ws.indicatorTableFile;
    if (core::lowerAscii(std::filesystem::path(file).filename().string()).find("ellenb") == std::string::npos) {
        const core::FileRequest request{IndicatorTableTitle, IndicatorTableFilter, "*.txt", ws.currentDirectory, true};
        const std::optional<std::string> chosen = ui.openFile(request);
        if (!chosen) return std::nullopt;
        file = *chosen;
    }
    return loadIndicatorTable(ws, ui, file);
}

std::optional<core::IndicatorValues> indicatorValuesOfRow(const core::Table& table, int32_t row) {
    if (row < 1 || row > table.SpeciesCount) return std::nullopt;
    const int32_t s = table.SpeciesInfo[row].record;
    if (s < 1 || s > table.MaxSpecies) return std::nullopt;
    return table.SpeciesIndicator[s];
}

bool setIndicatorValuesOfRow(core::Table& table, core::Interaction& ui, int32_t row,
                             const core::IndicatorValues& values) {
    if (!indicatorValuesOfRow(table, row)) {
        ui.message(SelectSpeciesMessage, "Program Info", core::MessageIcon::Information);
        return false;
    }
    core::IndicatorValues& stored = table.SpeciesIndicator[table.SpeciesInfo[row].record];
    for (int a = 0; a < IndicatorAxes; ++a) stored[a] = std::string(core::trim(values[a]).substr(0, 2));
    return true;
}

bool indivalu_Click(core::Workspace& ws, core::Interaction& ui, int axis) {
    if (axis < 1 || axis > IndicatorAxes) return false;
    core::Table& t = ws.table;
    const auto valueOfRow = [&t, axis](int32_t i) -> std::string_view {
        const int32_t s = t.SpeciesInfo[i].record;
        return s >= 1 && s <= t.MaxSpecies ? std::string_view(t.SpeciesIndicator[s][axis - 1]) : std::string_view();
    };
    // Without any value the labels are left as they are, not blanked.
    bool anyValue = false;
    for (int32_t i = 1; i <= t.SpeciesCount && !anyValue; ++i) anyValue = indicatorNumber(valueOfRow(i)) > 0;
    if (!anyValue) {
        ui.message(NoIndicatorValuesMessage, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    core::ZalohaDat(ws);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) t.SpeciesLayerLabel[i] = core::rightJustify(core::trim(valueOfRow(i)), 3);
    return true;
}

}  // namespace zembu::analysis
