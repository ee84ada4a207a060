#include "sorting/species_sort_commands.h"

#include <cmath>

#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/dependence_sorting.h"
#include "sorting/reorder.h"
#include "sorting/species_keys.h"
#include "sorting/synoptic_sorting.h"

namespace zembu::sorting {

namespace {

// Layer label modes of the Species Data menu that the sort rewrites: the
// layer view (digits) and none; name labels travel with their rows.
constexpr int NoLayerLabels = 0;
constexpr int LayerDigits = 1;

std::vector<char> chosenRows(const core::Table& t, int colour) {
    return colour == core::AllColours ? std::vector<char>{} : speciesRowsOfColour(t, colour);
}

// Checks that the table has rows to sort; shows the colour message when no
// live row has a chosen colour.
bool rowsToSort(const core::Workspace& ws, int colour, core::Interaction& ui) {
    if (ws.table.SpeciesCount == 0) return false;
    if (colour == core::AllColours || anyChosen(speciesRowsOfColour(ws.table, colour))) return true;
    ui.message(NoSpeciesOfColour, "Program Info", core::MessageIcon::Information);
    return false;
}

template <typename Keys, typename... Significant>
SortOutcome sortRows(core::Workspace& ws, Keys keys, int colour, Direction direction, Significant... significant) {
    std::vector<char> chosen = chosenRows(ws.table, colour);
    const std::vector<int32_t> order = sortSpeciesRows(ws.table, keys, colour, direction, significant...);
    return outcomeOf(std::move(keys), std::move(chosen), order);
}

// Rows are counted as progress steps while their keys are computed.
template <typename MakeKeys>
auto keysWithProgress(core::Workspace& ws, core::Interaction& ui, int64_t steps, MakeKeys makeKeys) {
    core::BusyScope busy(ui);
    core::ProgressMeter meter(ui, steps);
    return makeKeys(&meter);
}

// A sort by a value computed from each row's occurrences, largest first.
SortOutcome sortByOccurrenceValue(core::Workspace& ws, int colour, core::Interaction& ui,
                                  std::vector<double> (*valuesOf)(const core::Table&, core::ProgressMeter*)) {
    if (ws.table.ReleveCount == 0 || !rowsToSort(ws, colour, ui)) return {};
    core::ZalohaDat(ws);
    auto keys = keysWithProgress(ws, ui, ws.table.SpeciesCount,
                                 [&](core::ProgressMeter* meter) { return valuesOf(ws.table, meter); });
    return sortRows(ws, std::move(keys), colour, Direction::Descending);
}

int boxOrAll(const core::Workspace& ws, int index) { return index == 0 ? ws.speciesColourBox : core::AllColours; }

}  // namespace

SortOutcome tridenidruhu2(core::Workspace& ws, const SpeciesByRelevesOptions& o, core::Interaction& ui) {
    core::Table& t = ws.table;
    if (t.SpeciesCount == 0 || t.ReleveCount == 0) return {};
    if (!rowsToSort(ws, o.speciesColour, ui)) return {};
    // In a constancy view the groups' constancies take the place of the relevés.
    const bool synopticView = showsConstancyView(ws);
    if (!synopticView && o.releveColour != core::AllColours &&
        !anyChosen(relevePositionsOfColour(t, o.releveColour))) {
        ui.message(NoReleveOfColour, "Program Info", core::MessageIcon::Information);
        return {};
    }
    core::ZalohaDat(ws);
    auto keys = keysWithProgress(ws, ui, t.SpeciesCount, [&](core::ProgressMeter* meter) {
        return synopticView ? synopticConstancyKeys(ws, o.layerFirst, meter)
                            : speciesByReleveKeys(t, o.speciesColour, o.releveColour, o.layerFirst, meter);
    });
    SortOutcome outcome = sortRows(ws, std::move(keys), o.speciesColour, Direction::Descending, SignificantBytes);

    const int mode = ws.display.layerLabelMode;
    if (mode == LayerDigits || mode == NoLayerLabels) {
        for (int32_t i = 1; i <= t.SpeciesCount; ++i)
            t.SpeciesLayerLabel[i] = mode == LayerDigits ? std::to_string(t.SpeciesLayer[i]) : "    ";
    }
    return outcome;
}

SortOutcome sortSpeciesAlphabetically(core::Workspace& ws, int colour, core::Interaction& ui) {
    if (!rowsToSort(ws, colour, ui)) return {};
    core::ZalohaDat(ws);
    return sortRows(ws, speciesNameKeys(ws.table), colour, Direction::Ascending, KeyLength);
}

SortOutcome sortSpeciesByMedianCover(core::Workspace& ws, int colour, core::Interaction& ui) {
    return sortByOccurrenceValue(ws, colour, ui, medianCoverKeys);
}

SortOutcome sortSpeciesByRichness(core::Workspace& ws, int colour, core::Interaction& ui) {
    return sortByOccurrenceValue(ws, colour, ui, richnessKeys);
}

SortOutcome setrdruhabecbarv_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    return sortSpeciesAlphabetically(ws, boxOrAll(ws, index), ui);
}

SortOutcome ssmcbarv_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    return sortSpeciesByMedianCover(ws, boxOrAll(ws, index), ui);
}

SortOutcome ssavrbarv_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    return sortSpeciesByRichness(ws, boxOrAll(ws, index), ui);
}

SortOutcome depesorting(core::Workspace& ws, const DependenceOptions& o, core::Interaction& ui) {
    core::Table& t = ws.table;
    if (t.ReleveCount == 0 || !rowsToSort(ws, o.speciesColour, ui)) return {};
    const synoptic::FidelitySettings settings = synoptic::readFidelitySettings(ws.settings);
    core::ZalohaDat(ws);
    const std::vector<char> chosen = chosenRows(t, o.speciesColour);
    int64_t targets = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) targets += chosen.empty() || chosen[static_cast<size_t>(i)];
    const std::vector<double> scores = keysWithProgress(ws, ui, targets, [&](core::ProgressMeter* meter) {
        return dependenceScores(t, settings, o.speciesColour, o.mostDependent, o.minimumFrequency, meter);
    });
    std::vector<double> keys(scores.size(), 0.0);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        if (!chosen.empty() && !chosen[static_cast<size_t>(i)]) continue;
        t.SpeciesLayerLabel[i] = scoreLabel(scores[static_cast<size_t>(i)]);
        // Thousandths of the score, as a number so that negative scores order too.
        keys[static_cast<size_t>(i)] = std::trunc(scores[static_cast<size_t>(i)] * 1000);
    }
    return sortRows(ws, std::move(keys), o.speciesColour, Direction::Descending);
}

SortOutcome sortSpeciesBySpeciesData(core::Workspace& ws, const SpeciesDataOptions& o, core::Interaction& ui) {
    if (!rowsToSort(ws, o.speciesColour, ui)) return {};
    core::ZalohaDat(ws);
    const Direction direction = o.descending ? Direction::Descending : Direction::Ascending;
    if (o.numeric) return sortRows(ws, speciesDataNumberKeys(ws.table), o.speciesColour, direction);
    return sortRows(ws, speciesDataTextKeys(ws.table), o.speciesColour, direction, KeyLength);
}

}  // namespace zembu::sorting
