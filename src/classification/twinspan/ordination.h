#pragma once
// The ordination of one group: its submatrix, the first axis of reciprocal
// averaging (correspondence analysis) with rare columns downweighted, and the
// refinement of that axis by the columns' preferences for its two ends.

#include <vector>

#include "classification/twinspan/engine.h"

namespace zembu::classification::twinspan {

// The rows of one class and the columns occurring in them, renumbered.
struct Group {
    std::vector<int> rows;           // rows of the engine input, increasing
    std::vector<int> start{0};       // local columns of row r: cols[start[r] .. start[r + 1])
    std::vector<int> cols;
    std::vector<int> globalColumn;   // local column -> column of the input, increasing
    std::vector<double> w;           // row weights
    std::vector<double> c;           // base column weights
    std::vector<double> cOrd;        // ordination column weights (rare ones reduced)

    int size() const { return static_cast<int>(rows.size()); }
    int columnCount() const { return static_cast<int>(globalColumn.size()); }
};

// Builds the submatrix of the given rows. localIndex is scratch space with
// one entry per input column, all -1 on entry and on return.
Group buildGroup(const EngineInput& input, const std::vector<int>& rows, std::vector<int>& localIndex);

struct Axis {
    std::vector<double> x;   // row scores
    double eigenvalue = 0.0;
    int iteration = 0;
    bool converged = true;
    double residual = 0.0;
    bool failed = false;     // eigenvalue at or below 1e-5: no axis
};

// First non-trivial axis by a restarted four-step Lanczos iteration.
Axis reciprocalAveraging(const Group& g);

// Weights of the rows on the two sides of a band [lo, hi], summed per column.
struct SideWeights {
    std::vector<double> positive, negative;  // per local column
    double positiveTotal = 0.0, negativeTotal = 0.0;
};

// SIDES: a row's position t in the band, clamped to [-1, 1], makes it
// positive with weight t * w (t > 0) or negative with weight -t * w.
void sides(const Group& g, const std::vector<double>& x, double lo, double hi, SideWeights& out);

// One refinement step: the columns' preferences for the two ends of the axis
// give new row scores.
void polish(const Group& g, std::vector<double>& x, SideWeights& scratch);

// Smallest and largest score.
void extremes(const std::vector<double>& x, double& xmin, double& xmax);

}  // namespace zembu::classification::twinspan
