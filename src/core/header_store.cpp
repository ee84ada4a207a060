#include "core/header_store.h"

#include <algorithm>
#include <cmath>

#include "core/file_util.h"
#include "core/free_format_reader.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::core {

int32_t HeaderStore::fieldWidth(int n) const {
    if (n < 1 || n > fieldCount()) return 0;
    const int32_t start = field(n).start;
    const int32_t end = n < fieldCount() ? field(n + 1).start : recordLength + 1;
    return std::max(0, end - start);
}

std::string_view HeaderStore::fieldText(std::string_view record, int n) const {
    if (n < 1 || n > fieldCount()) return {};
    const int32_t start = field(n).start;
    if (start < 1 || static_cast<size_t>(start) > record.size()) return {};
    return record.substr(static_cast<size_t>(start - 1), static_cast<size_t>(fieldWidth(n)));
}

bool isReleveNumberFieldName(std::string_view name) {
    static constexpr std::string_view marks[] = {"Releve number", "Releve Number", "Relev\x82 number",
                                                 "Relev\xE9 number", "abcde"};
    for (std::string_view mark : marks)
        if (name.find(mark) != std::string_view::npos) return true;
    return false;
}

int HeaderStore::releveNumberField() const {
    for (int n = 1; n <= fieldCount(); ++n)
        if (isReleveNumberFieldName(field(n).name)) return n;
    return 0;
}

int HeaderStore::fieldNamed(std::string_view name) const {
    for (int n = 1; n <= fieldCount(); ++n)
        if (equalsIgnoreCase(trim(field(n).name), name)) return n;
    return 0;
}

HeaderStore loadHeaderStore(const std::filesystem::path& structureFile, const std::filesystem::path& valueFile) {
    HeaderStore store;
    std::string content;
    if (readWholeFile(structureFile, content)) {
        FreeFormatReader reader(content);
        while (store.fieldCount() < HeaderStore::MaxFields) {
            const auto start = reader.numberItem();
            if (!start) break;
            const auto name = reader.textItem();
            if (!name) break;
            const double column = leadingNumber(*start);
            const bool sane = std::isfinite(column) && column >= 0 && column <= 1e9;
            store.fields.push_back({sane ? static_cast<int32_t>(column) : 0, *name});
        }
    }
    // The record length: the bytes of the value file before its first line end.
    if (std::FILE* f = std::fopen(valueFile.c_str(), "rb")) {
        int c;
        int32_t length = 0;
        while ((c = std::fgetc(f)) != EOF && c != '\r' && c != '\n') ++length;
        store.recordLength = length;
        store.lineEndLength = c == '\n' ? 1 : 2;
        std::fclose(f);
    }
    return store;
}

void inichlava(Workspace& ws) { ws.header = loadHeaderStore(ws.headerStructureFile(), ws.headerValueFile()); }

HeaderValueFile::HeaderValueFile(const std::filesystem::path& file, const HeaderStore& store)
    : length_(store.recordLength), stride_(store.recordLength + store.lineEndLength) {
    file_ = std::fopen(file.c_str(), "rb");
    if (file_ && std::fseek(file_, 0, SEEK_END) == 0) size_ = std::ftell(file_);
}

HeaderValueFile::~HeaderValueFile() {
    if (file_) std::fclose(file_);
}

int64_t HeaderValueFile::recordCount() const {
    if (!file_ || stride_ <= 0) return 0;
    if (length_ == 0) return size_ / stride_;
    // A last record without its line end still counts.
    return (size_ + stride_ - 1) / stride_;
}

std::optional<std::string> HeaderValueFile::record(int64_t r) {
    if (!file_ || r < 1 || stride_ <= 0) return std::nullopt;
    const int64_t offset = (r - 1) * stride_;
    if (offset >= size_ || (length_ == 0 && offset + stride_ > size_)) return std::nullopt;
    std::string text(static_cast<size_t>(length_), ' ');
    if (std::fseek(file_, offset, SEEK_SET) != 0) return std::nullopt;
    const size_t got = std::fread(text.data(), 1, text.size(), file_);
    std::fill(text.begin() + static_cast<std::ptrdiff_t>(got), text.end(), ' ');
    return text;
}

}  // namespace zembu::core
