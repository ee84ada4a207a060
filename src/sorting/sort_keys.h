#pragma once
// Sort keys: one fixed-length text of 50 bytes, or one number, per species
// row or relevé position.
//
// Text keys are compared as unsigned bytes. Most keys count only in their
// first 25 bytes (the significant prefix); keys made of names and header
// values count in all 50, so that two long names differing late do not tie.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::sorting {

inline constexpr size_t KeyLength = 50;
// Bytes of a text key that take part in the comparison by default.
inline constexpr size_t SignificantBytes = 25;

// A text sort key: KeyLength bytes.
using TextKey = std::array<char, KeyLength>;

// The key of a text: padded with blanks or cut to KeyLength bytes.
TextKey makeTextKey(std::string_view text);

// Compares the first `significant` bytes of two keys as unsigned values:
// negative, zero or positive as a sorts before, with or after b.
int compareKeys(const TextKey& a, const TextKey& b, size_t significant = SignificantBytes);

// The seven-bit form of a text: each byte x becomes the two bytes x / 128
// and x % 128, the result cut to KeyLength bytes. Comparing the spread form
// compares the first 25 bytes of the text.
TextKey spreadKey(const TextKey& key);

// Entries of a key (occurrences coded so that the first belongs first):
// the `count` smallest of values, ascending, into out (room for
// MaxKeyEntries); returns how many were written. Cheaper than sorting when
// only the first entries fit into a key.
inline constexpr size_t MaxKeyEntries = 16;
size_t smallestEntries(const std::vector<uint64_t>& values, size_t count, uint64_t* out);

// A key as hexadecimal digits, two per byte ("303030..."), for reports.
std::string hexKey(const TextKey& key);

}  // namespace zembu::sorting
