// Aggregation commands: "&Merge BLACK Species" and "Merge &ALL Same Species".

#include <algorithm>
#include <map>

#include "core/errors.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/progress_meter.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "core/workspace.h"
#include "editing/species_commands.h"
#include "editing/species_merge.h"
#include "editing/table_transaction.h"

namespace zembu::editing {

std::optional<int> parseLayer(std::string_view text) {
    const std::string_view t = core::trim(text);
    if (t.size() != 1 || t[0] < '0' || t[0] > '9') return std::nullopt;
    return t[0] - '0';
}

bool journalHasTableFile(core::Workspace& ws, core::Interaction& ui) {
    if (core::hasTableFileName(ws.settings)) return true;
    ui.message(SaveFirstMessage, "WARNING!!!", core::MessageIcon::Warning);
    return false;
}

namespace {

// Plans a merge, or shows why it cannot be made.
std::optional<MergePlan> tryPlan(const core::Table& t, core::Interaction& ui, const std::vector<int32_t>& rows,
                                 std::string_view name, int layer) {
    try {
        return planMerge(t, rows, name, layer);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return std::nullopt;
    }
}

bool allLive(const core::Table& t, const std::vector<int32_t>& rows) {
    return !rows.empty() &&
           std::all_of(rows.begin(), rows.end(), [&](int32_t i) { return i >= 1 && i <= t.SpeciesCount; });
}

}  // namespace

std::optional<int32_t> aggregateRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& rows,
                                     std::string_view name, int layer) {
    if (!journalHasTableFile(ws, ui)) return std::nullopt;
    core::Table& t = ws.table;
    if (!allLive(t, rows)) {
        ui.message("There is no species to merge.", "ZEMBU", core::MessageIcon::Information);
        return std::nullopt;
    }
    if (layer < 0 || layer > 9) {
        ui.message(LayerMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (core::trim(name).empty()) {
        ui.message("Please write the species name.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const auto plan = tryPlan(t, ui, rows, name, layer);
    if (!plan) return std::nullopt;
    if (!appendJournal(ws, ui, aggregationBlock(journalOfMerge(t, *plan)))) return std::nullopt;
    const int32_t row = applyMerge(t, *plan, ws.display.layerLabelMode);
    ws.CurrentRow = row;
    return row;
}

std::optional<int32_t> sloucenidruhu(core::Workspace& ws, core::Interaction& ui, int colour) {
    if (!journalHasTableFile(ws, ui)) return std::nullopt;
    const core::Table& t = ws.table;
    const std::vector<int32_t> rows = rowsOfColour(t, colour);
    if (rows.empty()) {
        ui.message("There is no " + core::speciesColourName(ws, colour) + " species to merge.", "ZEMBU",
                   core::MessageIcon::Information);
        return std::nullopt;
    }
    const int32_t first = rows.front();
    const std::string defaultName = core::codePageToUtf8(core::trim(t.SpeciesInfo[first].name));
    const int defaultLayer = t.SpeciesLayer[first];
    // Room and a species number are checked before anything is asked.
    if (!tryPlan(t, ui, rows, t.SpeciesInfo[first].name, defaultLayer)) return std::nullopt;

    const auto name = ui.input("Write species name:", "Species aggregating", defaultName);
    if (!name || core::trim(*name).empty()) return std::nullopt;
    const auto layerText = ui.input("Select layer:", "ZEMBU", std::to_string(defaultLayer));
    if (!layerText || core::trim(*layerText).empty()) return std::nullopt;
    const auto layer = parseLayer(*layerText);
    if (!layer) {
        ui.message(LayerMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    return aggregateRows(ws, ui, rows, core::utf8ToCodePage(*name), *layer);
}

std::vector<std::vector<int32_t>> sameSpeciesGroups(const core::Table& t, const LayerChoice& layers) {
    std::vector<std::vector<int32_t>> groups;
    std::map<std::string, size_t> groupOfName;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int layer = t.SpeciesLayer[i];
        if (layer < 0 || layer >= LayerCount || !layers[static_cast<size_t>(layer)]) continue;
        const std::string name(core::trim(t.SpeciesInfo[i].name));
        const auto [found, added] = groupOfName.try_emplace(name, groups.size());
        if (added) groups.emplace_back();
        groups[found->second].push_back(i);
    }
    std::erase_if(groups, [](const std::vector<int32_t>& rows) { return rows.size() < 2; });
    return groups;
}

std::optional<int> sloucenidruhu_auto(core::Workspace& ws, core::Interaction& ui, const LayerChoice& layers) {
    if (!journalHasTableFile(ws, ui)) return std::nullopt;
    if (std::none_of(layers.begin(), layers.end(), [](bool on) { return on; })) {
        ui.message("Please check minimum one layer!", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const std::vector<std::vector<int32_t>> groups = sameSpeciesGroups(ws.table, layers);
    if (groups.empty()) {
        ui.message("No species occurs more than once in the chosen layers.", "ZEMBU",
                   core::MessageIcon::Information);
        return 0;
    }
    if (ws.table.SpeciesRecordCount + static_cast<int64_t>(groups.size()) > ws.table.MaxSpecies) {
        ui.message(MergeCapacityMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }

    // Rows are named by their records: they keep them while earlier groups merge.
    std::vector<std::vector<int32_t>> records;
    for (const auto& rows : groups) {
        records.emplace_back();
        for (int32_t i : rows) records.back().push_back(ws.table.SpeciesInfo[i].record);
    }
    core::BusyScope busy(ui);
    TableTransaction work(ws);
    core::Table& t = work.table();
    {
        core::ProgressMeter meter(ui, static_cast<int64_t>(records.size()));
        for (const auto& group : records) {
            std::vector<int32_t> rows;
            for (int32_t s : group) rows.push_back(t.SpeciesRowOfRecord[s]);
            const int32_t first = rows.front();
            const auto plan = tryPlan(t, ui, rows, t.SpeciesInfo[first].name, t.SpeciesLayer[first]);
            if (!plan) return std::nullopt;
            work.addJournal(aggregationBlock(journalOfMerge(t, *plan)));
            applyMerge(t, *plan, ws.display.layerLabelMode);
            meter.merak();
        }
    }
    if (!work.commit(ws, ui)) return std::nullopt;
    return static_cast<int>(groups.size());
}

}  // namespace zembu::editing
