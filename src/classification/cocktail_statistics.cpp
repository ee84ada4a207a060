#include "classification/cocktail_statistics.h"

#include <algorithm>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/table.h"
#include "core/text.h"

namespace zembu::classification {

namespace {

bool occursNowhere(const core::Table& table, int32_t row) {
    const int32_t s = table.SpeciesInfo[row].record;
    return s < 1 || s > table.MaxSpecies || table.SpeciesData[s].empty();
}

}  // namespace

std::vector<double> expectedFractions(const std::vector<double>& p) {
    const size_t t = p.size();
    std::vector<double> P(t + 1, 0.0);  // P(k): exactly k members
    if (t == 0) return {1.0};
    P[0] = 1 - p[0];
    P[1] = p[0];
    for (size_t i = 2; i <= t; ++i) {
        const double pi = p[i - 1];
        for (size_t k = i; k >= 1; --k) P[k] = pi * P[k - 1] + (1 - pi) * P[k];
        P[0] = (1 - pi) * P[0];
    }
    std::vector<double> E(t + 1, 0.0);
    double tail = 0;
    for (size_t k = t + 1; k-- > 0;) {
        tail += P[k];
        E[k] = tail;
    }
    return E;
}

int automaticMinimum(int members) {
    if (members == 2) return 2;
    return std::max(1, (members + 1) / 2);
}

std::string statisticsLine(int k, int32_t observed, double expected, int32_t releveCount) {
    const double expectedCount = releveCount * expected;
    std::string ratio;
    if (expected > 0) {
        const double r = (static_cast<double>(observed) / releveCount) / expected;
        ratio = r > 999.99 ? "   Max" : core::padLeft(core::formatNumber(r, "0.00"), 6);
    } else {
        // The ratio is undefined: infinite when something is observed.
        ratio = observed > 0 ? "   Max" : "   ---";
    }
    return std::to_string(k) + ". O/E: " + core::padLeft(std::to_string(observed), 5) + "/" +
           core::padLeft(std::to_string(core::roundHalfEven(expectedCount)), 5) + " = " + ratio;
}

MemberStatistics pravdepodobnost(const core::Table& table, int32_t currentRow, WorkingGroup& group,
                                 core::Interaction& ui) {
    MemberStatistics st;
    const size_t t = group.members.size();
    st.records.assign(t, 0);
    st.frequency.assign(t, 0);
    st.releveCount = table.ReleveCount;

    if (currentRow >= 1 && currentRow <= table.SpeciesRecordCount &&
        !isGroupRowName(table.SpeciesInfo[currentRow].name) && occursNowhere(table, currentRow)) {
        ui.message(CannotCalculateMessage, "ZEMBU", core::MessageIcon::Information);
        st.stopped = true;
        return st;
    }
    for (size_t k = 0; k < t; ++k) {
        const int32_t row = firstRowOfSpeciesNumber(table, group.members[k].speciesNumber);
        if (row == 0) continue;  // not in the table: found in no relevé
        if (occursNowhere(table, row)) {
            ui.message(CannotCalculateMessage, "ZEMBU", core::MessageIcon::Information);
            st.stopped = true;
            return st;
        }
        st.records[k] = table.SpeciesInfo[row].record;
        st.frequency[k] = core::cellCount(table.SpeciesData[st.records[k]]);
    }
    if (group.manualSetting) return st;

    const int32_t N = table.ReleveCount;
    if (N > 0) {
        // Observed: relevés holding at least k members.
        const std::vector<int32_t> counts = memberCountsByRecord(table, st.records);
        std::vector<int32_t> exactly(t + 1, 0);
        for (int32_t column = 1; column <= N; ++column) {
            const int32_t rec = table.ReleveOrder[column].record;
            const int32_t c = rec >= 1 && rec < static_cast<int32_t>(counts.size()) ? counts[rec] : 0;
            ++exactly[std::min<size_t>(static_cast<size_t>(c), t)];
        }
        st.observed.assign(t + 1, 0);
        int32_t atLeast = 0;
        for (size_t k = t + 1; k-- > 0;) st.observed[k] = atLeast += exactly[k];

        std::vector<double> p(t);
        for (size_t k = 0; k < t; ++k) p[k] = static_cast<double>(st.frequency[k]) / N;
        st.expected = expectedFractions(p);

        bool dashed = false;
        for (size_t k = 1; k <= t; ++k) {
            const bool above = st.expected[k] > 0
                                   ? (static_cast<double>(st.observed[k]) / N) / st.expected[k] > 1
                                   : st.observed[k] > 0;
            if (above && !dashed) {
                st.lines.push_back(StatisticsDashedLine);
                dashed = true;
            }
            st.lines.push_back(statisticsLine(static_cast<int>(k), st.observed[k], st.expected[k], N));
        }
    }
    st.automaticM = automaticMinimum(static_cast<int>(t));
    group.minimumSpecies = *st.automaticM;
    return st;
}

}  // namespace zembu::classification
