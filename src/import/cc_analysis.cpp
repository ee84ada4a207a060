#include "import/cc_analysis.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_set>

#include "core/errors.h"
#include "core/interaction.h"
#include "core/text.h"
#include "import/cc_checks.h"
#include "import/cc_format.h"

namespace zembu::import {

int64_t defaultPercent(double value) {
    if (!(value > 1.0)) return 1;
    if (value >= 2e9) return 2000000000;
    return static_cast<int64_t>(std::ceil(value));
}

std::string valueListLine(const CcValue& v) {
    return "Cover value" + core::padLeft(core::formatNumber(v.value, "0.000"), 7) + " will be saved as" +
           core::padLeft(std::to_string(v.percent), 3);
}

namespace {

// The distinct values met, in the order met. Whole values 0..1023 (the usual
// case) are kept in a bitmap; others in a hash set of their bit patterns.
class DistinctValues {
public:
    void add(double v) {
        if (v == 0.0) v = 0.0;  // -0 and +0 are one value
        if (v >= 0.0 && v < 1024.0 && v == std::floor(v)) {
            const int i = static_cast<int>(v);
            if (!small_[i]) {
                small_[i] = true;
                order_.push_back(v);
            }
            return;
        }
        if (others_.insert(std::bit_cast<uint64_t>(v)).second) order_.push_back(v);
    }
    const std::vector<double>& values() const { return order_; }

private:
    bool small_[1024] = {};
    std::unordered_set<uint64_t> others_;
    std::vector<double> order_;
};

}  // namespace

std::optional<CcAnalysis> test_tabulky(const std::filesystem::path& file, CcOptions& options,
                                       int32_t maxReleves, int32_t maxSpecies, core::Interaction& ui) {
    try {
        const std::string content = readImportFile(file);
        CcAnalysis result;
        result.fileSize = content.size();
        LineCursor cursor(content);
        std::string_view line;
        cursor.next(line);
        if (!cursor.next(line) || !isCcFormatLine(line)) {
            ui.message("The file format is not correct!!!", "Program Info", core::MessageIcon::Critical);
            return std::nullopt;
        }

        DistinctValues distinct;
        CcDataLine data;
        bool endOfData = false;
        while (cursor.next(line)) {
            parseCcDataLine(line, data);
            if (data.releve == 0) {
                endOfData = true;
                break;
            }
            checkReleveIndex(data.releve, cursor.lineNumber(), maxReleves);
            result.largestReleveIndex = std::max(result.largestReleveIndex, data.releve);
            for (const CcPair& pair : data.pairs) {
                checkSpeciesIndex(pair.species, cursor.lineNumber(), maxSpecies);
                result.largestSpeciesIndex = std::max(result.largestSpeciesIndex, pair.species);
                distinct.add(pair.value);
            }
            result.pairCount += static_cast<int64_t>(data.pairs.size());
        }
        checkEndOfData(endOfData);

        const std::vector<std::string_view> species = readCcSpeciesList(cursor, result.largestSpeciesIndex);
        result.speciesCount = static_cast<int64_t>(species.size());
        checkSpeciesCount(std::max(result.speciesCount, result.largestSpeciesIndex), maxSpecies);
        if (options.layerInformation) {
            for (std::string_view field : species) {
                const char layer = field.size() >= 8 ? field[7] : ' ';
                if (layer >= '0' && layer <= '9') continue;
                const core::Answer answer = ui.question(
                    "The program has found wrong character as a layer identificator.\r"
                    "Are you sure that the abbreviation contains\rlayer information?",
                    "ZEMBU", core::Buttons::YesNo, core::MessageIcon::Information);
                if (answer != core::Answer::Yes) options.layerInformation = false;
                break;
            }
        }

        result.releveCount = static_cast<int64_t>(readCcReleveList(cursor).size());
        checkReleveList(result.releveCount);
        checkReleveCount(result.releveCount, maxReleves);

        for (double v : distinct.values()) result.values.push_back({v, defaultPercent(v)});
        std::sort(result.values.begin(), result.values.end(),
                  [](const CcValue& a, const CcValue& b) { return a.value < b.value; });
        return result;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return std::nullopt;
    }
}

bool List1_DblClick(std::vector<CcValue>& values, size_t index, core::Interaction& ui) {
    if (index >= values.size()) return false;
    const auto answer = ui.input("Enter the long percentage corresponding to the selected value.", "COVER VALUE",
                                 std::to_string(values[index].percent));
    if (!answer || core::trim(*answer).empty()) return false;
    const std::string_view text = core::trim(*answer);
    if (core::isNumber(text)) {
        double v = core::leadingNumber(text);
        if (v > 95) v = 95;
        if (v >= 1 && v == std::floor(v)) {
            values[index].percent = static_cast<int64_t>(v);
            return true;
        }
    }
    ui.message("The value is incorrect!!!", "ZEMBU", core::MessageIcon::Critical);
    return false;
}

}  // namespace zembu::import
