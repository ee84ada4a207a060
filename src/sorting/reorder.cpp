#include "sorting/reorder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/permutation.h"

namespace zembu::sorting {

namespace {

void checkKeyCount(size_t keys, int32_t positions, const char* what) {
    if (keys != static_cast<size_t>(positions) + 1)
        throw std::invalid_argument(std::string("sort keys do not match the ") + what + ": " + std::to_string(keys) +
                                    " keys for " + std::to_string(positions) + " positions");
}

template <typename Keys, typename... Significant>
std::vector<int32_t> sortRows(core::Table& t, const Keys& keys, int colour, Direction direction,
                              Significant... significant) {
    checkKeyCount(keys.size(), t.SpeciesCount, "species rows");
    const std::vector<char> chosen = colour == core::AllColours ? std::vector<char>{} : speciesRowsOfColour(t, colour);
    std::vector<int32_t> order = sortedOrder(keys, chosen, direction, significant...);
    reorderSpeciesRows(t, order);
    return order;
}

template <typename Keys, typename... Significant>
std::vector<int32_t> sortColumns(core::Table& t, const Keys& keys, int colour, Direction direction,
                                 Significant... significant) {
    checkKeyCount(keys.size(), t.ReleveCount, "relevé positions");
    const std::vector<char> chosen = colour == core::AllColours ? std::vector<char>{} : relevePositionsOfColour(t, colour);
    std::vector<int32_t> order = sortedOrder(keys, chosen, direction, significant...);
    reorderRelevePositions(t, order);
    return order;
}

}  // namespace

std::vector<char> speciesRowsOfColour(const core::Table& t, int colour) {
    std::vector<char> chosen(static_cast<size_t>(t.SpeciesCount) + 1, 0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        chosen[static_cast<size_t>(i)] = colour == core::AllColours || t.SpeciesColour[i].number == colour;
    return chosen;
}

std::vector<char> relevePositionsOfColour(const core::Table& t, int colour) {
    std::vector<char> chosen(static_cast<size_t>(t.ReleveCount) + 1, 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        chosen[static_cast<size_t>(k)] = colour == core::AllColours || t.ReleveColour[k].number == colour;
    return chosen;
}

std::vector<int32_t> columnsOfRecords(const core::Table& t) {
    const int32_t highest = std::min(std::max(t.ReleveRecordCount, t.ReleveCount), t.MaxReleves);
    std::vector<int32_t> columns(static_cast<size_t>(highest) + 1, 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec >= 1 && rec <= highest) columns[static_cast<size_t>(rec)] = k;
    }
    return columns;
}

bool anyChosen(const std::vector<char>& chosen) {
    return std::any_of(chosen.begin() + std::min<ptrdiff_t>(1, static_cast<ptrdiff_t>(chosen.size())), chosen.end(),
                       [](char c) { return c != 0; });
}

void reorderSpeciesRows(core::Table& t, const std::vector<int32_t>& order) {
    if (core::isIdentityOrder(order)) return;
    core::permuteFromOne(t.SpeciesInfo, order);
    core::permuteFromOne(t.SpeciesLayer, order);
    core::permuteFromOne(t.SpeciesLayerLabel, order);
    core::permuteFromOne(t.SpeciesColour, order);
    core::permuteFromOne(t.SpeciesSeparatorAfter, order);
    core::permuteFromOne(t.SpeciesFrequency, order);
    t.rebuildRowOfRecord();
}

void reorderRelevePositions(core::Table& t, const std::vector<int32_t>& order) {
    if (core::isIdentityOrder(order)) return;
    core::permuteFromOne(t.ReleveOrder, order);
    core::permuteFromOne(t.ReleveColour, order);
    t.fillColumnOfRecord();
}

std::vector<int32_t> sortSpeciesRows(core::Table& t, const std::vector<TextKey>& keys, int colour,
                                     Direction direction, size_t significant) {
    return sortRows(t, keys, colour, direction, significant);
}

std::vector<int32_t> sortSpeciesRows(core::Table& t, const std::vector<double>& keys, int colour,
                                     Direction direction) {
    return sortRows(t, keys, colour, direction);
}

std::vector<int32_t> sortRelevePositions(core::Table& t, const std::vector<TextKey>& keys, int colour,
                                         Direction direction, size_t significant) {
    return sortColumns(t, keys, colour, direction, significant);
}

std::vector<int32_t> sortRelevePositions(core::Table& t, const std::vector<double>& keys, int colour,
                                         Direction direction) {
    return sortColumns(t, keys, colour, direction);
}

}  // namespace zembu::sorting
