#pragma once
// The counts of one species over the relevé groups, and its fidelity to each
// group. Callers prepare the groups once per table, then for every species:
// AC_partial_fidelity, AD_partial_fidelity for each occurrence, and
// Fidelity(g) for every group. Arrays are sized once; nothing is allocated
// per species or per occurrence.

#include <cstdint>
#include <vector>

#include "synoptic/fidelity_measures.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/group_data.h"

namespace zembu::synoptic {

// The inputs of one evaluation (AE_partial_fidelity).
struct FidelityInputs {
    double N = 0, Np = 0, n = 0, np = 0;
    FisherCounts fisher;
};

class GroupCounts {
public:
    // The groups must outlive the counts.
    GroupCounts(const GroupData& groups, const FidelitySettings& settings);

    // AC_partial_fidelity: clears the counts before a species is counted.
    void AC_partial_fidelity();

    // AD_partial_fidelity: one occurrence of the species, of the given weight,
    // in a relevé of group g. The totals of the reference sets follow from
    // the group sums when they are first needed.
    void AD_partial_fidelity(int32_t g, double weight = 1) {
        ++count_[g];
        weight_[g] += weight;
        totalsDone_ = false;
    }

    // AE_partial_fidelity: the evaluation inputs for target group g: N and n
    // of g's reference set, Np = size of g, np = weighted sum in g, and the
    // whole counts for the Fisher veto.
    FidelityInputs AE_partial_fidelity(int32_t g) const;

    // Fidelity: the fidelity of the species to group g by the kind in force
    // (under modified fidelity every group is brought to the mean size of its
    // reference set; with the (n-1) adjustment the last group keeps its size).
    FidelityResult Fidelity(int32_t g) const;

    // Occurrence weight of a cover percentage (1 unless fidelity with cover is on).
    double weightOf(int coverPercent) const {
        return settings_.withCover && coverPercent >= 1 ? covirs(settings_.coverTransformation, coverPercent) : 1.0;
    }

    int32_t count(int32_t g) const { return count_[g]; }
    double weight(int32_t g) const { return weight_[g]; }
    const GroupData& groups() const { return groups_; }
    const FidelitySettings& settings() const { return settings_; }

private:
    // Sums the totals of every reference set over its groups: n, the whole
    // count, n2 (every group at the mean size) and n3 (the same with the
    // last group at its own size).
    void sumTotals() const;

    const GroupData& groups_;
    FidelitySettings settings_;
    // Per group: factor Nmean / size(g), and the factor of n3 (1 for the last group).
    std::vector<double> scale_, scaleAdjusted_;
    // Per group.
    std::vector<int32_t> count_;
    std::vector<double> weight_;
    // Per reference set, summed once per species when first needed.
    mutable bool totalsDone_ = false;
    mutable std::vector<double> total_, scaledTotal_, adjustedTotal_;
    mutable std::vector<int64_t> countTotal_;
};

}  // namespace zembu::synoptic
