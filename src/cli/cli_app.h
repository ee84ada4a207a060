#pragma once
// zembu-cli: the command-line tool for batch work. Each subcommand lives in
// its own file and is installed by a function listed in cli_app.cpp.

#include <ostream>

namespace CLI {
class App;
}

namespace zembu::cli {

// What a subcommand writes to and the status it leaves.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    int exitCode = 0;
};

// Runs the tool with the given arguments; returns the exit status.
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zembu::cli
