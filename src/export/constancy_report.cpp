#include "export/constancy_report.h"

#include "core/interaction.h"
#include "core/settings.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/rtf_document.h"
#include "synoptic/measure_names.h"
#include "synoptic/synoptic_settings.h"

namespace zembu::exporting {

namespace {

using synoptic::ColumnAnalysis;
using synoptic::ListedSpecies;

std::string number(double value) { return core::formatNumber(value, "0.###"); }

std::string name(const core::Table& t, int32_t row) { return std::string(core::trimRight(t.SpeciesInfo[row].name)); }

// The entries of one list: emphasised ones first, then "; " and the others.
std::string rtfList(const core::Table& t, const std::vector<ListedSpecies>& list, bool fidelity, double emphasis,
                    bool emphasiseDiagnostic) {
    if (list.empty()) return "{\\fs20 -}";
    std::string emphasised, plain;
    for (const ListedSpecies& e : list) {
        const bool bold = emphasiseDiagnostic ? (e.roles & synoptic::Diagnostic) != 0 : e.value >= emphasis;
        std::string& out = bold ? emphasised : plain;
        if (!out.empty()) out += "{\\fs20 , }";
        out += std::string("{\\fs20\\i") + (bold ? "\\b" : "") + " " + rtfText(name(t, e.row)) + "}";
        out += "{\\fs20  " + std::to_string(t.SpeciesLayer[e.row]) + " (" +
               core::formatNumber(e.value, fidelity ? "0.0" : "0") + ")}";
    }
    if (!emphasised.empty() && !plain.empty()) return emphasised + "{\\fs20 ; }" + plain;
    return emphasised + plain;
}

}  // namespace

ConstancyReportOptions readConstancyReportOptions(core::Workspace& ws) {
    ConstancyReportOptions o;
    o.thresholds = synoptic::readConstancyThresholds(ws.settings);
    o.measureName = std::string(synoptic::longMeasureName(synoptic::readFidelitySettings(ws.settings).measure));
    o.fidelity2Limit = ws.settings.number(core::setting::Fidelity2Limit);
    o.frequency2Limit = ws.settings.number(core::setting::Frequency2Limit);
    return o;
}

std::string constancyRtfReport(const core::Table& t, const std::vector<ColumnAnalysis>& columns,
                               const ConstancyReportOptions& o) {
    const synoptic::ConstancyThresholds& th = o.thresholds;
    std::string out = "{\\b\\fs24  \\par}\r\n{\\b\\fs24 Analysis of synoptic table \\par}\r\n";
    for (const ColumnAnalysis& c : columns) {
        out += "{\\b\\fs20 Cluster " + std::to_string(c.group) + " \\par}\r\n";
        out += "{\\b\\fs16 Number of relev\\'e9s: " + std::to_string(c.releves) + " \\par}\r\n";
        out += "{\\b\\fs16 Threshold fidelity value for diagnostic species: " + number(th.fidelityLimit) + " (" +
               rtfText(o.measureName) + ") \\par}\r\n";
        out += "{\\b\\fs16 Threshold frequency value for constant species: " + number(th.frequencyLimit) + " \\par}\r\n";
        out += "{\\b\\fs16 Threshold frequency value for dominant species with abundance up to " +
               number(th.coverLimit) + ": " + number(th.frequencyCoverLimit) + " \\par}\r\n";
        out += "{\\b\\fs20  \\par}\r\n";
        out += "{\\fs20 Diagnostic species: }" + rtfList(t, c.diagnostic, true, o.fidelity2Limit, false) +
               "{\\fs20 \\par}\r\n";
        out += "{\\fs20 Constant species: }" + rtfList(t, c.constant, false, o.frequency2Limit, false) +
               "{\\fs20 \\par}\r\n";
        out += "{\\fs20 Dominant species: }" + rtfList(t, c.dominant, false, 0, true) + "{\\fs20 \\par}\r\n";
        out += "{\\fs20  \\par}\r\n";
    }
    return out;
}

std::vector<PreviewLine> constancyPreview(const core::Table& t, const std::vector<ColumnAnalysis>& columns,
                                          const ConstancyReportOptions& o) {
    std::vector<PreviewLine> lines;
    const bool refs = o.thresholds.showReferences;
    for (const ColumnAnalysis& c : columns) {
        lines.push_back({"Cluster " + std::to_string(c.group), true});
        const std::pair<const char*, const std::vector<ListedSpecies>*> lists[] = {
            {"Diagnostic species", &c.diagnostic}, {"Constant species", &c.constant}, {"Dominant species", &c.dominant}};
        for (const auto& [heading, list] : lists) {
            lines.push_back({heading, true});
            const bool fidelity = list == &c.diagnostic;
            for (const ListedSpecies& e : *list) lines.push_back({"    " + synoptic::listEntryText(t, e, fidelity, refs)});
            if (list->empty()) lines.push_back({"    -"});
        }
        lines.push_back({""});
    }
    return lines;
}

bool Command2_Click(core::Workspace& ws, const synoptic::ConstancyThresholds& thresholds, core::Interaction& ui) {
    if (ws.table.ReleveCount == 0) return false;
    core::BusyScope busy(ui);
    ConstancyReportOptions options = readConstancyReportOptions(ws);
    options.thresholds = thresholds;
    const auto columns =
        synoptic::analyseConstancyColumns(ws.table, synoptic::readSynopticSettings(ws), thresholds);
    return appendRtfReport(ws.currentRtfFile, constancyRtfReport(ws.table, columns, options), ui);
}

}  // namespace zembu::exporting
