#pragma once
// Reading import files: the whole file at once into memory, and a cursor that
// walks its lines without copying them. Lines end at LF, CR LF or a lone CR;
// a last line without a line end is a line.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zembu::import {

// Reads a whole file. Throws core::ZembuError ("The file ... cannot be
// read.", title "Program Info") when it cannot be opened or read.
std::string readImportFile(const std::filesystem::path& file);

// Walks the lines of a text held in memory.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // The next line without its line end; false at the end of the text.
    bool next(std::string_view& line) {
        const size_t n = text_.size();
        if (pos_ >= n) return false;
        const char* begin = text_.data() + pos_;
        const void* hit = findLineEnd(begin, n - pos_);
        if (!hit) {
            line = std::string_view(begin, n - pos_);
            pos_ = n;
        } else {
            const size_t end = static_cast<size_t>(static_cast<const char*>(hit) - text_.data());
            line = std::string_view(begin, end - pos_);
            pos_ = end + 1;
            if (text_[end] == '\r' && pos_ < n && text_[pos_] == '\n') ++pos_;
        }
        ++lineNumber_;
        return true;
    }

    // Bytes consumed so far.
    size_t position() const { return pos_; }
    // Number of the line last returned (1-based).
    int64_t lineNumber() const { return lineNumber_; }

    // A saved place, to read ahead and come back.
    struct Mark {
        size_t pos;
        int64_t line;
    };
    Mark mark() const { return {pos_, lineNumber_}; }
    void reset(Mark m) {
        pos_ = m.pos;
        lineNumber_ = m.line;
    }

private:
    // The first CR or LF in [p, p + n), or nullptr.
    static const void* findLineEnd(const char* p, size_t n);

    std::string_view text_;
    size_t pos_ = 0;
    int64_t lineNumber_ = 0;
};

}  // namespace zembu::import
