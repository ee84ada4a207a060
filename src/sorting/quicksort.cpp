#include "sorting/quicksort.h"

#include <utility>

namespace zembu::sorting {

namespace {

// A key travelling with the position it came from; the keys are kept side by
// side so the partition scans read memory in order.
template <typename Key>
struct Entry {
    Key key;
    int32_t position;
};

// Quicksort with an explicit stack. before(a, b) is true when key a belongs
// in front of key b; equal keys stop both scans, so runs of equal keys split
// evenly instead of degrading the sort.
template <typename Key, typename Before>
void quicksort(std::vector<Entry<Key>>& a, Before before) {
    if (a.size() < 2) return;
    std::vector<std::pair<int64_t, int64_t>> stack;
    stack.emplace_back(0, static_cast<int64_t>(a.size()) - 1);
    while (!stack.empty()) {
        auto [lo, hi] = stack.back();
        stack.pop_back();
        while (lo < hi) {
            const Key pivot = a[static_cast<size_t>(lo + (hi - lo) / 2)].key;
            int64_t i = lo;
            int64_t j = hi;
            while (i <= j) {
                while (before(a[static_cast<size_t>(i)].key, pivot)) ++i;
                while (before(pivot, a[static_cast<size_t>(j)].key)) --j;
                if (i <= j) {
                    std::swap(a[static_cast<size_t>(i)], a[static_cast<size_t>(j)]);
                    ++i;
                    --j;
                }
            }
            // Keep the larger part for later and go on with the smaller one.
            if (j - lo < hi - i) {
                if (i < hi) stack.emplace_back(i, hi);
                hi = j;
            } else {
                if (lo < j) stack.emplace_back(lo, j);
                lo = i;
            }
        }
    }
}

template <typename Key, typename Before>
std::vector<int32_t> orderBy(const std::vector<Key>& keys, const std::vector<char>& chosen, Before before) {
    const int32_t n = keys.empty() ? 0 : static_cast<int32_t>(keys.size()) - 1;
    std::vector<int32_t> order(static_cast<size_t>(n));
    for (int32_t p = 1; p <= n; ++p) order[static_cast<size_t>(p - 1)] = p;

    std::vector<Entry<Key>> entries;
    std::vector<int32_t> places;
    for (int32_t p = 1; p <= n; ++p) {
        if (!chosen.empty() && (static_cast<size_t>(p) >= chosen.size() || !chosen[static_cast<size_t>(p)])) continue;
        entries.push_back({keys[static_cast<size_t>(p)], p});
        places.push_back(p);
    }
    quicksort(entries, before);
    for (size_t j = 0; j < places.size(); ++j) order[static_cast<size_t>(places[j] - 1)] = entries[j].position;
    return order;
}

}  // namespace

std::vector<int32_t> sortedOrder(const std::vector<TextKey>& keys, const std::vector<char>& chosen,
                                 Direction direction, size_t significant) {
    if (direction == Direction::Descending)
        return orderBy(keys, chosen,
                       [significant](const TextKey& a, const TextKey& b) { return compareKeys(a, b, significant) > 0; });
    return orderBy(keys, chosen,
                   [significant](const TextKey& a, const TextKey& b) { return compareKeys(a, b, significant) < 0; });
}

std::vector<int32_t> sortedOrder(const std::vector<double>& keys, const std::vector<char>& chosen,
                                 Direction direction) {
    if (direction == Direction::Descending)
        return orderBy(keys, chosen, [](double a, double b) { return a > b; });
    return orderBy(keys, chosen, [](double a, double b) { return a < b; });
}

}  // namespace zembu::sorting
