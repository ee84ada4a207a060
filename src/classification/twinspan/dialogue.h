#pragma once
// The question-and-answer dialogue of the console program: one answer per
// line on standard input, -1 for the default of a question. The answer file
// the classification link writes holds the sixteen answers in this order:
//
//   1 input file name          9 long output (1) or not (0)
//   2 omitted samples, -1      10 diagrams of divisions (1) or not
//   3 number of cut levels     11 machine-readable copy (1) or not
//   4 the cut levels           12 weights of the levels, -1 = all 1
//   5 minimum group size       13 indicator potentials, -1 = all 1
//   6 maximum indicators       14 species not to be indicators, -1
//   7 species in the table     15 weights of samples, -1
//   8 maximum level            16 weights of species, -1

#include <istream>
#include <ostream>
#include <string>

#include "classification/twinspan/parameters.h"

namespace zembu::classification::twinspan {

// Reads answers line by line and writes the questions to the prompt stream.
// Numbers are read from the start of a line; blank lines are skipped.
// Throws core::ZembuError when the answers end early or are not numbers.
class Dialogue {
public:
    Dialogue(std::istream& in, std::ostream& prompts) : in_(in), prompts_(prompts) {}

    // Answer 1: the name of the input file, as typed.
    std::string inputFileName();
    // Answers 2-16 into the parameters; checks their limits.
    void readParameters(Parameters& p);

private:
    std::string nextLine(const std::string& question);
    long long integer(const std::string& question);
    double real(const std::string& question);
    int choice(const std::string& question, int low, int high, int fallback);
    bool valuesFollow(const std::string& question);
    std::vector<double> reals(const std::string& question, size_t count);
    std::vector<int> itemList(const std::string& question);
    std::vector<std::pair<int, double>> weightList(const std::string& question);

    std::istream& in_;
    std::ostream& prompts_;
    std::vector<std::string> pending_;  // numbers left over on a line of reals
};

}  // namespace zembu::classification::twinspan
