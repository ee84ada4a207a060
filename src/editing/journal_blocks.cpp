#include "editing/journal_blocks.h"

#include <algorithm>

#include "core/text.h"

namespace zembu::editing {

namespace {

void addSpecies(std::vector<std::string>& lines, const JournalSpecies& species) {
    lines.push_back(JournalIndent + species.name);
    lines.push_back(species.number);
    lines.push_back(species.layer);
}

std::vector<std::string> block(const char* first, const std::vector<JournalSpecies>& species, const char* last) {
    std::vector<std::string> lines{first};
    for (const JournalSpecies& one : species) addSpecies(lines, one);
    lines.emplace_back(last);
    return lines;
}

std::string trimmed(const std::string& line) { return std::string(core::trim(line)); }

}  // namespace

std::vector<std::string> aggregationBlock(const JournalAggregation& a) {
    std::vector<std::string> lines{"---", a.result.name, a.result.number, a.result.layer,
                                   std::to_string(a.members.size())};
    for (const JournalSpecies& member : a.members) addSpecies(lines, member);
    lines.emplace_back("XXX");
    return lines;
}

std::vector<std::string> deletionBlock(const std::vector<JournalSpecies>& species) {
    return block("DDD", species, "***");
}

std::vector<std::string> undeletionBlock(const std::vector<JournalSpecies>& species) {
    return block("UUU", species, "+++");
}

std::vector<JournalAggregation> readAggregations(const std::vector<std::string>& journal) {
    std::vector<JournalAggregation> found;
    const size_t n = journal.size();
    size_t i = 0;
    while (i < n) {
        if (trimmed(journal[i]) != "---" || i + 4 >= n) {
            ++i;
            continue;
        }
        JournalAggregation a;
        a.result = {trimmed(journal[i + 1]), trimmed(journal[i + 2]), trimmed(journal[i + 3])};
        const double counted = core::leadingNumber(journal[i + 4]);
        i += 5;
        const size_t available = (n - i) / 3;
        const size_t m = !(counted > 0)                            ? 0
                         : counted >= static_cast<double>(available) ? available
                                                                     : static_cast<size_t>(counted);
        for (size_t k = 0; k < m; ++k, i += 3)
            a.members.push_back({trimmed(journal[i]), trimmed(journal[i + 1]), trimmed(journal[i + 2])});
        found.push_back(std::move(a));
    }
    return found;
}

}  // namespace zembu::editing
