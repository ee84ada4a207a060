#pragma once
// The input of the classification: a condensed data file ("CC!") as read
// from disk. Line 1 is a title; line 2 a record format with the number of
// couplets per record right-justified in columns 69-70; then data records
// (sample number, then species number and value couplets) ending with a
// record whose sample number is 0; then species names and sample names,
// 8 characters each and 10 to a line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::classification::twinspan {

// One (species, value) couplet of a sample; value in the file's units.
struct Couplet {
    int species = 0;              // species number of the file, 1-based
    double value = 0.0;
    long long thousandths = 0;    // trunc(1000 * value + 0.5), exact
};

struct CondensedData {
    std::string title;   // line 1 as read (bytes, without the line end)
    // Couplets of every sample, index = sample number - 1, in file order;
    // a sample number that never appears is an empty sample.
    std::vector<std::vector<Couplet>> samples;
    int speciesCount = 0;                  // largest species number used
    std::vector<std::string> speciesNames; // 8 bytes each, index = number - 1
    std::vector<std::string> sampleNames;  // 8 bytes each, index = number - 1

    int sampleCount() const { return static_cast<int>(samples.size()); }
};

// Largest sample and species numbers the program accepts.
inline constexpr int kMaxSamples = 1000000;
inline constexpr int kMaxSpecies = 100000;

// Parses the content of a condensed file; fileName only names the file in
// messages. Throws core::ZembuError with a message saying what is wrong and
// where (line numbers are 1-based).
CondensedData parseCondensedData(std::string_view content, const std::string& fileName);

// Reads and parses a condensed file. Throws core::ZembuError.
CondensedData readCondensedFile(const std::filesystem::path& file);

}  // namespace zembu::classification::twinspan
