#pragma once
// Helpers of the table file tests: a byte builder for hand-made table files
// in any version, and a comparison of two tables array by array.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/table.h"

namespace zembu::testing {

// Little-endian bytes, written field by field.
class Bytes {
public:
    Bytes& tag(const std::string& t) { return text(t, 4); }
    Bytes& i32(int32_t v) {
        for (int b = 0; b < 4; ++b) data += static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF);
        return *this;
    }
    Bytes& i16(int16_t v) {
        data += static_cast<char>(static_cast<uint16_t>(v) & 0xFF);
        data += static_cast<char>(static_cast<uint16_t>(v) >> 8);
        return *this;
    }
    Bytes& text(const std::string& t, size_t n) {
        std::string s = t.substr(0, n);
        s.resize(n, ' ');
        data += s;
        return *this;
    }
    // A string variant with a 16-bit count.
    Bytes& vstr(const std::string& s) {
        i16(8);
        i16(static_cast<int16_t>(static_cast<uint16_t>(s.size())));
        data += s;
        return *this;
    }
    Bytes& vshort(int16_t v) { return i16(2).i16(v); }
    Bytes& vlong(int32_t v) { return i16(3).i32(v); }
    std::string data;
};

// Options of the hand-made writer: which version's layout to use.
struct LayoutOptions {
    std::string version = "ve64";
    bool speciesTagA006 = true;  // "A006" with text(50) names, else "0006" with text(38)
    bool separators = true;      // the "0020" record
    bool journal = true;         // the "0021" record
};

// A table file written field by field from the layout, independently of the
// program's writer.
std::string handMadeTableFile(const core::Table& t, const std::vector<std::string>& journal,
                              const LayoutOptions& options = {});

// Expects two tables to hold the same saved data, array by array.
void expectSameTable(const core::Table& expected, const core::Table& actual);

}  // namespace zembu::testing
