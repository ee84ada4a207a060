#pragma once
// Reads an RTF document with a real RTF reader (unrtf), for tests that check
// what a word processor would show.

#include <filesystem>
#include <string>

namespace zembu::testing {

// The plain text of an RTF document as unrtf reads it; the test fails (and
// the result is empty) when the reader cannot be run.
std::string rtfPlainText(const std::filesystem::path& file);

}  // namespace zembu::testing
