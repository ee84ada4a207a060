#include "import/check_list.h"

#include <algorithm>
#include <unordered_map>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/import_file.h"

namespace zembu::import {

namespace {

int positiveOr(int64_t value, int fallback) { return value > 0 ? static_cast<int>(value) : fallback; }

// Characters from..from+length-1 (0-based start) of a line; fewer at its end.
std::string_view slice(std::string_view line, size_t from, size_t length) {
    return from >= line.size() ? std::string_view() : line.substr(from, length);
}

int32_t numberOf(std::string_view text) {
    const auto n = core::wholeNumberIn(core::leadingNumber(core::trim(text)), 1, INT32_MAX);
    return n ? static_cast<int32_t>(*n) : 0;
}

}  // namespace

CheckListFormat CheckListFormat::fromSettings(const core::Settings& s) {
    using namespace core::setting;
    CheckListFormat f;
    f.commaSeparated = s.integer(CheckListFileFormat) != 0;
    f.withNumber = s.integer(CheckListFields) != 0;
    f.numberLength = positiveOr(s.integer(NoLength), 5);
    f.abbreviationLength = positiveOr(s.integer(ShortcutLength), 7);
    f.nameLength = positiveOr(s.integer(NameLength), 38);
    f.encodedNames = s.integer(CheckListEncoding) != 0;
    return f;
}

std::string decodeCheckListName(std::string_view encoded) {
    std::string plain(encoded);
    for (size_t j = 1; j <= plain.size(); ++j) {
        int c = static_cast<unsigned char>(plain[j - 1]) - CheckListEncodingOffset + static_cast<int>(j);
        c = std::clamp(c, 32, 255);
        plain[j - 1] = static_cast<char>(c);
    }
    return plain;
}

std::string encodeCheckListName(std::string_view plain) {
    std::string encoded(plain);
    for (size_t j = 1; j <= encoded.size(); ++j) {
        int c = static_cast<unsigned char>(encoded[j - 1]) + CheckListEncodingOffset - static_cast<int>(j);
        encoded[j - 1] = static_cast<char>(std::clamp(c, 32, 255));
    }
    return encoded;
}

std::vector<CheckListEntry> parseCheckList(std::string_view content, const CheckListFormat& format) {
    std::vector<CheckListEntry> entries;
    LineCursor cursor(content);
    std::string_view line;
    while (cursor.next(line)) {
        if (line.find("--I") != std::string_view::npos) continue;
        if (core::trim(line).empty()) continue;
        CheckListEntry entry;
        std::string_view number;
        if (format.commaSeparated) {
            const std::vector<std::string_view> fields = core::splitAt(line, ',');
            size_t f = 0;
            if (format.withNumber) number = fields[f++];
            if (f < fields.size()) entry.abbreviation = core::trim(fields[f++]);
            if (f < fields.size()) entry.name = core::trim(fields[f]);
        } else {
            const size_t noLen = static_cast<size_t>(format.numberLength);
            const size_t abLen = static_cast<size_t>(format.abbreviationLength);
            if (format.withNumber) number = slice(line, 0, noLen);
            entry.abbreviation = core::trim(slice(line, noLen, abLen));
            std::string name(slice(line, noLen + abLen, static_cast<size_t>(format.nameLength)));
            if (format.withNumber && format.encodedNames) name = decodeCheckListName(name);
            entry.name = core::trimRight(name);
        }
        if (entry.name.size() > 50) entry.name.resize(50);
        entry.number = numberOf(number);
        if (entry.number == 0) entry.number = static_cast<int32_t>(entries.size() + 1);
        entries.push_back(std::move(entry));
    }
    return entries;
}

int32_t convertAbbreviations(core::Table& table, const std::vector<CheckListEntry>& entries) {
    // Entries by abbreviation, in list order; the first entry at or after the
    // previous match wins, else the first one in the list.
    std::unordered_map<std::string_view, std::vector<size_t>> byAbbreviation;
    for (size_t n = 0; n < entries.size(); ++n) byAbbreviation[entries[n].abbreviation].push_back(n);

    size_t previous = 0;
    int32_t matched = 0;
    for (int32_t i = 1; i <= table.SpeciesRecordCount; ++i) {
        core::SpeciesInfoEntry& info = table.SpeciesInfo[i];
        const auto found = byAbbreviation.find(core::trim(info.name));
        if (found != byAbbreviation.end()) {
            const std::vector<size_t>& candidates = found->second;
            const auto at = std::lower_bound(candidates.begin(), candidates.end(), previous);
            previous = at != candidates.end() ? *at : candidates.front();
            info.name = entries[previous].name;
            info.number = entries[previous].number;
            ++matched;
            continue;
        }
        std::string& note = table.SpeciesLayerLabel[i];
        note = core::trim(note).empty() ? "Abbreviation: Unknown" : note + "; Abbreviation: Unknown";
    }
    return matched;
}

bool imp_spec(core::Table& table, const core::Settings& settings, core::Interaction& ui) {
    const std::string& file = settings.value(core::setting::CheckListFile);
    if (file.size() <= 1) return false;
    std::string content;
    const auto found = core::findFileIgnoringCase(file);
    if (!found || !core::readWholeFile(*found, content)) {
        ui.message("No correct check list was opened...", "Program Info", core::MessageIcon::Information);
        return false;
    }
    convertAbbreviations(table, parseCheckList(content, CheckListFormat::fromSettings(settings)));
    return true;
}

bool convertTableAbbreviations(core::Workspace& ws, const std::string& checkList, core::Interaction& ui) {
    ws.settings.setValue(core::setting::CheckListFile, checkList);
    return imp_spec(ws.table, ws.settings, ui);
}

}  // namespace zembu::import
