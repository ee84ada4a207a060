#include "sorting/dependence_sorting.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

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

    // Rows that may depend on others (frequency at least the minimum), and
    // how many of them have each frequency: a row sharing no relevé with T
    // has a value that depends on its frequency alone.
    std::vector<int32_t> frequency(at(rows) + 1, 0);
    std::vector<char> candidate(at(rows) + 1, 0);
    std::vector<int32_t> candidatesOfFrequency(at(t.ReleveCount) + 1, 0);
    std::vector<int32_t> frequencies;  // the distinct frequencies of candidates
    for (int32_t b = 1; b <= rows; ++b) {
        frequency[at(b)] = static_cast<int32_t>(o.recordsOfRow[at(b)].size());
        if (frequency[at(b)] < minimumFrequency) continue;
        candidate[at(b)] = 1;
        if (candidatesOfFrequency[at(frequency[at(b)])]++ == 0) frequencies.push_back(frequency[at(b)]);
    }

    std::vector<int32_t> together(at(rows) + 1, 0);  // np of every row B for the current T
    std::vector<int32_t> touched;                    // rows with np > 0
    std::vector<int32_t> apart(candidatesOfFrequency.size(), 0);  // candidates of a frequency apart from T
    std::vector<std::pair<double, int32_t>> values;  // a value and the number of rows that have it

    for (int32_t target = 1; target <= rows; ++target) {
        if (speciesColour != core::AllColours && t.SpeciesColour[target].number != speciesColour) continue;
        if (meter) meter->merak();
        const auto& holding = o.recordsOfRow[at(target)];
        const double Np = static_cast<double>(holding.size());
        for (int32_t rec : holding)
            for (int32_t b : o.rowsOfRecord[at(rec)])
                if (together[at(b)]++ == 0) touched.push_back(b);

        values.clear();
        for (int32_t n : frequencies) apart[at(n)] = candidatesOfFrequency[at(n)];
        for (int32_t b : touched) {
            if (!candidate[at(b)]) continue;
            --apart[at(frequency[at(b)])];
            if (b == target) continue;
            if (const auto v = synoptic::uvalue(settings, N, Np, frequency[at(b)], together[at(b)],
                                                synoptic::FidelityIndex).value)
                values.emplace_back(*v, 1);
        }
        if (mostDependent != AllCommonOccurrences) {
            if (candidate[at(target)] && together[at(target)] == 0) --apart[at(frequency[at(target)])];
            for (int32_t n : frequencies) {
                if (apart[at(n)] <= 0) continue;
                if (const auto v = synoptic::uvalue(settings, N, Np, n, 0, synoptic::FidelityIndex).value)
                    values.emplace_back(*v, apart[at(n)]);
            }
            // Every value stands for at least one row: the k largest values hold the k largest rows.
            const auto first = std::min(values.size(), static_cast<size_t>(std::max(mostDependent, 1)));
            std::partial_sort(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(first), values.end(),
                              std::greater<>());
        }

        // The mean of the k largest values (all values for the common occurrences).
        const int64_t k = mostDependent == AllCommonOccurrences ? std::numeric_limits<int64_t>::max() : std::max(mostDependent, 1);
        double sum = 0;
        int64_t used = 0;
        for (const auto& [value, count] : values) {
            const int64_t take = std::min<int64_t>(count, k - used);
            sum += value * static_cast<double>(take);
            used += take;
            if (used == k) break;
        }
        if (used > 0) scores[at(target)] = sum / static_cast<double>(used);

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
    // From the benchmark: about 15 ns per co-occurrence counted and 2 ns per
    // pair of rows.
    int64_t targets = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        if (speciesColour == core::AllColours || t.SpeciesColour[i].number == speciesColour) ++targets;
    int64_t cells = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) cells += t.SpeciesFrequency[i];
    const double meanRichness = t.ReleveCount > 0 ? static_cast<double>(cells) / t.ReleveCount : 0;
    const double cooccurrences = static_cast<double>(cells) * meanRichness * static_cast<double>(targets) /
                                 std::max<int32_t>(t.SpeciesCount, 1);
    return 2e-9 * static_cast<double>(targets) * t.SpeciesCount + 1.5e-8 * cooccurrences;
}

}  // namespace zembu::sorting
