#pragma once
// The quicksort every sort of the table uses: positions 1..n (species rows
// or relevé columns) ordered by one key each, optionally only the positions
// of one colour.
//
// The chosen positions are sorted among the places they already occupy;
// every other position keeps what it holds. The sort runs with an explicit
// stack (pivot at the middle of a range, the smaller part first, so the stack
// stays short on any input) and is not stable: positions with equal keys may
// change their relative order.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/permutation.h"
#include "sorting/sort_keys.h"

namespace zembu::sorting {

enum class Direction {
    Ascending,   // smallest key first
    Descending,  // largest key first
};

// The order of positions 1..n after sorting the chosen ones by their keys:
// result[p - 1] is the position whose row or column comes to position p
// (p itself for a position not chosen).
//
// keys[p] is the key of position p (keys[0] is not used, n = keys.size() - 1);
// chosen[p] != 0 marks the positions taking part (an empty vector chooses
// all). Text keys compare in their first `significant` bytes.
std::vector<int32_t> sortedOrder(const std::vector<TextKey>& keys, const std::vector<char>& chosen,
                                 Direction direction, size_t significant = SignificantBytes);
std::vector<int32_t> sortedOrder(const std::vector<double>& keys, const std::vector<char>& chosen,
                                 Direction direction);

// True when an order leaves every position where it is.
inline bool isIdentity(const std::vector<int32_t>& order) { return core::isIdentityOrder(order); }

}  // namespace zembu::sorting
