#include "sorting/synoptic_sorting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/reorder.h"
#include "sorting/species_sort_commands.h"
#include "synoptic/cover_statistics.h"
#include "synoptic/synoptic_table.h"

namespace zembu::sorting {

namespace {

struct CriterionInfo {
    const char* caption;
    const char* name;
    int type;  // the synoptic type whose computation gives the value
};

constexpr std::array<CriterionInfo, CriterionCount> Criteria = {{
    {" Average cover (Barkman's TCV)", "barkman", synoptic::BarkmanCover},
    {" Fidelity measure", "fidelity", synoptic::FidelityTable},
    {" Maximum cover", "maximum", synoptic::MaximumCover},
    {" Relative frequency", "frequency", synoptic::PercentageConstancy},
    {" Average non-zero cover", "average", synoptic::AverageCover},
    {" Median non-zero cover", "median", synoptic::MedianCover},
    {" Modus non-zero cover", "modus", synoptic::ModusCover},
    {" Zlatnik's value", "zlatnik", synoptic::ZlatnikValue},
}};

const CriterionInfo& infoOf(SynopticCriterion c) { return Criteria[static_cast<size_t>(c)]; }

constexpr double Nothing = std::numeric_limits<double>::quiet_NaN();

std::optional<double> valueOf(SynopticCriterion c, const synoptic::SynopticCalculator& calculator, int32_t g) {
    const synoptic::GroupStatistics st = calculator.statistics(g);
    if (c == SynopticCriterion::Fidelity) return calculator.fidelity(g);
    if (c == SynopticCriterion::RelativeFrequency) {
        if (st.count == 0) return std::nullopt;
        return synoptic::percentageConstancy(st.count, st.size);
    }
    if (st.coverCount == 0) return std::nullopt;
    const double mean = static_cast<double>(st.sumCover) / st.coverCount;
    switch (c) {
    case SynopticCriterion::BarkmanCover: return synoptic::barkmanCover(st.sumCover, st.size);
    case SynopticCriterion::MaximumCover: return st.maxCover;
    case SynopticCriterion::AverageCover: return mean;
    case SynopticCriterion::MedianCover: return synoptic::medianCover(st.histogram);
    case SynopticCriterion::ModusCover: return synoptic::modusCover(st.histogram);
    case SynopticCriterion::ZlatnikValue: return synoptic::cuchal(st.count, st.size, mean);
    default: return std::nullopt;
    }
}

// Values kept within a range that leaves room for the block in the key.
double bounded(double v) { return std::clamp(v, -999999.0, 999999.0); }

// The first threshold of the criterion's kind, proposed as the sorting limit.
std::string proposedLimit(const core::Workspace& ws, SynopticCriterion c) {
    const int index = c == SynopticCriterion::Fidelity            ? core::setting::FidelityLimit
                      : c == SynopticCriterion::RelativeFrequency ? core::setting::FrequencyLimit
                                                                  : core::setting::CoverLimit;
    return std::string(core::trim(ws.settings.value(index)));
}

bool anyRowOfColour(core::Workspace& ws, int colour, core::Interaction& ui) {
    if (anyChosen(speciesRowsOfColour(ws.table, colour))) return true;
    ui.message(NoSpeciesOfColour, "Program Info", core::MessageIcon::Information);
    return false;
}

// Sorts the rows of the colour by number keys, largest first, and reports it.
SortOutcome sortDescending(core::Table& t, std::vector<double> keys, int colour) {
    std::vector<char> chosen = colour == core::AllColours ? std::vector<char>{} : speciesRowsOfColour(t, colour);
    const std::vector<int32_t> order = sortSpeciesRows(t, keys, colour, Direction::Descending);
    return outcomeOf(std::move(keys), std::move(chosen), order);
}

}  // namespace

std::string_view criterionCaption(SynopticCriterion c) { return infoOf(c).caption; }
std::string_view criterionName(SynopticCriterion c) { return infoOf(c).name; }

std::optional<SynopticCriterion> criterionNamed(std::string_view name) {
    for (size_t i = 0; i < Criteria.size(); ++i)
        if (name == Criteria[i].name) return static_cast<SynopticCriterion>(i);
    return std::nullopt;
}

std::optional<double> CriterionValues::at(int32_t row, int32_t group) const {
    if (row < 1 || row > rowCount || group < 1 || group > groupCount) return std::nullopt;
    const double v = values[static_cast<size_t>(row - 1) * static_cast<size_t>(groupCount) + (group - 1)];
    if (std::isnan(v)) return std::nullopt;
    return v;
}

CriterionValues synopticCriterionValues(core::Workspace& ws, SynopticCriterion criterion, core::Interaction* ui) {
    const core::Table& t = ws.table;
    synoptic::SynopticCalculator calculator(t, synoptic::readSynopticSettings(ws), infoOf(criterion).type);
    CriterionValues result;
    result.groupCount = t.ReleveCount > 0 ? calculator.groupCount() : 0;
    result.rowCount = t.SpeciesCount;
    result.values.assign(static_cast<size_t>(result.rowCount) * static_cast<size_t>(result.groupCount), Nothing);
    if (result.groupCount == 0) return result;
    std::unique_ptr<core::ProgressMeter> meter;
    if (ui) meter = std::make_unique<core::ProgressMeter>(*ui, t.SpeciesCount);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        calculator.countRow(i);
        double* row = &result.values[static_cast<size_t>(i - 1) * static_cast<size_t>(result.groupCount)];
        for (int32_t g = 1; g <= result.groupCount; ++g)
            if (const auto v = valueOf(criterion, calculator, g)) row[g - 1] = *v;
        if (meter) meter->merak();
    }
    return result;
}

BlockOrder blockOrder(const CriterionValues& values, double limit, bool exceptLastColumn) {
    BlockOrder order;
    order.column.assign(static_cast<size_t>(values.rowCount) + 1, 0);
    order.keys.assign(static_cast<size_t>(values.rowCount) + 1, 0.0);
    const int32_t K = values.groupCount;
    const int32_t columns = exceptLastColumn ? K - 1 : K;
    for (int32_t i = 1; i <= values.rowCount; ++i) {
        std::optional<double> best;
        int32_t bestColumn = 0;
        for (int32_t g = 1; g <= columns; ++g) {
            const auto v = values.at(i, g);
            if (v && (!best || *v > *best)) {
                best = v;
                bestColumn = g;
            }
        }
        if (best && *best >= limit) {
            // Column c ranks above column c + 1 whatever the values.
            order.column[i] = bestColumn;
            order.keys[i] = static_cast<double>(K + 1 - bestColumn) * 1e7 + bounded(*best);
        } else {
            order.keys[i] = -1e13 + (best ? bounded(*best) : -1e6);
        }
    }
    return order;
}

int blockColour(int32_t column) { return column < 1 ? 0 : 1 + (column - 1) % (core::PaletteColourCount - 1); }

SortOutcome single_column(core::Workspace& ws, SynopticCriterion criterion, int32_t group, int colour,
                          core::Interaction& ui) {
    core::Table& t = ws.table;
    if (t.ReleveCount < 1 || t.SpeciesCount < 1) return {};
    if (!anyRowOfColour(ws, colour, ui)) return {};
    core::BusyScope busy(ui);
    const CriterionValues values = synopticCriterionValues(ws, criterion, &ui);
    if (group < 1 || group > values.groupCount) return {};
    std::vector<double> keys(static_cast<size_t>(t.SpeciesCount) + 1, 0.0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) keys[i] = values.at(i, group).value_or(-1e300);
    core::ZalohaDat(ws);
    return sortDescending(t, std::move(keys), colour);
}

SortOutcome entireDatasetWithLimit(core::Workspace& ws, SynopticCriterion criterion, bool exceptLastColumn,
                                   int colour, double limit, core::Interaction& ui) {
    core::Table& t = ws.table;
    if (t.ReleveCount < 1 || t.SpeciesCount < 1) return {};
    if (!anyRowOfColour(ws, colour, ui)) return {};
    core::BusyScope busy(ui);
    const CriterionValues values = synopticCriterionValues(ws, criterion, &ui);
    BlockOrder order = blockOrder(values, limit, exceptLastColumn);
    core::ZalohaDat(ws);
    const std::vector<char> chosen = speciesRowsOfColour(t, colour);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        if (!chosen[static_cast<size_t>(i)]) continue;
        const int number = blockColour(order.column[i]);
        t.SpeciesColour[i] = {core::speciesBoxColour(ws.palette, number), number};
    }
    return sortDescending(t, std::move(order.keys), colour);
}

SortOutcome entire_dataset(core::Workspace& ws, SynopticCriterion criterion, bool exceptLastColumn, int colour,
                           core::Interaction& ui) {
    if (ws.table.ReleveCount < 1 || ws.table.SpeciesCount < 1) return {};
    if (ui.question("This procedure changes all species colours.  Do you want to continue?", "Program Info",
                    core::Buttons::YesNo) != core::Answer::Yes)
        return {};
    const std::optional<std::string> typed =
        ui.input("Please write minimum value of selected criteria as a sorting limit:", "SORTING",
                 proposedLimit(ws, criterion));
    if (!typed) return {};
    if (!core::isNumber(*typed)) {
        ui.message("The sorting limit must be a number.", "SORTING", core::MessageIcon::Warning);
        return {};
    }
    return entireDatasetWithLimit(ws, criterion, exceptLastColumn, colour, core::leadingNumber(*typed), ui);
}

bool showsConstancyView(const core::Workspace& ws) {
    return ws.synopticType >= synoptic::PercentageConstancy && ws.synopticType <= synoptic::AbsoluteConstancy;
}

std::vector<TextKey> synopticConstancyKeys(const core::Workspace& ws, bool layerFirst, core::ProgressMeter* meter) {
    const core::Table& t = ws.table;
    const synoptic::GroupData groups =
        synoptic::nastaveni_promennych_syn_tabulky(t, {ws.separatorHierarchy, ws.separatorLevel, false});
    const bool categorical = ws.synopticType == synoptic::CategoricalConstancy;
    const int32_t lastRecord = static_cast<int32_t>(groups.groupOfRecord.size()) - 1;
    std::vector<TextKey> keys(static_cast<size_t>(t.SpeciesCount) + 1, makeTextKey(""));
    std::vector<int32_t> count(static_cast<size_t>(groups.groupCount) + 1);
    std::string text;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        std::fill(count.begin(), count.end(), 0);
        const int32_t s = t.SpeciesInfo[i].record;
        if (s >= 1 && s <= t.MaxSpecies) {
            const std::string& cells = t.SpeciesData[s];
            for (int c = 0, n = core::cellCount(cells); c < n; ++c) {
                const int32_t rec = core::cellRecord(cells, c);
                if (rec >= 1 && rec <= lastRecord) ++count[groups.groupOfRecord[rec]];
            }
        }
        text.clear();
        // Layers in ascending order under the descending sort.
        if (layerFirst) text += static_cast<char>('0' + 9 - std::clamp<int>(t.SpeciesLayer[i], 0, 9));
        // Only the first fields reach the key.
        for (int32_t g = 1; g <= groups.groupCount && text.size() < KeyLength; ++g) {
            if (count[g] == 0) {
                text += "     .";
                continue;
            }
            int64_t v = core::roundHalfEven(100.0 * count[g] / groups.size[g]);
            if (categorical) v /= 20;
            text += core::padLeft(std::to_string(v), 6);
        }
        keys[i] = makeTextKey(text);
        if (meter) meter->merak();
    }
    return keys;
}

}  // namespace zembu::sorting
