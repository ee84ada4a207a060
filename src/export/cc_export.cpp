#include "export/cc_export.h"

#include <array>
#include <cmath>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::exporting {

namespace {

constexpr const char* kEndOfLine = "\r\n";
constexpr int PairsPerLine = 5;
constexpr int ListFieldsPerLine = 10;
constexpr size_t ReleveListWidth = 8;

int digitCount(int64_t n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

// Writes a number right-aligned in `width` characters (never cut).
void appendRight(std::string& out, std::string_view text, size_t width) {
    if (text.size() < width) out.append(width - text.size(), ' ');
    out += text;
}

// The value written for a cover byte: p^t, p = 99 for a byte without a cover.
std::string cellValue(char coverByte, double power) {
    int p = core::coverPercent(coverByte);
    if (p < 1) p = 99;
    return core::formatNumber(std::pow(static_cast<double>(p), power), "0.000");
}

}  // namespace

std::string ccAbbreviation(std::string_view name, int layer) {
    std::string text(core::trim(name));
    if (!text.empty() && text[0] == '(') {
        const std::string rest = text.size() > 4 ? text.substr(4) : std::string();
        text = std::string(1, text.size() > 1 ? text[1] : ' ') + "/" + rest;
    }
    std::string abbreviation = text.substr(0, 4);
    const size_t blank = text.find(' ');
    abbreviation += blank == std::string::npos ? text.substr(0, 3) : text.substr(blank + 1, 3);
    abbreviation = core::padRight(abbreviation, 7);
    abbreviation += std::to_string(layer);
    return core::leftJustify(abbreviation, 8);
}

CcExport ccText(const core::Table& t, const CcExportOptions& options, core::Interaction* ui) {
    CcExport result;
    std::optional<core::ProgressMeter> meter;
    if (ui) meter.emplace(*ui, t.ReleveCount);

    // Exported columns first: their count fixes the width of relevé indexes.
    std::vector<int32_t> columns;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (options.colour == core::AllColours || t.ReleveColour[k].number == options.colour) columns.push_back(k);
    // The relevé list gives every number eight characters, and readers cut
    // there: a longer number would come back as another one.
    for (int32_t k : columns) {
        const std::string number = std::to_string(t.ReleveOrder[k].turbovegNumber);
        if (number.size() > ReleveListWidth)
            throw core::ZembuError("The relevé " + number + " (column " + std::to_string(k) +
                                       ") has a number longer than the 8 characters a CC! file holds for it. "
                                       "The file was not written.",
                                   "Program Info");
    }

    // Species indexes in the order of first occurrence.
    std::vector<int32_t> indexOfRecord(static_cast<size_t>(t.MaxSpecies) + 1, 0);
    std::vector<int32_t> recordOfIndex;
    const auto exported = [&](int32_t s) {
        if (s < 1 || s > t.MaxSpecies) return false;
        const int32_t row = t.SpeciesRowOfRecord[s];
        if (row < 1 || row > t.SpeciesCount) return false;
        return !(t.SpeciesInfo[row].name.size() > 0 && t.SpeciesInfo[row].name[0] == '#');
    };
    for (int32_t k : columns) {
        const std::string& cells = t.ReleveData[t.ReleveOrder[k].record];
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t s = core::cellRecord(cells, c);
            if (exported(s) && indexOfRecord[s] == 0) {
                recordOfIndex.push_back(s);
                indexOfRecord[s] = static_cast<int32_t>(recordOfIndex.size());
            }
        }
    }
    result.releves = static_cast<int32_t>(columns.size());
    result.species = static_cast<int32_t>(recordOfIndex.size());

    const int releveWidth = std::max(5, digitCount(result.releves));
    const int speciesWidth = std::max(5, digitCount(result.species) + 1);
    std::string& out = result.text;
    out.reserve(static_cast<size_t>(columns.size()) * 128 + 256);
    out += "Temporary source file" + std::string(49, ' ') + "T" + kEndOfLine;
    const std::string format =
        "(I" + std::to_string(releveWidth) + ",5(I" + std::to_string(speciesWidth) + ",F8.3))";
    out += core::padRight(format, 69) + "5" + kEndOfLine;

    // The value written for each cover byte.
    std::array<std::string, 256> valueText;
    for (int byte = 0; byte < 256; ++byte) valueText[byte] = cellValue(static_cast<char>(byte), options.power);

    // Data lines.
    int32_t m = 0;
    for (int32_t k : columns) {
        ++m;
        const std::string index = std::to_string(m);
        const std::string& cells = t.ReleveData[t.ReleveOrder[k].record];
        int pairs = 0;
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t s = core::cellRecord(cells, c);
            if (!exported(s)) continue;
            if (pairs == 0) appendRight(out, index, static_cast<size_t>(releveWidth));
            appendRight(out, std::to_string(indexOfRecord[s]), static_cast<size_t>(speciesWidth));
            appendRight(out, valueText[static_cast<unsigned char>(core::cellCoverByte(cells, c))], 8);
            if (++pairs == PairsPerLine) {
                out += kEndOfLine;
                pairs = 0;
            }
        }
        if (pairs > 0) out += kEndOfLine;
        if (meter) meter->merak();
    }
    out += "0000";
    out += kEndOfLine;

    // Species list.
    std::string line;
    for (int32_t n = 1; n <= result.species; ++n) {
        const int32_t s = recordOfIndex[n - 1];
        const int32_t row = t.SpeciesRowOfRecord[s];
        const std::string abbreviation = ccAbbreviation(t.SpeciesInfo[row].name, t.SpeciesLayer[row]);
        result.rowAbbreviations.emplace_back(row, abbreviation);
        line += abbreviation;
        if (n % ListFieldsPerLine == 0) {
            out += line + kEndOfLine;
            line.clear();
        }
    }
    if (!core::trim(line).empty()) out += line + kEndOfLine;

    // Relevé list.
    line.clear();
    int written = 0;
    for (int32_t k : columns) {
        appendRight(line, std::to_string(t.ReleveOrder[k].turbovegNumber), ReleveListWidth);
        if (++written % ListFieldsPerLine == 0) {
            out += line + kEndOfLine;
            line.clear();
        }
    }
    if (!core::trim(line).empty()) out += line + kEndOfLine;
    return result;
}

std::optional<double> checkTransformation(std::string_view text, core::Interaction& ui) {
    const double t = core::leadingNumber(text);
    if (t < 0 || t > 1) {
        ui.message("Use a correct transformation number!", "Program Info", core::MessageIcon::Information);
        return std::nullopt;
    }
    return t;
}

std::string proposedCcName(const std::string& tableFile) {
    const std::string name = std::filesystem::path(tableFile).filename().string();
    // A table without a file name of its own (an imported one) still gets a
    // name to change, never a bare extension.
    if (name.empty() || name.front() == '.') return "zembu_table.cc!";
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return name + ".cc!";
    if (name.size() - dot - 1 == 3) return name.substr(0, name.size() - 3) + "cc!";
    return name.substr(0, dot) + ".cc!";
}

CcExport writeCcFile(const core::Table& table, const CcExportOptions& options, const std::filesystem::path& file,
                     core::Interaction* ui) {
    CcExport result = ccText(table, options, ui);
    if (!core::writeFileAtomically(file, result.text))
        throw core::ZembuError("The file " + file.string() + " cannot be written.", "Program Info");
    return result;
}

bool ccfilexp(core::Workspace& ws, const CcExportOptions& options, bool abbreviationsAsLabels,
              core::Interaction& ui) {
    const auto file = ui.saveFile({"SAVE CORNELL CONDENSED FILE", "Cornell condensed file CC!|*.cc!|All files (*.*)|*.*",
                                   proposedCcName(ws.currentTableFile), ws.currentDirectory, false});
    if (!file) return false;
    try {
        core::BusyScope busy(ui);
        const CcExport result = writeCcFile(ws.table, options, *file, &ui);
        if (abbreviationsAsLabels) {
            core::Table& t = ws.table;
            for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) t.SpeciesLayerLabel[i] = "   ";
            for (const auto& [row, abbreviation] : result.rowAbbreviations) t.SpeciesLayerLabel[row] = abbreviation;
        }
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

std::filesystem::path cc_exp(const core::Table& table, const std::filesystem::path& directory, int colour,
                             double power) {
    const std::filesystem::path file = directory / "temp.cc!";
    writeCcFile(table, {colour, power}, file);
    return file;
}

}  // namespace zembu::exporting
