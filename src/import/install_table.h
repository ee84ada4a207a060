#pragma once
// Putting an imported table in place of the loaded one.

#include <string>

#include "core/table.h"

namespace zembu::core {
class Workspace;
}

namespace zembu::import {

// Replaces the workspace's table by an imported one: the undo copy and the
// species journal of the previous table are dropped, the head shows the
// running numbers, the current row is the first, and the source file is
// remembered in "Last imported file::". The header store is left to the
// caller.
void installImportedTable(core::Workspace& ws, core::Table&& table, const std::string& sourceFile);

}  // namespace zembu::import
