#pragma once
// The TWINSPAN console program: the dialogue on standard input, the input
// file, the classification, and the printed (.TWI) and machine-readable
// (.PUN) outputs written beside the input file.

#include <filesystem>
#include <istream>
#include <ostream>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/parameters.h"
#include "classification/twinspan/twinspan.h"

namespace zembu::classification::twinspan {

// The input file for a name as typed: the name itself, else the one file in
// its folder whose name matches it case-insensitively. Throws core::ZembuError.
std::filesystem::path locateInputFile(const std::filesystem::path& typed);

// An output file beside the input, named from its base name with the given
// extension in the letter case of the input's extension ("twtwtw.cc!" ->
// "twtwtw.pun", "TWTWTW.CC!" -> "TWTWTW.PUN", "six.PUN" -> "six.TWI").
std::filesystem::path outputFileFor(const std::filesystem::path& input, const std::string& extension);

// Classifies and writes the outputs: the .TWI always, the .PUN when wanted.
// Each file appears whole or not at all. Throws core::ZembuError.
TwinspanResult classifyAndWrite(const std::filesystem::path& input, const CondensedData& data,
                                const Parameters& parameters);

// Runs the whole program; returns the exit status (0 after a run, 1 when the
// input or the answers are unusable; the message goes to err).
int runConsoleProgram(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace zembu::classification::twinspan
