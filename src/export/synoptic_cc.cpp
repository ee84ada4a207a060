#include "export/synoptic_cc.h"

#include <algorithm>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"
#include "export/cc_export.h"
#include "synoptic/synoptic_settings.h"
#include "synoptic/synoptic_table.h"

namespace zembu::exporting {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr int PairsPerLine = 5;
constexpr int ListFieldsPerLine = 10;

size_t digitCount(int64_t n) { return std::to_string(n).size(); }

// Appends a list of eight-character fields, ten to a line.
void appendList(std::string& out, const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        line += fields[i];
        if ((i + 1) % ListFieldsPerLine == 0) {
            out += line + LineEnd;
            line.clear();
        }
    }
    if (!core::trim(line).empty()) out += line + LineEnd;
}

}  // namespace

std::string synopticCcText(const core::Table& t, const synoptic::SynopticSettings& settings, int mode) {
    synoptic::SynopticCalculator calculator(t, settings, synoptic::AverageCover);
    const int32_t K = t.ReleveCount > 0 ? calculator.groupCount() : 0;
    // Wide counts widen their columns, so that fields never run together.
    const size_t groupWidth = std::max<size_t>(5, digitCount(K));
    const size_t speciesWidth = std::max<size_t>(5, digitCount(t.SpeciesCount) + 1);

    // Pairs of every group, gathered species row by species row.
    std::vector<std::vector<std::pair<int32_t, int64_t>>> pairs(static_cast<size_t>(K) + 1);
    std::vector<synoptic::SynopticCell> cells;
    for (int32_t i = 1; i <= t.SpeciesCount && K > 0; ++i) {
        calculator.computeRow(i, cells);
        for (int32_t g = 1; g <= K; ++g) {
            const synoptic::GroupStatistics st = calculator.statistics(g);
            if (st.count == 0) continue;
            const double value = mode == MeanCoverValues
                                     ? (st.coverCount > 0 ? static_cast<double>(st.sumCover) / st.coverCount : 0)
                                     : 100.0 * st.count / st.size;
            pairs[static_cast<size_t>(g)].emplace_back(i, core::roundHalfEven(value));
        }
    }

    std::string out = "Zembu synoptic table" + std::string(50, ' ') + "T" + LineEnd;
    out += groupWidth == 5 && speciesWidth == 5
               ? std::string("(I5,5(I5,F8.1))")
               : "(I" + std::to_string(groupWidth) + ",5(I" + std::to_string(speciesWidth) + ",F8.1))";
    out += LineEnd;
    for (int32_t g = 1; g <= K; ++g) {
        const auto& list = pairs[static_cast<size_t>(g)];
        for (size_t p = 0; p < list.size(); ++p) {
            if (p % PairsPerLine == 0) out += core::padLeft(std::to_string(g), groupWidth);
            out += core::padLeft(std::to_string(list[p].first), speciesWidth);
            out += core::padLeft(core::formatNumber(static_cast<double>(list[p].second), "0.0"), 8);
            if ((p + 1) % PairsPerLine == 0 || p + 1 == list.size()) out += LineEnd;
        }
    }
    out += "0000";
    out += LineEnd;

    std::vector<std::string> fields;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        fields.push_back(core::upperAscii(ccAbbreviation(t.SpeciesInfo[i].name, t.SpeciesLayer[i])));
    appendList(out, fields);
    fields.clear();
    for (int32_t g = 1; g <= K; ++g) fields.push_back(core::padLeft(std::to_string(g), 8));
    appendList(out, fields);
    return out;
}

void writeSynopticCcFile(core::Workspace& ws, int mode, const std::filesystem::path& file) {
    const synoptic::SynopticSettings settings = synoptic::readSynopticSettings(ws);
    if (!core::writeFileAtomically(file, synopticCcText(ws.table, settings, mode)))
        throw core::ZembuError("The file " + file.string() + " cannot be written.", "Program Info");
}

bool syntabCC(core::Workspace& ws, int mode, core::Interaction& ui) {
    if (ws.table.ReleveCount == 0) return false;
    const auto file = ui.saveFile({"CC! EXPORT OF PERCENTAGE SYNOPTIC TABLE",
                                   "Cornell Condensed File|*.cc!|All files (*.*)|*.*", "*.cc!", ws.currentDirectory,
                                   false});
    if (!file) return false;
    if (file->empty() || file->find('*') != std::string::npos ||
        std::filesystem::path(*file).filename().string().empty()) {
        ui.message("Write some file name!", "ZEMBU", core::MessageIcon::Critical);
        return false;
    }
    core::BusyScope busy(ui);
    try {
        writeSynopticCcFile(ws, mode, *file);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace zembu::exporting
