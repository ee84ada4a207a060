#include "synoptic/cover_statistics.h"

#include <cmath>

#include "core/text.h"

namespace zembu::synoptic {

double medianCover(const int32_t* hist) {
    const int32_t m = hist[0];
    if (m % 2 == 1) {
        const int32_t t = m / 2 + 1;
        int32_t sum = 0;
        for (int p = 1; p < HistogramSize; ++p) {
            sum += hist[p];
            if (sum >= t) return p;
        }
        return 0;
    }
    // Even: the lower middle is where the running sum meets m / 2 exactly, the
    // upper middle where it first passes it.
    const int32_t h = m / 2;
    int32_t sum = 0;
    int lower = 0;
    for (int p = 1; p < HistogramSize; ++p) {
        if (hist[p] == 0) continue;
        sum += hist[p];
        if (sum == h) lower = p;
        if (sum > h) return lower == 0 ? p : (lower + p) / 2.0;
    }
    return 0;
}

int modusCover(const int32_t* hist) {
    int best = 0;
    int32_t most = 0;
    for (int p = 1; p < HistogramSize; ++p) {
        if (hist[p] > most) {
            most = hist[p];
            best = p;
        }
    }
    return best;
}

double cuchal(int32_t count, int32_t size, double a) {
    static constexpr int values[4][6] = {
        {27, 21, 15, 9, 3, 1},
        {67, 52, 37, 22, 8, 2},
        {112, 87, 62, 37, 13, 4},
        {157, 122, 87, 58, 18, 6},
    };
    static constexpr double limits[6] = {75, 50, 25, 4, 2, 1};
    const int k = static_cast<int>(std::floor((static_cast<double>(count) / size - 0.0001) * 5));
    if (k <= 0) return a > 0 ? 0.1 : 0;
    const int row = k > 4 ? 3 : k - 1;
    for (int c = 0; c < 6; ++c)
        if (a > limits[c]) return values[row][c];
    return 0;
}

ZlatnikScale zlatnikScale() {
    // A mean cover inside each abundance class and a frequency inside each
    // constancy class (of ten relevés), put through cuchal itself.
    static constexpr double covers[6] = {1.5, 3, 10, 30, 60, 80};
    static constexpr int32_t counts[5] = {1, 3, 5, 7, 9};
    ZlatnikScale scale;
    for (int a = 0; a < 6; ++a)
        for (int c = 0; c < 5; ++c)
            scale.values[a][c] = c == 0 ? "." : std::to_string(static_cast<int64_t>(cuchal(counts[c], 10, covers[a])));
    return scale;
}

double barkmanCover(int64_t sumCover, int32_t size) {
    const double x = static_cast<double>(sumCover) / size;
    return static_cast<double>(core::roundHalfEven(10 * x)) / 10;
}

std::optional<double> headWeightedCover(double weightedSum, double headSum) {
    if (headSum == 0) return std::nullopt;
    return static_cast<double>(core::roundHalfEven(10 * weightedSum / headSum)) / 10;
}

}  // namespace zembu::synoptic
