#include "analysis/indicator_means.h"

#include <algorithm>
#include <cmath>

#include "analysis/diversity_indices.h"
#include "analysis/indicator_table.h"
#include "core/diversity.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/releve_groups.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

const char* const ExportHeadingEnd =
    "Continentality; No of species with nonzero value;Moisture; No of species with nonzero value;"
    "Soil Reaction; No of species with nonzero value;Nutrients; No of species with nonzero value";

// Shannon-Wiener rounded to two decimals (halves to even), as a plain number.
std::string roundedShannon(double h) {
    const int64_t hundredths = core::roundHalfEven(h * 100);
    std::string text = std::to_string(hundredths / 100);
    const int64_t fraction = hundredths % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10) text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

}  // namespace

IndicatorNumbers indicatorNumbers(const core::Table& table) {
    IndicatorNumbers numbers;
    numbers.values.resize(static_cast<size_t>(std::max(table.SpeciesRecordCount, 0)) + 1);
    for (int32_t s = 1; s <= table.SpeciesRecordCount && s <= table.MaxSpecies; ++s)
        for (int a = 0; a < IndicatorAxes; ++a) {
            const double v = indicatorNumber(table.SpeciesIndicator[s][a]);
            numbers.values[static_cast<size_t>(s)][static_cast<size_t>(a)] = v > 0 ? v : 0;
        }
    numbers.weights.resize(static_cast<size_t>(std::max(table.SpeciesCount, 0)) + 1);
    for (int32_t i = 1; i <= table.SpeciesCount; ++i)
        numbers.weights[static_cast<size_t>(i)] = core::leadingNumber(table.SpeciesLayerLabel[i]);
    return numbers;
}

ReleveIndicatorSums indicatorSums(const core::Table& table, int32_t rec, const IndicatorNumbers& numbers) {
    ReleveIndicatorSums sums;
    if (rec < 1 || rec > table.ReleveRecordCount) return sums;
    const std::string& cells = table.ReleveData[rec];
    sums.covers.reserve(static_cast<size_t>(core::cellCount(cells)));
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t row = table.liveRowOfCell(cells, c);
        if (row == 0 || table.SpeciesInfo[row].name.starts_with("###")) continue;
        const int32_t s = core::cellRecord(cells, c);
        ++sums.species;
        sums.covers.push_back(core::coverPercent(core::cellCoverByte(cells, c)));
        const double weight = numbers.weights[static_cast<size_t>(row)];
        const std::array<double, 6>& values = numbers.values[static_cast<size_t>(s)];
        for (size_t a = 0; a < IndicatorAxes; ++a) {
            const double v = values[a];
            if (!(v > 0)) continue;
            sums.sum[a] += v;
            ++sums.count[a];
            sums.weightedSum[a] += v * weight;
            sums.weightTotal[a] += weight;
        }
    }
    return sums;
}

ReleveIndicatorSums indicatorSums(const core::Table& table, int32_t rec) {
    return indicatorSums(table, rec, indicatorNumbers(table));
}

std::optional<int32_t> indicatorMean(const ReleveIndicatorSums& sums, int a, MeanMode mode) {
    if (a < 0 || a >= IndicatorAxes) return std::nullopt;
    std::optional<double> mean;
    if (mode == MeanMode::Plain && sums.count[a] > 0) mean = 1000 * sums.sum[a] / sums.count[a];
    if (mode == MeanMode::Weighted && sums.weightTotal[a] > 0) mean = 1000 * sums.weightedSum[a] / sums.weightTotal[a];
    if (!mean) return std::nullopt;
    return static_cast<int32_t>(std::llround(*mean));
}

void Form17_Command2_Click(core::Workspace& ws, core::Interaction& ui, MeanMode mode,
                           std::optional<int> headAxis) {
    core::Table& t = ws.table;
    const IndicatorNumbers numbers = indicatorNumbers(t);
    core::ProgressMeter meter(ui, t.ReleveCount);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        meter.merak();
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        const ReleveIndicatorSums sums = indicatorSums(t, rec, numbers);
        for (int a = 0; a < IndicatorAxes; ++a)
            if (const auto mean = indicatorMean(sums, a, mode)) t.ReleveIndicatorMean[rec][a] = *mean;
        if (headAxis && *headAxis >= 1 && *headAxis <= IndicatorAxes)
            t.ReleveHead[rec] = core::headText(core::formatNumber(t.ReleveIndicatorMean[rec][*headAxis - 1] / 1000.0, "0.0"));
    }
    if (headAxis && *headAxis >= 1 && *headAxis <= IndicatorAxes) showAnalysisHead(ws);
}

std::vector<std::string> ecologicalExportLines(const core::Workspace& ws, int colour, bool withGroups) {
    const core::Table& t = ws.table;
    std::vector<std::string> lines;
    if (withGroups)
        lines.push_back(std::string("Group No; Releve No; No of all species; Light; No of species with nonzero value;"
                                    "Temperature; No of species with nonzero value;") +
                        ExportHeadingEnd);
    else
        lines.push_back(std::string("Releve No; No of all species; Shannon-Wiener Index;Light; No of species with "
                                    "nonzero value;Temperature; No of species with nonzero value;") +
                        ExportHeadingEnd);
    const std::vector<int32_t> groups =
        withGroups ? core::groupNumbersOf(t, ws.separatorHierarchy, ws.separatorLevel) : std::vector<int32_t>();
    const IndicatorNumbers numbers = indicatorNumbers(t);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        if (colour != core::AllColours && t.ReleveColour[k].number != colour) continue;
        const ReleveIndicatorSums sums = indicatorSums(t, t.ReleveOrder[k].record, numbers);
        std::string line;
        if (withGroups) line += std::to_string(groups[static_cast<size_t>(k)]) + ";";
        line += std::to_string(t.ReleveOrder[k].turbovegNumber) + ";" + std::to_string(sums.species);
        if (!withGroups) line += ";" + roundedShannon(core::shannonWiener(sums.covers));
        for (int a = 0; a < IndicatorAxes; ++a) {
            if (sums.count[a] > 0)
                line += ";" + core::formatNumber(sums.sum[a] / sums.count[a], "0.00") + ";" + std::to_string(sums.count[a]);
            else
                line += ";0;0";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool writeEcologicalExport(const core::Workspace& ws, const std::filesystem::path& file, int colour,
                           bool withGroups) {
    std::string content;
    for (const std::string& line : ecologicalExportLines(ws, colour, withGroups)) content += line + "\r\n";
    return core::writeFileAtomically(file, content);
}

bool exportEcologicalValues(core::Workspace& ws, core::Interaction& ui, bool withGroups) {
    const core::FileRequest request{EcologicalExportTitle, EcologicalExportFilter, EcologicalExportName,
                                    ws.currentDirectory, false};
    const std::optional<std::string> file = ui.saveFile(request);
    if (!file) return false;
    if (!writeEcologicalExport(ws, *file, ws.releveColourBox, withGroups)) {
        ui.message("The file " + *file + " cannot be written.", "Program Info", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace zembu::analysis
