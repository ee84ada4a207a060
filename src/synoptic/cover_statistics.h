#pragma once
// Cover statistics of one species in one relevé group: median, modus,
// Zlatník's combined value and Barkman's total cover value. Histograms hold
// hist[p] = occurrences with cover percentage p (1..100) and hist[0] = all
// occurrences with a cover of at least 1 %.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zembu::synoptic {

inline constexpr int HistogramSize = 101;

// Median of the cover percentages, for hist[0] >= 1. With an even number of
// values it is the mean of the two middle percentages, so it may end in .5.
double medianCover(const int32_t* hist);

// Modus: the percentage with the most occurrences, the smallest on ties;
// 0 when no percentage 1..100 occurs.
int modusCover(const int32_t* hist);

// cuchal: Zlatník's combined value of constancy class and mean cover: the
// class k = Int((count / size - 0.0001) * 5), the value from the table of
// classes II to V against abundance classes (mean cover above 75, 50, 25, 4,
// 2, 1); class I gives 0.1 for a positive mean cover, else 0.
double cuchal(int32_t count, int32_t size, double meanCover);

// Zlatník's scale as Form37 shows it: rows for the abundance classes "+",
// "1" .. "5" (mean cover above 1, 2, 4, 25, 50 and 75 %), columns for the
// constancy classes I .. V; each text is cuchal's whole value, "." in class I.
struct ZlatnikScale {
    std::array<const char*, 6> abundance{"+", "1", "2", "3", "4", "5"};
    std::array<const char*, 5> constancy{"I", "II", "III", "IV", "V"};
    std::array<std::array<std::string, 5>, 6> values;
};
ZlatnikScale zlatnikScale();

// Barkman's total cover value: sum of cover / group size, rounded to one
// decimal (half to even).
double barkmanCover(int64_t sumCover, int32_t size);

// The short-head-weighted mean cover of a group: the sum over its relevés of
// cover x short-head value (absent species counting 0) / hsum, the sum of the
// short-head values of the group's relevés; rounded to one decimal (half to
// even). Nothing when hsum is 0.
std::optional<double> headWeightedCover(double weightedSum, double headSum);

}  // namespace zembu::synoptic
