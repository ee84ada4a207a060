#include "editing/layer_combination.h"

#include <algorithm>
#include <map>

#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::editing {

std::vector<LayerCandidate> layerCandidates(const core::Table& t, const LayerChoice& combine, int result) {
    std::vector<LayerCandidate> species;
    std::map<std::string, size_t> indexOfName;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const std::string name(core::trim(t.SpeciesInfo[i].name));
        const auto [found, added] = indexOfName.try_emplace(name, species.size());
        if (added) species.push_back({name, {}, {}});
        LayerCandidate& c = species[found->second];
        const int layer = t.SpeciesLayer[i];
        if (layer < 0 || layer >= LayerCount) continue;
        c.present[static_cast<size_t>(layer)] = true;
        if (combine[static_cast<size_t>(layer)]) c.records.push_back(t.SpeciesInfo[i].record);
    }
    std::erase_if(species, [&](const LayerCandidate& c) {
        if (c.records.size() >= 2) return false;
        if (c.records.empty()) return true;
        return t.SpeciesLayer[t.SpeciesRowOfRecord[c.records.front()]] == result;
    });
    return species;
}

std::string candidateLine(const LayerCandidate& c) {
    std::string line;
    for (bool present : c.present) line += present ? "X " : "  ";
    return line + " " + core::padLeft(std::to_string(c.records.size()), 3) + "    " + c.name;
}

bool checkLayerChoice(core::Workspace& ws, core::Interaction& ui, const LayerChoice& combine,
                      std::optional<int> result) {
    if (std::none_of(combine.begin(), combine.end(), [](bool on) { return on; })) {
        ui.message("Please check minimum one layer to be combined!", "ZEMBU", core::MessageIcon::Critical);
        return false;
    }
    if (!result || *result < 0 || *result >= LayerCount) {
        ui.message("Please check one layer as a result of the combination process!", "ZEMBU",
                   core::MessageIcon::Critical);
        return false;
    }
    return journalHasTableFile(ws, ui);
}

namespace {

// A list line with what became of its species: the line cut to 70 characters.
std::string listed(const std::string& line, const char* outcome) {
    return line.substr(0, std::min<size_t>(line.size(), 70)) + outcome;
}

}  // namespace

LayerCombination::LayerCombination(const core::Table& table, const LayerChoice& combine, int result)
    : candidates_(layerCandidates(table, combine, result)), result_(result) {}

std::string LayerCombination::currentLine() const { return finished() ? std::string() : candidateLine(*current()); }

std::optional<std::string> LayerCombination::confirm(core::Workspace& ws, core::Interaction& ui) {
    if (finished()) return std::nullopt;
    const LayerCandidate& c = candidates_[next_];
    std::vector<int32_t> rows;
    for (int32_t s : c.records) rows.push_back(ws.table.SpeciesRowOfRecord[s]);
    if (!aggregateRows(ws, ui, rows, c.name, result_)) return std::nullopt;
    ++next_;
    return listed(candidateLine(c), " OK");
}

std::string LayerCombination::skip() {
    if (finished()) return {};
    return listed(candidateLine(candidates_[next_++]), " skip");
}

std::vector<std::string> LayerCombination::confirmAll(core::Workspace& ws, core::Interaction& ui) {
    std::vector<std::string> lines;
    core::BusyScope busy(ui);
    core::ProgressMeter meter(ui, static_cast<int64_t>(candidates_.size() - next_));
    while (!finished()) {
        const auto line = confirm(ws, ui);
        if (!line) break;
        lines.push_back(*line);
        meter.merak();
    }
    return lines;
}

}  // namespace zembu::editing
