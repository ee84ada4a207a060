#include "classification/twinspan_result.h"

#include <charconv>
#include <optional>

#include "core/errors.h"
#include "core/text.h"

namespace zembu::classification {

namespace {

constexpr const char* SampleHeading = "SAMPLE CLASSIFICATION";
constexpr const char* SpeciesHeading = "SPECIES CLASSIFICATION";
// Columns of a record (1-based, inclusive in the comments): the code starts
// in column 25 of both kinds of record.
constexpr size_t CodeColumn = 24;

[[noreturn]] void fail(const std::string& text) { throw core::ZembuError(text, "TWINSPAN"); }

std::string lineText(size_t index) { return "line " + std::to_string(index + 1); }

// The columns from..from+width-1 (0-based from) of a line; blanks beyond its end.
std::string columns(std::string_view line, size_t from, size_t width) {
    if (from >= line.size()) return {};
    return std::string(line.substr(from, width));
}

// A whole number of at least `least`, blanks around it allowed.
std::optional<int32_t> numberAtLeast(std::string_view text, int32_t least) {
    text = core::trim(text);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least) return std::nullopt;
    return value;
}

// Reads one section: the heading, the count line, then the records.
std::vector<ClassifiedItem> readSection(const std::vector<std::string_view>& lines, const char* heading,
                                        bool species) {
    size_t at = 0;
    while (at < lines.size() && core::trim(lines[at]) != heading) ++at;
    if (at == lines.size())
        fail(std::string("The file holds no line \"") + heading + "\": it is not a TWINSPAN output file (*.pun).");
    if (++at == lines.size()) fail(std::string("The count of items under \"") + heading + "\" is missing.");
    const std::string_view countLine = lines[at];
    const size_t word = countLine.find("ITEM");
    // The count stands in the 7 characters before the word.
    const size_t from = word == std::string_view::npos || word < 7 ? 0 : word - 7;
    const std::optional<int32_t> count =
        word == std::string_view::npos ? std::nullopt : numberAtLeast(countLine.substr(from, word - from), 0);
    if (!count) fail("The count of items in " + lineText(at) + " cannot be read.");

    std::vector<ClassifiedItem> items;
    items.reserve(static_cast<size_t>(*count));
    for (int32_t n = 0; n < *count; ++n) {
        if (++at == lines.size())
            fail(std::string("The file ends after ") + std::to_string(n) + " of the " + std::to_string(*count) +
                 " items under \"" + heading + "\".");
        const std::string_view line = lines[at];
        // Species names are printed as two 4-character halves with a blank
        // between them (columns 7-10 and 12-15); relevé names whole (7-14).
        const std::string name = species ? columns(line, 6, 4) + columns(line, 11, 4) : columns(line, 6, 8);
        const std::optional<int32_t> number = numberAtLeast(name, 1);
        if (!number)
            fail("The name \"" + core::codePageToUtf8(core::trim(name)) + "\" in " + lineText(at) +
                 " is not a record number: the file was not written for a table of this program.");
        const std::string code(core::trimRight(columns(line, CodeColumn, 30)));
        bool valid = code.size() >= 1 && code[0] == '*';
        for (size_t c = 1; valid && c < code.size(); ++c) valid = code[c] == '0' || code[c] == '1';
        if (!valid)
            fail("The classification code \"" + core::codePageToUtf8(code) + "\" in " + lineText(at) +
                 " is not a TWINSPAN code (\"*\" followed by 0 and 1).");
        items.push_back({*number, code});
    }
    return items;
}

}  // namespace

bool hasSpeciesClassification(std::string_view text) {
    for (std::string_view line : core::splitLines(text))
        if (core::trim(line) == SpeciesHeading) return true;
    return false;
}

TwinspanClassification readTwinspanClassification(std::string_view text) {
    const std::vector<std::string_view> lines = core::splitLines(text);
    TwinspanClassification result;
    result.species = readSection(lines, SpeciesHeading, true);
    result.releves = readSection(lines, SampleHeading, false);
    return result;
}

}  // namespace zembu::classification
