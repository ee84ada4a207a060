#include "synoptic/column_averages.h"

#include <algorithm>
#include <cmath>

#include "core/table.h"
#include "core/text.h"
#include "synoptic/synoptic_table.h"

namespace zembu::synoptic {

namespace {

// The synoptic type whose cells give a value.
int typeOf(int value) {
    switch (value) {
    case RelativeFrequencyValues: return PercentageConstancy;
    case AbsoluteFrequencyValues: return AbsoluteConstancy;
    case PositiveFidelityValues: return FidelityTable;
    default: return MaximumCover + (value - MaximumCoverValues);
    }
}

struct Mean {
    double sum = 0;
    int64_t count = 0;
    void add(double v) {
        sum += v;
        ++count;
    }
    std::optional<double> value() const { return count ? std::optional<double>(sum / static_cast<double>(count)) : std::nullopt; }
};

std::string shown(std::optional<double> v, const char* pattern) {
    return v ? core::formatNumber(*v, pattern) : std::string("Empty");
}

}  // namespace

std::string_view averagedValueName(int value) {
    static constexpr std::string_view Names[AveragedValueCount] = {
        "Average of Relative Frequency Values ",     "Average of Absolute Frequency Values ",
        "Average of Positive Fidelity Values ",      "Average of Maximum Cover Values ",
        "Average of Average Non-Zero Cover Values ", "Average of Median Non-Zero Cover Values ",
        "Average of Modus Non-Zero Cover Values ",   "Average of Zlatnik's Values ",
        "Average of Average Cover (Barkman's TCV) ",
    };
    return value >= 0 && value < AveragedValueCount ? Names[value] : std::string_view();
}

ColumnAverages columnAverages(const core::Table& t, const SynopticSettings& settings, int value, double fidelityLimit) {
    ColumnAverages r;
    if (t.ReleveCount == 0 || value < 0 || value >= AveragedValueCount) return r;
    SynopticCalculator calculator(t, settings, typeOf(value));
    const int32_t K = calculator.groupCount();
    std::vector<Mean> group(static_cast<size_t>(K) + 1), diagnostic(static_cast<size_t>(K) + 1);
    Mean total, diagnosticTotal;
    std::vector<SynopticCell> cells;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        calculator.computeRow(i, cells);
        for (int32_t g = 1; g <= K; ++g) {
            const GroupStatistics st = calculator.statistics(g);
            if (st.count == 0) continue;
            const std::optional<double> f = calculator.fidelity(g);
            double v;
            if (value == RelativeFrequencyValues) v = 100.0 * st.count / st.size;
            else if (value == AbsoluteFrequencyValues) v = st.count;
            else if (value == PositiveFidelityValues) {
                if (!f || *f <= 0) continue;
                v = *f;
            } else {
                // Cover values as the cells show them; a species without a cover counts 0.
                v = std::max(0.0, core::leadingNumber(cells[static_cast<size_t>(g) - 1].first.text));
            }
            group[static_cast<size_t>(g)].add(v);
            total.add(v);
            if (f && *f > fidelityLimit) {
                diagnostic[static_cast<size_t>(g)].add(v);
                diagnosticTotal.add(v);
            }
        }
    }

    Mean ofGroups;
    double squares = 0;
    for (int32_t g = 1; g <= K; ++g) {
        const auto avg = group[static_cast<size_t>(g)].value();
        r.groupAverage.push_back(avg);
        if (avg) {
            ofGroups.add(*avg);
            squares += *avg * *avg;
            r.minimum = r.minimum ? std::min(*r.minimum, *avg) : *avg;
        }
        if (const auto d = diagnostic[static_cast<size_t>(g)].value())
            r.diagnosticMinimum = r.diagnosticMinimum ? std::min(*r.diagnosticMinimum, *d) : *d;
    }
    r.total = total.value();
    r.diagnosticAverage = diagnosticTotal.value();
    if (ofGroups.count >= 2) {
        const double n = static_cast<double>(ofGroups.count);
        const double mean = ofGroups.sum / n;
        r.standardDeviation = std::sqrt(std::max(0.0, (squares - n * mean * mean) / (n - 1)));
    }

    r.lines.push_back(std::string(averagedValueName(value)));
    r.clipboardText = std::string(core::trimRight(averagedValueName(value))) + "\n";
    for (int32_t g = 1; g <= K; ++g) {
        const std::string v = shown(r.groupAverage[static_cast<size_t>(g) - 1], "0.00");
        r.lines.push_back("Group " + std::to_string(g) + ": " + v);
        r.clipboardText += "Group " + std::to_string(g) + "\t" + v + "\n";
    }
    r.lines.push_back(std::string(52, '-'));
    const std::pair<const char*, std::string> summary[] = {
        {"Total  (+):    ", shown(r.total, "0.00")},
        {"Min.   (+):    ", shown(r.minimum, "0.00")},
        {"DgSpec Avg:    ", shown(r.diagnosticAverage, "0.00")},
        {"DgSpec Min:    ", shown(r.diagnosticMinimum, "0.00")},
        {"StDev:         ", shown(r.standardDeviation, "0.000")},
    };
    for (const auto& [label, text] : summary) {
        r.lines.push_back(label + text);
        r.clipboardText += std::string(core::trimRight(label)) + "\t" + text + "\n";
    }
    return r;
}

}  // namespace zembu::synoptic
