// twinspan: the TWINSPAN console program. Reads the dialogue answers from
// standard input and writes the classification beside the input file.

#include <cstring>
#include <iostream>

#include "classification/twinspan/console_program.h"

namespace {

const char* const kHelp =
    "Usage: twinspan < ANSWERS\n"
    "\n"
    "Two-way indicator species analysis of a condensed data file (CC!).\n"
    "The program asks its questions on standard output and reads one answer\n"
    "per line from standard input; -1 takes the default of a question:\n"
    "\n"
    "   1  name of the input file (found case-insensitively in its folder)\n"
    "   2  samples to omit, one per line (-k after j = j..k), ended by -1\n"
    "   3  number of pseudospecies cut levels 1..9 (-1 = 0 2 5 10 20, then no line 4)\n"
    "   4  the cut levels on one line\n"
    "   5  minimum group size for division 2..10000 (default 5)\n"
    "   6  maximum number of indicators per division 0..15 (default 7)\n"
    "   7  maximum number of species in the final table 0..1000 (default 100)\n"
    "   8  maximum level of divisions 0..15 (default 6)\n"
    "   9  1 = long output (preferential pseudospecies)\n"
    "  10  1 = diagrams of divisions\n"
    "  11  1 = write the machine-readable classification (.PUN)\n"
    "  12  weights of the levels: -1 = all 1, 0 = values follow on the next line\n"
    "  13  indicator potentials of the levels: -1 = all 1, 0 = values follow\n"
    "  14  species that may not be indicators, one per line, ended by -1\n"
    "  15  sample weights: a weight, then its samples ended by -1; -1 ends\n"
    "  16  species weights, the same way\n"
    "\n"
    "Output beside the input file, named from its base name: NAME.TWI (the\n"
    "printed output) and NAME.PUN (the classification codes).\n"
    "Exit status 0 after a run, 1 when the input or the answers are unusable.\n";

}  // namespace

int main(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::cout << kHelp;
            return 0;
        }
        if (std::strcmp(argv[k], "--version") == 0) {
            std::cout << "twinspan " << ZEMBU_VERSION << '\n';
            return 0;
        }
        std::cerr << "twinspan: unknown argument " << argv[k] << " (the answers come on standard input; see --help)\n";
        return 2;
    }
    return zembu::classification::twinspan::runConsoleProgram(std::cin, std::cout, std::cerr);
}
