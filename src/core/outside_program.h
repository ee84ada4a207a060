#pragma once
// Outside programs started by the library: a program file run directly (never
// through a shell) in a chosen folder, its standard input read from a file
// and its output written to files, watched until it ends or is cancelled.

#include <filesystem>
#include <functional>
#include <string>

namespace zembu::core {

// How a run of an outside program ended.
struct ProgramOutcome {
    bool started = false;    // false: startError says why it could not start
    bool cancelled = false;  // stopped because keepRunning said so
    int exitCode = -1;       // the exit status of a program that ended by itself
    int signal = 0;          // the signal that ended it, 0 when none
    std::string startError;

    // True for a program that ran and ended with status 0.
    bool succeeded() const { return started && !cancelled && signal == 0 && exitCode == 0; }
};

// What a run is made of: the program, the folder it runs in and the files of
// its standard streams (an empty path stands for the null device).
struct ProgramRun {
    std::filesystem::path program;
    std::filesystem::path workingDirectory;
    std::filesystem::path standardInput;
    std::filesystem::path standardOutput;
    std::filesystem::path standardError;
};

// Runs the program and waits for it, calling keepRunning about every 100 ms;
// when keepRunning returns false the program is stopped and the outcome says
// cancelled. keepRunning may be empty.
ProgramOutcome runOutsideProgram(const ProgramRun& run, const std::function<bool()>& keepRunning = {});

// True when file names an executable regular file.
bool isExecutableFile(const std::filesystem::path& file);

// The folder of the running program's executable (empty when unknown).
std::filesystem::path runningProgramDirectory();

}  // namespace zembu::core
