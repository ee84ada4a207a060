#pragma once
// The species journal: the lines that record the species operations done on
// the table ("---" .. "XXX" aggregation, "DDD" .. "***" deletion, "UUU" ..
// "+++" undeletion). It lives in a work file while the table is loaded and is
// stored in the table file.

#include <filesystem>
#include <string>
#include <vector>

namespace zembu::core {

class SpeciesJournal {
public:
    static constexpr size_t MaxLineLength = 60;

    explicit SpeciesJournal(std::filesystem::path file = {}) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }
    void setFile(std::filesystem::path file) { file_ = std::move(file); }

    // Creates the file when it does not exist (keeps its lines otherwise).
    void ensureExists() const;
    // The lines of the file, line ends removed; none when there is no file.
    std::vector<std::string> lines() const;
    // Empties the file.
    void clear() const;
    // Replaces the file's lines.
    bool replace(const std::vector<std::string>& lines) const;
    // Adds lines at the end.
    bool append(const std::vector<std::string>& lines) const;

private:
    std::filesystem::path file_;
};

}  // namespace zembu::core
