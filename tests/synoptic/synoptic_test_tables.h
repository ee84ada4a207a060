#pragma once
// Random tables for the synoptic tests: random covers (some cells with cover
// 0), relevés shown in a shuffled record order, species rows in a shuffled
// record order with some formally deleted, and random separators of levels 1..6.

#include <cstdint>
#include <random>

#include "core/table.h"

namespace zembu::testing {

struct RandomTableShape {
    int releves = 40;
    int species = 12;
    int deleted = 2;           // formally deleted rows among the species
    double presence = 0.3;     // chance of a cell
    double separators = 0.15;  // chance of a separator after a column
};

core::Table randomSynopticTable(std::mt19937_64& random, const RandomTableShape& shape);

}  // namespace zembu::testing
