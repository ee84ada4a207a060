#include "sorting/sort_keys.h"

#include <algorithm>
#include <cstring>

namespace zembu::sorting {

TextKey makeTextKey(std::string_view text) {
    TextKey key;
    key.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), KeyLength), key.begin());
    return key;
}

int compareKeys(const TextKey& a, const TextKey& b, size_t significant) {
    return std::memcmp(a.data(), b.data(), std::min(significant, KeyLength));
}

TextKey spreadKey(const TextKey& key) {
    TextKey spread;
    for (size_t j = 0; j < KeyLength / 2; ++j) {
        const auto x = static_cast<unsigned char>(key[j]);
        spread[2 * j] = static_cast<char>(x / 128);
        spread[2 * j + 1] = static_cast<char>(x % 128);
    }
    return spread;
}

size_t smallestEntries(const std::vector<uint64_t>& values, size_t count, uint64_t* out) {
    count = std::min(count, MaxKeyEntries);
    size_t held = 0;
    for (uint64_t x : values) {
        if (held == count && (count == 0 || x >= out[held - 1])) continue;
        size_t j = held < count ? held++ : held - 1;
        for (; j > 0 && out[j - 1] > x; --j) out[j] = out[j - 1];
        out[j] = x;
    }
    return held;
}

std::string hexKey(const TextKey& key) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * KeyLength);
    for (char c : key) {
        const auto x = static_cast<unsigned char>(c);
        hex += digits[x / 16];
        hex += digits[x % 16];
    }
    return hex;
}

}  // namespace zembu::sorting
