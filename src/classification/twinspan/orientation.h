#pragma once
// Which end of a new axis becomes the negative side (code digit 0) and which
// the positive (digit 1): the two halves are compared with the neighbouring
// groups already formed, so that similar groups end up next to each other.

#include <map>
#include <unordered_map>
#include <vector>

#include "classification/twinspan/engine.h"
#include "classification/twinspan/ordination.h"

namespace zembu::classification::twinspan {

// Rows of every class formed so far, by class number (terminal classes included).
using ClassMembers = std::map<int, std::vector<int>>;

class NeighbourComparison {
public:
    explicit NeighbourComparison(const EngineInput& input);

    // True when the axis of class k (> 1), split at crmid, must be reversed:
    // its brother and its uncle are compared with the two sides.
    bool mustReverse(const Group& g, const std::vector<double>& x, double crmid, const ClassMembers& members, int k);

    // How strongly the reference class (with its children and grandchildren)
    // resembles the positive side (> 0) or the negative side (< 0) of the
    // split last prepared by mustReverse; 0 when balanced.
    double score(int reference, const ClassMembers& members);

private:
    // Sums of w_i * c_j per unit over the rows of a class subtree.
    struct ReferenceSums {
        double totalWeight = 0.0;
        std::vector<std::pair<int, double>> units;  // unit, 1e-7 + sum
    };
    const ReferenceSums& referenceSums(int reference, const ClassMembers& members);
    void prepareSides(const Group& g, const std::vector<double>& x, double crmid);

    const EngineInput& in_;
    // The rows of a class subtree never change once the class exists.
    std::unordered_map<int, ReferenceSums> cache_;
    // The current group: sums per unit on each side, and the units compared.
    // Sums per unit start at 1e-7, so that no unit is ever absent.
    std::vector<double> side0_, side1_, reference_;
    std::vector<char> considered_, touched_;
    std::vector<int> units_;
    double t0_ = 0.0, t1_ = 0.0;
};

}  // namespace zembu::classification::twinspan
