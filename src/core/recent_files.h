#pragma once
// The recent-files list: settings Path1..Path4, most recent first. Entry 1 is
// the current table file.

#include <string>
#include <vector>

#include "core/settings.h"

namespace zembu::core {

inline constexpr int RecentFileCount = 4;

// Puts a file first in the list: an entry already in the list moves to the
// top, the others move down; the list keeps four entries.
void pushRecentFile(Settings& settings, const std::string& file);

// The non-empty entries, most recent first.
std::vector<std::string> recentFiles(const Settings& settings);

// True when the list records a table file name (entry 1 does not sort before
// three blanks); operations that append to the species journal need one.
bool hasTableFileName(const Settings& settings);

}  // namespace zembu::core
