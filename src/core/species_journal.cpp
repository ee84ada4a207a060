#include "core/species_journal.h"

#include <fstream>

#include "core/file_util.h"
#include "core/text.h"

namespace zembu::core {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

}  // namespace

void SpeciesJournal::ensureExists() const {
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec)) writeFileAtomically(file_, "");
}

std::vector<std::string> SpeciesJournal::lines() const {
    std::string content;
    std::vector<std::string> result;
    if (!readWholeFile(file_, content)) return result;
    for (std::string_view line : splitLines(content)) result.emplace_back(line);
    return result;
}

void SpeciesJournal::clear() const { writeFileAtomically(file_, ""); }

bool SpeciesJournal::replace(const std::vector<std::string>& lines) const {
    return writeFileAtomically(file_, joined(lines));
}

bool SpeciesJournal::append(const std::vector<std::string>& lines) const {
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    if (!out) return false;
    out << joined(lines);
    return static_cast<bool>(out);
}

}  // namespace zembu::core
