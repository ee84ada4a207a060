#include "core/work_directory.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace zembu::core {

namespace fs = std::filesystem;

fs::path defaultWorkDirectory() {
    if (const char* home = std::getenv("ZEMBU_HOME"); home && *home) return fs::path(home);
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return fs::path(data) / "zembu";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "zembu";
    return fs::temp_directory_path() / "zembu";
}

namespace {

constexpr const char* kSessionPrefix = "session-";

// Removes session folders whose program no longer runs.
void removeStaleSessions(const fs::path& work) {
    std::error_code ec;
    for (fs::directory_iterator it(work, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kSessionPrefix, 0) != 0) continue;
        const long pid = std::strtol(name.c_str() + std::string(kSessionPrefix).size(), nullptr, 10);
        if (pid <= 0) continue;
        if (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) continue;  // still running
        std::error_code ignored;
        fs::remove_all(it->path(), ignored);
    }
}

fs::path newSessionFolder(const fs::path& parent) {
    static std::atomic<int> counter{0};
    return parent / (kSessionPrefix + std::to_string(getpid()) + "-" + std::to_string(counter++));
}

}  // namespace

SessionDirectory::SessionDirectory(fs::path workDirectory) {
    std::error_code ec;
    fs::create_directories(workDirectory, ec);
    if (ec || !fs::is_directory(workDirectory, ec)) {
        problem_ = "The work directory " + workDirectory.string() +
                   " cannot be created (" + (ec ? ec.message() : std::string("not a folder")) +
                   "); settings will not be kept.";
        workDirectory = fs::temp_directory_path(ec);
        session_ = newSessionFolder(workDirectory);
    } else {
        work_ = workDirectory;
        removeStaleSessions(work_);
        session_ = newSessionFolder(work_);
    }
    fs::create_directories(session_, ec);
}

SessionDirectory::~SessionDirectory() {
    std::error_code ec;
    fs::remove_all(session_, ec);
}

}  // namespace zembu::core
