#pragma once
// Free-format reading of text files, item by item or line by line.
//
// Items are separated by commas or line ends. A number item also ends at a
// blank; a text item runs to the next comma or line end (its trailing blanks
// dropped); an item in double quotes is the text between the quotes. Lines
// end with CR LF, LF or a lone CR.

#include <optional>
#include <string>
#include <string_view>

namespace zembu::core {

class FreeFormatReader {
public:
    explicit FreeFormatReader(std::string_view content) : text_(content) {}

    // True when every byte has been read.
    bool atEnd() const { return pos_ >= text_.size(); }
    // Bytes read so far.
    size_t position() const { return pos_; }

    // The rest of the current line, its line end consumed; nullopt at the end.
    std::optional<std::string_view> line();

    // The next number item as text; blank lines before it are skipped;
    // nullopt at the end.
    std::optional<std::string> numberItem();

    // The next text item of the current line; nullopt at the end.
    std::optional<std::string> textItem();

private:
    bool atLineEnd() const { return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n'); }
    void skipBlanks();
    void skipLineEnd();
    // After an item: blanks, then one comma or one line end.
    void skipDelimiter();
    std::string quoted();

    std::string_view text_;
    size_t pos_ = 0;
};

}  // namespace zembu::core
