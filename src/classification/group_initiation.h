#pragma once
// Initiation of groups (Form30): a list of starting species grows by the
// species most faithful to each member, until every member, those added on
// the way included, has been processed.

#include <cstdint>
#include <optional>
#include <vector>

#include "classification/cocktail_group.h"
#include "synoptic/fidelity_settings.h"

namespace zembu::core {
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

// Relevés a species must be present in, and absent from, before its
// co-occurring species are ranked.
inline constexpr int32_t MinimumInitiationReleves = 5;

// autozavislosti: the fidelity (measure of the settings, kind 0) of every
// live species row to the relevés holding the species row memberRow, by row
// (index 0 unused); empty unless at least 5 relevés hold the member and at
// least 5 lack it. A row with n = 0 or n (Np / N) ((N - Np) / N) <= 0, or
// whose measure is undefined, gets 0.
std::optional<std::vector<double>> autozavislosti(const core::Table& table,
                                                  const synoptic::FidelitySettings& settings, int32_t memberRow);

// Form30.Command5_Click ("RUN the analysis"): for each member in turn (those
// appended during the run included) its row becomes the current row, the
// species rows are ranked by autozavislosti, highest first (table order among
// equals), and each of the first k + 1 rows whose species number is not yet
// a member is appended. A member whose fidelities are not computed, or whose
// species is not in the table, adds nothing. Returns the number appended.
int runGroupInitiation(core::Workspace& ws, const synoptic::FidelitySettings& settings,
                       std::vector<GroupMember>& members, int k);

}  // namespace zembu::classification
