#include "synoptic/synoptic_cells.h"

#include "core/text.h"
#include "synoptic/cover_statistics.h"

namespace zembu::synoptic {

namespace {

const std::string Absent = ".";
const std::string NoFidelity = "  ---";

bool shownFidelity(std::optional<double> f) { return f && *f > 0; }

// A cover-type cell: the text, classed by its numeric value.
CellPart coverCell(std::string text, const SynopticSettings& s) {
    const double value = core::leadingNumber(text);
    return {std::move(text), highlightClass(value, s.coverLimit, s.coverLimitHigher)};
}

CellPart label(int p, const SynopticSettings& s) { return coverCell(std::string(s.labels.label(p)), s); }

CellPart constancyPercentPart(const GroupStatistics& stats, const SynopticSettings& s) {
    const int v = percentageConstancy(stats.count, stats.size);
    if (v == 0) return {Absent};
    return {std::to_string(v), highlightClass(v, s.frequencyLimit, s.frequency2Limit)};
}

CellPart constancyClassPart(const GroupStatistics& stats, const SynopticSettings& s) {
    const int v = percentageConstancy(stats.count, stats.size);
    if (v == 0) return {Absent};
    return {std::string(constancyClass(v)), highlightClass(v, s.frequencyLimit, s.frequency2Limit)};
}

CellPart constancyMarksPart(const GroupStatistics& stats, const SynopticSettings& s) {
    const int v = percentageConstancy(stats.count, stats.size);
    if (v == 0) return {" "};
    const int c = highlightClass(v, s.frequencyLimit, s.frequency2Limit);
    return {c == SecondThreshold ? " **" : c == FirstThreshold ? " *" : " ", c};
}

CellPart fidelityNumberPart(const GroupStatistics& stats, const SynopticSettings& s) {
    if (!shownFidelity(stats.fidelity)) return {NoFidelity};
    return {fidelityPartText(stats.fidelity), highlightClass(*stats.fidelity, s.fidelityLimit, s.fidelity2Limit)};
}

CellPart fidelityMarksPart(const GroupStatistics& stats, const SynopticSettings& s) {
    if (!stats.fidelity) return {"  "};
    const int c = highlightClass(*stats.fidelity, s.fidelityLimit, s.fidelity2Limit);
    return {c == SecondThreshold ? " **" : c == FirstThreshold ? " *" : "  ", c};
}

}  // namespace

int percentageConstancy(int32_t count, int32_t size) {
    if (count <= 0 || size <= 0) return 0;
    const double f = 100.0 * count / size;
    if (f < 0.5) return 1;
    return static_cast<int>(core::roundHalfEven(f));
}

std::string_view constancyClass(int v) {
    if (v <= 0) return ".";
    if (v <= 20) return "I";
    if (v <= 40) return "II";
    if (v <= 60) return "III";
    if (v <= 80) return "IV";
    return "V";
}

int highlightClass(double value, int first, int second) {
    if (value < first) return Plain;
    return value >= second ? SecondThreshold : FirstThreshold;
}

std::string fidelityTableText(std::optional<double> fidelity) {
    if (!shownFidelity(fidelity)) return NoFidelity;
    return core::padLeft(core::formatNumber(*fidelity, "0.0"), 6);
}

std::string fidelityPartText(std::optional<double> fidelity) {
    if (!shownFidelity(fidelity)) return NoFidelity;
    const double rounded = static_cast<double>(core::roundHalfEven(*fidelity * 10)) / 10;
    return core::padLeft(core::formatNumber(rounded, "0.0"), 5);
}

std::string coverRangeText(const GroupStatistics& stats, const CoverLabels& labels) {
    if (stats.coverCount == 0) return Absent;
    const std::string low(labels.label(stats.minCover));
    if (stats.minCover == stats.maxCover) return low;
    return low + "-" + std::string(labels.label(stats.maxCover));
}

CellPart synopticCell(int type, const GroupStatistics& stats, const SynopticSettings& s) {
    switch (type) {
    case PercentageConstancy: return constancyPercentPart(stats, s);
    case CategoricalConstancy: return constancyClassPart(stats, s);
    case AbsoluteConstancy: {
        if (stats.weight == 0) return {Absent};
        const int64_t f = stats.size > 0 ? core::roundHalfEven(100.0 * stats.count / stats.size) : 0;
        return {std::to_string(stats.count),
                highlightClass(static_cast<double>(f), s.frequencyLimit, s.frequency2Limit)};
    }
    case FidelityTable: {
        if (!shownFidelity(stats.fidelity)) return {NoFidelity};
        return {fidelityTableText(stats.fidelity),
                highlightClass(*stats.fidelity, s.fidelityLimit, s.fidelity2Limit)};
    }
    default: break;
    }

    // Cover types: nothing to show without a cover of at least 1 %.
    if (stats.coverCount == 0 || (type == MaximumCover && stats.maxCover == 0)) return {Absent};
    switch (type) {
    case MaximumCover: return label(stats.maxCover, s);
    case AverageCover:
        return label(static_cast<int>(core::roundHalfEven(static_cast<double>(stats.sumCover) / stats.coverCount)), s);
    case MedianCover:
        // An even count may put the median half-way between two percentages;
        // it is shown as the label of the median rounded half to even.
        return label(static_cast<int>(core::roundHalfEven(medianCover(stats.histogram))), s);
    case ModusCover: {
        const int p = modusCover(stats.histogram);
        return p == 0 ? coverCell("0", s) : label(p, s);
    }
    case ZlatnikValue: {
        const double mean = static_cast<double>(stats.sumCover) / stats.coverCount;
        const double value = cuchal(stats.count, stats.size, mean);
        return coverCell(std::to_string(static_cast<int64_t>(value)), s);
    }
    case BarkmanCover: return coverCell(core::formatNumber(barkmanCover(stats.sumCover, stats.size), "0.0"), s);
    case HeadWeightedCover: {
        const std::optional<double> value = headWeightedCover(stats.headWeightedSum, stats.headSum);
        if (!value) return {Absent};
        return coverCell(core::formatNumber(*value, "0.0"), s);
    }
    default: return {};
    }
}

SynopticCell combinedCell(int form, const GroupStatistics& stats, const SynopticSettings& s) {
    switch (form) {
    case 2: return {constancyClassPart(stats, s), fidelityNumberPart(stats, s)};
    case 3: return {constancyClassPart(stats, s), fidelityMarksPart(stats, s)};
    case 4: return {fidelityNumberPart(stats, s), constancyPercentPart(stats, s)};
    case 5: return {fidelityNumberPart(stats, s), constancyMarksPart(stats, s)};
    case 6: return {constancyPercentPart(stats, s), {coverRangeText(stats, s.labels)}};
    default: return {constancyPercentPart(stats, s), fidelityMarksPart(stats, s)};
    }
}

}  // namespace zembu::synoptic
