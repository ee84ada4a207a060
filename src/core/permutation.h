#pragma once
// Reordering 1-based arrays: new position j takes what stood at order[j - 1].
// The block moves and the sorts move every per-row or per-column array of the
// table this way.

#include <cstdint>
#include <utility>
#include <vector>

namespace zembu::core {

// values[1..n] become the old values[order[0]], ..., values[order[n - 1]]
// (n = order.size()); entry 0 and entries after n stay.
template <typename T>
void permuteFromOne(std::vector<T>& values, const std::vector<int32_t>& order) {
    std::vector<T> moved(order.size());
    for (size_t j = 0; j < order.size(); ++j) moved[j] = std::move(values[static_cast<size_t>(order[j])]);
    for (size_t j = 0; j < order.size(); ++j) values[j + 1] = std::move(moved[j]);
}

// True when an order leaves every position where it is.
inline bool isIdentityOrder(const std::vector<int32_t>& order) {
    for (size_t j = 0; j < order.size(); ++j)
        if (order[j] != static_cast<int32_t>(j + 1)) return false;
    return true;
}

}  // namespace zembu::core
