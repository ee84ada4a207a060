#include "view/separators.h"

#include "core/head_modes.h"
#include "core/releve_groups.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::view {

namespace {

void toggle(int16_t& entry, int level) { entry = entry == 0 ? static_cast<int16_t>(level) : 0; }

// The column showing the selected relevé (by its running number), or 0.
int32_t selectedColumn(const core::Workspace& ws) {
    const core::Table& t = ws.table;
    if (ws.CurrentReleve < 1) return 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (t.ReleveOrder[k].record == ws.CurrentReleve) return k;
    return 0;
}

// The separators of the current level and finer, or all with the hierarchy off.
void removeSelectedLevels(core::Workspace& ws, bool speciesToo) {
    core::Table& t = ws.table;
    const auto removes = [&](int16_t entry) { return entry > 0 && (!ws.separatorHierarchy || entry >= ws.separatorLevel); };
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (removes(t.SeparatorAfter[k])) t.SeparatorAfter[k] = 0;
    if (!speciesToo) return;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        if (removes(t.SpeciesSeparatorAfter[i])) t.SpeciesSeparatorAfter[i] = 0;
}

}  // namespace

void renumberGroupHead(core::Workspace& ws) {
    if (ws.head == core::HeadKind::GroupNumber) hlavickaskup(ws);
}

void toggleReleveSeparator(core::Workspace& ws, int32_t column) {
    if (column < 1 || column > ws.table.ReleveCount) return;
    toggle(ws.table.SeparatorAfter[column], ws.separatorLevel);
    renumberGroupHead(ws);
}

void toggleSpeciesSeparator(core::Workspace& ws, int32_t row) {
    if (row < 1 || row > ws.table.SpeciesCount) return;
    toggle(ws.table.SpeciesSeparatorAfter[row], ws.separatorLevel);
    renumberGroupHead(ws);
}

void withcolo_Click(core::Workspace& ws) {
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    const int32_t n = t.ReleveCount;
    for (int32_t j = 2; j <= n; ++j)
        t.SeparatorAfter[j - 1] =
            t.ReleveColour[j].number != t.ReleveColour[j - 1].number ? static_cast<int16_t>(ws.separatorLevel) : 0;
    if (n >= 1) t.SeparatorAfter[n] = 0;
}

void separatorsAroundColour(core::Workspace& ws, int colour) {
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    const int32_t n = t.ReleveCount;
    const auto level = static_cast<int16_t>(ws.separatorLevel);
    const auto ofColour = [&](int32_t k) { return t.ReleveColour[k].number == colour; };
    for (int32_t k = 1; k <= n; ++k) {
        if (!ofColour(k)) continue;
        // The first relevé of a run: a separator before it; the last: after it.
        if (k > 1 && !ofColour(k - 1)) t.SeparatorAfter[k - 1] = level;
        if (k < n && !ofColour(k + 1)) t.SeparatorAfter[k] = level;
    }
    renumberGroupHead(ws);
}

void withshor_Click(core::Workspace& ws) {
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    const auto head = [&](int32_t k) { return std::string_view(t.ReleveHead[t.ReleveOrder[k].record]).substr(0, 6); };
    for (int32_t j = 2; j <= t.ReleveCount; ++j)
        t.SeparatorAfter[j - 1] = head(j) != head(j - 1) ? static_cast<int16_t>(ws.separatorLevel) : 0;
}

void divideIntoEqualGroups(core::Workspace& ws, int colour, int64_t groups) {
    core::Table& t = ws.table;
    const int32_t n = t.ReleveCount;
    if (groups < 1 || groups > n) return;
    core::ZalohaDat(ws);
    int64_t members = 0;
    for (int32_t j = 1; j <= n; ++j) members += t.ReleveColour[j].number == colour;
    const double step = static_cast<double>(members) / static_cast<double>(groups);
    double threshold = step;
    int64_t count = 1;
    int64_t made = 0;
    for (int32_t j = 1; j <= n - 1; ++j) {
        if (t.ReleveColour[j].number != colour) continue;
        ++count;
        if (count > threshold) {
            ++made;
            if (made >= groups) break;
            t.SeparatorAfter[j] = static_cast<int16_t>(ws.separatorLevel);
            threshold += step;
        }
    }
    renumberGroupHead(ws);
}

void divideByShortHeaders(core::Workspace& ws, int colour) {
    core::ZalohaDat(ws);
    core::Table& t = ws.table;
    int32_t previous = 0;
    for (int32_t j = 1; j <= t.ReleveCount; ++j) {
        if (t.ReleveColour[j].number != colour) continue;
        if (previous > 0 && t.ReleveHead[t.ReleveOrder[j].record] != t.ReleveHead[t.ReleveOrder[previous].record])
            t.SeparatorAfter[previous] = static_cast<int16_t>(ws.separatorLevel);
        previous = j;
    }
    renumberGroupHead(ws);
}

void delsep_Click(core::Workspace& ws, int index) {
    core::Table& t = ws.table;
    switch (index) {
        case 0:
            removeSelectedLevels(ws, true);
            renumberGroupHead(ws);
            break;
        case 1:
            for (int32_t k = 1; k <= t.ReleveCount; ++k) t.SeparatorAfter[k] = 0;
            for (int32_t i = 1; i <= t.SpeciesCount; ++i) t.SpeciesSeparatorAfter[i] = 0;
            renumberGroupHead(ws);
            break;
        case 2: {
            const int32_t k = selectedColumn(ws);
            if (k == 0) return;
            for (int32_t j = k; j <= t.ReleveCount; ++j) t.SeparatorAfter[j] = 0;
            break;
        }
        case 3: {
            const int32_t k = selectedColumn(ws);
            const int32_t last = k == 0 ? t.ReleveCount : k;
            for (int32_t j = 1; j <= last; ++j) t.SeparatorAfter[j] = 0;
            break;
        }
        default: break;
    }
}

void Image18_Click(core::Workspace& ws) { delsep_Click(ws, 0); }

void Image18_DblClick(core::Workspace& ws) {
    for (int32_t k = 1; k <= ws.table.ReleveCount; ++k) ws.table.SeparatorAfter[k] = 0;
    renumberGroupHead(ws);
}

void Combo4_Click(core::Workspace& ws, int position) {
    if (position < 0 || position > 5) return;
    ws.separatorLevel = position + 1;
    ws.settings.setValue(core::setting::SeparatorHierarchyValue, std::to_string(position));
    renumberGroupHead(ws);
}

void Check1_Click(core::Workspace& ws, bool on) {
    ws.separatorHierarchy = on;
    ws.settings.setValue(core::setting::SeparatorHierarchy, on ? "1" : "0");
    renumberGroupHead(ws);
}

void hlavickaskup(core::Workspace& ws) {
    core::Table& t = ws.table;
    core::numberGroups(t, ws.separatorHierarchy, ws.separatorLevel);
    for (int32_t j = 1; j <= t.ReleveCount; ++j)
        t.ReleveHead[t.ReleveOrder[j].record] = core::numericHeadValue(t.ReleveGroup[j]);
    ws.head = core::HeadKind::GroupNumber;
    ws.headMode = 3;
    ws.headCaption = "Group number:";
    core::renewHead(ws);
}

void grounumb_Click(core::Workspace& ws) {
    core::ZalohaDat(ws);
    hlavickaskup(ws);
}

}  // namespace zembu::view
