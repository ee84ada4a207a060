#pragma once
// Helpers of the TWINSPAN tests: the shared cases in tests/data/twinspan,
// the printed output of the reference runs read back per division, and
// in-process runs of the console program in a scratch folder.

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "classification/twinspan/console_program.h"
#include "core/text.h"
#include "support/test_support.h"

namespace zembu::testing::twinspan {

inline std::filesystem::path caseDir() { return std::filesystem::path(ZEMBU_TEST_DATA_DIR) / "twinspan"; }

// One division as the reference printed output reports it.
struct PrintedDivision {
    int classNumber = 0;
    std::string eigenvalue;               // "0.515"; empty when none is printed
    std::vector<std::string> indicators;  // "Ranu flam1(+)"
    std::optional<int> maxNegativeScore;
    std::vector<std::string> negative, positive;  // item names, trimmed
};

// The sample divisions (first) and the species divisions (second) of a
// printed output.
inline std::vector<std::vector<PrintedDivision>> readPrintedDivisions(const std::string& text) {
    std::vector<std::vector<PrintedDivision>> sections;
    PrintedDivision* current = nullptr;
    enum class List { None, Indicators, Negative, Positive } list = List::None;
    for (std::string_view line : core::splitLines(text)) {
        const std::string_view trimmed = core::trim(line);
        if (trimmed.starts_with("DIVISION") && !trimmed.starts_with("DIVISION FAILS")) {
            const int k = static_cast<int>(core::leadingNumber(trimmed.substr(8)));
            if (k == 1) sections.emplace_back();
            sections.back().push_back({k});
            current = &sections.back().back();
            list = List::None;
            continue;
        }
        if (!current) continue;
        if (trimmed.starts_with("ORDER OF")) {
            current = nullptr;
        } else if (trimmed.starts_with("Eigenvalue")) {
            current->eigenvalue = std::string(core::splitAtBlanks(trimmed)[1]);
        } else if (trimmed.starts_with("INDICATORS")) {
            list = List::Indicators;
        } else if (trimmed.starts_with("Maximum indicator score for negative group")) {
            current->maxNegativeScore = static_cast<int>(core::leadingNumber(trimmed.substr(42)));
            list = List::None;
        } else if (trimmed.starts_with("Items in NEGATIVE")) {
            list = List::Negative;
        } else if (trimmed.starts_with("Items in POSITIVE")) {
            list = List::Positive;
        } else if (trimmed.empty() || trimmed.starts_with("*") || trimmed.starts_with("BORDERLINE") ||
                   trimmed.starts_with("MISCLASSIFIED") || trimmed.find("PREFERENTIALS") != std::string_view::npos ||
                   trimmed.starts_with("End of level") || trimmed.starts_with("This is the end")) {
            list = List::None;
        } else if (list == List::Indicators) {
            // " " + entries of 13 characters 3 apart: label (9), level, "(+)".
            for (size_t at = 1; at < line.size(); at += 16) current->indicators.emplace_back(line.substr(at, 13));
        } else if (list == List::Negative || list == List::Positive) {
            auto& items = list == List::Negative ? current->negative : current->positive;
            // Samples: " " + names of 8 two apart; species: "  " + labels of 9 two apart.
            const bool samples = sections.size() == 1;
            const size_t width = samples ? 8 : 9;
            for (size_t at = samples ? 1 : 2; at < line.size(); at += width + 2)
                items.emplace_back(core::trim(line.substr(at, width)));
        }
    }
    return sections;
}

// Result of one in-process run of the console program.
struct ProgramRun {
    int status = 0;
    std::string out, err;
};

// Runs the console program on the answers, in a folder that holds the input
// files (the program looks for its input relative to the working folder).
inline ProgramRun runProgram(const std::filesystem::path& folder, const std::string& answers) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::istringstream in(answers);
    std::ostringstream out, err;
    ProgramRun run;
    run.status = classification::twinspan::runConsoleProgram(in, out, err);
    std::filesystem::current_path(previous);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace zembu::testing::twinspan
