#pragma once
// The relevé groups of a synoptic computation: the group of every relevé,
// the group sizes, and the reference sets fidelity is measured against (the
// whole table, or the groups of the next higher separator level).

#include <cstdint>
#include <optional>
#include <vector>

namespace zembu::core {
class Table;
}

namespace zembu::synoptic {

// How separators divide the relevés.
struct GroupingOptions {
    bool hierarchy = false;             // separator hierarchy switch
    int level = 1;                      // current separator level 1..6
    bool higherLevelReference = false;  // measure against the next higher level
};

struct GroupData {
    int32_t releveCount = 0;
    int32_t groupCount = 0;              // K, the group of the last relevé
    std::vector<int32_t> groupOfColumn;  // by column 1..releveCount
    std::vector<int32_t> groupOfRecord;  // by relevé record; 0 for a record no column shows
    std::vector<int32_t> size;           // Np(g), by group 1..K

    // Reference sets: set 1 is the whole table unless higher-level groups
    // are in use; then every group g belongs to set referenceOf[g].
    int32_t referenceCount = 1;
    std::vector<int32_t> referenceOf;    // by group
    std::vector<int32_t> referenceSize;  // relevés, by set
    std::vector<double> meanSize;        // Nmean, by set

    int32_t lastGroup() const { return groupCount; }
};

// nastaveni_promennych_syn_tabulky: group numbers, group sizes and the
// record-to-group lookup, with every group in the one reference set of the
// whole table.
GroupData nastaveni_promennych_syn_tabulky(const core::Table& table, const GroupingOptions& options);

// AA_partial_fidelity: with the hierarchy on and measuring against the next
// higher level, maps each group to the higher-level group (separators of
// level <= level - 1) holding it; otherwise leaves the whole table as the
// only reference set.
void AA_partial_fidelity(GroupData& groups, const core::Table& table, const GroupingOptions& options);

// AB_partial_fidelity: the mean group size Nmean of every reference set. With
// adjustedNMinus1 the last group of the table is left out of the mean (a set
// without other groups gets 0).
void AB_partial_fidelity(GroupData& groups, bool adjustedNMinus1);

// The full preparation: nastaveni_promennych_syn_tabulky, AA and AB.
GroupData prepareGroups(const core::Table& table, const GroupingOptions& options, bool adjustedNMinus1);

// test_velikosti_Np: the proposed standard group size in percent, the mean
// size of the first K - 1 groups: 100 (N - size of the last group) / N / (K - 1).
// Nothing with fewer than two groups.
std::optional<double> test_velikosti_Np(const GroupData& groups);

}  // namespace zembu::synoptic
