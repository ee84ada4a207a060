#include "view/block_moves.h"

#include <algorithm>

#include "core/permutation.h"
#include "core/releve_groups.h"

namespace zembu::view {

std::vector<int32_t> leftMoveOrder(const std::vector<int>& colours, int colour) {
    const int32_t n = static_cast<int32_t>(colours.size());
    std::vector<int32_t> order;
    order.reserve(n);
    const auto first = std::find(colours.begin(), colours.end(), colour);
    const int32_t p = first == colours.end() ? n : static_cast<int32_t>(first - colours.begin()) + 1;
    for (int32_t j = 1; j <= p; ++j) order.push_back(j);
    for (int32_t j = p + 1; j <= n; ++j)
        if (colours[j - 1] == colour) order.push_back(j);
    for (int32_t j = p + 1; j <= n; ++j)
        if (colours[j - 1] != colour) order.push_back(j);
    return order;
}

std::vector<int32_t> rightMoveOrder(const std::vector<int>& colours, int colour) {
    const int32_t n = static_cast<int32_t>(colours.size());
    std::vector<int32_t> order;
    order.reserve(n);
    const auto last = std::find(colours.rbegin(), colours.rend(), colour);
    const int32_t q = last == colours.rend() ? 0 : static_cast<int32_t>(colours.rend() - last);
    for (int32_t j = 1; j <= q; ++j)
        if (colours[j - 1] != colour) order.push_back(j);
    for (int32_t j = 1; j <= q; ++j)
        if (colours[j - 1] == colour) order.push_back(j);
    for (int32_t j = q + 1; j <= n; ++j) order.push_back(j);
    return order;
}

void reorderColumns(core::Table& t, const std::vector<int32_t>& order) {
    if (core::isIdentityOrder(order)) return;
    core::permuteFromOne(t.ReleveOrder, order);
    core::permuteFromOne(t.ReleveColour, order);
    core::permuteFromOne(t.SeparatorAfter, order);
}

void reorderRows(core::Table& t, const std::vector<int32_t>& order, bool carrySeparators) {
    if (core::isIdentityOrder(order)) return;
    core::permuteFromOne(t.SpeciesInfo, order);
    core::permuteFromOne(t.SpeciesColour, order);
    core::permuteFromOne(t.SpeciesLayerLabel, order);
    core::permuteFromOne(t.SpeciesFrequency, order);
    core::permuteFromOne(t.SpeciesLayer, order);
    if (carrySeparators) core::permuteFromOne(t.SpeciesSeparatorAfter, order);
    for (int32_t i = 1; i <= static_cast<int32_t>(order.size()); ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (s >= 1 && s <= t.MaxSpecies) t.SpeciesRowOfRecord[s] = i;
    }
}

namespace {

std::vector<int> columnColours(const core::Table& t, int32_t from, int32_t to) {
    std::vector<int> colours;
    colours.reserve(std::max(0, to - from + 1));
    for (int32_t k = from; k <= to; ++k) colours.push_back(t.ReleveColour[k].number);
    return colours;
}

std::vector<int> rowColours(const core::Table& t) {
    std::vector<int> colours;
    colours.reserve(t.SpeciesCount);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) colours.push_back(t.SpeciesColour[i].number);
    return colours;
}

bool hasColour(const std::vector<int>& colours, int colour) {
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

// Applies a move to every group of columns; offsets the group's order.
template <typename MoveOrder>
void moveWithinGroups(core::Table& t, int colour, bool hierarchy, int level, MoveOrder moveOrder) {
    std::vector<int32_t> order;
    order.reserve(t.ReleveCount);
    for (const auto& [from, to] : core::groupRanges(t, hierarchy, level)) {
        for (int32_t j : moveOrder(columnColours(t, from, to), colour)) order.push_back(from + j - 1);
    }
    reorderColumns(t, order);
}

}  // namespace

bool posunsnimkuvlevo(core::Table& t, int colour) {
    t.zalozbarvy();
    const auto colours = columnColours(t, 1, t.ReleveCount);
    if (!hasColour(colours, colour)) return false;
    reorderColumns(t, leftMoveOrder(colours, colour));
    return true;
}

bool posunsnimkuvpravo(core::Table& t, int colour) {
    t.zalozbarvy();
    const auto colours = columnColours(t, 1, t.ReleveCount);
    if (!hasColour(colours, colour)) return false;
    reorderColumns(t, rightMoveOrder(colours, colour));
    return true;
}

void posunsnimkuvlevoskup(core::Table& t, int colour, bool hierarchy, int level) {
    t.zalozbarvy();
    moveWithinGroups(t, colour, hierarchy, level, leftMoveOrder);
}

void posunsnimkuvpravoskup(core::Table& t, int colour, bool hierarchy, int level) {
    t.zalozbarvy();
    moveWithinGroups(t, colour, hierarchy, level, rightMoveOrder);
}

bool presundruhunahoru(core::Table& t, int colour) {
    const auto colours = rowColours(t);
    if (!hasColour(colours, colour)) return false;
    reorderRows(t, leftMoveOrder(colours, colour), false);
    return true;
}

bool presundruhudolu(core::Table& t, int colour) {
    const auto colours = rowColours(t);
    if (!hasColour(colours, colour)) return false;
    reorderRows(t, rightMoveOrder(colours, colour), false);
    return true;
}

void presundruhu(core::Table& t, int32_t from, int32_t to) {
    const int32_t n = t.SpeciesCount;
    if (from < 1 || from > n || to < 1 || to > n || from == to) return;
    std::vector<int32_t> order;
    order.reserve(n);
    for (int32_t j = 1; j <= n; ++j)
        if (j != from) order.push_back(j);
    order.insert(order.begin() + (to - 1), from);
    reorderRows(t, order, true);
}

void moveReleveToEnd(core::Table& t, int32_t column) {
    const int32_t n = t.ReleveCount;
    if (column < 1 || column >= n) return;
    std::vector<int32_t> order;
    order.reserve(n);
    for (int32_t j = 1; j <= n; ++j)
        if (j != column) order.push_back(j);
    order.push_back(column);
    reorderColumns(t, order);
}

}  // namespace zembu::view
