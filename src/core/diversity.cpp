#include "core/diversity.h"

#include <cmath>

#include "core/index_code.h"
#include "core/table.h"

namespace zembu::core {

namespace {

// The constant the published index uses in place of pi.
constexpr double EvarPi = 3.1415927;

}  // namespace

std::vector<int> countedCovers(const Table& table, int32_t rec) {
    std::vector<int> covers;
    if (rec < 1 || rec > table.ReleveRecordCount) return covers;
    const std::string& cells = table.ReleveData[rec];
    for (int c = 0; c < cellCount(cells); ++c) {
        const int32_t row = table.liveRowOfCell(cells, c);
        if (row == 0 || table.SpeciesInfo[row].name.starts_with("###")) continue;
        const int cover = coverPercent(cellCoverByte(cells, c));
        if (cover > 0) covers.push_back(cover);  // a damaged cover byte is no cover
    }
    return covers;
}

double shannonWiener(const std::vector<int>& covers) {
    double total = 0;
    for (int c : covers) total += c;
    if (total <= 0) return 0;
    double h = 0;
    for (int c : covers)
        if (c > 0) {
            const double p = c / total;
            h -= p * std::log(p);
        }
    return h;
}

double pielouEvenness(const std::vector<int>& covers) {
    return covers.size() > 1 ? shannonWiener(covers) / std::log(static_cast<double>(covers.size())) : 0;
}

double evar(const std::vector<int>& covers) {
    const size_t S = covers.size();
    if (S < 2) return 0;
    double mean = 0;
    for (int c : covers) mean += std::log(static_cast<double>(c));
    mean /= static_cast<double>(S);
    double variance = 0;
    for (int c : covers) {
        const double d = std::log(static_cast<double>(c)) - mean;
        variance += d * d;
    }
    variance /= static_cast<double>(S);
    return 1 - (2 / EvarPi) * std::atan(variance);
}

}  // namespace zembu::core
