#pragma once
// The settings flags shared by the synoptic and uniqueness subcommands. A
// run starts from the program's default settings (or a settings file given
// with --settings) and the flags override them, so a script gets the same
// numbers whatever the user last chose in the desktop program.

#include <memory>
#include <optional>
#include <string>

#include "cli/cli_app.h"

namespace CLI {
class App;
}
namespace zembu::core {
class Workspace;
}
namespace zembu::synoptic {
struct SynopticSettings;
}

namespace zembu::cli {

struct SynopticFlags {
    std::string tableFile;
    std::string settingsFile;
    std::optional<int> measure, kind, form, coverTransformation;
    std::optional<double> groupSize, fisher;
    std::optional<double> frequencyLimit, frequency2Limit, fidelityLimit, fidelity2Limit, coverLimit, coverLimitHigher;
    std::optional<int> level;
    bool hierarchy = false, sizeForTarget = false, adjusted = false, higherLevel = false;
};

// The synoptic type named on the command line: 1..11 or "combined"; 0 when unknown.
int synopticTypeOf(const std::string& text);

// Why a synoptic type argument is refused; empty for a type synopticTypeOf knows.
std::string synopticTypeProblem(const std::string& text);
inline constexpr const char* SynopticTypeHelp =
    "1 percentage, 2 categorical, 3 absolute constancy, 4 fidelity, 5 maximum, 6 average, 7 median, "
    "8 modus cover, 9 Zlatnik's value, 10 Barkman's cover, 11 cover weighted by the short headers, or combined";

// Adds a required --type option (1..11 or combined) to a subcommand.
void addSynopticTypeOption(CLI::App& command, std::string& type);

// Adds the table file argument and the settings flags to a subcommand.
void addSynopticFlags(CLI::App& command, SynopticFlags& flags);

// Adds the settings flags alone, for a subcommand that names its table file itself.
void addSynopticSettingFlags(CLI::App& command, SynopticFlags& flags);

// Puts the flags into the workspace's settings and separator state and reads
// the synoptic settings from them. Returns an error text when the settings
// file cannot be read.
std::optional<std::string> applySynopticFlags(const SynopticFlags& flags, core::Workspace& ws);

// Loads the table file the flags name and applies the flags to its
// workspace. When the table or the settings file cannot be read, the
// subcommand fails (exit status 1) and the result is nullptr.
std::unique_ptr<core::Workspace> loadWithSynopticFlags(const SynopticFlags& flags, CliContext& context);

}  // namespace zembu::cli
