#pragma once
// Variants as the table file stores them: a 16-bit type code followed by the
// value in that type's form.
//
// Strings (type code 8) carry a 16-bit count and that many bytes. A string of
// 65,535 bytes or more (a species found in more than 16,383 relevés has a
// longer cell string) is written with the count 65,535 (0xFFFF) followed by
// its length as a 32-bit signed integer and then the bytes. No earlier file
// holds the count 65,535: the long strings of a table are cell strings, whole
// cells of four bytes, and 65,535 is not a multiple of four; the reader also
// checks the length against the length written before the variant.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/binary_io.h"
#include "core/variant.h"

namespace zembu::core {

inline constexpr uint16_t LongStringMarker = 0xFFFF;

// Writes a string variant.
void writeVariantString(BinaryOutput& out, std::string_view text);
// Writes any variant; an unknown type code is written as an empty variant.
void writeVariant(BinaryOutput& out, const Variant& value);

// Reads a string variant into text; throws the format error for another
// type. `expectedLength` (when not negative) must equal its length.
void readVariantString(BinaryInput& in, std::string& text, int64_t expectedLength = -1);
// Reads any variant of the types Variant holds; throws the format error for
// other type codes.
Variant readVariant(BinaryInput& in);
// Reads a variant that holds a whole number 0..limit (a count); throws the
// format error for anything else.
int32_t readVariantCount(BinaryInput& in, int32_t limit);

}  // namespace zembu::core
