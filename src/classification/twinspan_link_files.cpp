#include "classification/twinspan_link_files.h"

#include <charconv>
#include <optional>

#include "classification/twinspan/record_format.h"
#include "core/index_code.h"
#include "core/settings.h"
#include "core/text.h"

namespace zembu::classification {

namespace {

constexpr const char* Eol = "\r\n";

// A whole number typed into a field (blanks around it allowed).
std::optional<long long> wholeNumber(std::string_view text) {
    text = core::trim(text);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string settingOr(const core::Settings& settings, int index, const std::string& fallback) {
    const std::string_view value = core::trim(settings.value(index));
    return value.empty() ? fallback : std::string(value);
}

LinkOptionProblem outside(const char* what, long long low, long long high, int field) {
    return {std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                std::to_string(high) + ".",
            field};
}

}  // namespace

TwinspanLinkOptions linkOptionsFromSettings(const core::Settings& settings, const std::string& defaultProgram) {
    TwinspanLinkOptions o;
    o.pseudospeciesCount = settingOr(settings, core::setting::TwinspanPseudospeciesCount, o.pseudospeciesCount);
    o.cutLevels = settingOr(settings, core::setting::TwinspanCutLevels, o.cutLevels);
    o.minGroupSize = settingOr(settings, core::setting::MinimumGroupSize, o.minGroupSize);
    o.maxIndicators = settingOr(settings, core::setting::MaximumLevelOfDivisions, o.maxIndicators);
    o.program = settingOr(settings, core::setting::TwinspanPath, defaultProgram);
    return o;
}

void storeLinkSettings(core::Settings& settings, const TwinspanLinkOptions& o) {
    settings.setValue(core::setting::TwinspanPseudospeciesCount, o.pseudospeciesCount);
    settings.setValue(core::setting::TwinspanCutLevels, o.cutLevels);
    settings.setValue(core::setting::MinimumGroupSize, o.minGroupSize);
    settings.setValue(core::setting::MaximumLevelOfDivisions, o.maxIndicators);
}

LinkOptionProblem checkLinkOptions(const TwinspanLinkOptions& o) {
    const auto within = [](const std::string& text, long long low, long long high) {
        const auto value = wholeNumber(text);
        return value && *value >= low && *value <= high;
    };
    if (!within(o.pseudospeciesCount, 1, 9)) return outside("The number of pseudospecies cut levels", 1, 9, 1);
    const auto count = *wholeNumber(o.pseudospeciesCount);
    std::vector<double> cuts;
    for (std::string_view word : core::splitAtBlanks(o.cutLevels)) {
        const auto value = twinspan::readDecimal(word);
        if (!value) return {"The cut level \"" + core::codePageToUtf8(word) + "\" is not a number.", 2};
        cuts.push_back(value->value);
    }
    if (static_cast<long long>(cuts.size()) != count)
        return {"Please write " + std::to_string(count) + " cut levels (Example: 0 2 5 10 20).", 2};
    for (size_t k = 1; k < cuts.size(); ++k)
        if (!(cuts[k] > cuts[k - 1])) return {"The pseudospecies cut levels must increase (Example: 0 2 5 10 20).", 2};
    if (!within(o.minGroupSize, 2, 10000)) return outside("The minimum group size", 2, 10000, 3);
    if (!within(o.maxIndicators, 0, 15)) return outside("The maximum number of indicators", 0, 15, 4);
    if (!within(o.maxTableSpecies, 0, 1000)) return outside("The number of species in the printed table", 0, 1000, 5);
    if (!within(o.maxLevel, 1, 15)) return outside("The maximum number of divisions", 1, 15, 6);
    return {};
}

int separatorLevelOf(const TwinspanLinkOptions& o) {
    const auto level = wholeNumber(o.maxLevel);
    return level && *level >= 1 && *level <= 6 ? static_cast<int>(*level) : 6;
}

std::string answerFileText(const TwinspanLinkOptions& o) {
    const std::string items[] = {"TWTWTW.CC!",         "-1",          o.pseudospeciesCount, o.cutLevels,
                                 o.minGroupSize,       o.maxIndicators, o.maxTableSpecies,   o.maxLevel,
                                 "1",                  "-1",          "1",                  "-1",
                                 "-1",                 "-1",          "-1",                 "-1"};
    std::string text;
    for (const std::string& item : items) text += item + Eol;
    return text;
}

TwinspanDataFile ccsoubor(const core::Table& t, int colour) {
    TwinspanDataFile file;
    std::string& out = file.text;
    out = "Temporary source file" + std::string(49, ' ') + "T" + Eol;
    out += "(I5,7(I5,F5.1))" + std::string(54, ' ') + "7" + Eol;

    // Data number of every species record, given at its first appearance.
    std::vector<int32_t> numberOfRecord(static_cast<size_t>(t.SpeciesRecordCount) + 1, 0);
    std::vector<int32_t> recordOfNumber;
    std::vector<int32_t> releveNames;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        if (t.ReleveColour[k].number != colour) continue;
        const int32_t rec = t.ReleveOrder[k].record;
        releveNames.push_back(rec);
        const std::string sample = core::padLeft(std::to_string(releveNames.size()), 5);
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        const std::string& cells = t.ReleveData[static_cast<size_t>(rec)];
        int pairs = 0;
        for (int c = 0; c < core::cellCount(cells); ++c) {
            const int32_t row = t.liveRowOfCell(cells, c);
            if (row == 0 || t.SpeciesInfo[row].name.starts_with("#")) continue;
            const int32_t s = core::cellRecord(cells, c);
            int32_t& number = numberOfRecord[static_cast<size_t>(s)];
            if (number == 0) {
                recordOfNumber.push_back(s);
                number = static_cast<int32_t>(recordOfNumber.size());
            }
            if (pairs % 7 == 0) {
                if (pairs > 0) out += Eol;
                out += sample;
            }
            out += core::padLeft(std::to_string(number), 5) +
                   core::padLeft(std::to_string(core::coverPercent(core::cellCoverByte(cells, c))), 3) + ".0";
            ++pairs;
        }
        if (pairs > 0) out += Eol;
    }
    out += std::string("0000") + Eol;

    const auto writeNames = [&out](const std::vector<int32_t>& numbers, bool rightAligned) {
        for (size_t n = 0; n < numbers.size(); ++n) {
            const std::string text = std::to_string(numbers[n]);
            out += rightAligned ? core::padLeft(text, 8) : core::leftJustify(text, 8);
            if (n % 10 == 9 || n + 1 == numbers.size()) out += Eol;
        }
    };
    writeNames(recordOfNumber, false);
    writeNames(releveNames, true);
    file.releves = static_cast<int32_t>(releveNames.size());
    file.species = static_cast<int32_t>(recordOfNumber.size());
    return file;
}

}  // namespace zembu::classification
