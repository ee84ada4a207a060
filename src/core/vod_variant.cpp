#include "core/vod_variant.h"

#include <cmath>
#include <cstring>

namespace zembu::core {

void writeVariantString(BinaryOutput& out, std::string_view text) {
    out.shortValue(Variant::String);
    if (text.size() < LongStringMarker) {
        out.shortValue(static_cast<int16_t>(static_cast<uint16_t>(text.size())));
    } else {
        out.shortValue(static_cast<int16_t>(LongStringMarker));
        out.longValue(static_cast<int32_t>(text.size()));
    }
    out.bytes(text);
}

void writeVariant(BinaryOutput& out, const Variant& value) {
    switch (value.type) {
        case Variant::Short:
            out.shortValue(Variant::Short);
            out.shortValue(static_cast<int16_t>(value.number));
            return;
        case Variant::Long:
            out.shortValue(Variant::Long);
            out.longValue(static_cast<int32_t>(value.number));
            return;
        case Variant::Single: {
            out.shortValue(Variant::Single);
            const float f = static_cast<float>(value.number);
            uint32_t bits;
            std::memcpy(&bits, &f, 4);
            out.longValue(static_cast<int32_t>(bits));
            return;
        }
        case Variant::Double: {
            out.shortValue(Variant::Double);
            uint64_t bits;
            std::memcpy(&bits, &value.number, 8);
            out.longValue(static_cast<int32_t>(bits & 0xFFFFFFFFu));
            out.longValue(static_cast<int32_t>(bits >> 32));
            return;
        }
        case Variant::String:
            writeVariantString(out, value.text);
            return;
        case Variant::Boolean:
            out.shortValue(Variant::Boolean);
            out.shortValue(value.number != 0 ? -1 : 0);
            return;
        case Variant::Byte: {
            out.shortValue(Variant::Byte);
            const auto b = static_cast<char>(static_cast<uint8_t>(value.number));
            out.bytes(&b, 1);
            return;
        }
        default:
            out.shortValue(Variant::Empty);
            return;
    }
}

namespace {

void readStringBody(BinaryInput& in, std::string& text, int64_t expectedLength) {
    const uint16_t count = in.readUnsignedShort();
    int64_t length = count;
    if (count == LongStringMarker) {
        length = in.readLong();
        if (length < LongStringMarker) throwFormatError();
    }
    if (expectedLength >= 0 && length != expectedLength) throwFormatError();
    in.readInto(text, length);
}

}  // namespace

void readVariantString(BinaryInput& in, std::string& text, int64_t expectedLength) {
    if (in.readShort() != Variant::String) throwFormatError();
    readStringBody(in, text, expectedLength);
}

Variant readVariant(BinaryInput& in) {
    Variant v;
    v.type = in.readShort();
    switch (v.type) {
        case Variant::Empty:
            return v;
        case 1:  // Null: no value
            v.type = Variant::Empty;
            return v;
        case Variant::Short:
            v.number = in.readShort();
            return v;
        case Variant::Long:
            v.number = in.readLong();
            return v;
        case Variant::Single: {
            const auto bits = static_cast<uint32_t>(in.readLong());
            float f;
            std::memcpy(&f, &bits, 4);
            v.number = f;
            return v;
        }
        case Variant::Double: {
            const auto low = static_cast<uint32_t>(in.readLong());
            const auto high = static_cast<uint32_t>(in.readLong());
            const uint64_t bits = (static_cast<uint64_t>(high) << 32) | low;
            std::memcpy(&v.number, &bits, 8);
            return v;
        }
        case Variant::String:
            readStringBody(in, v.text, -1);
            return v;
        case Variant::Boolean:
            v.number = in.readShort() != 0 ? -1 : 0;
            return v;
        case Variant::Byte: {
            unsigned char b;
            in.read(&b, 1);
            v.number = b;
            return v;
        }
        default:
            throwFormatError();
    }
}

int32_t readVariantCount(BinaryInput& in, int32_t limit) {
    const Variant v = readVariant(in);
    if (v.type == Variant::Empty) return 0;  // a count never set
    if (v.type == Variant::String) throwFormatError();
    if (!std::isfinite(v.number) || v.number != std::floor(v.number) || v.number < 0 || v.number > limit)
        throwFormatError();
    return static_cast<int32_t>(v.number);
}

}  // namespace zembu::core
