#pragma once
// The synoptic table: for every species row one cell per relevé group.
//
// Each species row is computed in one pass over its occurrences (its species
// data string) and one pass over the groups; the per-group arrays are sized
// once per table, so no allocation happens per occurrence.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "synoptic/cover_statistics.h"
#include "synoptic/group_counts.h"
#include "synoptic/group_data.h"
#include "synoptic/synoptic_cells.h"
#include "synoptic/synoptic_settings.h"

namespace zembu::core {
class Table;
class Interaction;
}

namespace zembu::synoptic {

// Computes the cells of one species row after another for one view.
class SynopticCalculator {
public:
    // type: 1..11, or CombinedTable (with settings.combinedForm). The table
    // must outlive the calculator.
    SynopticCalculator(const core::Table& table, const SynopticSettings& settings, int type);

    const GroupData& groups() const { return groups_; }
    int groupCount() const { return groups_.groupCount; }
    int type() const { return type_; }

    // The cells of species row i, one per group (index 0 is group 1).
    void computeRow(int32_t row, std::vector<SynopticCell>& cells);

    // Counts species row i without making its cells; statistics and
    // fidelity then describe it.
    void countRow(int32_t row);

    // The statistics of the last counted row in group g (1..K); the cover
    // statistics only in the views that show cover.
    GroupStatistics statistics(int32_t g) const;

    // The fidelity of the last computed row to group g (1..K), whatever the view.
    std::optional<double> fidelity(int32_t g) const { return counts_.Fidelity(g).value; }

private:
    template <bool Weighted, bool Covers>
    void countCells(const std::string& cells);

    const core::Table& table_;
    SynopticSettings settings_;
    int type_;
    bool needsFidelity_;
    bool needsCovers_;
    bool needsHistogram_;
    bool needsHeads_;
    GroupData groups_;
    GroupCounts counts_;
    // Per group.
    std::vector<int> maxCover_, minCover_;
    std::vector<int64_t> sumCover_;
    std::vector<int32_t> coverCount_;
    std::vector<int32_t> histogram_;  // HistogramSize entries per group
    // Short-head weights (type 11): the head value of every relevé record,
    // their sums per group, and per group the covers weighted by them.
    std::vector<double> headOfRecord_, headSum_, headWeighted_;
};

struct SynopticRow {
    int32_t row = 0;
    std::vector<SynopticCell> cells;  // one per group
};

struct SynopticTable {
    int type = 0;
    int form = 0;  // combined table only
    std::string title;
    GroupData groups;
    std::vector<SynopticRow> rows;  // the live species rows, top to bottom
};

// The synoptic table of every live species row. Progress goes one step per
// row when an interaction is given.
SynopticTable computeSynopticTable(const core::Table& table, const SynopticSettings& settings, int type,
                                   core::Interaction* ui = nullptr);

// Title of a one-value synoptic view (types 1..11), with K groups.
std::string synopticTitle(int type, const FidelitySettings& fidelity, int groupCount);

// Title of the combined table in form 1..6, with K groups.
std::string combinedTitle(int form, const FidelitySettings& fidelity, int groupCount);

// Menu caption of a synoptic type ("&Percentage Constancy", ...).
std::string_view synopticCaption(int type);

}  // namespace zembu::synoptic
