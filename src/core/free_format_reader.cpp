#include "core/free_format_reader.h"

#include "core/text.h"

namespace zembu::core {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

void FreeFormatReader::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

void FreeFormatReader::skipLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

void FreeFormatReader::skipDelimiter() {
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
    else skipLineEnd();
}

std::optional<std::string_view> FreeFormatReader::line() {
    if (atEnd()) return std::nullopt;
    const size_t start = pos_;
    while (pos_ < text_.size() && !atLineEnd()) ++pos_;
    const std::string_view result = text_.substr(start, pos_ - start);
    skipLineEnd();
    return result;
}

std::string FreeFormatReader::quoted() {
    ++pos_;  // the opening quote
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && !atLineEnd()) ++pos_;
    std::string result(text_.substr(start, pos_ - start));
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    // Anything between the closing quote and the delimiter is dropped.
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
    skipDelimiter();
    return result;
}

std::optional<std::string> FreeFormatReader::numberItem() {
    while (true) {
        skipBlanks();
        if (atEnd()) return std::nullopt;
        if (!atLineEnd()) break;
        skipLineEnd();
    }
    if (text_[pos_] == '"') return quoted();
    const size_t start = pos_;
    while (pos_ < text_.size() && !isBlank(text_[pos_]) && text_[pos_] != ',' && !atLineEnd()) ++pos_;
    std::string result(text_.substr(start, pos_ - start));
    skipDelimiter();
    return result;
}

std::optional<std::string> FreeFormatReader::textItem() {
    skipBlanks();
    if (atEnd()) return std::nullopt;
    if (text_[pos_] == '"') return quoted();
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) ++pos_;
    std::string result(trimRight(text_.substr(start, pos_ - start)));
    skipDelimiter();
    return result;
}

}  // namespace zembu::core
