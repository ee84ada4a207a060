#include "core/file_util.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

#include "core/text.h"

namespace zembu::core {

namespace fs = std::filesystem;

bool readWholeFile(const fs::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::error_code ec;
    if (fs::is_directory(file, ec)) return false;
    const auto size = fs::file_size(file, ec);
    content.clear();
    if (!ec) content.reserve(size);
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

namespace {

fs::path temporaryBeside(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string suffix = ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(random() % 1000000);
    return target.parent_path() / (target.filename().string() + suffix);
}

}  // namespace

bool isReadOnlyFile(const fs::path& file) {
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec || !fs::exists(status)) return false;
    // A file without any write permission was made read-only on purpose; it
    // stays so even for a user (root) whom the system would let write it.
    constexpr fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & anyWrite) == fs::perms::none) return true;
    return access(file.c_str(), W_OK) != 0 && errno == EACCES;
}

AtomicFileWriter::AtomicFileWriter(fs::path target) : target_(std::move(target)) {
    // Renaming over a file ignores the file's own permission: a read-only
    // file would be replaced without a word.
    if (isReadOnlyFile(target_)) {
        failed_ = true;
        error_ = ReadOnlyText;
        return;
    }
    temporary_ = temporaryBeside(target_);
    file_ = std::fopen(temporary_.c_str(), "wb");
    if (!file_) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

void AtomicFileWriter::write(const void* data, size_t size) {
    if (!file_ || failed_ || size == 0) return;
    if (std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
}

bool AtomicFileWriter::commit() {
    if (!file_) return false;
    if (std::fflush(file_) != 0 && !failed_) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
    if (!failed_ && fsync(fileno(file_)) != 0) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
    if (std::fclose(file_) != 0 && !failed_) {
        failed_ = true;
        error_ = std::strerror(errno);
    }
    file_ = nullptr;
    std::error_code ec;
    if (!failed_) {
        fs::rename(temporary_, target_, ec);
        if (ec) {
            failed_ = true;
            error_ = ec.message();
        }
    }
    if (failed_) fs::remove(temporary_, ec);
    return !failed_;
}

bool writeFileAtomically(const fs::path& file, std::string_view content) {
    AtomicFileWriter writer(file);
    if (!writer.isOpen()) return false;
    writer.write(content);
    return writer.commit();
}

std::optional<fs::path> findFileIgnoringCase(const fs::path& file) {
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) return file;
    fs::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const std::string wanted = lowerAscii(file.filename().string());
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (lowerAscii(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
            if (found) return std::nullopt;  // more than one candidate: none is "the" file
            found = file.parent_path() / it->path().filename();
        }
    }
    return found;
}

bool copyFileOver(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec) || isReadOnlyFile(to)) return false;
    const fs::path temporary = temporaryBeside(to);
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temporary, to, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

void removeFileQuietly(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
}

}  // namespace zembu::core
