#pragma once
// One screen of the table as lines of text, for the command line and for
// looking at a table without a display: the six head rows with the head
// caption and the counts in the blank area, the short-head lines, then one
// line per species row.

#include <string>
#include <vector>

#include "view/table_screen.h"

namespace zembu::view {

// The lines of a screen, table bytes (code page), without line ends.
std::vector<std::string> screenText(const TableScreen& screen);

}  // namespace zembu::view
