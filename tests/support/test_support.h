#pragma once
// Helpers shared by the library tests: temporary folders, small tables built
// from a cover matrix, and a check that a scripted interaction was used up.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/scripted_interaction.h"
#include "core/table.h"

namespace zembu::testing {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A table from a cover matrix: covers[i][k] is the cover percentage of species
// row i + 1 in column k + 1 (0 = absent). Row i holds species record i + 1,
// column k shows relevé record k + 1 with TURBOVEG number 1000 + k + 1; species
// are named "Species 1", ... in layer 6.
core::Table tableFromCovers(const std::vector<std::vector<int>>& covers);

// The species records of live rows 1..SpeciesCount, top to bottom, and the
// relevé records of columns 1..ReleveCount, left to right.
std::vector<int32_t> rowRecords(const core::Table& table);
std::vector<int32_t> columnRecords(const core::Table& table);

// Writes bytes to a file.
void writeFile(const std::filesystem::path& file, const std::string& bytes);
// Reads a whole file ("" when missing).
std::string readFile(const std::filesystem::path& file);

}  // namespace zembu::testing

// Fails the test with the script's report unless every expectation was used.
#define EXPECT_SCRIPT_DONE(script) EXPECT_TRUE((script).done()) << (script).report()
