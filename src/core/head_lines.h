#pragma once
// The six head lines of the table view: each relevé's head value written
// vertically, one character per column.

#include <array>
#include <string>

#include "core/table.h"

namespace zembu::core {

// Head lines 1..6 at indexes 0..5.
using HeadLines = std::array<std::string, 6>;

// hlavickared: rebuilds the head lines from the relevé head values. Each line
// is ReleveCount characters; the head value of the record in column k,
// right-justified in 6 characters (a longer value keeps its first 6), puts
// its characters 1..6 into column k of head lines 6..1, so that head line 6
// holds the first character and head line 1 the last.
HeadLines hlavickared(const Table& table);

}  // namespace zembu::core
