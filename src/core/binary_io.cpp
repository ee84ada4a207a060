#include "core/binary_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/errors.h"

namespace zembu::core {

namespace {
constexpr size_t InputBuffer = 1 << 20;
}

void throwFormatError() { throw ZembuError(FileFormatNotCorrect, "ZEMBU"); }

BinaryInput::BinaryInput(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw ZembuError("The file " + file.string() + " cannot be read.");
    file_ = std::fopen(file.c_str(), "rb");
    if (!file_)
        throw ZembuError("The file " + file.string() + " cannot be read (" + std::strerror(errno) + ").");
    if (std::fseek(file_, 0, SEEK_END) == 0) size_ = std::ftell(file_);
    std::fseek(file_, 0, SEEK_SET);
    if (size_ < 0) size_ = 0;
    buffer_.resize(InputBuffer);
}

BinaryInput::~BinaryInput() {
    if (file_) std::fclose(file_);
}

void BinaryInput::refill() {
    bufferStart_ = 0;
    bufferEnd_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
}

void BinaryInput::read(void* destination, size_t n) {
    if (static_cast<int64_t>(n) > remaining()) throwFormatError();
    auto* out = static_cast<char*>(destination);
    while (n > 0) {
        if (bufferStart_ == bufferEnd_) {
            // Large pieces go straight from the file.
            if (n >= buffer_.size()) {
                const size_t got = std::fread(out, 1, n, file_);
                position_ += static_cast<int64_t>(got);
                if (got != n) throwFormatError();
                return;
            }
            refill();
            if (bufferEnd_ == 0) throwFormatError();  // the file shrank while read
        }
        const size_t piece = std::min(n, bufferEnd_ - bufferStart_);
        std::memcpy(out, buffer_.data() + bufferStart_, piece);
        bufferStart_ += piece;
        position_ += static_cast<int64_t>(piece);
        out += piece;
        n -= piece;
    }
}

void BinaryInput::readInto(std::string& text, int64_t n) {
    if (n < 0 || n > remaining()) throwFormatError();
    text.resize(static_cast<size_t>(n));
    if (n > 0) read(text.data(), static_cast<size_t>(n));
}

void BinaryInput::skip(int64_t n) {
    if (n < 0 || n > remaining()) throwFormatError();
    char scratch[4096];
    while (n > 0) {
        const size_t piece = static_cast<size_t>(std::min<int64_t>(n, sizeof scratch));
        read(scratch, piece);
        n -= static_cast<int64_t>(piece);
    }
}

int16_t BinaryInput::readShort() {
    unsigned char b[2];
    read(b, 2);
    return static_cast<int16_t>(b[0] | (b[1] << 8));
}

uint16_t BinaryInput::readUnsignedShort() { return static_cast<uint16_t>(readShort()); }

int32_t BinaryInput::readLong() {
    unsigned char b[4];
    read(b, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

std::string BinaryInput::readTag() { return readText(4); }

std::string BinaryInput::readText(size_t n) {
    std::string text;
    readInto(text, static_cast<int64_t>(n));
    return text;
}

void BinaryInput::requireRoomFor(int64_t count, int64_t bytesEach) const {
    if (count < 0 || bytesEach < 0) throwFormatError();
    if (bytesEach > 0 && count > remaining() / bytesEach) throwFormatError();
}

void BinaryOutput::bytes(const void* data, size_t n) {
    buffer_.append(static_cast<const char*>(data), n);
    if (writer_ && buffer_.size() >= Chunk) flush();
}

void BinaryOutput::shortValue(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    const char b[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    bytes(b, 2);
}

void BinaryOutput::longValue(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
    bytes(b, 4);
}

void BinaryOutput::tag(std::string_view text) { this->text(text, 4); }

void BinaryOutput::text(std::string_view value, size_t n) {
    const size_t used = std::min(value.size(), n);
    buffer_.append(value.data(), used);
    buffer_.append(n - used, ' ');
    if (writer_ && buffer_.size() >= Chunk) flush();
}

void BinaryOutput::flush() {
    if (!writer_ || buffer_.empty()) return;
    writer_->write(buffer_);
    buffer_.clear();
}

}  // namespace zembu::core
