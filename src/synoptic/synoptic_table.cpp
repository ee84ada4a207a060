#include "synoptic/synoptic_table.h"

#include <algorithm>
#include <memory>

#include "core/index_code.h"
#include "core/progress_meter.h"
#include "core/table.h"
#include "core/text.h"
#include "synoptic/measure_names.h"

namespace zembu::synoptic {

SynopticCalculator::SynopticCalculator(const core::Table& table, const SynopticSettings& settings, int type)
    : table_(table),
      settings_(settings),
      type_(type),
      needsFidelity_(type == FidelityTable || (type == CombinedTable && settings.combinedForm != 6)),
      needsCovers_((type >= MaximumCover && type <= HeadWeightedCover) ||
                   (type == CombinedTable && settings.combinedForm == 6)),
      needsHistogram_(type == MedianCover || type == ModusCover),
      needsHeads_(type == HeadWeightedCover),
      groups_(prepareGroups(table, settings.grouping, settings.fidelity.adjustedNMinus1)),
      counts_(groups_, settings.fidelity) {
    const size_t K = static_cast<size_t>(groups_.groupCount) + 1;
    maxCover_.assign(K, 0);
    minCover_.assign(K, 0);
    sumCover_.assign(K, 0);
    coverCount_.assign(K, 0);
    if (needsHistogram_) histogram_.assign(K * HistogramSize, 0);
    if (needsHeads_) {
        // The numeric value each relevé shows in the table head.
        headOfRecord_.assign(groups_.groupOfRecord.size(), 0.0);
        headSum_.assign(K, 0.0);
        headWeighted_.assign(K, 0.0);
        for (int32_t k = 1; k <= groups_.releveCount; ++k) {
            const int32_t rec = table.ReleveOrder[k].record;
            if (rec < 1 || rec >= static_cast<int32_t>(headOfRecord_.size())) continue;
            headOfRecord_[rec] = core::leadingNumber(table.ReleveHead[rec]);
            headSum_[groups_.groupOfColumn[k]] += headOfRecord_[rec];
        }
    }
}

template <bool Weighted, bool Covers>
void SynopticCalculator::countCells(const std::string& cells) {
    const int32_t* groupOf = groups_.groupOfRecord.data();
    const int32_t lastRecord = static_cast<int32_t>(groups_.groupOfRecord.size()) - 1;
    const char* cell = cells.data();
    const char* end = cell + static_cast<size_t>(core::cellCount(cells)) * core::CellSize;
    for (; cell != end; cell += core::CellSize) {
        const int32_t rec = core::unkod(cell);
        if (rec < 1 || rec > lastRecord) continue;
        const int32_t g = groupOf[rec];
        if (g == 0) continue;
        const int p = core::coverPercent(cell[3]);
        if constexpr (Weighted) counts_.AD_partial_fidelity(g, counts_.weightOf(p));
        else counts_.AD_partial_fidelity(g);
        if constexpr (Covers) {
            if (p >= 1) {
                maxCover_[g] = std::max(maxCover_[g], p);
                minCover_[g] = minCover_[g] == 0 ? p : std::min(minCover_[g], p);
                sumCover_[g] += p;
                ++coverCount_[g];
                if (needsHeads_) headWeighted_[g] += p * headOfRecord_[rec];
                if (needsHistogram_) {
                    int32_t* hist = &histogram_[static_cast<size_t>(g) * HistogramSize];
                    ++hist[std::min(p, HistogramSize - 1)];
                    ++hist[0];
                }
            }
        }
    }
}

void SynopticCalculator::countRow(int32_t row) {
    counts_.AC_partial_fidelity();
    if (needsCovers_) {
        std::fill(maxCover_.begin(), maxCover_.end(), 0);
        std::fill(minCover_.begin(), minCover_.end(), 0);
        std::fill(sumCover_.begin(), sumCover_.end(), 0);
        std::fill(coverCount_.begin(), coverCount_.end(), 0);
        if (needsHistogram_) std::fill(histogram_.begin(), histogram_.end(), 0);
        if (needsHeads_) std::fill(headWeighted_.begin(), headWeighted_.end(), 0.0);
    }

    const int32_t s = table_.SpeciesInfo[row].record;
    if (s < 1 || s > table_.MaxSpecies) return;
    const std::string& cells = table_.SpeciesData[s];
    // One pass over the occurrences; the loop is chosen once so that it does
    // only the work this view needs.
    const bool weighted = settings_.fidelity.withCover;
    if (weighted && needsCovers_) countCells<true, true>(cells);
    else if (weighted) countCells<true, false>(cells);
    else if (needsCovers_) countCells<false, true>(cells);
    else countCells<false, false>(cells);
}

GroupStatistics SynopticCalculator::statistics(int32_t g) const {
    GroupStatistics st;
    st.size = groups_.size[g];
    st.count = counts_.count(g);
    st.weight = counts_.weight(g);
    st.maxCover = maxCover_[g];
    st.minCover = minCover_[g];
    st.sumCover = sumCover_[g];
    st.coverCount = coverCount_[g];
    if (needsHistogram_) st.histogram = &histogram_[static_cast<size_t>(g) * HistogramSize];
    if (needsHeads_) {
        st.headSum = headSum_[g];
        st.headWeightedSum = headWeighted_[g];
    }
    return st;
}

void SynopticCalculator::computeRow(int32_t row, std::vector<SynopticCell>& cells) {
    countRow(row);
    cells.resize(static_cast<size_t>(groups_.groupCount));
    for (int32_t g = 1; g <= groups_.groupCount; ++g) {
        GroupStatistics st = statistics(g);
        if (needsFidelity_) st.fidelity = counts_.Fidelity(g).value;
        SynopticCell& cell = cells[static_cast<size_t>(g) - 1];
        if (type_ == CombinedTable) cell = combinedCell(settings_.combinedForm, st, settings_);
        else cell = {synopticCell(type_, st, settings_), {}};
    }
}

SynopticTable computeSynopticTable(const core::Table& table, const SynopticSettings& settings, int type,
                                   core::Interaction* ui) {
    SynopticCalculator calculator(table, settings, type);
    SynopticTable result;
    result.type = type;
    result.form = type == CombinedTable ? settings.combinedForm : 0;
    result.title = type == CombinedTable ? combinedTitle(settings.combinedForm, settings.fidelity, calculator.groupCount())
                                         : synopticTitle(type, settings.fidelity, calculator.groupCount());
    if (table.ReleveCount > 0) {
        std::unique_ptr<core::ProgressMeter> meter;
        if (ui) meter = std::make_unique<core::ProgressMeter>(*ui, table.SpeciesCount);
        result.rows.resize(static_cast<size_t>(table.SpeciesCount));
        for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
            SynopticRow& row = result.rows[static_cast<size_t>(i) - 1];
            row.row = i;
            calculator.computeRow(i, row.cells);
            if (meter) meter->merak();
        }
    }
    result.groups = calculator.groups();
    return result;
}

namespace {

std::string fidelityName(const FidelitySettings& f) {
    return "{" + std::string(longMeasureName(f.measure)) + "}";
}

std::string columns(int groupCount) { return " (" + std::to_string(groupCount) + " columns)"; }

std::string fisherSuffix(const FidelitySettings& f) {
    return f.fisherVeto ? " - Fisher's exact test > 3" : "";
}

}  // namespace

std::string synopticTitle(int type, const FidelitySettings& f, int groupCount) {
    switch (type) {
    case PercentageConstancy: return "Percentage synoptic table";
    case CategoricalConstancy: return "Categorical synoptic table";
    case AbsoluteConstancy: return "Absolute frequency synoptic table";
    case FidelityTable: {
        const char* kind = f.kind == ModifiedFidelity       ? "modified fidelity"
                           : f.kind == StandardisedFidelity ? "standardised fidelity"
                                                            : "fidelity index";
        return "Percentage synoptic table with " + std::string(kind) + " " + fidelityName(f) + columns(groupCount) +
               fisherSuffix(f);
    }
    case MaximumCover: return "Maximum cover synoptic table";
    case AverageCover: return "Average cover synoptic table";
    case MedianCover: return "Median cover synoptic table";
    case ModusCover: return "Modus cover synoptic table";
    case ZlatnikValue: return "Zlatnik's scale synoptic table";
    case BarkmanCover: return "Average cover (Barkman's TCV)";
    case HeadWeightedCover: return "Total cover weighted by short headers";
    default: return {};
    }
}

std::string combinedTitle(int form, const FidelitySettings& f, int groupCount) {
    const char* kindWord = f.kind == ModifiedFidelity ? "modified " : f.kind == StandardisedFidelity ? "standardised " : "";
    switch (form) {
    case 2:
    case 3:
        return "Synoptic table with categorical constancy and " + std::string(kindWord) + "fidelity index " +
               fidelityName(f) + columns(groupCount) + fisherSuffix(f);
    case 4:
    case 5: {
        const std::string kind = f.kind == FidelityIndex ? "fidelity index" : std::string(kindWord) + "fidelity";
        return "Synoptic table with " + kind + " " + fidelityName(f) + " and percentage constancy" +
               columns(groupCount) + fisherSuffix(f);
    }
    case 6: return "Synoptic table with percentage constancy and cover range";
    default:
        return "Synoptic table with percentage constancy and " + std::string(kindWord) + "fidelity index " +
               fidelityName(f) + columns(groupCount) + fisherSuffix(f);
    }
}

std::string_view synopticCaption(int type) {
    switch (type) {
    case PercentageConstancy: return "&Percentage Constancy";
    case CategoricalConstancy: return "&Categorical Constancy";
    case AbsoluteConstancy: return "Absolute &Constancy";
    case FidelityTable: return "&Fidelity";
    case MaximumCover: return "&Maximum Cover";
    case AverageCover: return "&Average Non-zero Cover";
    case MedianCover: return "Me&dian Non-zero Cover";
    case ModusCover: return "Modu&s Non-zero Cover";
    case ZlatnikValue: return "&Zlatnik's Combined Value";
    case BarkmanCover: return "&Average Cover (Barkman's TCV)";
    case HeadWeightedCover: return "&Wolfgang's total cover weighted by short headers";
    case CombinedTable: return "Combin&ed Synoptic Table";
    default: return {};
    }
}

}  // namespace zembu::synoptic
