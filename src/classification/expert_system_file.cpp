#include "classification/expert_system_file.h"

#include "core/errors.h"
#include "core/file_util.h"
#include "core/text.h"
#include "editing/journal_blocks.h"
#include "editing/species_commands.h"

namespace zembu::classification {

namespace {

constexpr std::string_view Indent = "     ";

bool startsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

// A group member's name without the mark of a made row ("(S) ", "(D) ", "(r) ").
std::string_view unmarked(std::string_view name) { return startsWith(name, "(") ? name.substr(std::min<size_t>(4, name.size())) : name; }

std::optional<int> layerAfter(std::string_view line, size_t column) {
    if (line.size() <= column) return std::nullopt;
    std::string_view rest = core::trim(line.substr(column));
    if (startsWith(rest, "-")) rest = core::trim(rest.substr(1));
    return editing::parseLayer(rest);
}

}  // namespace

std::vector<std::string> expertSystemLines(const std::vector<std::string>& journal,
                                           const std::vector<core::SpeciesGroup>& groups) {
    std::vector<std::string> lines{"SECTION 1: Species aggregation"};
    for (const editing::JournalAggregation& a : editing::readAggregations(journal)) {
        lines.push_back(core::leftJustify(a.result.name, 58) + "- " + a.result.layer);
        for (const editing::JournalSpecies& member : a.members)
            lines.push_back(core::leftJustify(std::string(Indent) + member.name, 60) + member.layer);
        lines.emplace_back();
    }
    lines.emplace_back("SECTION 1: End");

    lines.emplace_back("SECTION 2: Species groups");
    for (const core::SpeciesGroup& group : groups) {
        lines.push_back("### " + std::string(core::trim(group.name)));
        for (const core::SpeciesGroupMember& member : group.members)
            lines.push_back(std::string(Indent) + std::string(core::trimRight(unmarked(core::trim(member.name)))));
        lines.emplace_back();
    }
    lines.emplace_back("SECTION 2: End");

    lines.emplace_back("SECTION 3: Group definitions");
    lines.emplace_back("SECTION 3: End");
    return lines;
}

ExpertSystem parseExpertSystem(std::string_view content, const std::filesystem::path& file) {
    ExpertSystem system;
    system.file = file;
    for (std::string_view line : core::splitLines(content)) system.lines.emplace_back(line);

    enum class Part { One, Other, Three };
    Part part = Part::One;
    bool headed = false;
    ExpertAggregation* current = nullptr;
    for (const std::string& line : system.lines) {
        if (startsWith(line, "SECTION")) {
            headed = true;
            current = nullptr;
            if (startsWith(line, "SECTION 3: Group definitions")) part = Part::Three;
            else if (!(part == Part::One && startsWith(line, "SECTION 1:") && !startsWith(line, "SECTION 1: End")))
                part = Part::Other;
            continue;
        }
        if (part == Part::Three) {
            if (core::trim(line).empty()) continue;
            UnitDefinition unit;
            unit.line = line;
            const size_t equals = line.find('=');
            if (equals != std::string::npos) {
                unit.name = std::string(core::trim(std::string_view(line).substr(0, equals)));
                unit.formula = std::string(core::trim(std::string_view(line).substr(equals + 1)));
            }
            system.units.push_back(std::move(unit));
        } else if (part == Part::One) {
            if (core::trim(line).empty()) {
                current = nullptr;
            } else if (startsWith(line, Indent)) {
                if (!current) continue;  // a member without its aggregate
                const std::string_view name = core::trim(std::string_view(line).substr(5, 55));
                if (!name.empty()) current->members.push_back({std::string(name), layerAfter(line, 60)});
            } else {
                system.aggregations.push_back(
                    {{std::string(core::trim(std::string_view(line).substr(0, 50))), layerAfter(line, 58)}, {}});
                current = &system.aggregations.back();
            }
        }
    }
    if (!headed)
        throw core::ZembuError("The file " + file.string() + " is not an expert system file: it has no SECTION lines.");
    return system;
}

ExpertSystem readExpertSystemFile(const std::filesystem::path& file) {
    std::string content;
    if (!core::readWholeFile(file, content)) throw core::ZembuError("The file " + file.string() + " cannot be read.");
    return parseExpertSystem(content, file);
}

bool writeExpertLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    return core::writeFileAtomically(file, content);
}

}  // namespace zembu::classification
