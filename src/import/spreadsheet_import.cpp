#include "import/spreadsheet_import.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "core/errors.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/cc_checks.h"
#include "import/cc_import.h"
#include "import/cover_scale.h"
#include "import/header_import.h"
#include "import/import_file.h"
#include "import/install_table.h"

namespace zembu::import {

namespace {

constexpr const char* kTitle = "Program Info";

bool allBlank(const std::vector<std::string_view>& fields) {
    for (std::string_view f : fields)
        if (!core::trim(f).empty()) return false;
    return true;
}

// Number of fields up to the last one that is not blank (at least 1).
size_t filledFieldCount(const std::vector<std::string_view>& fields) {
    size_t n = fields.size();
    while (n > 1 && core::trim(fields[n - 1]).empty()) --n;
    return n;
}

// Two relevé columns with one identifier would be one relevé to whoever
// reads the table; such a file is refused. Numbers are compared as numbers.
void refuseRepeatedIdentifiers(const std::vector<std::string_view>& identifiers, int64_t line) {
    std::unordered_set<std::string> seen;
    for (std::string_view id : identifiers) {
        if (id.empty()) continue;
        const std::string key = core::isNumber(id) ? "#" + std::to_string(core::leadingNumber(id)) : std::string(id);
        if (!seen.insert(key).second)
            throw core::ZembuError("The relevé identifier " + core::codePageToUtf8(id) + " occurs more than once in line " +
                                       std::to_string(line) + ". Import will terminate.",
                                   kTitle);
    }
}

// A code that stands for absence: empty or ".".
bool isAbsence(std::string_view code) { return code.empty() || code == "."; }

// A percentage read from a number: whole, positive values stay at least 1,
// capped at 95.
int percentOf(double v) {
    int64_t p = core::roundHalfEven(v);
    if (v > 0 && p < 1) p = 1;
    return capPercent(p);
}

std::string percentText(int p) { return " - " + std::to_string(p) + " %"; }

}  // namespace

char separatorCharacter(SpreadsheetSeparator separator) {
    switch (separator) {
        case SpreadsheetSeparator::Semicolon: return ';';
        case SpreadsheetSeparator::Comma: return ',';
        case SpreadsheetSeparator::Space: return ' ';
    }
    return ';';
}

SpreadsheetLayout analyseSpreadsheet(std::string_view content, SpreadsheetSeparator separator, bool layerColumn,
                                     int32_t maxReleves, int32_t maxSpecies) {
    const char sep = separatorCharacter(separator);
    SpreadsheetLayout layout;
    LineCursor cursor(content);
    std::string_view line;
    bool header = false;
    while (cursor.next(line)) {
        if (core::trim(line).empty()) continue;
        if (line.find(sep) == std::string_view::npos) break;
        header = true;
        break;
    }
    if (!header)
        throw core::ZembuError(
            "Relevé identificators are not separated by ';', ',' or ' '. Import will terminate. Please create "
            "correct comma delimited spreadsheet file.",
            kTitle);

    const int64_t headerLine = cursor.lineNumber();
    const std::vector<std::string_view> headerFieldsAll = core::splitAt(line, sep);
    const size_t headerFields = filledFieldCount(headerFieldsAll);

    // The species lines, with their line numbers and the widest of them.
    std::vector<int64_t> lineNumbers;
    size_t dataFields = 0;      // fields up to the last one filled
    size_t dataAllFields = 0;   // fields with the empty ones at the end
    while (cursor.next(line)) {
        if (core::trim(line).empty()) continue;
        const std::vector<std::string_view> fields = core::splitAt(line, sep);
        if (allBlank(fields)) continue;
        layout.speciesLines.push_back(line);
        lineNumbers.push_back(cursor.lineNumber());
        dataFields = std::max(dataFields, filledFieldCount(fields));
        dataAllFields = std::max(dataAllFields, fields.size());
        checkSpeciesCount(static_cast<int64_t>(layout.speciesLines.size()), maxSpecies);
    }

    // With a layer column the first line may or may not carry a label over
    // it ("Species;Layer;11;12" or "Species;11;12"); the species lines, which
    // always hold the layer, tell which: without the label they have one
    // field more than the first line.
    size_t firstIdentifier = 1;
    if (layerColumn) {
        const bool withoutLabel = dataFields > headerFields || dataAllFields == headerFieldsAll.size() + 1;
        firstIdentifier = withoutLabel ? 1 : 2;
    }
    for (size_t j = firstIdentifier; j < headerFields; ++j) layout.identifiers.push_back(core::trim(headerFieldsAll[j]));
    checkReleveCount(static_cast<int64_t>(layout.identifiers.size()), maxReleves);
    refuseRepeatedIdentifiers(layout.identifiers, headerLine);

    std::unordered_set<std::string_view> seen;
    const size_t columns = layout.identifiers.size();
    const size_t first = layerColumn ? 2 : 1;
    for (size_t n = 0; n < layout.speciesLines.size(); ++n) {
        const std::vector<std::string_view> fields = core::splitAt(layout.speciesLines[n], sep);
        if (filledFieldCount(fields) > first + columns)
            throw core::ZembuError("Line " + std::to_string(lineNumbers[n]) + " holds more cover values than the " +
                                       std::to_string(columns) + " relevé identifiers of line " +
                                       std::to_string(headerLine) + ". Import will terminate.",
                                   kTitle);
        for (size_t j = first; j < fields.size() && j < first + columns; ++j) {
            const std::string_view code = core::trim(fields[j]);
            if (!isAbsence(code) && seen.insert(code).second) layout.codes.emplace_back(code);
        }
    }
    return layout;
}

std::vector<std::string> previewLines(std::string_view content, size_t count) {
    std::vector<std::string> lines;
    LineCursor cursor(content);
    std::string_view line;
    while (lines.size() < count && cursor.next(line)) lines.emplace_back(line);
    return lines;
}

std::vector<CoverCode> krok3(const std::vector<std::string>& codes, int mode, core::Interaction& ui) {
    std::vector<CoverCode> result;
    result.reserve(codes.size());
    for (const std::string& code : codes) {
        CoverCode c;
        c.code = code;
        c.listText = " - ???";
        if (mode == PercentCodes) {
            const double v = core::leadingNumber(code);
            if (v <= 0 || v >= 101) {
                ui.message("The value " + core::codePageToUtf8(code) + " cannot be used as percentage value!!!",
                           kTitle, core::MessageIcon::Information);
            } else {
                c.percent = percentOf(v);
                c.listText = percentText(c.percent);
            }
        } else if (mode == BraunBlanquetCodes) {
            if (const BraunBlanquetCode* bb = findBraunBlanquetCode(code)) {
                c.percent = bb->percent;
                c.listText = bb->listText;
            } else {
                ui.message(core::codePageToUtf8(code) + " cannot be used as Braun-Blanquet cover code!!!", kTitle,
                           core::MessageIcon::Information);
            }
        } else {
            fusa(c, ui);
        }
        result.push_back(std::move(c));
    }
    return result;
}

bool fusa(CoverCode& code, core::Interaction& ui) {
    const auto answer =
        ui.input("The cover code '" + core::codePageToUtf8(code.code) + "' will be converted by ZEMBU as percentage value:",
                 "Cover value", code.valid() ? std::to_string(code.percent) : std::string());
    if (!answer) return false;
    const std::string_view text = core::trim(*answer);
    const double v = core::leadingNumber(text);
    if (!core::isNumber(text) || v <= -1 || v > 100) {
        ui.message("The value was not accepted!", kTitle, core::MessageIcon::Information);
        code.percent = -1;
        code.listText = " - ???";
        return false;
    }
    code.percent = v > 0 ? percentOf(v) : 0;
    code.listText = percentText(code.percent);
    return true;
}

bool coverCodesComplete(const std::vector<CoverCode>& codes, core::Interaction& ui) {
    for (const CoverCode& c : codes) {
        if (!c.valid()) {
            ui.message("Some percentage value for used cover code was not filled correctly!", kTitle,
                       core::MessageIcon::Information);
            return false;
        }
    }
    return true;
}

bool identifiersAreNumbers(const std::vector<std::string_view>& identifiers) {
    for (std::string_view id : identifiers) {
        if (!core::isNumber(id)) return false;
        const double v = core::leadingNumber(id);
        if (v < 1 || v > 999999 || v != std::floor(v)) return false;
    }
    return true;
}

core::Table krok4(const SpreadsheetLayout& layout, SpreadsheetSeparator separator, bool layerColumn,
                  const std::vector<CoverCode>& codes, int32_t maxReleves, int32_t maxSpecies,
                  core::Interaction& ui) {
    const int64_t releves = static_cast<int64_t>(layout.identifiers.size());
    const int64_t species = static_cast<int64_t>(layout.speciesLines.size());
    checkReleveCount(releves, maxReleves);
    checkSpeciesCount(species, maxSpecies);

    std::unordered_map<std::string_view, int> percentOfCode;
    for (const CoverCode& c : codes) percentOfCode[c.code] = c.percent;

    core::Table t(maxReleves, maxSpecies);
    t.ReleveCount = t.ReleveRecordCount = static_cast<int32_t>(releves);
    t.SpeciesCount = t.SpeciesRecordCount = static_cast<int32_t>(species);

    const bool numbered = identifiersAreNumbers(layout.identifiers);
    if (!numbered)
        ui.message("The file contains relevé numbers as character codes. \r"
                   "The ZEMBU accepts only numbers (1-999999) and\r"
                   "all codes will be automatically renumbered.\r"
                   "In case you need to use different range of numbers,\r"
                   "change number manually in the source file.",
                   "ZEMBU", core::MessageIcon::Information);
    for (int32_t k = 1; k <= releves; ++k) {
        const int32_t number =
            numbered ? static_cast<int32_t>(core::leadingNumber(layout.identifiers[k - 1])) : k;
        t.ReleveOrder[k] = {k, number};
        t.ReleveColour[k] = {core::UncolouredReleve, 0};
        t.ReleveHead[k] = runningNumberHead(k);
    }

    const char sep = separatorCharacter(separator);
    const size_t first = layerColumn ? 2 : 1;
    for (int32_t s = 1; s <= species; ++s) {
        const std::vector<std::string_view> fields = core::splitAt(layout.speciesLines[s - 1], sep);
        core::SpeciesInfoEntry& info = t.SpeciesInfo[s];
        info.number = s;
        info.record = s;
        info.name = std::string(core::trim(fields[0]).substr(0, 50));
        t.SpeciesRowOfRecord[s] = s;
        t.SpeciesLayerLabel[s] = "   ";
        if (layerColumn && fields.size() > 1) {
            const std::string_view layer = core::trim(fields[1]);
            const auto value = core::wholeNumberIn(core::leadingNumber(layer), 0, 9);
            if (value && (layer.empty() || core::isNumber(layer))) {
                t.SpeciesLayer[s] = static_cast<int16_t>(*value);
            } else {
                t.SpeciesLayerLabel[s] = "Wrong layer: " + std::string(layer);
            }
        }
        for (int32_t r = 1; r <= releves; ++r) {
            const size_t j = first + static_cast<size_t>(r - 1);
            if (j >= fields.size()) break;
            const std::string_view code = core::trim(fields[j]);
            if (isAbsence(code)) continue;
            const auto found = percentOfCode.find(code);
            const int p = found == percentOfCode.end() ? 0 : found->second;
            if (p <= 0) continue;
            const char cover = core::coverByte(capPercent(p));
            core::appendCell(t.SpeciesData[s], r, cover);
            core::appendCell(t.ReleveData[r], s, cover);
        }
    }
    t.recountFrequencies();
    return t;
}

bool importSpreadsheet(core::Workspace& ws, const SpreadsheetChoices& choices, core::Interaction& ui) {
    try {
        if (!coverCodesComplete(choices.codes, ui)) return false;
        const std::string content = readImportFile(choices.file);
        const SpreadsheetLayout layout = analyseSpreadsheet(content, choices.separator, choices.layerColumn,
                                                            ws.table.MaxReleves, ws.table.MaxSpecies);
        core::Table table = krok4(layout, choices.separator, choices.layerColumn, choices.codes,
                                  ws.table.MaxReleves, ws.table.MaxSpecies, ui);
        installImportedTable(ws, std::move(table), choices.file.string());
        clearHeaderStore(ws);
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

}  // namespace zembu::import
