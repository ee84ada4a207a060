#include "synoptic/group_averages.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/index_code.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/group_data.h"

namespace zembu::synoptic {

namespace {

// Count, sum, minimum and maximum of the values of one group.
struct Accumulator {
    int64_t count = 0;
    double sum = 0;
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
    void add(double v) {
        ++count;
        sum += v;
        min = std::min(min, v);
        max = std::max(max, v);
    }
};

GroupData groupsOf(const core::Workspace& ws) {
    return nastaveni_promennych_syn_tabulky(ws.table, {ws.separatorHierarchy, ws.separatorLevel, false});
}

std::string report(const char* heading, const char* countName, const std::vector<Accumulator>& groups, bool minMax) {
    std::string text = std::string(heading) + "\n";
    const auto block = [&](const char* name, double Accumulator::*field, bool mean) {
        text += std::string(name) + "\n";
        text += std::string("Group No.   ") + countName + "       Value\n";
        for (size_t g = 1; g < groups.size(); ++g) {
            const Accumulator& a = groups[g];
            const std::string value =
                a.count == 0 ? "." : core::formatNumber(mean ? a.sum / static_cast<double>(a.count) : a.*field, "0.0000");
            text += core::padLeft(std::to_string(g), 9) + core::padLeft(std::to_string(a.count), 14) +
                    core::padLeft(value, 12) + "\n";
        }
    };
    block("Group average", &Accumulator::sum, true);
    if (minMax) {
        block("Group minimum", &Accumulator::min, false);
        block("Group maximum", &Accumulator::max, false);
    }
    return text;
}

std::optional<bool> askMinMax(core::Interaction& ui) {
    const core::Answer a = ui.question("Add the group minimum and maximum?", "Program Info", core::Buttons::YesNoCancel);
    if (a == core::Answer::Cancel) return std::nullopt;
    return a == core::Answer::Yes;
}

}  // namespace

std::optional<std::string> shortHeadAverages(core::Workspace& ws, bool minMax) {
    const core::Table& t = ws.table;
    const GroupData groups = groupsOf(ws);
    std::vector<Accumulator> values(static_cast<size_t>(groups.groupCount) + 1);
    bool numbers = false;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const std::string& head = t.ReleveHead[t.ReleveOrder[k].record];
        if (!core::isNumber(head)) continue;
        numbers = true;
        values[groups.groupOfColumn[k]].add(core::leadingNumber(head));
    }
    if (!numbers) return std::nullopt;
    return report("SHORT HEAD AVERAGES", "No. of rel.", values, minMax);
}

std::optional<std::string> speciesDataAverages(core::Workspace& ws, bool minMax) {
    const core::Table& t = ws.table;
    const GroupData groups = groupsOf(ws);
    std::vector<Accumulator> values(static_cast<size_t>(groups.groupCount) + 1);
    const int32_t lastRecord = static_cast<int32_t>(groups.groupOfRecord.size()) - 1;
    bool numbers = false;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const std::string& datum = t.SpeciesLayerLabel[i];
        const int32_t s = t.SpeciesInfo[i].record;
        if (!core::isNumber(datum) || s < 1 || s > t.MaxSpecies) continue;
        numbers = true;
        const double v = core::leadingNumber(datum);
        const std::string& cells = t.SpeciesData[s];
        for (int c = 0, n = core::cellCount(cells); c < n; ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec >= 1 && rec <= lastRecord && groups.groupOfRecord[rec] > 0) values[groups.groupOfRecord[rec]].add(v);
        }
    }
    if (!numbers) return std::nullopt;
    return report("SPECIES DATA AVERAGES", "No. of occ.", values, minMax);
}

namespace {

bool toClipboard(const std::optional<std::string>& text, core::Interaction& ui) {
    if (!text) {
        ui.message(OnlyTextMessage, "Program Info", core::MessageIcon::Information);
        return false;
    }
    ui.setClipboardText(*text);
    ui.message("The group averages were saved into the clipboard!", "Program Info", core::MessageIcon::Information);
    return true;
}

}  // namespace

bool shheadaver(core::Workspace& ws, core::Interaction& ui) {
    if (ws.table.ReleveCount < 1) return false;
    const std::optional<bool> minMax = askMinMax(ui);
    return minMax && toClipboard(shortHeadAverages(ws, *minMax), ui);
}

bool spdataver(core::Workspace& ws, core::Interaction& ui) {
    if (ws.table.ReleveCount < 1) return false;
    const std::optional<bool> minMax = askMinMax(ui);
    return minMax && toClipboard(speciesDataAverages(ws, *minMax), ui);
}

}  // namespace zembu::synoptic
