#pragma once
// File helpers: whole-file reads, atomic writes (a temporary file beside the
// target renamed over it), and the case-insensitive lookup of companion files.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zembu::core {

// True when the file exists and may not be written: it has no write
// permission at all, or the system refuses this user writing it. Writers
// never replace such a file.
bool isReadOnlyFile(const std::filesystem::path& file);
// What AtomicFileWriter::errorText() says then.
inline constexpr const char* ReadOnlyText = "the file is read-only";

// Reads a whole file as bytes; false when it cannot be read.
bool readWholeFile(const std::filesystem::path& file, std::string& content);

// Writes content to a temporary file beside the target and renames it over
// the target; the target is untouched when anything fails, and a read-only
// target is never replaced. Returns success.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// Writes a file in pieces and puts it in place only at commit(): until then
// the target keeps its old contents; a writer destroyed without commit()
// removes its temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be created.
    bool isOpen() const { return file_ != nullptr; }
    // Appends bytes; errors are remembered and reported by commit().
    void write(const void* data, size_t size);
    void write(std::string_view bytes) { write(bytes.data(), bytes.size()); }
    // Flushes, closes and renames over the target. Returns success; on failure
    // the temporary file is removed and errorText() says why.
    bool commit();
    const std::string& errorText() const { return error_; }

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string error_;
};

// The file itself when it exists; otherwise the one file in its folder whose
// name matches case-insensitively; nullopt when there is none.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& file);

// Copies a file over another (atomically); false when it fails or the target
// is read-only.
bool copyFileOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes a file; a missing file is no error.
void removeFileQuietly(const std::filesystem::path& file);

}  // namespace zembu::core
