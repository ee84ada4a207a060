#pragma once
// Little-endian binary input and output for the table file.
//
// BinaryInput reads a file through a buffer and knows the file's length, so
// that a reader can refuse a count or a length that the rest of the file
// cannot hold before it allocates anything. Every read past the end throws
// the format error. BinaryOutput collects bytes in a buffer and hands them to
// an AtomicFileWriter in large pieces.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_util.h"

namespace zembu::core {

// The message of every table file that cannot be read as one.
inline constexpr const char* FileFormatNotCorrect = "File format is not correct!!!";

// Throws ZembuError("File format is not correct!!!", "ZEMBU").
[[noreturn]] void throwFormatError();

class BinaryInput {
public:
    // Opens the file; throws ZembuError when it cannot be opened.
    explicit BinaryInput(const std::filesystem::path& file);
    ~BinaryInput();
    BinaryInput(const BinaryInput&) = delete;
    BinaryInput& operator=(const BinaryInput&) = delete;

    int64_t size() const { return size_; }
    int64_t position() const { return position_; }
    int64_t remaining() const { return size_ - position_; }

    // Reads exactly n bytes; throws the format error at the end of the file.
    void read(void* destination, size_t n);
    // Replaces text with the next n bytes (n checked against the bytes left).
    void readInto(std::string& text, int64_t n);
    void skip(int64_t n);

    int16_t readShort();
    uint16_t readUnsignedShort();
    int32_t readLong();
    // A 4-byte tag.
    std::string readTag();
    // text(n): n bytes as they are.
    std::string readText(size_t n);

    // Throws the format error unless `count` items of at least `bytesEach`
    // bytes can still follow; guards every count before it is used.
    void requireRoomFor(int64_t count, int64_t bytesEach) const;

private:
    void refill();

    std::FILE* file_ = nullptr;
    int64_t size_ = 0;
    int64_t position_ = 0;
    std::string buffer_;
    size_t bufferStart_ = 0;  // next unread byte in buffer_
    size_t bufferEnd_ = 0;    // bytes held in buffer_
};

class BinaryOutput {
public:
    // Bytes go to the writer in large pieces; without a writer they are kept
    // and taken with take().
    explicit BinaryOutput(AtomicFileWriter* writer = nullptr) : writer_(writer) {
        if (writer_) buffer_.reserve(Chunk + 4096);
    }
    ~BinaryOutput() { flush(); }
    BinaryOutput(const BinaryOutput&) = delete;
    BinaryOutput& operator=(const BinaryOutput&) = delete;

    void bytes(const void* data, size_t n);
    void bytes(std::string_view data) { bytes(data.data(), data.size()); }
    void shortValue(int16_t v);
    void longValue(int32_t v);
    // A tag: its text left-justified in 4 bytes ("0006b" is written "0006").
    void tag(std::string_view text);
    // text(n): the value left-justified and padded with blanks, or cut to n.
    void text(std::string_view value, size_t n);
    // Hands the buffered bytes to the writer.
    void flush();
    // The bytes kept by an output without a writer.
    std::string take() { return std::move(buffer_); }

private:
    static constexpr size_t Chunk = 4 << 20;
    AtomicFileWriter* writer_;
    std::string buffer_;
};

}  // namespace zembu::core
