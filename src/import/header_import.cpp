#include "import/header_import.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/header_store.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/import_file.h"

namespace zembu::import {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoReleveNumberField =
    "Header file does not contain 'Relevé number' field!!! Header data cannot be connected with the table.";

// Columns of the table by relevé number, each list in column order.
std::unordered_map<int32_t, std::vector<int32_t>> columnsByNumber(const core::Table& table) {
    std::unordered_map<int32_t, std::vector<int32_t>> columns;
    columns.reserve(static_cast<size_t>(table.ReleveCount));
    for (int32_t k = 1; k <= table.ReleveCount; ++k) columns[table.ReleveOrder[k].turbovegNumber].push_back(k);
    return columns;
}

// The first entry at or after `from`, else the first one: a search that runs
// from `from` to the end and then wraps round to the start.
template <typename T>
T cyclicFirst(const std::vector<T>& sorted, T from) {
    const auto at = std::lower_bound(sorted.begin(), sorted.end(), from);
    return at != sorted.end() ? *at : sorted.front();
}

int32_t wholeNumber(std::string_view text) {
    const auto n = core::wholeNumberIn(core::leadingNumber(core::trim(text)), INT32_MIN, INT32_MAX);
    return n ? static_cast<int32_t>(*n) : 0;
}

// Header records longer than any export holds are refused before the store,
// one record per relevé, is made from them.
constexpr size_t MaxRecordLength = 10000;

void checkRecordLength(size_t length) {
    if (length > MaxRecordLength)
        throw core::ZembuError("The header records of this file would be " + std::to_string(length) +
                                   " characters long; header data with records longer than " +
                                   std::to_string(MaxRecordLength) + " characters cannot be imported.",
                               "Program Info");
}

// Number of record slots of the store: one per relevé record.
int32_t recordSlots(const core::Table& table) { return std::max(table.ReleveCount, table.ReleveRecordCount); }

std::string blankRecords(int32_t slots, size_t length) {
    std::string values;
    values.reserve(static_cast<size_t>(slots) * (length + 2));
    for (int32_t r = 0; r < slots; ++r) {
        values.append(length, ' ');
        values += "\r\n";
    }
    return values;
}

void putRecord(std::string& values, int32_t rec, size_t length, std::string_view record) {
    const size_t at = static_cast<size_t>(rec - 1) * (length + 2);
    const size_t n = std::min(record.size(), length);
    std::copy_n(record.data(), n, values.begin() + static_cast<std::ptrdiff_t>(at));
    std::fill_n(values.begin() + static_cast<std::ptrdiff_t>(at + n), length - n, ' ');
}

// Start column of the relevé-number field in the STR text; 0 when there is none.
int releveNumberColumn(std::string_view str) {
    LineCursor cursor(str);
    std::string_view line;
    while (cursor.next(line))
        if (namesReleveNumberField(line)) return std::max(1, static_cast<int>(wholeNumber(line.substr(0, 4))));
    return 0;
}

// The relevé number held by an EXP record: six characters from column f.
int32_t recordNumber(std::string_view line, int column) {
    const size_t from = static_cast<size_t>(column - 1);
    return from >= line.size() ? 0 : wholeNumber(line.substr(from, 6));
}

}  // namespace

bool namesReleveNumberField(std::string_view line) {
    static constexpr std::string_view kNames[] = {"abcde", "Releve number", "Releve Number", "Relev\x82 number",
                                                  "Relev\xE9 number", "Relev\xC3\xA9 number"};
    for (std::string_view name : kNames)
        if (line.find(name) != std::string_view::npos) return true;
    return false;
}

HeaderFiles headerFilePair(const fs::path& chosen) {
    const std::string name = chosen.string();
    const std::string stem = name.size() >= 3 ? name.substr(0, name.size() - 3) : name;
    HeaderFiles files;
    files.str = stem + "str";
    files.exp = stem + "exp";
    if (const auto found = core::findFileIgnoringCase(files.str)) files.str = *found;
    if (const auto found = core::findFileIgnoringCase(files.exp)) files.exp = *found;
    return files;
}

std::optional<HeaderFiles> test_hlavicky(const fs::path& chosen, core::Interaction& ui) {
    HeaderFiles files = headerFilePair(chosen);
    std::error_code ec;
    if (!fs::is_regular_file(files.exp, ec)) {
        ui.message("The header data file " + files.exp.filename().string() + " cannot be opened.", "Program Info",
                   core::MessageIcon::Critical);
        return std::nullopt;
    }
    std::string str;
    core::readWholeFile(files.str, str);
    bool found = false;
    for (std::string_view line : core::splitLines(str)) {
        files.fieldLines.emplace_back(line);
        found = found || namesReleveNumberField(line);
    }
    if (!found) {
        ui.message(kNoReleveNumberField, "Program Info", core::MessageIcon::Critical);
        return std::nullopt;
    }
    return files;
}

HeaderStoreContents buildHeaderStore(const core::Table& table, std::string_view str, std::string_view exp,
                             core::Interaction& ui) {
    HeaderStoreContents store;
    store.structure = std::string(str);
    LineCursor cursor(exp);
    std::string_view line;
    const size_t length = cursor.next(line) ? line.size() : 0;
    checkRecordLength(length);
    const int32_t slots = recordSlots(table);
    store.values = blankRecords(slots, length);

    const int column = releveNumberColumn(str);
    store.hasReleveNumberField = column > 0;
    if (!store.hasReleveNumberField) return store;

    const auto columns = columnsByNumber(table);
    core::ProgressMeter meter(ui, static_cast<int64_t>(exp.size()));
    int32_t start = 1;
    cursor = LineCursor(exp);
    while (cursor.next(line)) {
        ++store.records;
        const auto found = columns.find(recordNumber(line, column));
        if (found != columns.end()) {
            start = cyclicFirst(found->second, start);
            const int32_t rec = table.ReleveOrder[start].record;
            if (rec >= 1 && rec <= slots) {
                putRecord(store.values, rec, length, line);
                ++store.matched;
            }
        }
        if ((store.records & 255) == 0) meter.setCount(static_cast<int64_t>(cursor.position()));
    }
    meter.setCount(static_cast<int64_t>(exp.size()));
    return store;
}

void writeHeaderStore(core::Workspace& ws, const HeaderStoreContents& store) {
    if (!core::writeFileAtomically(ws.headerStructureFile(), store.structure) ||
        !core::writeFileAtomically(ws.headerValueFile(), store.values))
        throw core::ZembuError("The header data cannot be written to the work folder " +
                                   ws.sessionDirectory().string() + ".",
                               "Program Info");
    core::inichlava(ws);
}

void clearHeaderStore(core::Workspace& ws) {
    core::removeFileQuietly(ws.headerStructureFile());
    core::removeFileQuietly(ws.headerValueFile());
    core::inichlava(ws);
}

bool imp_head(core::Workspace& ws, const fs::path& str, const fs::path& exp, core::Interaction& ui) {
    try {
        const std::string expText = readImportFile(exp);
        std::string strText;
        core::readWholeFile(str, strText);
        const HeaderStoreContents store = buildHeaderStore(ws.table, strText, expText, ui);
        writeHeaderStore(ws, store);
        if (!store.hasReleveNumberField) {
            ui.message("Header has no information about Turboveg number!!!\rPlease export the table once more.",
                       "Program Info", core::MessageIcon::Critical);
            return false;
        }
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

HeaderMatchCount countHeaderMatches(const core::Table& table, const HeaderFiles& files) {
    HeaderMatchCount count;
    std::string str, exp;
    core::readWholeFile(files.str, str);
    if (!core::readWholeFile(files.exp, exp)) return count;
    const int column = releveNumberColumn(str);
    std::unordered_set<int32_t> numbers;
    for (int32_t k = 1; k <= table.ReleveCount; ++k) numbers.insert(table.ReleveOrder[k].turbovegNumber);
    LineCursor cursor(exp);
    std::string_view line;
    while (cursor.next(line)) {
        ++count.records;
        if (column > 0 && numbers.count(recordNumber(line, column))) ++count.matched;
    }
    return count;
}

std::string headerMatchMessage(const HeaderMatchCount& count) {
    return std::to_string(count.matched) + " of " + std::to_string(count.records) +
           " header records belong to relevés of the table.";
}

HeaderStoreContents buildCommaHeaderStore(const core::Table& table, std::string_view content) {
    // A byte-order mark written by a spreadsheet program is not part of the first field name.
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
    LineCursor cursor(content);
    std::string_view line;
    std::vector<std::string_view> names;
    if (cursor.next(line)) names = core::splitAt(line, ',');
    const bool named = std::any_of(names.begin(), names.end(), [](std::string_view n) {
        n = core::trim(n);
        return n == "Relev\xE9 number" || n == "Relev\xC3\xA9 number" || n == "Releve number" || n == "Releve Number";
    });
    if (!named)
        throw core::ZembuError("The first line of the file must contain the 'Releve number' field name!", "ZEMBU");

    // One pass over the data lines: the widest value of every field, plus
    // one, and the lines by relevé number. Records are made only for the
    // lines that find a relevé, so memory follows the file and the table.
    const size_t fieldCount = names.size();
    std::vector<std::string_view> rows;
    std::vector<size_t> widths(fieldCount, 0);
    std::unordered_map<int32_t, std::vector<size_t>> linesByNumber;
    while (cursor.next(line)) {
        if (core::trim(line).empty()) continue;
        size_t j = 0;
        size_t from = 0;
        while (j < fieldCount) {
            const size_t comma = line.find(',', from);
            const size_t to = comma == std::string_view::npos ? line.size() : comma;
            if (j == 0) linesByNumber[wholeNumber(line.substr(0, to))].push_back(rows.size());
            widths[j] = std::max(widths[j], to - from);
            ++j;
            if (comma == std::string_view::npos) break;
            from = comma + 1;
        }
        rows.push_back(line);
    }
    size_t length = 0;
    for (size_t& w : widths) length += ++w;
    checkRecordLength(length);

    HeaderStoreContents store;
    store.hasReleveNumberField = true;
    store.records = static_cast<int64_t>(rows.size());
    size_t start = 1;
    for (size_t j = 0; j < fieldCount; ++j) {
        store.structure += core::padLeft(std::to_string(start), 4) + "  " + std::string(names[j]) + "\r\n";
        start += widths[j];
    }

    // The record of a data line: its fields, each padded to its width.
    const auto recordOf = [&](std::string_view data) {
        std::string record;
        record.reserve(length);
        const std::vector<std::string_view> fields = core::splitAt(data, ',');
        for (size_t j = 0; j < fieldCount; ++j)
            record += core::leftJustify(j < fields.size() ? fields[j] : std::string_view(), widths[j]);
        return record;
    };

    const int32_t slots = recordSlots(table);
    store.values = blankRecords(slots, length);
    size_t next = 0;  // the line after the one matched last
    for (int32_t k = 1; k <= table.ReleveCount; ++k) {
        const auto found = linesByNumber.find(table.ReleveOrder[k].turbovegNumber);
        if (found == linesByNumber.end()) continue;
        const size_t n = cyclicFirst(found->second, next);
        const int32_t rec = table.ReleveOrder[k].record;
        if (rec >= 1 && rec <= slots) {
            putRecord(store.values, rec, length, recordOf(rows[n]));
            ++store.matched;
        }
        next = n + 1;
    }
    return store;
}

bool importCommaHeader(core::Workspace& ws, const fs::path& file, core::Interaction& ui) {
    try {
        const std::string content = readImportFile(file);
        writeHeaderStore(ws, buildCommaHeaderStore(ws.table, content));
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

}  // namespace zembu::import
