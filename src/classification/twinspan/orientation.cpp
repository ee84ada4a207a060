#include "classification/twinspan/orientation.h"

#include <algorithm>
#include <cmath>

namespace zembu::classification::twinspan {

namespace {

constexpr double kFloor = 1e-7;  // added to every unit sum

}  // namespace

NeighbourComparison::NeighbourComparison(const EngineInput& input)
    : in_(input),
      side0_(static_cast<size_t>(input.unitCount), kFloor),
      side1_(static_cast<size_t>(input.unitCount), kFloor),
      reference_(static_cast<size_t>(input.unitCount), kFloor),
      considered_(static_cast<size_t>(input.unitCount), 0),
      touched_(static_cast<size_t>(input.unitCount), 0) {}

void NeighbourComparison::prepareSides(const Group& g, const std::vector<double>& x, double crmid) {
    for (int unit : units_) {
        side0_[unit] = side1_[unit] = kFloor;
        considered_[unit] = 0;
    }
    units_.clear();
    // Units brought in by the group's columns (by their first level).
    std::vector<int> unitOf(static_cast<size_t>(g.columnCount()));
    for (int l = 0; l < g.columnCount(); ++l) {
        const int j = g.globalColumn[l];
        const int unit = in_.columnUnit[j];
        unitOf[l] = unit;
        if (in_.columnMarksUnit[j] && !considered_[unit]) {
            considered_[unit] = 1;
            units_.push_back(unit);
        }
    }
    // Every unit summed on a side must be reset next time, so keep them listed.
    for (int l = 0; l < g.columnCount(); ++l) {
        const int unit = unitOf[l];
        if (!considered_[unit]) {
            considered_[unit] = 2;
            units_.push_back(unit);
        }
    }
    // The two sides; a row exactly at crmid is on both.
    t0_ = t1_ = 0.0;
    for (int r = 0; r < g.size(); ++r) {
        const double w = g.w[r];
        const bool on0 = x[r] <= crmid;
        const bool on1 = x[r] >= crmid;
        if (on0) t0_ += w;
        if (on1) t1_ += w;
        for (int k = g.start[r]; k < g.start[r + 1]; ++k) {
            const int l = g.cols[k];
            const double wc = w * g.c[l];
            if (on0) side0_[unitOf[l]] += wc;
            if (on1) side1_[unitOf[l]] += wc;
        }
    }
}

const NeighbourComparison::ReferenceSums& NeighbourComparison::referenceSums(int reference,
                                                                            const ClassMembers& members) {
    const auto cached = cache_.find(reference);
    if (cached != cache_.end()) return cached->second;
    // The class with its children and grandchildren, rows in increasing order.
    std::vector<int> rows;
    for (int cls : {reference, 2 * reference, 2 * reference + 1, 4 * reference, 4 * reference + 1, 4 * reference + 2,
                    4 * reference + 3}) {
        const auto it = members.find(cls);
        if (it != members.end()) rows.insert(rows.end(), it->second.begin(), it->second.end());
    }
    std::sort(rows.begin(), rows.end());
    ReferenceSums sums;
    std::vector<int> touched;
    for (int row : rows) {
        const double w = in_.rowWeight[row];
        sums.totalWeight += w;
        for (int k = in_.rowStart[row]; k < in_.rowStart[row + 1]; ++k) {
            const int j = in_.columns[k];
            const int unit = in_.columnUnit[j];
            if (!touched_[unit]) {
                touched_[unit] = 1;
                touched.push_back(unit);
            }
            reference_[unit] += w * in_.columnWeight[j];
        }
    }
    for (int unit : touched) {
        sums.units.emplace_back(unit, reference_[unit]);
        reference_[unit] = kFloor;
        touched_[unit] = 0;
    }
    return cache_.emplace(reference, std::move(sums)).first->second;
}

double NeighbourComparison::score(int reference, const ClassMembers& members) {
    const ReferenceSums& sums = referenceSums(reference, members);
    const double tr = sums.totalWeight;
    if (!(tr > 0.0) || !(t0_ > 0.0) || !(t1_ > 0.0)) return 0.0;
    for (const auto& [unit, sum] : sums.units) reference_[unit] = sum;

    double yn = 0, yi = 0, yp = 0, xn = 0, xi = 0, xp = 0;
    for (int unit : units_) {
        if (considered_[unit] != 1) continue;
        const double a = reference_[unit] / tr;
        const double a0 = side0_[unit] / t0_;
        const double a1 = side1_[unit] / t1_;
        const double ratio = std::min(1.0, (std::abs(a0 - a1) / (a0 + a1)) / 0.3);
        const double p = ratio * ratio * ratio * ratio;
        const double pn = a1 > a0 ? 0.0 : p;
        const double pi = 1.0 - p;
        const double pp = a1 > a0 ? p : 0.0;
        yn += pn * a;
        yi += pi * a;
        yp += pp * a;
        xn += pn * (a0 + a1);
        xi += pi * (a0 + a1);
        xp += pp * (a0 + a1);
    }
    for (const auto& entry : sums.units) reference_[entry.first] = kFloor;

    if (xi > 0.0) {
        if (xp > xn) yi = -yi * std::min(1.0, (xp - xn) / xi);
        else yi = yi * std::min(1.0, (xn - xp) / xi);
    }
    const double score = yp - yn + yi;
    // A balance that is exact in real arithmetic counts as zero.
    if (std::abs(score) <= 1e-9 * (yp + yn + std::abs(yi))) return 0.0;
    return score * tr;
}

bool NeighbourComparison::mustReverse(const Group& g, const std::vector<double>& x, double crmid,
                                      const ClassMembers& members, int k) {
    prepareSides(g, x, crmid);
    std::sort(units_.begin(), units_.end());
    const int brother = k % 2 == 0 ? k + 1 : k - 1;
    double total = score(brother, members);
    if (k > 3) {
        const int parent = k / 2;
        const int uncle = (parent + 1) % 2 == 1 ? parent + 1 : parent - 1;
        const double weight = (k % 4 == 1 || k % 4 == 2) ? -0.5 : 0.5;
        total += weight * score(uncle, members);
    }
    // The brother lies to the left of an odd class and to the right of an even one.
    return k % 2 == 1 ? total > 0.0 : total < 0.0;
}

}  // namespace zembu::classification::twinspan
