#include "sorting/releve_sort_commands.h"

#include <algorithm>
#include <cstring>

#include "core/head_modes.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/releve_keys.h"
#include "sorting/reorder.h"
#include "sorting/species_sort_commands.h"

namespace zembu::sorting {

namespace {

std::vector<char> chosenPositions(const core::Table& t, int colour) {
    return colour == core::AllColours ? std::vector<char>{} : relevePositionsOfColour(t, colour);
}

// Checks that the table has relevés to sort; shows the colour message when
// no relevé has a chosen colour.
bool relevesToSort(const core::Workspace& ws, int colour, core::Interaction& ui) {
    if (ws.table.ReleveCount == 0) return false;
    if (colour == core::AllColours || anyChosen(relevePositionsOfColour(ws.table, colour))) return true;
    ui.message(NoReleveOfColour, "Program Info", core::MessageIcon::Information);
    return false;
}

template <typename Keys, typename... Significant>
SortOutcome sortColumns(core::Workspace& ws, Keys keys, int colour, Direction direction, Significant... significant) {
    std::vector<char> chosen = chosenPositions(ws.table, colour);
    const std::vector<int32_t> order = sortRelevePositions(ws.table, keys, colour, direction, significant...);
    core::renewHead(ws);
    return outcomeOf(std::move(keys), std::move(chosen), order);
}

int boxOrAll(const core::Workspace& ws, int index) { return index == 0 ? ws.releveColourBox : core::AllColours; }

}  // namespace

SortOutcome tridenisnimku2(core::Workspace& ws, const RelevesBySpeciesOptions& o, core::Interaction& ui) {
    core::Table& t = ws.table;
    if (t.ReleveCount == 0 || t.SpeciesCount == 0) return {};
    if (o.speciesColour != core::AllColours && !anyChosen(speciesRowsOfColour(t, o.speciesColour))) {
        ui.message(NoSpeciesOfColour, "Program Info", core::MessageIcon::Information);
        return {};
    }
    if (!relevesToSort(ws, o.releveColour, ui)) return {};
    core::ZalohaDat(ws);
    std::vector<TextKey> keys;
    {
        core::BusyScope busy(ui);
        core::ProgressMeter meter(ui, t.ReleveCount);
        keys = releveBySpeciesKeys(t, o.releveColour, o.speciesColour, o.countOnly, &meter);
    }
    return sortColumns(ws, std::move(keys), o.releveColour, Direction::Descending, KeyLength);
}

SortOutcome sortShortHeadsNumerically(core::Workspace& ws, int colour, core::Interaction& ui) {
    if (!relevesToSort(ws, colour, ui)) return {};
    core::ZalohaDat(ws);
    return sortColumns(ws, shortHeadNumberKeys(ws.table), colour, Direction::Descending);
}

SortOutcome sortShortHeadsAlphabetically(core::Workspace& ws, int colour, core::Interaction& ui) {
    if (!relevesToSort(ws, colour, ui)) return {};
    core::ZalohaDat(ws);
    return sortColumns(ws, shortHeadTextKeys(ws.table), colour, Direction::Ascending, KeyLength);
}

SortOutcome sortturb_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    return sortShortHeadsNumerically(ws, boxOrAll(ws, index), ui);
}

SortOutcome sortalfa_Click(core::Workspace& ws, int index, core::Interaction& ui) {
    return sortShortHeadsAlphabetically(ws, boxOrAll(ws, index), ui);
}

SortOutcome sortRelevesByHeaderData(core::Workspace& ws, const HeaderSortOptions& o, core::Interaction& ui) {
    core::Table& t = ws.table;
    if (o.fields.empty() || t.ReleveCount == 0) return {};
    if (!o.sort && !o.addToShortHead && !o.separators) return {};
    core::ZalohaDat(ws);
    std::vector<TextKey> keys;
    {
        core::BusyScope busy(ui);
        core::ProgressMeter meter(ui, t.ReleveCount);
        keys = headerDataKeys(ws, o.fields, &meter);
    }
    SortOutcome outcome;
    if (o.sort) {
        outcome = sortColumns(ws, std::move(keys), core::AllColours, Direction::Ascending, KeyLength);
        keys = outcome.textKeys;
    } else {
        outcome = outcomeOf(keys, {}, {});
    }

    if (o.addToShortHead) {
        const int k = o.shortHeadCharacters < 1 || o.shortHeadCharacters > 6 ? 6 : o.shortHeadCharacters;
        for (int32_t p = 1; p <= t.ReleveCount; ++p) {
            const int32_t rec = t.ReleveOrder[p].record;
            if (rec >= 1 && rec <= t.MaxReleves)
                t.ReleveHead[static_cast<size_t>(rec)] =
                    std::string(core::trim(std::string_view(keys[static_cast<size_t>(p)].data(), static_cast<size_t>(k))));
        }
        if (o.sort) std::fill(t.SeparatorAfter.begin(), t.SeparatorAfter.end(), 0);
        ws.head = core::HeadKind::ShortHeadFile;
        ws.headMode = 4;
        ws.headCaption = "Short head:";
    }
    if (o.separators) {
        const size_t k = static_cast<size_t>(std::clamp(o.separatorCharacters, 1, static_cast<int>(KeyLength)));
        std::fill(t.SeparatorAfter.begin(), t.SeparatorAfter.end(), 0);
        for (int32_t p = 1; p < t.ReleveCount; ++p)
            if (std::memcmp(keys[static_cast<size_t>(p)].data(), keys[static_cast<size_t>(p) + 1].data(), k) != 0)
                t.SeparatorAfter[p] = static_cast<int16_t>(ws.separatorLevel);
    }
    core::renewHead(ws);
    return outcome;
}

}  // namespace zembu::sorting
