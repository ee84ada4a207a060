#include "export/synoptic_rtf.h"

#include <algorithm>

#include "core/interaction.h"
#include "core/settings.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/rtf_document.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/synoptic_table.h"

namespace zembu::exporting {

namespace setting = core::setting;

namespace {

constexpr size_t CellWidth = 6;
constexpr size_t ShortestNameField = 20;
constexpr size_t LongestNameField = 50;
const std::string EmptyLine = "{\\b\\fs14  \\par}";

// The width of the name field: the longest live species name, within 20..50
// characters, so that no name is cut and the columns stay aligned.
size_t nameFieldWidth(const core::Table& t) {
    size_t width = ShortestNameField;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) width = std::max(width, core::trimRight(t.SpeciesInfo[i].name).size());
    return std::min(width, LongestNameField);
}

// The formatting codes of a cell part of highlight class c.
std::string cellCodes(int c, const SynopticRtfOptions& o) {
    std::string codes;
    if (c == synoptic::Plain) return codes;
    if (o.bold) codes += "\\b";
    if (o.highlight) codes += c == synoptic::SecondThreshold ? "\\highlight15" : "\\highlight16";
    return codes;
}

// A head line: its label padded to the species part, then one field per group.
std::string headLine(std::string_view label, size_t labelWidth, const std::vector<std::string>& fields,
                     bool combined) {
    std::string line = "{\\fs12\\f4 " + rtfText(core::padRight(label, labelWidth));
    for (const std::string& field : fields) {
        line += core::padLeft(field, CellWidth);
        // The superscript room of a combined cell's second value.
        if (combined) line += "}{\\fs12\\f4\\super       }{\\fs12\\f4 ";
    }
    return line + " \\f11  \\par}\r\n";
}

}  // namespace

SynopticRtfOptions readSynopticRtfOptions(const core::Settings& s) {
    return {synoptic::isSwitchOn(s.value(setting::ExportSpeciesInOriginalColours)),
            synoptic::isSwitchOn(s.value(setting::HighlightValuesInSynopticTable)),
            synoptic::isSwitchOn(s.value(setting::BoldImportantValuesInSynopticTable))};
}

void storeSynopticRtfOptions(core::Settings& s, const SynopticRtfOptions& o) {
    s.setValue(setting::ExportSpeciesInOriginalColours, o.originalColours ? "yes" : "no");
    s.setValue(setting::HighlightValuesInSynopticTable, o.highlight ? "yes" : "no");
    s.setValue(setting::BoldImportantValuesInSynopticTable, o.bold ? "yes" : "no");
}

std::string_view speciesColourCode(int colourNumber) {
    switch (colourNumber) {
    case 1: return "\\cf6";
    case 2: return "\\cf9";
    case 3: return "\\cf10";
    case 4: return "\\cf11";
    case 5: return "\\cf14";
    case 6: return "\\cf12";
    case 7: return "\\cf5";
    default: return {};
    }
}

std::string synopticRtfReport(const core::Table& t, const synoptic::SynopticTable& syn,
                              const SynopticRtfOptions& o) {
    const bool combined = syn.type == synoptic::CombinedTable;
    const size_t nameWidth = nameFieldWidth(t);
    const size_t labelWidth = nameWidth + 4;  // name, blank, layer digit, two blanks
    std::string out;
    out.reserve(syn.rows.size() * (static_cast<size_t>(syn.groups.groupCount) * (combined ? 40 : 20) + 80) + 512);
    out += EmptyLine + "\r\n" + EmptyLine + "\r\n";
    out += "{\\b\\fs14\\ul " + rtfText(syn.title) + " \\par}\r\n";
    out += EmptyLine + "\r\n";

    std::vector<std::string> numbers, sizes;
    for (int32_t g = 1; g <= syn.groups.groupCount; ++g) {
        numbers.push_back(std::to_string(g));
        sizes.push_back(std::to_string(syn.groups.size[g]));
    }
    out += headLine("Group No.     ", labelWidth, numbers, combined);
    out += headLine("No. of relev\xE9s", labelWidth, sizes, combined);
    out += EmptyLine + "\r\n";

    for (const synoptic::SynopticRow& row : syn.rows) {
        const std::string_view colour =
            o.originalColours ? speciesColourCode(t.SpeciesColour[row.row].number) : std::string_view();
        out += "{\\i\\fs12";
        out += colour;
        out += " " + rtfText(core::leftJustify(core::trimRight(t.SpeciesInfo[row.row].name), nameWidth)) + " " +
               std::to_string(t.SpeciesLayer[row.row]) + "  }";
        for (const synoptic::SynopticCell& cell : row.cells) {
            out += "{\\fs12";
            out += colour;
            out += cellCodes(cell.first.highlight, o) + " " + rtfText(core::padLeft(cell.first.text, CellWidth)) + "}";
            if (combined) {
                out += "{\\fs12\\super";
                out += colour;
                out += cellCodes(cell.second.highlight, o) + " " +
                       rtfText(core::padRight(cell.second.text, CellWidth)) + "}";
            }
        }
        out += "{\\fs12 \\par}\r\n";
    }
    out += EmptyLine + "\r\n";
    return out;
}

bool prepareRtfDocument(core::Workspace& ws, core::Interaction& ui) {
    constexpr uintmax_t SmallestDocument = 100;
    if (rtfDocumentSize(ws.currentRtfFile) <= SmallestDocument) expoRTF(ws, ui);
    if (rtfDocumentSize(ws.currentRtfFile) <= SmallestDocument) {
        ui.message("Export file was not initiated.", "Program Info", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

bool exportSynopticRtf(core::Workspace& ws, const synoptic::SynopticTable& syn, const SynopticRtfOptions& options,
                       core::Interaction& ui) {
    if (!prepareRtfDocument(ws, ui)) return false;
    core::BusyScope busy(ui);
    return appendRtfReport(ws.currentRtfFile, synopticRtfReport(ws.table, syn, options), ui);
}

}  // namespace zembu::exporting
