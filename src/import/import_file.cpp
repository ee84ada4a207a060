#include "import/import_file.h"

#include <cstdio>
#include <cstring>

#include "core/errors.h"

namespace zembu::import {

std::string readImportFile(const std::filesystem::path& file) {
    const std::string failure = "The file " + file.filename().string() + " cannot be read.";
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw core::ZembuError(failure, "Program Info");
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) throw core::ZembuError(failure, "Program Info");
    std::string content;
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec) content.resize(size);
    size_t got = ec ? 0 : std::fread(content.data(), 1, content.size(), f);
    content.resize(got);
    // A file that grew (or whose size was unknown) is read to its end.
    char buffer[65536];
    size_t more;
    while ((more = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, more);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw core::ZembuError(failure, "Program Info");
    return content;
}

const void* LineCursor::findLineEnd(const char* p, size_t n) {
    // Most files end their lines with LF (or CR LF); look for the LF first and
    // then for a CR before it.
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', n));
    const size_t span = lf ? static_cast<size_t>(lf - p) : n;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', span));
    return cr ? static_cast<const void*>(cr) : static_cast<const void*>(lf);
}

}  // namespace zembu::import
