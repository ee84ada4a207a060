#pragma once
// The final steps of a division: zones along the refined axis, the indicator
// pseudospecies and the indicator score threshold, and the assignment of the
// rows to the negative and positive group.

#include <array>
#include <cstdint>
#include <vector>

#include "classification/twinspan/engine.h"
#include "classification/twinspan/ordination.h"

namespace zembu::classification::twinspan {

// The refined axis with its extremes and its central 20 % ("critical" band).
struct AxisFrame {
    double xmin = 0, xmax = 0;
    double crmin = 0, crmid = 0, crmax = 0;

    static AxisFrame of(const std::vector<double>& x);
    // x := -x with the frame mirrored.
    void reverse(std::vector<double>& x);
};

// Zones 1..16: 4 below the band, 8 inside, 4 above.
int zoneOf(double x, const AxisFrame& f);

// An indicator candidate: local column of the group and its sign.
struct LocalIndicator {
    int column = 0;
    int sign = 1;
};

// Picks up to maxIndicators indicator pseudospecies: the columns that
// separate the two ends best, one level per species, |d| >= 0.1.
std::vector<LocalIndicator> chooseIndicators(const EngineInput& input, const Group& g, const std::vector<double>& x,
                                             const AxisFrame& f, SideWeights& scratch);

// Outcome of the threshold search.
struct Threshold {
    int indicatorCount = 0;   // indicators used (the first ones of the list)
    int zone = 12;            // IZD: zones above are positive whatever the score
    int score = 1;            // ISD: shifted scores up to it count as negative
    int shift = 1;            // 1 + number of negative indicators used
};

// Per row: bit m is set when the row holds indicator m (at most 16).
std::vector<uint16_t> indicatorMasks(const Group& g, const std::vector<LocalIndicator>& indicators);

// Indicator score of every row with the first k indicators, shifted to 1..k+1.
std::vector<int> shiftedScores(const std::vector<uint16_t>& masks, const std::vector<LocalIndicator>& indicators, int k,
                               int& shift);

// Searches the number of indicators, the zone limit and the score limit that
// misclassify the fewest rows of the outer zones.
Threshold searchThreshold(const std::vector<uint16_t>& masks, const std::vector<LocalIndicator>& indicators,
                          const std::vector<int>& zones);

}  // namespace zembu::classification::twinspan
