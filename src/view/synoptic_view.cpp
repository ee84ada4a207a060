#include "view/synoptic_view.h"

#include <algorithm>
#include <memory>

#include "core/errors.h"
#include "core/menu_ids.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/synoptic_settings.h"
#include "synoptic/synoptic_table.h"

namespace zembu::view {

namespace setting = core::setting;
using synoptic::CellPart;

namespace {

std::string itemOf(int type) {
    if (type >= synoptic::PercentageConstancy && type <= synoptic::FidelityTable)
        return std::string(core::menu::SynopticConstancyAndFidelity) + "#" + std::to_string(type);
    if (type >= synoptic::MaximumCover && type <= synoptic::HeadWeightedCover)
        return std::string(core::menu::SynopticAbundance) + "#" + std::to_string(type - synoptic::MaximumCover);
    if (type == synoptic::CombinedTable) return core::menu::CombinedSynopticTable;
    return {};
}

// What a value part shows, for its highlight colours.
enum class ValueKind { Frequency, Fidelity, Cover, None };

ValueKind kindOfPart(int type, int form, int part) {
    if (type == synoptic::CombinedTable) {
        if (form == 6) return part == 0 ? ValueKind::Frequency : ValueKind::None;
        const bool fidelityFirst = form == 4 || form == 5;
        return (part == 0) == fidelityFirst ? ValueKind::Fidelity : ValueKind::Frequency;
    }
    if (type <= synoptic::AbsoluteConstancy) return ValueKind::Frequency;
    if (type == synoptic::FidelityTable) return ValueKind::Fidelity;
    return ValueKind::Cover;
}

// The threshold switches highlight unless they are set to no; a settings
// file that never held them highlights.
bool thresholdSwitch(const core::Settings& s, int index) { return synoptic::isSwitchOn(s.value(index), true); }

// A highlight colour of the settings; none chosen gives the default.
int32_t highlightColour(const core::Settings& s, int index, int32_t fallback) {
    const int32_t v = synoptic::highlightColourSetting(s, index);
    return v != 0 ? v : fallback;
}

constexpr int32_t DefaultColour1 = 0x99FFFF;  // light yellow
constexpr int32_t DefaultColour3 = 0x9999FF;  // light red

HighlightStyle styleOf(ValueKind kind, const core::Settings& s) {
    switch (kind) {
    case ValueKind::Frequency:
        return {thresholdSwitch(s, setting::FrequencyThresholdYesNo),
                highlightColour(s, setting::FrequencyThresholdColor1, DefaultColour1),
                highlightColour(s, setting::FrequencyThresholdColor2, DefaultColour3)};
    case ValueKind::Fidelity:
        return {thresholdSwitch(s, setting::FidelityThresholdYesNo),
                highlightColour(s, setting::FidelityThresholdColor1, DefaultColour1),
                highlightColour(s, setting::FidelityThresholdColor2, DefaultColour3)};
    case ValueKind::Cover:
        return {thresholdSwitch(s, setting::CoverThresholdYesNo),
                highlightColour(s, setting::CoverThresholdColor1, DefaultColour1),
                highlightColour(s, setting::CoverThresholdColor2, DefaultColour3)};
    case ValueKind::None: break;
    }
    return {};
}

void appendPart(std::string& texts, std::string& classes, const CellPart& part, size_t& longest) {
    texts += part.text;
    texts += '\0';
    classes += static_cast<char>(part.highlight);
    longest = std::max(longest, core::trim(part.text).size());
}

}  // namespace

void showSynopticType(core::Workspace& ws, int type) {
    if (ws.table.ReleveCount >= 1) ws.synopticType = ws.synopticType == type ? 0 : type;
    renewSynopticChecks(ws);
}

void synopt_Click(core::Workspace& ws, int index) {
    if (index >= synoptic::PercentageConstancy && index <= synoptic::FidelityTable) showSynopticType(ws, index);
}

void synav_Click(core::Workspace& ws, int index) {
    if (index >= 0 && index <= synoptic::HeadWeightedCover - synoptic::MaximumCover)
        showSynopticType(ws, index + synoptic::MaximumCover);
}

void percwithvali_Click(core::Workspace& ws) { showSynopticType(ws, synoptic::CombinedTable); }

void renewSynopticChecks(core::Workspace& ws) {
    for (int type = synoptic::PercentageConstancy; type <= synoptic::HeadWeightedCover; ++type)
        ws.menuChecks[itemOf(type)] = ws.synopticType == type;
    ws.menuChecks[itemOf(synoptic::CombinedTable)] = ws.synopticType == synoptic::CombinedTable;
}

bool titleShown(int type, int measure) {
    if (type == synoptic::FidelityTable) return measure == synoptic::PhiCoefficient;
    return (type >= synoptic::PercentageConstancy && type <= synoptic::ZlatnikValue) || type == synoptic::CombinedTable;
}

bool SynopticView::hasRecord(int32_t record) const {
    return record >= 1 && record < static_cast<int32_t>(texts_.size()) && !classes_[record].empty();
}

CellPart SynopticView::value(int32_t record, int32_t g, int part) const {
    if (!hasRecord(record) || g < 1 || g > groupCount || part < 0 || part >= parts) return {};
    const size_t index = static_cast<size_t>(g - 1) * parts + part;
    const std::string& texts = texts_[record];
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) start = texts.find('\0', start) + 1;
    const size_t end = texts.find('\0', start);
    return {texts.substr(start, end - start), static_cast<unsigned char>(classes_[record][index])};
}

SynopticView computeSynopticView(core::Workspace& ws, core::Interaction* ui) {
    const core::Table& t = ws.table;
    SynopticView view;
    view.type = ws.synopticType;
    const synoptic::SynopticSettings settings = synoptic::readSynopticSettings(ws);
    synoptic::SynopticCalculator calculator(t, settings, view.type);
    view.form = view.type == synoptic::CombinedTable ? settings.combinedForm : 0;
    view.parts = view.type == synoptic::CombinedTable ? 2 : 1;
    view.groupCount = calculator.groupCount();
    const int64_t values = static_cast<int64_t>(t.SpeciesCount) * view.groupCount * view.parts;
    if (values > MaxSynopticViewValues)
        throw core::ZembuError("The synoptic table of " + std::to_string(view.groupCount) + " groups and " +
                                   std::to_string(t.SpeciesCount) +
                                   " species is too large to be shown. Please make fewer groups.",
                               "Program Info");

    if (titleShown(view.type, settings.fidelity.measure))
        view.title = view.type == synoptic::CombinedTable
                         ? synoptic::combinedTitle(view.form, settings.fidelity, view.groupCount)
                         : synoptic::synopticTitle(view.type, settings.fidelity, view.groupCount);
    for (int32_t g = 1; g <= view.groupCount; ++g) view.groupSizes.push_back(calculator.groups().size[g]);
    for (int part = 0; part < view.parts; ++part)
        view.styles[part] = styleOf(kindOfPart(view.type, view.form, part), ws.settings);
    view.bold = synoptic::isSwitchOn(ws.settings.value(setting::BoldImportantValuesInSynopticTable));

    view.texts_.assign(static_cast<size_t>(t.MaxSpecies) + 1, std::string());
    view.classes_.assign(static_cast<size_t>(t.MaxSpecies) + 1, std::string());
    std::unique_ptr<core::ProgressMeter> meter;
    if (ui) meter = std::make_unique<core::ProgressMeter>(*ui, t.SpeciesCount);
    std::vector<synoptic::SynopticCell> cells;
    size_t longest = 0;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (meter) meter->merak();
        if (s < 1 || s > t.MaxSpecies || view.groupCount == 0) continue;
        calculator.computeRow(i, cells);
        std::string& texts = view.texts_[s];
        std::string& classes = view.classes_[s];
        texts.clear();
        classes.clear();
        for (const synoptic::SynopticCell& cell : cells) {
            appendPart(texts, classes, cell.first, longest);
            if (view.parts == 2) appendPart(texts, classes, cell.second, longest);
        }
    }
    view.partWidth = std::max<int>(6, static_cast<int>(longest) + 1);
    return view;
}

int32_t visibleGroupCount(int viewWidth, int charWidth, int prefixWidth, int groupWidth) {
    if (charWidth <= 0 || groupWidth <= 0) return 1;
    return std::max<int32_t>(1, (viewWidth / charWidth - prefixWidth) / groupWidth);
}

SynopticScreen buildSynopticScreen(const core::Workspace& ws, const SynopticView& view, int32_t firstGroup,
                                   int32_t visibleGroups, int32_t topRow, int32_t visibleRows) {
    const core::Table& t = ws.table;
    const RowPrefix prefix = rowPrefixOf(ws);
    SynopticScreen screen;
    screen.prefixWidth = prefix.width;
    screen.layerBandStart = prefix.layerBandStart();
    screen.layerBandWidth = prefix.layerWidth;
    screen.layerBandColour = prefix.layerBandColour;
    screen.groupWidth = view.parts * view.partWidth;
    screen.partWidth = view.partWidth;
    if (t.ReleveCount < 1 || view.groupCount < 1) return screen;
    screen.empty = false;

    screen.firstGroup = std::clamp<int32_t>(firstGroup, 1, view.groupCount);
    const int32_t lastGroup = std::min<int32_t>(view.groupCount, screen.firstGroup + std::max(1, visibleGroups) - 1);
    screen.visibleGroups = lastGroup - screen.firstGroup + 1;
    screen.topRow = std::clamp<int32_t>(topRow, 1, std::max<int32_t>(1, t.SpeciesCount));
    const int32_t lastRow = std::min<int32_t>(t.SpeciesCount, screen.topRow + std::max(0, visibleRows) - 1);

    screen.title = view.title;
    const size_t width = static_cast<size_t>(view.partWidth);
    screen.groupLine = core::leftJustify("Group No.", static_cast<size_t>(screen.prefixWidth));
    screen.sizeLine = core::leftJustify(core::utf8ToCodePage("No. of relevés"), static_cast<size_t>(screen.prefixWidth));
    for (int32_t g = screen.firstGroup; g <= lastGroup; ++g) {
        screen.groupLine += core::leftJustify(core::padLeft(std::to_string(g), width), static_cast<size_t>(screen.groupWidth));
        screen.sizeLine += core::leftJustify(core::padLeft(std::to_string(view.groupSizes[g - 1]), width),
                                             static_cast<size_t>(screen.groupWidth));
    }

    for (int32_t i = screen.topRow; i <= lastRow; ++i) {
        SynopticScreenRow row;
        row.row = i;
        row.colour = t.SpeciesColour[i].value;
        row.text = rowPrefixText(ws, i, prefix);
        const int32_t s = t.SpeciesInfo[i].record;
        for (int32_t g = screen.firstGroup; g <= lastGroup; ++g) {
            for (int part = 0; part < view.parts; ++part) {
                const CellPart value = view.value(s, g, part);
                const int offset = static_cast<int>(row.text.size());
                row.text += core::padLeft(core::trim(value.text), width);
                row.classes += static_cast<char>('0' + value.highlight);
                if (value.highlight == synoptic::Plain) continue;
                const HighlightStyle& style = view.styles[part];
                MarkedValue mark;
                mark.offset = offset;
                mark.width = view.partWidth;
                mark.highlight = value.highlight;
                mark.filled = style.fill;
                mark.fill = value.highlight == synoptic::SecondThreshold ? style.colour3 : style.colour1;
                mark.bold = view.bold;
                if (mark.filled || mark.bold) row.marked.push_back(mark);
            }
        }
        screen.rows.push_back(std::move(row));
    }

    ScreenSeparator line;
    for (int32_t i = screen.topRow; i <= lastRow; ++i)
        if (separatorShown(t.SpeciesSeparatorAfter[i], ws, line, i - screen.topRow))
            screen.speciesSeparators.push_back(line);
    return screen;
}

std::vector<std::string> synopticScreenText(const SynopticScreen& screen, bool classes) {
    std::vector<std::string> lines;
    if (screen.empty) return lines;
    const auto fields = [&](const std::string& text, const std::string& marks) {
        if (!classes) return text;
        const size_t prefix = static_cast<size_t>(screen.prefixWidth), width = static_cast<size_t>(screen.partWidth);
        std::string line = text.substr(0, prefix);
        for (size_t j = 0; j < marks.size(); ++j) line += text.substr(prefix + j * width, width) + "|" + marks[j];
        return line;
    };
    lines.push_back(screen.title);
    lines.push_back(screen.groupLine);
    lines.push_back(screen.sizeLine);
    for (const SynopticScreenRow& row : screen.rows) lines.push_back(fields(row.text, row.classes));
    return lines;
}

}  // namespace zembu::view
