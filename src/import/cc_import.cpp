#include "import/cc_import.h"

#include <cmath>
#include <unordered_map>

#include "core/errors.h"
#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "import/cc_checks.h"
#include "import/cc_format.h"
#include "import/cover_scale.h"

namespace zembu::import {

namespace {

// Percentage (1..95) of a value of the data, by the value mode.
class PercentOfValue {
public:
    PercentOfValue(int mode, const std::vector<CcValue>& values) : mode_(mode) {
        for (int i = 0; i < 1024; ++i) small_[i] = capPercent(defaultPercent(i));
        for (const CcValue& v : values) {
            const int p = capPercent(v.percent < 1 ? 1 : v.percent);
            const double value = v.value == 0.0 ? 0.0 : v.value;
            if (value >= 0.0 && value < 1024.0 && value == std::floor(value)) small_[static_cast<int>(value)] = p;
            else others_[value] = p;
        }
    }

    int operator()(double v) const {
        if (mode_ == OrdinalValues) return ordinalPercent(v);
        if (v >= 0.0 && v < 1024.0) {
            const int i = static_cast<int>(v);
            if (i == v) return small_[i];
        }
        const auto found = others_.find(v == 0.0 ? 0.0 : v);
        return found != others_.end() ? found->second : capPercent(defaultPercent(v));
    }

private:
    int mode_;
    int small_[1024];
    std::unordered_map<double, int> others_;
};

// Gathers the cells of consecutive lines of one relevé and hands them to the
// relevé's data string in one piece.
class ReleveCells {
public:
    explicit ReleveCells(core::Table& table) : table_(table) { buffer_.reserve(256); }

    void add(int64_t releve, int64_t species, int percent) {
        if (releve != current_) {
            flush();
            current_ = releve;
        }
        char cell[core::CellSize];
        core::kodInto(cell, static_cast<int32_t>(species));
        cell[3] = core::coverByte(percent);
        buffer_.append(cell, core::CellSize);
    }

    void flush() {
        if (current_ == 0 || buffer_.empty()) return;
        std::string& cells = table_.ReleveData[current_];
        if (cells.empty()) cells.assign(buffer_);
        else cells.append(buffer_);
        buffer_.clear();
    }

private:
    core::Table& table_;
    int64_t current_ = 0;
    std::string buffer_;
};

}  // namespace

std::string runningNumberHead(int32_t rec) { return core::numericHeadValue(rec); }

core::Table imp_tab(const std::filesystem::path& file, const CcOptions& options, const std::vector<CcValue>& values,
                    int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui) {
    const std::string content = readImportFile(file);
    return importCcText(content, options, values, maxReleves, maxSpecies, ui);
}

core::Table importCcText(std::string_view content, const CcOptions& options, const std::vector<CcValue>& values,
                         int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui) {
    core::ProgressMeter meter(ui, static_cast<int64_t>(content.size()));
    meter.setCount(0);

    core::Table table(maxReleves, maxSpecies);

    LineCursor cursor(content);
    std::string_view line;
    cursor.next(line);
    if (!cursor.next(line) || !isCcFormatLine(line))
        throw core::ZembuError("The file format is not correct!!!", "Program Info");

    // Data lines.
    const PercentOfValue percentOf(options.valueMode, values);
    ReleveCells cells(table);
    CcDataLine data;
    int64_t largestSpecies = 0;
    int64_t linesRead = 0;
    bool endOfData = false;
    while (cursor.next(line)) {
        parseCcDataLine(line, data);
        if (data.releve == 0) {
            endOfData = true;
            break;
        }
        checkReleveIndex(data.releve, cursor.lineNumber(), maxReleves);
        for (const CcPair& pair : data.pairs) {
            checkSpeciesIndex(pair.species, cursor.lineNumber(), maxSpecies);
            if (pair.species > largestSpecies) largestSpecies = pair.species;
            cells.add(data.releve, pair.species, percentOf(pair.value));
        }
        if ((++linesRead & 1023) == 0) meter.setCount(static_cast<int64_t>(cursor.position()));
    }
    cells.flush();
    checkEndOfData(endOfData);

    // Species list.
    const std::vector<std::string_view> species = readCcSpeciesList(cursor, largestSpecies);
    const int64_t speciesRows = std::max<int64_t>(static_cast<int64_t>(species.size()), largestSpecies);
    checkSpeciesCount(speciesRows, maxSpecies);
    for (int32_t s = 1; s <= speciesRows; ++s) {
        core::SpeciesInfoEntry& info = table.SpeciesInfo[s];
        info.number = s;
        info.record = s;
        table.SpeciesRowOfRecord[s] = s;
        table.SpeciesLayerLabel[s] = "   ";
        if (s > static_cast<int32_t>(species.size())) {
            info.name = std::string(options.layerInformation ? 7 : 8, ' ');
            table.SpeciesLayerLabel[s] = "Abbreviation: Unknown";
            continue;
        }
        const std::string_view field = species[s - 1];
        if (options.layerInformation) {
            info.name = core::padRight(field.substr(0, 7), 7);
            const char layer = field.size() >= 8 ? field[7] : ' ';
            if (static_cast<unsigned char>(layer) > '9')
                table.SpeciesLayerLabel[s] = std::string("Wrong layer: ") + layer;
            table.SpeciesLayer[s] = static_cast<int16_t>(layer >= '0' && layer <= '9' ? layer - '0' : 0);
        } else {
            info.name = core::padRight(field, 8);
        }
    }

    // Relevé list.
    const std::vector<std::string_view> releves = readCcReleveList(cursor);
    const int64_t releveCount = static_cast<int64_t>(releves.size());
    checkReleveList(releveCount);
    checkReleveCount(releveCount, maxReleves);
    for (int32_t k = 1; k <= releveCount; ++k) {
        table.ReleveOrder[k] = {k, ccReleveNumber(releves[k - 1])};
        table.ReleveColour[k] = {core::UncolouredReleve, 0};
        table.ReleveHead[k] = runningNumberHead(k);
    }
    // Relevés the relevé list does not name are not part of the table.
    for (int64_t r = releveCount + 1; r <= maxReleves; ++r)
        if (!table.ReleveData[r].empty()) std::string().swap(table.ReleveData[r]);

    table.ReleveCount = table.ReleveRecordCount = static_cast<int32_t>(releveCount);
    table.SpeciesCount = table.SpeciesRecordCount = static_cast<int32_t>(speciesRows);
    table.tvorbadruhu();
    table.recountFrequencies();
    meter.setCount(static_cast<int64_t>(content.size()));
    return table;
}

}  // namespace zembu::import
