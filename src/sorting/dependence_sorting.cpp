#include "sorting/dependence_sorting.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "core/index_code.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "synoptic/fidelity_measures.h"

namespace zembu::sorting {

namespace {

size_t at(int32_t n) { return static_cast<size_t>(n); }

// Live rows of each relevé record and the records holding each live row,
// taken once from the cell strings.
struct Occurrences {
    std::vector<std::vector<int32_t>> rowsOfRecord;    // by rec: live rows in the relevé
    std::vector<std::vector<int32_t>> recordsOfRow;    // by row: records of the relevés shown holding it
};

Occurrences occurrencesOf(const core::Table& t) {
    Occurrences o;
    o.rowsOfRecord.resize(at(std::max(t.ReleveCount, t.ReleveRecordCount)) + 1);
    o.recordsOfRow.resize(at(t.SpeciesCount) + 1);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || at(rec) >= o.rowsOfRecord.size()) continue;
        const std::string& cells = t.ReleveData[at(rec)];
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t row = t.liveRowOfCell(cells, c);
            if (row == 0) continue;
            o.rowsOfRecord[at(rec)].push_back(row);
            o.recordsOfRow[at(row)].push_back(rec);
        }
    }
    return o;
}

}  // namespace

std::vector<double> dependenceScores(const core::Table& t, const synoptic::FidelitySettings& settings,
                                     int speciesColour, int mostDependent, int32_t minimumFrequency,
                                     core::ProgressMeter* meter) {
    const int32_t rows = t.SpeciesCount;
    std::vector<double> scores(at(rows) + 1, 0.0);
    const Occurrences o = occurrencesOf(t);
    const double N = t.ReleveCount;

    // Rows that may depend on others: frequency at least the minimum.
    std::vector<int32_t> candidates;
    for (int32_t b = 1; b <= rows; ++b)
        if (static_cast<int32_t>(o.recordsOfRow[at(b)].size()) >= minimumFrequency) candidates.push_back(b);

    std::vector<int32_t> together(at(rows) + 1, 0);  // np of every row B for the current T
    std::vector<int32_t> touched;                    // rows with np > 0
    // Values of rows that share no relevé with T depend only on their frequency.
    std::vector<std::optional<double>> apart(at(t.ReleveCount) + 1);
    std::vector<int32_t> apartFor(at(t.ReleveCount) + 1, 0);  // the row T a value was computed for
    std::vector<double> values;

    for (int32_t target = 1; target <= rows; ++target) {
        if (speciesColour != core::AllColours && t.SpeciesColour[target].number != speciesColour) continue;
        if (meter) meter->merak();
        const auto& holding = o.recordsOfRow[at(target)];
        const double Np = static_cast<double>(holding.size());
        for (int32_t rec : holding)
            for (int32_t b : o.rowsOfRecord[at(rec)])
                if (together[at(b)]++ == 0) touched.push_back(b);

        values.clear();
        const auto evaluate = [&](int32_t b) -> std::optional<double> {
            const auto n = static_cast<int32_t>(o.recordsOfRow[at(b)].size());
            const int32_t np = together[at(b)];
            if (np > 0) return synoptic::uvalue(settings, N, Np, n, np, synoptic::FidelityIndex).value;
            if (apartFor[at(n)] != target) {
                apart[at(n)] = synoptic::uvalue(settings, N, Np, n, 0, synoptic::FidelityIndex).value;
                apartFor[at(n)] = target;
            }
            return apart[at(n)];
        };
        for (int32_t b : candidates) {
            if (b == target) continue;
            if (mostDependent == AllCommonOccurrences && together[at(b)] == 0) continue;
            if (const auto value = evaluate(b)) values.push_back(*value);
        }

        size_t used = values.size();
        if (mostDependent != AllCommonOccurrences) {
            used = std::min(used, static_cast<size_t>(std::max(mostDependent, 1)));
            std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(used), values.end(),
                             std::greater<>());
        }
        if (used > 0)
            scores[at(target)] = std::accumulate(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(used), 0.0) /
                                 static_cast<double>(used);

        for (int32_t b : touched) together[at(b)] = 0;
        touched.clear();
    }
    return scores;
}

std::string scoreLabel(double score) {
    std::string text = core::formatNumber(score, "0.0");
    if (text.size() <= 3) return text;
    const int64_t whole = std::clamp<int64_t>(core::roundHalfEven(score), -99, 999);
    return std::to_string(whole);
}

double expectedDependenceSeconds(const core::Table& t, int speciesColour) {
    // Measured on the benchmark machine: about 4 ns per pair of rows and
    // 2 ns per co-occurrence counted.
    int64_t targets = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        if (speciesColour == core::AllColours || t.SpeciesColour[i].number == speciesColour) ++targets;
    int64_t cells = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) cells += t.SpeciesFrequency[i];
    const double meanRichness = t.ReleveCount > 0 ? static_cast<double>(cells) / t.ReleveCount : 0;
    const double cooccurrences = static_cast<double>(cells) * meanRichness * static_cast<double>(targets) /
                                 std::max<int32_t>(t.SpeciesCount, 1);
    return 4e-9 * static_cast<double>(targets) * t.SpeciesCount + 2e-9 * cooccurrences;
}

}  // namespace zembu::sorting
