#pragma once
// The dichotomy engine shared by the sample and the species classification:
// it divides groups of rows (samples or species) into a negative and a
// positive half, level by level, by the first axis of a reciprocal averaging
// ordination refined by the rows' preferences, and for samples by indicator
// pseudospecies.
//
// Classes are numbered like a binary heap: all rows start in class 1, class k
// splits into 2k (negative, code digit 0) and 2k + 1 (positive, digit 1).

#include <cstddef>
#include <vector>

namespace zembu::classification::twinspan {

struct EngineInput {
    // Columns of row i: columns[rowStart[i] .. rowStart[i + 1]).
    std::vector<int> rowStart{0};
    std::vector<int> columns;
    std::vector<double> rowWeight;
    std::vector<double> columnWeight;    // base weight of each column
    std::vector<int> columnUnit;         // species a column belongs to
    std::vector<bool> columnMarksUnit;   // its presence brings its unit into the side comparison
    std::vector<bool> columnIndicator;   // may serve as an indicator
    int unitCount = 0;
    int maxIndicators = 0;
    int minGroupSize = 5;
    int maxLevel = 6;

    int rowCount() const { return static_cast<int>(rowWeight.size()); }
    int columnCount() const { return static_cast<int>(columnWeight.size()); }
};

struct Indicator {
    int column = 0;   // column of the engine input
    int sign = 1;     // +1 points to the positive group, -1 to the negative
};

enum class DivisionOutcome {
    Divided,
    TooFewItems,   // fewer rows than the minimum group size
    NoEigenvalue,  // the ordination found no axis (eigenvalue too small)
    OneSided,      // every row fell on one side
};

struct Division {
    int classNumber = 1;
    int itemCount = 0;
    DivisionOutcome outcome = DivisionOutcome::Divided;
    double eigenvalue = 0.0;
    int iteration = 0;        // restarts of the eigenvector iteration
    bool converged = true;    // false: the iteration stopped at its cap
    double residual = 0.0;
    std::vector<Indicator> indicators;  // empty without indicators
    int maxNegativeScore = 0;  // indicator score limit of the negative group
    std::vector<int> negative, positive;  // rows, increasing
    std::vector<int> borderlineNegative, borderlinePositive;
    std::vector<int> misclassifiedNegative, misclassifiedPositive;
    int endsLevel = 0;  // the level this division completes, 0 = none
};

struct EngineResult {
    std::vector<int> rowClass;  // final class of every row, 0 for empty rows
    std::vector<Division> divisions;  // in the order they were made
};

// Classifies the rows. Rows without columns stay in class 0.
EngineResult classifyRows(const EngineInput& input);

}  // namespace zembu::classification::twinspan
