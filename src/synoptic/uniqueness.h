#pragma once
// Uniqueness of a relevé group (sharpness): how much of the group's fidelity
// profile no other group shares.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "synoptic/synoptic_settings.h"

namespace zembu::core {
class Table;
}

namespace zembu::synoptic {

struct UniquenessResult {
    int32_t group = 0;                              // the chosen group h
    int32_t groupCount = 0;                         // K
    std::optional<double> uniqueness;               // U; none for "Undef."
    std::vector<std::optional<double>> similarity;  // ASI of groups 1..K (index g - 1); none for "undef."
    std::vector<double> speciesAverage;             // occurrences per relevé of groups 1..K
    std::vector<std::string> lines;                 // the list the dialog shows
};

// sharpness: for chosen group h (1..K) and fidelity cut level t, with
// F'(s, g) = Fidelity(s, g) where it reaches t, else 0, over the live species
// rows: S(h, g) = sum F'(s, h) F'(s, g); the asymmetric similarity index
// ASI(g) = 100 S(h, g) / S(h, h); the uniqueness U = 1 / sum over g of
// S(h, g) / S(h, h); and each group's species average. A group h outside
// 1..K gives a result without lines.
UniquenessResult sharpness(const core::Table& table, const SynopticSettings& settings, int32_t h, double cut);

}  // namespace zembu::synoptic
