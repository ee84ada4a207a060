#include "synoptic/constancy_columns.h"

#include <algorithm>

#include "core/file_util.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/settings.h"
#include "core/table.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "synoptic/group_counts.h"

namespace zembu::synoptic {

namespace setting = core::setting;

namespace {

void sortAndCut(std::vector<ListedSpecies>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const ListedSpecies& a, const ListedSpecies& b) { return a.value > b.value; });
    if (list.size() > LongestSpeciesList) list.resize(LongestSpeciesList);
}

std::string speciesName(const core::Table& t, int32_t row) { return std::string(core::trimRight(t.SpeciesInfo[row].name)); }

std::string valueText(double value, bool fidelity) { return core::formatNumber(value, fidelity ? "0.0" : "0"); }

}  // namespace

ConstancyThresholds readConstancyThresholds(const core::Settings& s) {
    ConstancyThresholds t;
    t.fidelityLimit = s.number(setting::FidelityLimit);
    t.frequencyLimit = s.number(setting::FrequencyLimit);
    t.coverLimit = s.number(setting::CoverLimit);
    t.frequencyCoverLimit = s.number(setting::FrequencyCoverLimit);
    t.includeDiagnostic = isSwitchOn(s.value(setting::IncludeDiagnosticSpecies));
    t.showReferences = isSwitchOn(s.value(setting::ShowReferences));
    return t;
}

void storeConstancyThresholds(core::Settings& s, const ConstancyThresholds& t) {
    s.setValue(setting::FidelityLimit, core::formatNumber(t.fidelityLimit, "0.###"));
    s.setValue(setting::FrequencyLimit, core::formatNumber(t.frequencyLimit, "0.###"));
    s.setValue(setting::CoverLimit, core::formatNumber(t.coverLimit, "0.###"));
    s.setValue(setting::FrequencyCoverLimit, core::formatNumber(t.frequencyCoverLimit, "0.###"));
    s.setValue(setting::IncludeDiagnosticSpecies, t.includeDiagnostic ? "1" : "0");
    s.setValue(setting::ShowReferences, t.showReferences ? "1" : "0");
}

std::string roleMark(int roles) {
    std::string mark;
    if (roles & Diagnostic) mark += "Dg";
    if (roles & Constant) mark += std::string(mark.empty() ? "" : ", ") + "C";
    if (roles & Dominant) mark += std::string(mark.empty() ? "" : ", ") + "Dm";
    return mark.empty() ? mark : " (" + mark + ")";
}

std::vector<ColumnAnalysis> analyseConstancyColumns(const core::Table& t, const SynopticSettings& settings,
                                                    const ConstancyThresholds& limits) {
    if (t.ReleveCount == 0) return {};
    const GroupData groups = prepareGroups(t, settings.grouping, settings.fidelity.adjustedNMinus1);
    const int32_t K = groups.groupCount;
    std::vector<ColumnAnalysis> columns(static_cast<size_t>(K));
    std::vector<int64_t> occurrences(static_cast<size_t>(K) + 1, 0);
    std::vector<int32_t> dominantOccurrences(static_cast<size_t>(K) + 1, 0);
    GroupCounts counts(groups, settings.fidelity);
    const int32_t lastRecord = static_cast<int32_t>(groups.groupOfRecord.size()) - 1;

    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (s < 1 || s > t.MaxSpecies) continue;
        counts.AC_partial_fidelity();
        std::fill(dominantOccurrences.begin(), dominantOccurrences.end(), 0);
        const std::string& cells = t.SpeciesData[s];
        const int n = core::cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec < 1 || rec > lastRecord || groups.groupOfRecord[rec] == 0) continue;
            const int32_t g = groups.groupOfRecord[rec];
            const int p = core::coverPercent(core::cellCoverByte(cells, c));
            counts.AD_partial_fidelity(g, counts.weightOf(p));
            if (p > limits.coverLimit) ++dominantOccurrences[static_cast<size_t>(g)];
        }
        for (int32_t g = 1; g <= K; ++g) {
            ColumnAnalysis& column = columns[static_cast<size_t>(g) - 1];
            const int32_t count = counts.count(g);
            const int32_t size = groups.size[g];
            occurrences[static_cast<size_t>(g)] += count;
            const std::optional<double> fidelity = counts.Fidelity(g).value;
            const double frequency = 100.0 * count / size;
            const double dominance = 100.0 * dominantOccurrences[static_cast<size_t>(g)] / size;
            int roles = 0;
            if (fidelity && *fidelity > limits.fidelityLimit) {
                roles |= Diagnostic;
                column.diagnostic.push_back({i, *fidelity, 0});
                column.diagnosticFidelitySum += *fidelity;
            }
            if (count > 0 && frequency > limits.frequencyLimit && (limits.includeDiagnostic || !(roles & Diagnostic))) {
                roles |= Constant;
                column.constant.push_back({i, frequency, 0});
            }
            if (dominantOccurrences[static_cast<size_t>(g)] > 0 && dominance >= limits.frequencyCoverLimit) {
                roles |= Dominant;
                column.dominant.push_back({i, dominance, 0});
            }
            if (roles) column.combined.push_back({i, 0, roles});
            // The average positive fidelity takes the species that are at
            // least as frequent in the group as the group is in its reference set.
            if (fidelity && *fidelity >= 0) {
                const FidelityInputs in = counts.AE_partial_fidelity(g);
                if (in.fisher.n > 0 && in.fisher.N > 0 &&
                    static_cast<double>(count) / static_cast<double>(in.fisher.n) >=
                        static_cast<double>(size) / static_cast<double>(in.fisher.N)) {
                    column.positiveFidelityRows.push_back(i);
                    column.averagePositiveFidelity = column.averagePositiveFidelity.value_or(0) + *fidelity;
                }
            }
        }
    }

    for (int32_t g = 1; g <= K; ++g) {
        ColumnAnalysis& column = columns[static_cast<size_t>(g) - 1];
        column.group = g;
        column.releves = groups.size[g];
        // The roles of each listed species, for the lists' own entries.
        for (auto* list : {&column.diagnostic, &column.constant, &column.dominant}) {
            for (ListedSpecies& entry : *list) {
                const auto it = std::lower_bound(column.combined.begin(), column.combined.end(), entry.row,
                                                 [](const ListedSpecies& e, int32_t row) { return e.row < row; });
                entry.roles = it->roles;
            }
        }
        column.diagnosticCount = column.diagnostic.size();
        column.constantCount = column.constant.size();
        column.dominantCount = column.dominant.size();
        sortAndCut(column.diagnostic);
        sortAndCut(column.constant);
        sortAndCut(column.dominant);
        column.averageSpecies = static_cast<double>(occurrences[static_cast<size_t>(g)]) / column.releves;
        if (column.averagePositiveFidelity)
            *column.averagePositiveFidelity /= static_cast<double>(column.positiveFidelityRows.size());
        if (column.averageSpecies > 0) column.qualityIndex = (1 + column.diagnosticFidelitySum) / column.averageSpecies;
    }
    return columns;
}

ColumnAnalysis func_refresh(const core::Table& t, const SynopticSettings& settings,
                            const ConstancyThresholds& thresholds, int32_t g) {
    std::vector<ColumnAnalysis> all = analyseConstancyColumns(t, settings, thresholds);
    if (g < 1 || g > static_cast<int32_t>(all.size())) return {};
    return std::move(all[static_cast<size_t>(g) - 1]);
}

std::string summaryNumber(std::optional<double> value) {
    return value ? core::formatNumber(*value, "###0.00") : std::string("Empty");
}

std::string listEntryText(const core::Table& t, const ListedSpecies& e, bool fidelity, bool showReferences) {
    const std::string value = valueText(e.value, fidelity);
    const std::string layer = std::to_string(t.SpeciesLayer[e.row]);
    if (showReferences) return speciesName(t, e.row) + " [" + value + "]  " + layer;
    return core::padLeft(value, 6) + "  " + speciesName(t, e.row) + "  " + layer;
}

std::string combinedEntryText(const core::Table& t, const ListedSpecies& e) {
    return speciesName(t, e.row) + "  " + std::to_string(t.SpeciesLayer[e.row]) + roleMark(e.roles);
}

void barvickysyn(core::Workspace& ws, const ColumnAnalysis& analysis) {
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) t.SpeciesColour[i] = {ws.palette[0].drawing, 0};
    // The role bits name the colours in palette order: black, red, blue,
    // sea-green, green, yellow, violet, grey.
    for (const ListedSpecies& e : analysis.combined)
        if (e.row >= 1 && e.row <= t.SpeciesCount) t.SpeciesColour[e.row] = {ws.palette[e.roles].drawing, e.roles};
}

namespace {

std::string fileEntry(const core::Table& t, const ListedSpecies& e, bool fidelity) {
    return speciesName(t, e.row) + " " + std::to_string(t.SpeciesLayer[e.row]) + " (" + valueText(e.value, fidelity) + ")";
}

template <typename Format>
std::string joined(const std::vector<ListedSpecies>& list, Format format) {
    std::string out;
    for (const ListedSpecies& e : list) out += (out.empty() ? "" : "; ") + format(e);
    return out;
}

bool addLine(const std::filesystem::path& file, bool add, const std::string& header, const std::string& line) {
    std::string content;
    if (add) core::readWholeFile(file, content);
    if (content.empty() && !header.empty()) content = header + "\r\n";
    content += line + "\r\n";
    return core::writeFileAtomically(file, content);
}

}  // namespace

bool Command4_Click(core::Workspace& ws, const ColumnAnalysis& a, core::Interaction& ui) {
    if (a.group < 1) return false;
    const core::Answer add = ui.question("Mám přidávat?", "ZEMBU", core::Buttons::YesNo);
    if (add == core::Answer::Cancel) return false;
    const core::Answer classes = ui.question("Třídy (nebo svazy)?", "ZEMBU", core::Buttons::YesNo);
    if (classes == core::Answer::Cancel) return false;
    const bool adding = add == core::Answer::Yes;
    const core::Table& t = ws.table;
    const std::string label = (classes == core::Answer::Yes ? "Class " : "Association ") + std::to_string(a.group);
    const auto entries = [&](const std::vector<ListedSpecies>& list, bool fidelity) {
        return label + ": " + joined(list, [&](const ListedSpecies& e) { return fileEntry(t, e, fidelity); });
    };
    std::vector<ListedSpecies> positive;
    for (const int32_t row : a.positiveFidelityRows) positive.push_back({row, 0, 0});
    const std::string summary = label + "; " + std::to_string(a.diagnosticCount) + "; " +
                                std::to_string(a.constantCount) + "; " + std::to_string(a.dominantCount) + "; " +
                                std::to_string(a.releves) + "; " + summaryNumber(a.averageSpecies) + "; " +
                                summaryNumber(a.averagePositiveFidelity) + "; " + summaryNumber(a.qualityIndex);
    const bool written =
        addLine(ws.workFile("tmp1.tmp"), adding, "", entries(a.diagnostic, true)) &&
        addLine(ws.workFile("tmp2.tmp"), adding, "", entries(a.constant, false)) &&
        addLine(ws.workFile("tmp3.tmp"), adding, "", entries(a.dominant, false)) &&
        addLine(ws.workFile("tmp5.tmp"), adding, "",
                label + ": " + joined(a.combined, [&](const ListedSpecies& e) { return combinedEntryText(t, e); })) &&
        addLine(ws.workFile("tmp8.tmp"), adding, "",
                label + ": " + joined(positive, [&](const ListedSpecies& e) {
                    return speciesName(t, e.row) + " " + std::to_string(t.SpeciesLayer[e.row]);
                })) &&
        addLine(ws.workFile("tmp7.tmp"), adding,
                "Synopt. column; Diagnostic species; Constant species; Dominant species; No. of relev\xE9s; "
                "Average species No.; Average positive fidelity; Quality index",
                summary);
    if (!written) {
        ui.message("The summary files cannot be written in " + ws.sessionDirectory().string() + ".", "Program Info",
                   core::MessageIcon::Critical);
        return false;
    }
    ui.message("The summary of column " + std::to_string(a.group) + " was written to the files tmp1.tmp to tmp8.tmp in " +
                   ws.sessionDirectory().string() + ".",
               "Program Info", core::MessageIcon::Information);
    return true;
}

}  // namespace zembu::synoptic
