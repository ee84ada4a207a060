#include "sorting/sort_outcome.h"

#include <charconv>

namespace zembu::sorting {

namespace {

// values[p] = old values[order[p - 1]] for p = 1..order.size().
template <typename T>
std::vector<T> inNewOrder(const std::vector<T>& values, const std::vector<int32_t>& order) {
    if (values.empty()) return values;
    std::vector<T> moved(values);
    for (size_t j = 0; j < order.size(); ++j) moved[j + 1] = values[static_cast<size_t>(order[j])];
    return moved;
}

template <typename Key>
SortOutcome outcome(std::vector<Key> keys, std::vector<char> chosen, const std::vector<int32_t>& order,
                    std::vector<Key> SortOutcome::*field) {
    SortOutcome result;
    result.sorted = true;
    result.*field = inNewOrder(keys, order);
    result.chosen = inNewOrder(chosen, order);
    return result;
}

}  // namespace

std::string SortOutcome::keyText(int32_t position) const {
    const auto p = static_cast<size_t>(position);
    if (p < textKeys.size()) return hexKey(textKeys[p]);
    if (p < numberKeys.size()) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, numberKeys[p]).ptr;
        return std::string(buffer, end);
    }
    return {};
}

SortOutcome outcomeOf(std::vector<TextKey> keys, std::vector<char> chosen, const std::vector<int32_t>& order) {
    return outcome(std::move(keys), std::move(chosen), order, &SortOutcome::textKeys);
}

SortOutcome outcomeOf(std::vector<double> keys, std::vector<char> chosen, const std::vector<int32_t>& order) {
    return outcome(std::move(keys), std::move(chosen), order, &SortOutcome::numberKeys);
}

}  // namespace zembu::sorting
