// Commands that divide, delete, undelete, add and rename species rows.

#include <algorithm>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/species_numbers.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "editing/journal_blocks.h"
#include "editing/species_commands.h"
#include "editing/species_rows.h"
#include "editing/table_transaction.h"
#include "view/layer_labels.h"

namespace zembu::editing {

namespace {

std::vector<int32_t> liveRowsOf(const core::Table& t, std::vector<int32_t> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int32_t i) { return i < 1 || i > t.SpeciesCount; });
    return rows;
}

void noSpecies(core::Interaction& ui) {
    ui.message("There is no species of the chosen colour.", "ZEMBU", core::MessageIcon::Information);
}

// A program-made species number, or nothing after the number failure was shown.
std::optional<int32_t> speciesNumber(const core::Table& t, core::Interaction& ui) {
    const auto number = core::freeSpeciesNumber(t);
    if (!number) ui.message(core::NumberFailureMessage, "ZEMBU", core::MessageIcon::Critical);
    return number;
}

// The two parts of a divided row: [dominant cells, rare cells].
std::pair<std::string, std::string> dividedCells(const std::string& cells, int threshold) {
    std::pair<std::string, std::string> parts;
    for (int c = 0; c < core::cellCount(cells); ++c) {
        std::string& part = core::coverPercent(core::cellCoverByte(cells, c)) >= threshold ? parts.first : parts.second;
        part.append(cells, static_cast<size_t>(c) * core::CellSize, core::CellSize);
    }
    return parts;
}

}  // namespace

std::optional<int> divideRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& chosen,
                              int threshold) {
    const std::vector<int32_t> rows = liveRowsOf(ws.table, chosen);
    if (rows.empty()) {
        noSpecies(ui);
        return std::nullopt;
    }
    if (threshold < 2 || threshold > 95) return std::nullopt;
    if (ws.table.SpeciesRecordCount + 2 * static_cast<int64_t>(rows.size()) > ws.table.MaxSpecies) {
        ui.message(SpeciesLimitMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }

    TableTransaction work(ws);
    core::Table& t = work.table();
    const int32_t liveCount = t.SpeciesCount;
    const int32_t oldRecordCount = t.SpeciesRecordCount;
    for (int32_t i : rows) {
        const core::SpeciesInfoEntry info = t.SpeciesInfo[i];
        const auto [dominant, rare] = dividedCells(t.SpeciesData[info.record], threshold);
        for (const auto& [mark, cells] : {std::pair{'D', dominant}, std::pair{'r', rare}}) {
            const auto number = speciesNumber(t, ui);
            if (!number) return std::nullopt;
            NewRow row;
            row.number = *number;
            row.name = markedName(mark, info.name);
            row.layer = t.SpeciesLayer[i];
            row.cells = cells;
            row.colour = t.SpeciesColour[i];
            row.layerLabel = t.SpeciesLayerLabel[i];
            row.note = t.SpeciesNote[info.record];
            row.indicators = t.SpeciesIndicator[info.record];
            addRecordRow(t, row, view::NoLayerLabel);
        }
    }
    // Each divided row gives its place to its two parts and joins the deleted rows.
    std::vector<int32_t> live, deleted;
    int32_t made = oldRecordCount;
    size_t next = 0;
    for (int32_t i = 1; i <= liveCount; ++i) {
        if (next < rows.size() && rows[next] == i) {
            t.SpeciesSeparatorAfter[made + 2] = t.SpeciesSeparatorAfter[i];
            t.SpeciesSeparatorAfter[i] = 0;
            live.push_back(++made);
            live.push_back(++made);
            deleted.push_back(i);
            ++next;
        } else {
            live.push_back(i);
        }
    }
    for (int32_t i = liveCount + 1; i <= oldRecordCount; ++i) deleted.push_back(i);
    placeRows(t, live, deleted);
    if (!work.commit(ws, ui)) return std::nullopt;
    return static_cast<int>(rows.size());
}

std::optional<int> rozdelenidruhu(core::Workspace& ws, core::Interaction& ui, int colour) {
    const std::vector<int32_t> rows = rowsOfColour(ws.table, colour);
    if (rows.empty()) {
        noSpecies(ui);
        return std::nullopt;
    }
    const auto answer = ui.input(
        "Write percentage number, from which the abundance will be considered as dominant (2-95):", "ZEMBU", "");
    if (!answer || core::trim(*answer).empty()) return std::nullopt;
    const std::string_view text = core::trim(*answer);
    const bool digits = text.size() <= 2 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int threshold = digits ? std::stoi(std::string(text)) : 0;
    if (threshold < 2 || threshold > 95) {
        ui.message("Please write a whole number from 2 to 95.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    return divideRows(ws, ui, rows, threshold);
}

bool deleteRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& chosen) {
    core::Table& t = ws.table;
    const std::vector<int32_t> rows = liveRowsOf(t, chosen);
    if (rows.empty()) {
        noSpecies(ui);
        return false;
    }
    if (static_cast<int32_t>(rows.size()) == t.SpeciesCount) {
        ui.message("All species cannot be deleted!!!", "Program Info", core::MessageIcon::Information);
        return false;
    }
    if (!journalHasTableFile(ws, ui)) return false;
    if (ui.question("Are you sure to delete " + std::to_string(rows.size()) + " species???", "ZEMBU",
                    core::Buttons::YesNo) != core::Answer::Yes)
        return false;
    std::vector<JournalSpecies> species;
    for (int32_t i : rows) species.push_back(journalSpecies(t, i));
    if (!appendJournal(ws, ui, deletionBlock(species))) return false;
    removeRows(t, rows);
    ws.CurrentRow = std::clamp(ws.CurrentRow, 1, std::max(1, t.SpeciesCount));
    return true;
}

bool druhmaza_Click(core::Workspace& ws, core::Interaction& ui, int colour) {
    return deleteRows(ws, ui, rowsOfColour(ws.table, colour));
}

std::vector<std::string> deletedSpeciesLines(const core::Table& t) {
    std::vector<std::string> lines;
    for (int32_t i = t.SpeciesCount + 1; i <= t.SpeciesRecordCount; ++i)
        lines.push_back(core::padRight(core::trim(t.SpeciesInfo[i].name), SpeciesNameLength) + "  " +
                        std::to_string(t.SpeciesLayer[i]));
    return lines;
}

bool undeleteRows(core::Workspace& ws, core::Interaction& ui, const std::vector<int32_t>& chosen) {
    core::Table& t = ws.table;
    std::vector<int32_t> rows = chosen;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int32_t i) { return i <= t.SpeciesCount || i > t.SpeciesRecordCount; });
    if (rows.empty()) {
        ui.message("Please select the species to undelete.", "ZEMBU", core::MessageIcon::Information);
        return false;
    }
    if (!journalHasTableFile(ws, ui)) return false;
    std::vector<JournalSpecies> species;
    for (int32_t i : rows) species.push_back(journalSpecies(t, i));
    if (!appendJournal(ws, ui, undeletionBlock(species))) return false;
    restoreRows(t, rows);
    return true;
}

std::optional<int32_t> addEmptySpecies(core::Workspace& ws, core::Interaction& ui, std::string_view name, int layer) {
    core::Table& t = ws.table;
    if (core::trim(name).empty()) {
        ui.message("Please write the species name.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (layer < 0 || layer > 9) {
        ui.message(LayerMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (t.SpeciesRecordCount >= t.MaxSpecies) {
        ui.message(SpeciesLimitMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const auto number = speciesNumber(t, ui);
    if (!number) return std::nullopt;
    NewRow row;
    row.number = *number;
    row.name = std::string(core::trim(name)).substr(0, SpeciesNameLength);
    row.layer = layer;
    appendLiveRow(t, row, ws.display.layerLabelMode);
    ws.CurrentRow = t.SpeciesCount;
    return t.SpeciesCount;
}

std::optional<int32_t> addempty_Click(core::Workspace& ws, core::Interaction& ui) {
    const auto name = ui.input("Write species name:", "Add New Species", "");
    if (!name || core::trim(*name).empty()) return std::nullopt;
    const auto layerText = ui.input("Write species layer (0-9): ", "Add New Species", "");
    if (!layerText || core::trim(*layerText).empty()) return std::nullopt;
    const auto layer = parseLayer(*layerText);
    if (!layer) {
        ui.message(LayerMessage, "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    return addEmptySpecies(ws, ui, core::utf8ToCodePage(*name), *layer);
}

bool zmenjmen(core::Workspace& ws, core::Interaction& ui, int32_t row, std::string_view name, int layer) {
    core::Table& t = ws.table;
    if (row < 1 || row > t.SpeciesCount) {
        ui.message("Please select a species in the table first.", "ZEMBU", core::MessageIcon::Information);
        return false;
    }
    if (core::trim(name).empty()) {
        ui.message("Please write the species name.", "ZEMBU", core::MessageIcon::Critical);
        return false;
    }
    if (layer < 0 || layer > 9) {
        ui.message(LayerMessage, "ZEMBU", core::MessageIcon::Critical);
        return false;
    }
    core::ZalohaDat(ws);
    core::SpeciesInfoEntry& info = t.SpeciesInfo[row];
    info.name = std::string(core::trim(name)).substr(0, SpeciesNameLength);
    t.SpeciesMark[info.record] = core::speciesMarkOfName(info.name);
    t.SpeciesLayer[row] = static_cast<int16_t>(layer);
    view::patro_vypsani(t, row, layer, ws.display.layerLabelMode);
    return true;
}

}  // namespace zembu::editing
