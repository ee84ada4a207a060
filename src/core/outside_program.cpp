#include "core/outside_program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace zembu::core {

namespace {

// In the child between fork and exec only async-signal-safe calls are made.
[[noreturn]] void failInChild(int reportFd, int stage) {
    const int error[2] = {stage, errno};
    [[maybe_unused]] const ssize_t n = ::write(reportFd, error, sizeof error);
    ::_exit(127);
}

bool redirect(const char* file, int flags, int target) {
    const int fd = ::open(file, flags, 0644);
    if (fd < 0) return false;
    if (fd != target) {
        if (::dup2(fd, target) < 0) return false;
        ::close(fd);
    }
    return true;
}

std::string stageText(int stage) {
    switch (stage) {
    case 1: return "its folder cannot be entered";
    case 2: return "its input file cannot be read";
    case 3: return "its output files cannot be written";
    default: return "it cannot be executed";
    }
}

}  // namespace

ProgramOutcome runOutsideProgram(const ProgramRun& run, const std::function<bool()>& keepRunning) {
    ProgramOutcome outcome;
    const std::string program = run.program.string();
    const std::string folder = run.workingDirectory.string();
    const std::string input = run.standardInput.empty() ? "/dev/null" : run.standardInput.string();
    const std::string output = run.standardOutput.empty() ? "/dev/null" : run.standardOutput.string();
    const std::string error = run.standardError.empty() ? "/dev/null" : run.standardError.string();
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        outcome.startError = std::strerror(errno);
        return outcome;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        outcome.startError = std::strerror(errno);
        ::close(report[0]);
        ::close(report[1]);
        return outcome;
    }
    if (pid == 0) {
        ::close(report[0]);
        ::setpgid(0, 0);  // its own process group, so that stopping it reaches its children
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) failInChild(report[1], 1);
        if (!redirect(input.c_str(), O_RDONLY, STDIN_FILENO)) failInChild(report[1], 2);
        if (!redirect(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO)) failInChild(report[1], 3);
        if (!redirect(error.c_str(), O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO)) failInChild(report[1], 3);
        ::execv(program.c_str(), argv);
        failInChild(report[1], 4);
    }
    ::close(report[1]);
    int failure[2] = {0, 0};
    ssize_t got;
    do got = ::read(report[0], failure, sizeof failure);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);

    int status = 0;
    if (got == static_cast<ssize_t>(sizeof failure)) {
        ::waitpid(pid, &status, 0);
        outcome.startError = stageText(failure[0]) + " (" + std::strerror(failure[1]) + ")";
        return outcome;
    }
    outcome.started = true;
    using namespace std::chrono_literals;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) {
            outcome.startError = std::strerror(errno);
            return outcome;
        }
        if (keepRunning && !keepRunning()) {
            ::kill(-pid, SIGTERM);
            ::kill(pid, SIGTERM);
            for (int wait = 0; wait < 20 && ::waitpid(pid, &status, WNOHANG) == 0; ++wait) std::this_thread::sleep_for(50ms);
            if (::waitpid(pid, &status, WNOHANG) == 0) {
                ::kill(-pid, SIGKILL);
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
            }
            outcome.cancelled = true;
            return outcome;
        }
        std::this_thread::sleep_for(100ms);
    }
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

bool isExecutableFile(const std::filesystem::path& file) {
    struct stat info {};
    if (file.empty() || ::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    return ::access(file.c_str(), X_OK) == 0;
}

std::filesystem::path runningProgramDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

}  // namespace zembu::core
