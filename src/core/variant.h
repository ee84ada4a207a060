#pragma once
// A scalar as the table file stores it: a 16-bit type code and the value.
// Used for the values of Cocktail group members.

#include <cstdint>
#include <string>

namespace zembu::core {

struct Variant {
    enum Type : int16_t {
        Empty = 0,
        Short = 2,
        Long = 3,
        Single = 4,
        Double = 5,
        String = 8,
        Boolean = 11,
        Byte = 17,
    };

    int16_t type = Empty;
    double number = 0;  // the value of the numeric types
    std::string text;   // the value of String

    static Variant ofShort(int16_t v) { return {Short, static_cast<double>(v), {}}; }
    static Variant ofLong(int32_t v) { return {Long, static_cast<double>(v), {}}; }
    static Variant ofDouble(double v) { return {Double, v, {}}; }
    static Variant ofString(std::string v) { return {String, 0, std::move(v)}; }

    bool operator==(const Variant&) const = default;
};

}  // namespace zembu::core
