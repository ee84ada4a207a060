#pragma once
// Shared by the subcommands that read table files: a workspace with a table
// file loaded in it, capacities following the file.

#include <memory>
#include <ostream>
#include <string>

#include "core/workspace.h"

namespace zembu::cli {

// Loads a table file (binary or text, with its header companions) into a new
// workspace; messages go to err. Returns nullptr when the file cannot be read.
std::unique_ptr<core::Workspace> loadWorkspace(const std::string& file, std::ostream& err);

}  // namespace zembu::cli
