#pragma once
// pravdepodobnost: the member statistics of a Cocktail working group. How
// many relevés hold at least k members (observed), how many would if the
// members occurred independently of each other (expected), their ratio, and
// the minimum number of members m the program proposes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "classification/cocktail_group.h"

namespace zembu::core {
class Interaction;
class Table;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* CannotCalculateMessage = "I can't calculate it!!!";
inline constexpr const char* StatisticsDashedLine = "-------------------------------------------";

struct MemberStatistics {
    // The statistics list: one line per k = 1..t, the dashed line before the
    // first line whose ratio exceeds 1.
    std::vector<std::string> lines;
    // Per member (in list order): the species record found for it (0 when
    // the member is not resolved: its species is not in the table, or the
    // computation stopped before it) and its frequency n_k.
    std::vector<int32_t> records;
    std::vector<int32_t> frequency;
    // O(k) and E(k) for k = 0..t; empty under "Manual setting".
    std::vector<int32_t> observed;
    std::vector<double> expected;
    int32_t releveCount = 0;  // N
    // The automatic m; empty under "Manual setting" or after a stop.
    std::optional<int> automaticM;
    // "I can't calculate it!!!" was shown and the computation stopped.
    bool stopped = false;
};

// E(k), k = 0..t: the chance that a relevé holds at least k of the members
// when member i occurs independently with chance p[i].
std::vector<double> expectedFractions(const std::vector<double>& p);

// The automatic m for t members: half of them rounded up, 2 for two members,
// at least 1.
int automaticMinimum(int members);

// One line of the statistics list: k, ". O/E: ", O and N E rounded and
// right-aligned in 5, " = " and the ratio with two decimals in 6 ("   Max"
// above 999.99; "   ---" when E is 0 and nothing is observed).
std::string statisticsLine(int k, int32_t observed, double expected, int32_t releveCount);

// pravdepodobnost: resolves the members to species rows and, unless the
// group's manual setting is on, computes the statistics lines and sets the
// group's m to the automatic value. currentRow is the table's current species
// row: when it is not a group row and occurs in no relevé, the message is
// shown and nothing is computed; a member whose species occurs in no relevé
// shows it too and stops the computation.
MemberStatistics pravdepodobnost(const core::Table& table, int32_t currentRow, WorkingGroup& group,
                                 core::Interaction& ui);

}  // namespace zembu::classification
