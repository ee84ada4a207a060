#include "import/cover_definitions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/text.h"
#include "import/cover_scale.h"

namespace zembu::import {

namespace {

// Rewrites the cover byte of every cell of a cell string.
template <typename F>
void rewriteCells(std::string& cells, F&& newCover) {
    for (size_t at = 3; at < cells.size(); at += core::CellSize) cells[at] = newCover(cells, at);
}

}  // namespace

std::string coverDefinitionLine(const CoverDefinition& d) {
    return std::string(1, d.first) + " %     " + std::to_string(d.second);
}

void collectCoverCharacters(const core::Table& table, std::vector<CoverDefinition>& definitions) {
    std::array<bool, 256> seen{};
    for (int32_t rec = 1; rec <= table.ReleveCount; ++rec) {
        const std::string& cells = table.ReleveData[rec];
        for (size_t at = 3; at < cells.size(); at += core::CellSize) {
            const auto byte = static_cast<unsigned char>(cells[at]);
            if (byte <= 160) seen[byte] = true;
        }
    }
    for (const CoverDefinition& d : definitions) seen[static_cast<unsigned char>(d.first)] = false;
    for (int byte = 0; byte <= 160; ++byte) {
        if (!seen[byte]) continue;
        const char c = static_cast<char>(byte);
        const BraunBlanquetCode* bb = findBraunBlanquetCode(std::string_view(&c, 1));
        definitions.emplace_back(c, bb ? bb->percent : 0);
    }
}

bool editCoverDefinition(CoverDefinition& d, core::Interaction& ui) {
    const auto answer = ui.input("Cover value for character '" + core::codePageToUtf8(std::string(1, d.first)) + "'",
                                 "COVER DEFINITION", std::to_string(d.second));
    if (!answer) return false;
    const std::string_view text = core::trim(*answer);
    const double v = core::leadingNumber(text);
    if (!core::isNumber(text) || v < 1 || v != std::floor(v) || v > 1e9) {
        ui.message("The value is incorrect!!!", "COVER DEFINITION", core::MessageIcon::Critical);
        return false;
    }
    d.second = static_cast<int>(v);
    return true;
}

int64_t applyCoverDefinitions(core::Table& table, std::vector<CoverDefinition>& definitions) {
    // New cover byte of every byte; 0 where the byte is left as it is.
    std::array<char, 256> replacement{};
    for (CoverDefinition& d : definitions) {
        d.second = std::min(d.second, MaxCoverPercent);
        if (d.second >= 1) replacement[static_cast<unsigned char>(d.first)] = core::coverByte(d.second);
    }
    int64_t rewritten = 0;
    const auto replace = [&](const std::string& cells, size_t at) {
        const char r = replacement[static_cast<unsigned char>(cells[at])];
        return r ? r : cells[at];
    };
    for (int32_t rec = 1; rec <= table.ReleveCount; ++rec) {
        std::string& cells = table.ReleveData[rec];
        for (size_t at = 3; at < cells.size(); at += core::CellSize)
            if (replacement[static_cast<unsigned char>(cells[at])]) ++rewritten;
        rewriteCells(cells, replace);
    }
    for (int32_t s = 1; s <= table.MaxSpecies; ++s)
        if (!table.SpeciesData[s].empty()) rewriteCells(table.SpeciesData[s], replace);
    table.recountFrequencies();
    return rewritten;
}

void tabltransf(core::Table& table) {
    // Threshold of each species record, from the layer label of its row.
    std::vector<int64_t> threshold(static_cast<size_t>(table.MaxSpecies) + 1, 0);
    for (int32_t i = 1; i <= table.SpeciesRecordCount; ++i) {
        const int32_t s = table.SpeciesInfo[i].record;
        if (s >= 1 && s <= table.MaxSpecies)
            threshold[s] = core::roundHalfEven(core::leadingNumber(table.SpeciesLayerLabel[i]));
    }
    const auto cover = [](int64_t limit, char byte) {
        return core::coverByte(core::coverPercent(byte) >= limit ? 2 : 1);
    };
    for (int32_t s = 1; s <= table.MaxSpecies; ++s) {
        if (table.SpeciesData[s].empty()) continue;
        rewriteCells(table.SpeciesData[s],
                     [&](const std::string& cells, size_t at) { return cover(threshold[s], cells[at]); });
    }
    for (int32_t rec = 1; rec <= table.ReleveCount; ++rec) {
        rewriteCells(table.ReleveData[rec], [&](const std::string& cells, size_t at) {
            const int32_t s = core::unkod(cells.data() + at - 3);
            return cover(s >= 1 && s <= table.MaxSpecies ? threshold[s] : 0, cells[at]);
        });
    }
}

}  // namespace zembu::import
