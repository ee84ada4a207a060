#pragma once
// The work directory ($ZEMBU_HOME, by default ~/.local/share/zembu) holds the
// settings file; each running program keeps its work files (header store,
// species journal, analysis files) in a session folder of its own inside it,
// removed when the program ends, so that several instances never share them.

#include <filesystem>
#include <string>

namespace zembu::core {

// The work directory named by $ZEMBU_HOME, else ~/.local/share/zembu.
std::filesystem::path defaultWorkDirectory();

// A session folder inside the work directory, created at construction and
// removed with its files at destruction. Session folders left by programs
// that no longer run are removed at construction. When the work directory
// cannot be created, the session lives in the system's temporary folder and
// problem() says why.
class SessionDirectory {
public:
    explicit SessionDirectory(std::filesystem::path workDirectory);
    ~SessionDirectory();
    SessionDirectory(const SessionDirectory&) = delete;
    SessionDirectory& operator=(const SessionDirectory&) = delete;

    // The work directory (empty when it could not be created).
    const std::filesystem::path& workDirectory() const { return work_; }
    // The session folder for this program's work files.
    const std::filesystem::path& path() const { return session_; }
    // Why the work directory could not be used; empty when it could.
    const std::string& problem() const { return problem_; }

private:
    std::filesystem::path work_;
    std::filesystem::path session_;
    std::string problem_;
};

}  // namespace zembu::core
