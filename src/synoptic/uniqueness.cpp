#include "synoptic/uniqueness.h"

#include "core/index_code.h"
#include "core/table.h"
#include "core/text.h"
#include "synoptic/group_counts.h"

namespace zembu::synoptic {

namespace {

// F' of a fidelity: the value where it reaches the cut level, else 0.
double cutFidelity(const FidelityResult& f, double cut) { return f.value && *f.value >= cut ? *f.value : 0; }

std::vector<std::string> listLines(const UniquenessResult& r, double cut) {
    std::vector<std::string> lines;
    lines.push_back("Group No. " + std::to_string(r.group));
    lines.push_back("Uniqueness for the fidelity cut level: " + core::formatNumber(cut, "0.###") + "   " +
                    (r.uniqueness ? core::formatNumber(*r.uniqueness, "0.000") : std::string("Undef.")));
    lines.push_back("Assymetric simil. index");
    lines.push_back("               Assym. SI   Species Average");
    for (int32_t g = 1; g <= r.groupCount; ++g) {
        const size_t i = static_cast<size_t>(g) - 1;
        std::string line = "  Group No. " + core::padLeft(std::to_string(g), 3);
        const std::string average = core::formatNumber(r.speciesAverage[i], "0.0");
        if (r.similarity[i]) line += ":  " + core::padLeft(core::formatNumber(*r.similarity[i], "0.0"), 6) + core::padLeft(average, 18);
        else line += ":  undef. " + core::padLeft(average, 17);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

UniquenessResult sharpness(const core::Table& table, const SynopticSettings& settings, int32_t h, double cut) {
    const GroupData groups = prepareGroups(table, settings.grouping, settings.fidelity.adjustedNMinus1);
    UniquenessResult result;
    result.group = h;
    result.groupCount = groups.groupCount;
    if (h < 1 || h > groups.groupCount) return result;

    const size_t K = static_cast<size_t>(groups.groupCount);
    std::vector<double> shared(K + 1, 0);  // S(h, g)
    std::vector<int64_t> occurrences(K + 1, 0);
    GroupCounts counts(groups, settings.fidelity);
    std::vector<double> fidelity(K + 1, 0);
    const int32_t lastRecord = static_cast<int32_t>(groups.groupOfRecord.size()) - 1;

    for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
        const int32_t s = table.SpeciesInfo[i].record;
        if (s < 1 || s > table.MaxSpecies) continue;
        counts.AC_partial_fidelity();
        const std::string& cells = table.SpeciesData[s];
        const int n = core::cellCount(cells);
        for (int c = 0; c < n; ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec < 1 || rec > lastRecord || groups.groupOfRecord[rec] == 0) continue;
            const int32_t g = groups.groupOfRecord[rec];
            counts.AD_partial_fidelity(g, counts.weightOf(core::coverPercent(core::cellCoverByte(cells, c))));
            ++occurrences[g];
        }
        const double target = cutFidelity(counts.Fidelity(h), cut);
        if (target == 0) continue;  // adds nothing to any S(h, g)
        for (int32_t g = 1; g <= groups.groupCount; ++g)
            shared[g] += target * (g == h ? target : cutFidelity(counts.Fidelity(g), cut));
    }

    const double self = shared[h];
    double sum = 0;
    for (int32_t g = 1; g <= groups.groupCount; ++g) {
        if (self != 0) {
            result.similarity.push_back(100 * shared[g] / self);
            sum += shared[g] / self;
        } else {
            result.similarity.push_back(std::nullopt);
        }
        result.speciesAverage.push_back(static_cast<double>(occurrences[g]) / groups.size[g]);
    }
    if (self != 0 && sum != 0) result.uniqueness = 1 / sum;
    result.lines = listLines(result, cut);
    return result;
}

}  // namespace zembu::synoptic
