#include "support/rtf_reader.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zembu::testing {

std::string rtfPlainText(const std::filesystem::path& file) {
    int fds[2];
    if (::pipe(fds) != 0) {
        ADD_FAILURE() << "no pipe for unrtf";
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        const std::string name = file.string();
        execlp("unrtf", "unrtf", "--text", "--nopict", name.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = -1;
    if (child > 0) ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << "unrtf failed (is it installed? scripts/install-deps installs it)";
    return text;
}

}  // namespace zembu::testing
