#pragma once
// What a sort command reports back: whether it sorted, and the keys in the
// table's new order, so that scripts can see why the rows stand as they do.

#include <cstdint>
#include <string>
#include <vector>

#include "sorting/sort_keys.h"

namespace zembu::sorting {

struct SortOutcome {
    bool sorted = false;  // false when the command refused or had nothing to sort
    // The key of each position after the sort (index 0 unused): text keys or
    // number keys, whichever the command uses.
    std::vector<TextKey> textKeys;
    std::vector<double> numberKeys;
    // Positions that took part in the sort, after it (index 0 unused).
    std::vector<char> chosen;

    // The key of position p as text: hexadecimal digits for a text key, the
    // number in its shortest exact form for a number key.
    std::string keyText(int32_t position) const;
};

// The outcome of a sort by text keys / number keys: keys and choice carried
// into the order applied (order[p - 1] = the position that came to p).
SortOutcome outcomeOf(std::vector<TextKey> keys, std::vector<char> chosen, const std::vector<int32_t>& order);
SortOutcome outcomeOf(std::vector<double> keys, std::vector<char> chosen, const std::vector<int32_t>& order);

}  // namespace zembu::sorting
