#pragma once
// What the subcommands share: the table file they work on, loaded into a
// workspace whose capacities follow the file; refusals, shown as messages
// that make the subcommand fail; and the imported table written out.

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_app.h"
#include "core/workspace.h"

namespace zembu::core {
class Interaction;
class ZembuError;
}  // namespace zembu::core

namespace zembu::cli {

// Loads a table file (binary or text, with its header companions) into a new
// workspace. When the file cannot be read, the messages are on standard
// error, the subcommand fails (exit status 1) and the result is nullptr.
std::unique_ptr<core::Workspace> loadWorkspace(const std::string& file, CliContext& context);

// Shows a message ("title: text" on standard error) and makes the subcommand
// fail (exit status 1).
void refuse(CliContext& context, core::Interaction& ui, std::string_view text, std::string_view title = "zembu-cli");
// The same for an error a reader or a command threw.
void refuse(CliContext& context, core::Interaction& ui, const core::ZembuError& error);

// Gives the table the values of an indicator table (by species name or
// number), with the warning about leftover bytes on standard error; false
// after refusing a file that cannot be read.
bool assignIndicatorTable(core::Table& table, const std::string& file, bool byName, CliContext& context,
                          core::Interaction& ui);

// Per relevé in column order: its running number, a tab and its head text
// without blanks, one line each.
void printHeads(const core::Table& table, std::ostream& out);

// Before an import: gives the table room for the relevés and species the
// file holds (a tool reads any file the program could).
void fitCapacities(core::Table& table, int32_t releves, int32_t species);

// The heads a --head option shows before a command reads the head values.
inline constexpr const char* ShownHeadNames = "group, turboveg, running or sequence number";
inline const std::vector<std::string> ShownHeads = {"group", "turboveg", "running", "sequence"};

// Shows the head a --head option names (nothing for an empty name).
void showHead(core::Workspace& ws, const std::string& head);

class CommandLineInteraction;

// The option every subcommand that writes a table file offers.
inline constexpr const char* ReplaceCompanionsFlag = "--replace-companions";
inline constexpr const char* ReplaceCompanionsHelp =
    "Replace .str/.exp files beside a new table file that belong to no table file";

// Writes the table to file (savetabl). Header companions beside a new table
// file that belong to no table file are replaced only with
// replaceCompanions; otherwise the save is refused with a message naming
// them. Returns the name written, nullopt when nothing was written.
std::optional<std::string> saveTable(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file,
                                     bool replaceCompanions);

// saveTable for a subcommand: when nothing was written the subcommand fails
// (exit status 1).
std::optional<std::string> saveResult(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file,
                                      bool replaceCompanions, CliContext& context);

// saveResult, then "written: " and the name written on standard output.
void writeResult(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, bool replaceCompanions,
                 CliContext& context);

// The options of a subcommand that reads a table file and writes the result
// to another: IN, -o/--output (both required) and --replace-companions.
void addTableFileOptions(CLI::App* command, std::string& input, std::string& output, bool& replaceCompanions);

// After an import: writes the table to file and prints the counts and the
// name written. Returns the exit status.
int writeImportedTable(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, std::ostream& out,
                       bool replaceCompanions);

}  // namespace zembu::cli
