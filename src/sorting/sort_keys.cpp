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
