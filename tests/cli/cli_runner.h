#pragma once
// Runs zembu-cli in-process for tests and returns its status and output.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace zembu::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(std::vector<std::string> args) {
    args.insert(args.begin(), "zembu-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int status = zembu::cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace zembu::testing
