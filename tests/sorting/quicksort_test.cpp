#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "sorting/quicksort.h"
#include "sorting/sort_keys.h"

using namespace zembu::sorting;

namespace {

std::vector<TextKey> textKeys(const std::vector<std::string>& texts) {
    std::vector<TextKey> keys(1);
    for (const auto& text : texts) keys.push_back(makeTextKey(text));
    return keys;
}

std::vector<double> numberKeys(const std::vector<double>& values) {
    std::vector<double> keys(1);
    keys.insert(keys.end(), values.begin(), values.end());
    return keys;
}

std::vector<char> choose(const std::vector<int>& flags) {
    std::vector<char> chosen(1);
    for (int f : flags) chosen.push_back(static_cast<char>(f));
    return chosen;
}

}  // namespace

TEST(SortKeys, BytesCompareUnsignedAndOnlyTheSignificantPrefixCounts) {
    const TextKey high = makeTextKey("\xC8");  // byte 200
    const TextKey low = makeTextKey("2");
    EXPECT_GT(compareKeys(high, low), 0);

    const std::string common(25, 'a');
    const TextKey a = makeTextKey(common + "b");
    const TextKey b = makeTextKey(common + "c");
    EXPECT_EQ(compareKeys(a, b), 0);
    EXPECT_LT(compareKeys(a, b, KeyLength), 0);

    // Padded with blanks, cut to 50.
    EXPECT_EQ(std::string(makeTextKey("ab").data(), 3), "ab ");
    EXPECT_EQ(makeTextKey(std::string(60, 'x'))[49], 'x');
    EXPECT_EQ(hexKey(makeTextKey("0")).substr(0, 4), "3020");
}

TEST(SortKeys, TheSpreadFormComparesTheFirst25Bytes) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        TextKey a = makeTextKey(""), b = makeTextKey("");
        for (size_t j = 0; j < KeyLength; ++j) {
            a[j] = static_cast<char>(rng() % 4 * 60);
            b[j] = rng() % 3 == 0 ? static_cast<char>(rng() % 4 * 60) : a[j];
        }
        const int raw = compareKeys(a, b, SignificantBytes);
        const int spread = compareKeys(spreadKey(a), spreadKey(b), KeyLength);
        EXPECT_EQ(raw < 0, spread < 0);
        EXPECT_EQ(raw > 0, spread > 0);
    }
    EXPECT_EQ(spreadKey(makeTextKey("\xFF"))[0], 1);
    EXPECT_EQ(spreadKey(makeTextKey("\xFF"))[1], 127);
}

TEST(Quicksort, OrdersByKeyInEitherDirection) {
    EXPECT_EQ(sortedOrder(textKeys({"b", "d", "a", "c"}), {}, Direction::Ascending),
              (std::vector<int32_t>{3, 1, 4, 2}));
    EXPECT_EQ(sortedOrder(textKeys({"b", "d", "a", "c"}), {}, Direction::Descending),
              (std::vector<int32_t>{2, 4, 1, 3}));
    EXPECT_EQ(sortedOrder(numberKeys({-1.5, 12, 3, 0}), {}, Direction::Ascending),
              (std::vector<int32_t>{1, 4, 3, 2}));
    EXPECT_TRUE(sortedOrder(numberKeys({}), {}, Direction::Ascending).empty());
    EXPECT_EQ(sortedOrder(numberKeys({5}), {}, Direction::Ascending), (std::vector<int32_t>{1}));
}

TEST(Quicksort, PositionsOfOtherColoursKeepTheirPlaces) {
    // Positions 2 and 4 are not chosen; the others sort among 1, 3, 5.
    const auto order = sortedOrder(numberKeys({1, 99, 3, -99, 2}), choose({1, 0, 1, 0, 1}), Direction::Descending);
    EXPECT_EQ(order, (std::vector<int32_t>{3, 2, 5, 4, 1}));
    // Nothing chosen: nothing moves.
    EXPECT_EQ(sortedOrder(numberKeys({3, 2, 1}), choose({0, 0, 0}), Direction::Ascending),
              (std::vector<int32_t>{1, 2, 3}));
}

// Random keys with many ties and random colour choices: the result is a
// permutation, unchosen positions stay, chosen positions are in key order.
TEST(Quicksort, RandomInputsAgreeWithAReferenceSort) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(rng() % 200);
        const int distinct = 1 + static_cast<int>(rng() % 6);
        std::vector<double> values;
        std::vector<int> flags;
        for (int p = 0; p < n; ++p) {
            values.push_back(static_cast<double>(rng() % distinct));
            flags.push_back(rng() % 3 != 0);
        }
        const Direction direction = round % 2 ? Direction::Ascending : Direction::Descending;
        const auto order = sortedOrder(numberKeys(values), choose(flags), direction);
        ASSERT_EQ(order.size(), static_cast<size_t>(n));

        std::vector<int32_t> sortedPositions(order);
        std::sort(sortedPositions.begin(), sortedPositions.end());
        for (int p = 0; p < n; ++p) ASSERT_EQ(sortedPositions[p], p + 1);

        std::vector<double> expected, got;
        for (int p = 0; p < n; ++p) {
            if (!flags[p]) {
                ASSERT_EQ(order[p], p + 1);
                continue;
            }
            expected.push_back(values[p]);
            got.push_back(values[order[p] - 1]);
        }
        std::sort(expected.begin(), expected.end());
        if (direction == Direction::Descending) std::reverse(expected.begin(), expected.end());
        ASSERT_EQ(got, expected);
    }
}

TEST(Quicksort, LargeRunsOfEqualKeysAndSortedInputsStayFast) {
    // A quadratic partition would take minutes here.
    const int n = 200000;
    std::vector<double> same(n + 1, 1.0), rising(n + 1), falling(n + 1);
    for (int p = 1; p <= n; ++p) {
        rising[p] = p;
        falling[p] = -p;
    }
    EXPECT_EQ(sortedOrder(same, {}, Direction::Descending).size(), static_cast<size_t>(n));
    const auto up = sortedOrder(rising, {}, Direction::Descending);
    EXPECT_EQ(up.front(), n);
    EXPECT_EQ(up.back(), 1);
    EXPECT_EQ(sortedOrder(falling, {}, Direction::Descending).front(), 1);
}

TEST(SortKeys, TheSmallestEntriesComeOutInOrder) {
    std::mt19937 rng(5);
    for (int round = 0; round < 100; ++round) {
        std::vector<uint64_t> values(rng() % 40);
        for (auto& v : values) v = rng() % 20;
        const size_t count = rng() % 14;
        uint64_t out[MaxKeyEntries];
        const size_t held = smallestEntries(values, count, out);
        std::vector<uint64_t> expected(values);
        std::sort(expected.begin(), expected.end());
        expected.resize(std::min(count, values.size()));
        EXPECT_EQ(std::vector<uint64_t>(out, out + held), expected);
    }
}
