#include "synoptic/group_counts.h"

#include <algorithm>

namespace zembu::synoptic {

GroupCounts::GroupCounts(const GroupData& groups, const FidelitySettings& settings)
    : groups_(groups), settings_(settings) {
    const size_t K = static_cast<size_t>(groups.groupCount) + 1;
    const size_t sets = static_cast<size_t>(groups.referenceCount) + 1;
    scale_.assign(K, 0);
    scaleAdjusted_.assign(K, 0);
    for (int32_t g = 1; g <= groups.groupCount; ++g) {
        scale_[g] = groups.meanSize[groups.referenceOf[g]] / groups.size[g];
        scaleAdjusted_[g] = g == groups.lastGroup() ? 1 : scale_[g];
    }
    count_.assign(K, 0);
    weight_.assign(K, 0);
    total_.assign(sets, 0);
    scaledTotal_.assign(sets, 0);
    adjustedTotal_.assign(sets, 0);
    countTotal_.assign(sets, 0);
}

void GroupCounts::AC_partial_fidelity() {
    std::fill(count_.begin(), count_.end(), 0);
    std::fill(weight_.begin(), weight_.end(), 0.0);
    totalsDone_ = false;
}

void GroupCounts::sumTotals() const {
    std::fill(total_.begin(), total_.end(), 0.0);
    std::fill(scaledTotal_.begin(), scaledTotal_.end(), 0.0);
    std::fill(adjustedTotal_.begin(), adjustedTotal_.end(), 0.0);
    std::fill(countTotal_.begin(), countTotal_.end(), 0);
    for (int32_t g = 1; g <= groups_.groupCount; ++g) {
        const int32_t r = groups_.referenceOf[g];
        const double w = weight_[g];
        total_[r] += w;
        countTotal_[r] += count_[g];
        scaledTotal_[r] += w * scale_[g];
        adjustedTotal_[r] += w * scaleAdjusted_[g];
    }
    totalsDone_ = true;
}

FidelityInputs GroupCounts::AE_partial_fidelity(int32_t g) const {
    if (!totalsDone_) sumTotals();
    const int32_t r = groups_.referenceOf[g];
    FidelityInputs in;
    in.N = groups_.referenceSize[r];
    in.Np = groups_.size[g];
    in.n = total_[r];
    in.np = weight_[g];
    in.fisher = {groups_.referenceSize[r], groups_.size[g], countTotal_[r], count_[g]};
    return in;
}

FidelityResult GroupCounts::Fidelity(int32_t g) const {
    const FidelityInputs in = AE_partial_fidelity(g);  // sums the totals first
    const int kind = settings_.kind;
    if (kind != ModifiedFidelity) return uvalue(settings_, in.N, in.Np, in.n, in.np, kind, &in.fisher);

    const int32_t r = groups_.referenceOf[g];
    const double mean = groups_.meanSize[r];
    if (!settings_.adjustedNMinus1)
        return uvalue(settings_, in.N, mean, scaledTotal_[r], in.np * mean / in.Np, kind, &in.fisher);
    if (g == groups_.lastGroup()) return uvalue(settings_, in.N, in.Np, adjustedTotal_[r], in.np, kind, &in.fisher);
    return uvalue(settings_, in.N, mean, adjustedTotal_[r], in.np * mean / in.Np, kind, &in.fisher);
}

}  // namespace zembu::synoptic
