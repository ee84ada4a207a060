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

std::vector<IndicatorRecord> parseIndicatorTable(std::string_view bytes) {
    std::vector<IndicatorRecord> records;
    const size_t count = bytes.size() / IndicatorRecordLength;
    records.reserve(count);
    for (size_t j = 0; j < count; ++j) {
        const std::string_view r = bytes.substr(j * IndicatorRecordLength, IndicatorRecordLength);
        IndicatorRecord record;
        record.number = core::leadingNumber(r.substr(0, 5));
        record.name = std::string(r.substr(5, 40));
        for (int a = 0; a < IndicatorAxes; ++a) record.values[a] = std::string(r.substr(45 + 2 * a, 2));
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<IndicatorRecord> readIndicatorTable(const std::filesystem::path& file) {
    std::string bytes;
    if (!core::readWholeFile(file, bytes)) throw core::ZembuError("The file " + file.string() + " cannot be read.", "Program Info");
    return parseIndicatorTable(bytes);
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

int32_t chooseIndicatorTable(core::Workspace& ws, core::Interaction& ui, bool byName) {
    core::FileRequest request{IndicatorTableTitle, IndicatorTableFilter, "*.txt", ws.currentDirectory, true};
    const std::optional<std::string> file = ui.openFile(request);
    if (!file) return -1;
    try {
        const std::vector<IndicatorRecord> records = readIndicatorTable(*file);
        return byName ? assignIndicatorValuesByName(ws.table, records)
                      : assignIndicatorValuesByNumber(ws.table, records);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return -1;
    }
}

bool indivalu_Click(core::Workspace& ws, core::Interaction& ui, int axis) {
    if (axis < 1 || axis > IndicatorAxes) return false;
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    bool anyValue = false;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        const std::string& value = s >= 1 && s <= t.MaxSpecies ? t.SpeciesIndicator[s][axis - 1] : std::string();
        t.SpeciesLayerLabel[i] = core::rightJustify(core::trim(value), 3);
        anyValue = anyValue || indicatorNumber(value) > 0;
    }
    if (!anyValue) {
        ui.message(NoIndicatorValuesMessage, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace zembu::analysis
