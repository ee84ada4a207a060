#include "classification/twinspan/indicators.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zembu::classification::twinspan {

AxisFrame AxisFrame::of(const std::vector<double>& x) {
    AxisFrame f;
    extremes(x, f.xmin, f.xmax);
    f.crmid = (f.xmin + f.xmax) / 2.0;
    const double half = 0.1 * (f.xmax - f.xmin);
    f.crmin = f.crmid - half;
    f.crmax = f.crmid + half;
    return f;
}

void AxisFrame::reverse(std::vector<double>& x) {
    for (double& v : x) v = -v;
    *this = {-xmax, -xmin, -crmax, -crmid, -crmin};
}

int zoneOf(double x, const AxisFrame& f) {
    constexpr double kSmall = 1e-10;
    auto part = [](double offset, double segment, int parts) {
        const double t = std::trunc(offset / segment);
        return static_cast<int>(std::clamp(t + 1.0, 1.0, static_cast<double>(parts)));
    };
    if (x < f.crmin) return part(x - f.xmin, (f.crmin - f.xmin) / (4 + kSmall) + kSmall, 4);
    if (x <= f.crmax) return 4 + part(x - f.crmin, (f.crmax - f.crmin) / (8 + kSmall) + kSmall, 8);
    return 12 + part(x - f.crmax, (f.xmax - f.crmax) / (4 + kSmall) + kSmall, 4);
}

std::vector<LocalIndicator> chooseIndicators(const EngineInput& input, const Group& g, const std::vector<double>& x,
                                             const AxisFrame& f, SideWeights& s) {
    std::vector<LocalIndicator> chosen;
    if (input.maxIndicators <= 0) return chosen;
    const double lo = f.crmid - 0.5 * (f.crmax - f.crmin) * 4.0 / 8.001;
    const double hi = 2.0 * f.crmid - lo;
    sides(g, x, lo, hi, s);

    const int n = g.columnCount();
    std::vector<double> d(static_cast<size_t>(n));
    std::vector<std::pair<long long, int>> ranking;  // (-key, local column)
    ranking.reserve(static_cast<size_t>(n));
    for (int j = 0; j < n; ++j) {
        const double ap = s.positiveTotal > 0 ? s.positive[j] / s.positiveTotal : 0.0;
        const double an = s.negativeTotal > 0 ? s.negative[j] / s.negativeTotal : 0.0;
        d[j] = ap - an;
        const long long key = static_cast<long long>(std::trunc(std::abs(d[j]) * 500.0));
        ranking.emplace_back(-key, j);
    }
    std::sort(ranking.begin(), ranking.end());

    std::vector<int> usedUnits;
    for (const auto& [negKey, j] : ranking) {
        if (static_cast<int>(chosen.size()) >= input.maxIndicators) break;
        const double dj = d[j];
        if (std::abs(dj) < 0.1 - 1e-7) continue;
        const int column = g.globalColumn[j];
        if (!input.columnIndicator[column]) continue;
        const int unit = input.columnUnit[column];
        if (std::find(usedUnits.begin(), usedUnits.end(), unit) != usedUnits.end()) continue;
        usedUnits.push_back(unit);
        chosen.push_back({j, dj < 0 ? -1 : 1});
    }
    return chosen;
}

std::vector<uint16_t> indicatorMasks(const Group& g, const std::vector<LocalIndicator>& indicators) {
    std::vector<uint16_t> bitOf(static_cast<size_t>(g.columnCount()), 0);
    for (size_t m = 0; m < indicators.size(); ++m) bitOf[indicators[m].column] = static_cast<uint16_t>(1u << m);
    std::vector<uint16_t> masks(static_cast<size_t>(g.size()), 0);
    for (int r = 0; r < g.size(); ++r)
        for (int q = g.start[r]; q < g.start[r + 1]; ++q) masks[r] |= bitOf[g.cols[q]];
    return masks;
}

std::vector<int> shiftedScores(const std::vector<uint16_t>& masks, const std::vector<LocalIndicator>& indicators, int k,
                               int& shift) {
    shift = 1;
    for (int m = 0; m < k; ++m)
        if (indicators[m].sign < 0) ++shift;
    std::vector<int> scores(masks.size());
    for (size_t r = 0; r < masks.size(); ++r) {
        int score = shift;
        for (int m = 0; m < k; ++m)
            if (masks[r] & (1u << m)) score += indicators[m].sign;
        scores[r] = score;
    }
    return scores;
}

Threshold searchThreshold(const std::vector<uint16_t>& masks, const std::vector<LocalIndicator>& indicators,
                          const std::vector<int>& zones) {
    Threshold best;
    int bestMiss = std::numeric_limits<int>::max();
    const int nind = static_cast<int>(indicators.size());
    for (int k = 1; k <= nind; ++k) {
        int shift = 1;
        const std::vector<int> scores = shiftedScores(masks, indicators, k, shift);
        // counts[z][s]: rows in zone z (1..16) with shifted score s (1..k+1).
        std::vector<std::array<int, 17>> counts(static_cast<size_t>(k) + 2);
        for (auto& row : counts) row.fill(0);
        for (size_t r = 0; r < scores.size(); ++r) ++counts[scores[r]][zones[r]];

        int miss = std::numeric_limits<int>::max();
        float cBest = std::numeric_limits<float>::max();  // kept in single precision on purpose
        int iaBest = 0, ibBest = 0, zBest = 0, sBest = 0;
        for (int z = 8; z <= 12; ++z) {
            for (int sStar = 1; sStar <= k + 1; ++sStar) {
                int m = 0, a = 0, b = 0;
                for (int s = 1; s <= k + 1; ++s) {
                    for (int zone = 1; zone <= 16; ++zone) {
                        const int c = counts[s][zone];
                        if (zone <= z - 4) {
                            a += c;
                            if (s > sStar) m += c;
                        } else if (zone > z) {
                            b += c;
                            if (s <= sStar) m += c;
                        }
                    }
                }
                const double cValue = a + b > 0 ? static_cast<double>(std::abs(a - b)) / (a + b) : 0.0;
                const int ia = std::abs(sStar - shift);
                const int ib = std::abs(21 - 2 * z);
                bool accept = false;
                if (m < miss) accept = true;
                else if (m == miss) {
                    if (cValue < static_cast<double>(cBest)) accept = true;
                    else if (cValue == static_cast<double>(cBest)) accept = ia < iaBest || ib < ibBest;
                }
                if (accept) {
                    miss = m;
                    cBest = static_cast<float>(cValue);
                    iaBest = ia;
                    ibBest = ib;
                    zBest = z;
                    sBest = sStar;
                }
            }
        }
        if (miss < bestMiss) {
            bestMiss = miss;
            best = {k, zBest, sBest, shift};
        }
    }
    return best;
}

}  // namespace zembu::classification::twinspan
