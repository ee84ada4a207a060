#pragma once
// Colour options by name or number (every subcommand that takes a colour
// uses them), and what the two sort subcommands share: the keys printed with
// --keys and the sorted table written out.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "core/workspace.h"
#include "sorting/sort_outcome.h"

namespace zembu::cli {

class CommandLineInteraction;

// The names the --...-colour options take.
inline constexpr const char* ColourNames =
    "white, black, red, blue, sea-green, green, yellow, violet, grey, all, or a palette number 0..7 (9 = all)";

// A colour filter from its name or palette number: white and black are 0,
// all is 9; nullopt for anything else.
std::optional<int> colourFilter(const std::string& text);

// Reads a colour option; refuses (message, exit status 1) when it names no colour.
std::optional<int> colourOption(const std::string& text, const char* option, CliContext& context,
                                CommandLineInteraction& ui);

// The same for an option that names the one colour of a colour box: "all"
// is refused too.
std::optional<int> oneColourOption(const std::string& text, const char* option, CliContext& context,
                                   CommandLineInteraction& ui);

// Which rows or relevés a key line names.
enum class SortedDimension { Species, Releves };

// Prints "position<TAB>name or running number<TAB>key" for every position
// that took part in the sort.
void printKeys(const core::Workspace& ws, const sorting::SortOutcome& outcome, SortedDimension dimension,
               std::ostream& out);

// After a sort: fails when the command refused (it showed a message),
// otherwise writes the table to file and prints the name written.
void finishSort(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, bool replaceCompanions,
                CliContext& context);

}  // namespace zembu::cli
