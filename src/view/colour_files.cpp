#include "view/colour_files.h"

#include <map>
#include <unordered_map>
#include <vector>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/workspace.h"

namespace zembu::view {

namespace {

constexpr const char* kReleveFilter = "Colour info file|*.clr|All files (*.*)|*.*";
constexpr const char* kSpeciesFilter = "Colour info file|*.cls|All files (*.*)|*.*";

// A number of a colour file; one outside the range of the file's numbers
// becomes the lowest, which matches no relevé or row and is no colour.
int32_t wholeNumber(std::string_view text) {
    const auto n = core::wholeNumberIn(core::leadingNumber(text), INT32_MIN, INT32_MAX);
    return n ? static_cast<int32_t>(*n) : INT32_MIN;
}

// The numbers of a text read in free format: items separated by blanks,
// commas or line ends.
std::vector<int32_t> freeFormatNumbers(std::string_view text) {
    std::vector<int32_t> numbers;
    size_t i = 0;
    const auto separator = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; };
    while (i < text.size()) {
        while (i < text.size() && separator(text[i])) ++i;
        const size_t start = i;
        while (i < text.size() && !separator(text[i])) ++i;
        if (i > start) numbers.push_back(wholeNumber(text.substr(start, i - start)));
    }
    return numbers;
}

// A colour file whose colours the palette does not have is another kind of
// file (a species colour file loaded as a relevé one, say): it is refused
// before any colour changes.
void checkColour(const core::ColourEntry& colour, const char* kind) {
    if (colour.number >= 0 && colour.number <= core::MaxColourNumber && colour.value >= 0 &&
        colour.value <= 0xFFFFFF)
        return;
    throw core::ZembuError(std::string("The file holds the colour number ") + std::to_string(colour.number) +
                               " with the colour value " + std::to_string(colour.value) +
                               ", which are no colours of the palette (numbers 0 to " +
                               std::to_string(core::MaxColourNumber) + ", values 0 to 16777215): it is no " + kind +
                               " colour file. The colours are left as they were.",
                           "Program Info");
}

bool readFileOrSay(const std::string& file, std::string& content, core::Interaction& ui) {
    if (core::readWholeFile(file, content)) return true;
    ui.message("The file " + std::filesystem::path(file).filename().string() + " cannot be read.", "Program Info",
               core::MessageIcon::Critical);
    return false;
}

bool writeFileOrSay(const std::string& file, const std::string& content, core::Interaction& ui) {
    if (core::writeFileAtomically(file, content)) return true;
    ui.message("The file " + std::filesystem::path(file).filename().string() + " cannot be written.",
               "Program Info", core::MessageIcon::Critical);
    return false;
}

// Applies a colour file's text; colours outside the palette are refused with a message.
template <typename Apply>
bool applyOrSay(Apply apply, core::Interaction& ui) {
    try {
        apply();
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace

std::string releveColourText(core::Table& t) {
    t.fillColumnOfRecord();
    std::string out;
    for (int32_t rec = 1; rec <= t.ReleveCount; ++rec) {
        const int32_t k = t.ReleveColumnOfRecord[rec];
        if (k < 1 || k > t.ReleveCount) continue;
        out += core::printedNumber(rec);
        out += core::printedNumber(t.ReleveOrder[k].turbovegNumber);
        out += core::printedNumber(t.ReleveColour[k].value);
        out += core::printedNumber(t.ReleveColour[k].number);
        out += "\r\n";
    }
    return out;
}

std::string speciesColourText(const core::Table& t) {
    std::string out;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        out += t.SpeciesInfo[i].name + "\r\n";
        out += core::printedNumber(t.SpeciesLayer[i]) + "\r\n";
        out += core::printedNumber(t.SpeciesColour[i].value) + "\r\n";
        out += core::printedNumber(t.SpeciesColour[i].number) + "\r\n";
    }
    return out;
}

int64_t applyReleveColours(core::Table& t, std::string_view text, ReleveMatch match) {
    t.fillColumnOfRecord();
    std::unordered_map<int32_t, std::vector<int32_t>> columnsByNumber;
    if (match == ReleveMatch::TurbovegNumber)
        for (int32_t k = 1; k <= t.ReleveCount; ++k) columnsByNumber[t.ReleveOrder[k].turbovegNumber].push_back(k);

    const std::vector<int32_t> numbers = freeFormatNumbers(text);
    for (size_t at = 0; at + 4 <= numbers.size(); at += 4) checkColour({numbers[at + 2], numbers[at + 3]}, "relevé");
    int64_t applied = 0;
    for (size_t at = 0; at + 4 <= numbers.size(); at += 4) {
        const int32_t rec = numbers[at];
        const core::ColourEntry colour{numbers[at + 2], numbers[at + 3]};
        if (match == ReleveMatch::RunningNumber) {
            if (rec < 1 || rec > t.ReleveCount) continue;
            const int32_t k = t.ReleveColumnOfRecord[rec];
            if (k < 1 || k > t.ReleveCount) continue;
            t.ReleveColour[k] = colour;
            ++applied;
        } else {
            const auto found = columnsByNumber.find(numbers[at + 1]);
            if (found == columnsByNumber.end()) continue;
            for (int32_t k : found->second) t.ReleveColour[k] = colour;
            ++applied;
        }
    }
    return applied;
}

int64_t applySpeciesColours(core::Table& t, std::string_view text) {
    t.rebuildRowOfRecord();
    // The first live row of every (trimmed name, layer).
    std::map<std::pair<std::string_view, int>, int32_t> firstRow;
    for (int32_t i = t.SpeciesCount; i >= 1; --i)
        firstRow[{core::trim(t.SpeciesInfo[i].name), t.SpeciesLayer[i]}] = i;

    const std::vector<std::string_view> lines = core::splitLines(text);
    for (size_t at = 0; at + 4 <= lines.size(); at += 4)
        checkColour({wholeNumber(lines[at + 2]), wholeNumber(lines[at + 3])}, "species");
    int64_t applied = 0;
    for (size_t at = 0; at + 4 <= lines.size(); at += 4) {
        const auto found = firstRow.find({core::trim(lines[at]), wholeNumber(lines[at + 1])});
        if (found == firstRow.end()) continue;
        t.SpeciesColour[found->second] = {wholeNumber(lines[at + 2]), wholeNumber(lines[at + 3])};
        ++applied;
    }
    return applied;
}

std::string proposedColourFileName(const core::Workspace& ws, const std::string& extension) {
    std::string name = ws.currentTableFile;
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name = name.substr(slash + 1);
    const size_t dot = name.find('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    if (name <= "   ") name = "colour";
    return name + extension;
}

bool saveReleveColourFile(core::Table& table, const std::string& file, core::Interaction& ui) {
    return writeFileOrSay(file, releveColourText(table), ui);
}

bool saveSpeciesColourFile(const core::Table& table, const std::string& file, core::Interaction& ui) {
    return writeFileOrSay(file, speciesColourText(table), ui);
}

bool loadReleveColourFile(core::Table& table, const std::string& file, ReleveMatch match, core::Interaction& ui) {
    std::string content;
    return readFileOrSay(file, content, ui) &&
           applyOrSay([&] { applyReleveColours(table, content, match); }, ui);
}

bool loadSpeciesColourFile(core::Table& table, const std::string& file, core::Interaction& ui) {
    std::string content;
    return readFileOrSay(file, content, ui) && applyOrSay([&] { applySpeciesColours(table, content); }, ui);
}

bool barvsnimUN_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    if (index == 0) {
        const auto file = ui.saveFile({"RELEVÉ COLOUR EXPORT", kReleveFilter, proposedColourFileName(ws, ".clr"),
                                       ws.currentDirectory, false});
        return file && saveReleveColourFile(ws.table, *file, ui);
    }
    const auto file = ui.openFile({"RELEVÉ COLOUR IMPORT", kReleveFilter, proposedColourFileName(ws, ".clr"),
                                   ws.currentDirectory, true});
    std::string content;
    if (!file || !readFileOrSay(*file, content, ui)) return false;
    const core::Answer answer = ui.question(
        "Press YES if you want to use Running number for import of colours (reccomended for the same file).\r\n"
        "Otherwise the program will use Turboveg number for colour import (acceptable for different datasets "
        "with same relevés)!",
        "Program Info", core::Buttons::YesNo);
    if (answer == core::Answer::Cancel) return false;
    const ReleveMatch match =
        answer == core::Answer::Yes ? ReleveMatch::RunningNumber : ReleveMatch::TurbovegNumber;
    return applyOrSay([&] { applyReleveColours(ws.table, content, match); }, ui);
}

bool speccoloUN_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    if (index == 0) {
        const auto file = ui.saveFile({"SPECIES COLOUR EXPORT", kSpeciesFilter, proposedColourFileName(ws, ".cls"),
                                       ws.currentDirectory, false});
        return file && saveSpeciesColourFile(ws.table, *file, ui);
    }
    const auto file = ui.openFile({"SPECIES COLOUR IMPORT", kSpeciesFilter, proposedColourFileName(ws, ".cls"),
                                   ws.currentDirectory, true});
    return file && loadSpeciesColourFile(ws.table, *file, ui);
}

}  // namespace zembu::view
