#include "analysis/beals_smoothing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/progress_meter.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::analysis {

BealsSmoothing::BealsSmoothing(const core::Table& table, core::ProgressMeter* meter) : table_(table) {
    const core::Table& t = table;
    dense_.assign(static_cast<size_t>(std::max(t.SpeciesRecordCount, 0)) + 1, -1);
    std::vector<int32_t> liveRecord;
    for (int32_t s = 1; s <= t.SpeciesRecordCount; ++s) {
        const int32_t row = t.SpeciesRowOfRecord[s];
        if (row < 1 || row > t.SpeciesCount) continue;
        dense_[s] = static_cast<int32_t>(liveRecord.size());
        liveRecord.push_back(s);
    }
    rowDense_.assign(static_cast<size_t>(std::max(t.SpeciesCount, 0)) + 1, -1);
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int32_t s = t.SpeciesInfo[i].record;
        if (s >= 1 && s < static_cast<int32_t>(dense_.size())) rowDense_[i] = dense_[s];
    }
    const size_t live = liveRecord.size();
    frequency_.resize(live);

    // The live species of every relevé record, from the species data strings.
    const int32_t releves = t.ReleveRecordCount;
    std::vector<int64_t> releveStart(static_cast<size_t>(std::max(releves, 0)) + 2, 0);
    int32_t largestFrequency = 0;
    for (size_t j = 0; j < live; ++j) {
        const std::string& cells = t.SpeciesData[liveRecord[j]];
        frequency_[j] = core::cellCount(cells);
        largestFrequency = std::max(largestFrequency, frequency_[j]);
        for (int c = 0; c < frequency_[j]; ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec >= 1 && rec <= releves) ++releveStart[static_cast<size_t>(rec) + 1];
        }
    }
    for (size_t r = 1; r < releveStart.size(); ++r) releveStart[r] += releveStart[r - 1];
    std::vector<int32_t> releveSpecies(static_cast<size_t>(releveStart.back()));
    {
        std::vector<int64_t> fill(releveStart.begin(), releveStart.end() - 1);
        for (size_t j = 0; j < live; ++j) {
            const std::string& cells = t.SpeciesData[liveRecord[j]];
            for (int c = 0; c < frequency_[j]; ++c) {
                const int32_t rec = core::cellRecord(cells, c);
                if (rec >= 1 && rec <= releves) releveSpecies[static_cast<size_t>(fill[rec]++)] = static_cast<int32_t>(j);
            }
        }
    }

    // The terms c / n(t), computed once for every count c a pair can have.
    weightStart_.resize(live);
    int64_t weightCount = 0;
    for (size_t j = 0; j < live; ++j) {
        weightStart_[j] = weightCount;
        weightCount += frequency_[j] + 1;
    }
    weights_.resize(static_cast<size_t>(weightCount));
    for (size_t j = 0; j < live; ++j) {
        const double n = frequency_[j];
        double* w = weights_.data() + weightStart_[j];
        w[0] = 0;
        for (int32_t c = 1; c <= frequency_[j]; ++c) w[c] = c / n;
    }

    constexpr size_t narrowLimit = std::numeric_limits<uint16_t>::max();
    narrow_ = live <= narrowLimit && static_cast<size_t>(largestFrequency) <= narrowLimit;
    if (narrow_) countPairs(narrowRows_, liveRecord, releveStart, releveSpecies, meter);
    else countPairs(wideRows_, liveRecord, releveStart, releveSpecies, meter);

    sum_.assign(live, 0.0);
    present_.assign(live, 0);
    rounded_.assign(live, 0);
}

template <typename Index>
void BealsSmoothing::countPairs(PairRows<Index>& rows, const std::vector<int32_t>& liveRecord,
                                const std::vector<int64_t>& releveStart, const std::vector<int32_t>& releveSpecies,
                                core::ProgressMeter* meter) {
    // c(s, t) for every s occurring with t: walk the relevés of t and count
    // their species, so only pairs that occur together are ever touched.
    const size_t live = liveRecord.size();
    const int32_t releves = table_.ReleveRecordCount;
    std::vector<int32_t> together(live, 0);
    std::vector<int32_t> touched;
    start_.assign(live + 1, 0);
    for (size_t j = 0; j < live; ++j) {
        const std::string& cells = table_.SpeciesData[liveRecord[j]];
        for (int c = 0; c < frequency_[j]; ++c) {
            const int32_t rec = core::cellRecord(cells, c);
            if (rec < 1 || rec > releves) continue;
            const int64_t end = releveStart[static_cast<size_t>(rec) + 1];
            for (int64_t e = releveStart[static_cast<size_t>(rec)]; e < end; ++e) {
                const int32_t s = releveSpecies[static_cast<size_t>(e)];
                if (together[static_cast<size_t>(s)]++ == 0) touched.push_back(s);
            }
        }
        for (int32_t s : touched) {
            rows.partner.push_back(static_cast<Index>(s));
            rows.count.push_back(static_cast<Index>(together[static_cast<size_t>(s)]));
            together[static_cast<size_t>(s)] = 0;
        }
        touched.clear();
        start_[j + 1] = static_cast<int64_t>(rows.partner.size());
        if (meter) meter->merak();
    }
}

template <typename Index>
void BealsSmoothing::addTerms(const PairRows<Index>& rows, int32_t t) {
    double* sum = sum_.data();
    const double* weight = weights_.data() + weightStart_[static_cast<size_t>(t)];
    const Index* partner = rows.partner.data();
    const Index* count = rows.count.data();
    const int64_t end = start_[static_cast<size_t>(t) + 1];
    for (int64_t e = start_[static_cast<size_t>(t)]; e < end; ++e) sum[partner[e]] += weight[count[e]];
}

int32_t BealsSmoothing::cooccurrences(int32_t s, int32_t t) const {
    if (s < 1 || t < 1 || s >= static_cast<int32_t>(dense_.size()) || t >= static_cast<int32_t>(dense_.size())) return 0;
    const int32_t js = dense_[static_cast<size_t>(s)], jt = dense_[static_cast<size_t>(t)];
    if (js < 0 || jt < 0) return 0;
    for (int64_t e = start_[static_cast<size_t>(jt)]; e < start_[static_cast<size_t>(jt) + 1]; ++e) {
        const size_t i = static_cast<size_t>(e);
        if (narrow_ ? narrowRows_.partner[i] == js : wideRows_.partner[i] == static_cast<uint32_t>(js))
            return static_cast<int32_t>(narrow_ ? narrowRows_.count[i] : wideRows_.count[i]);
    }
    return 0;
}

int64_t BealsSmoothing::termsOf(int32_t rec) const {
    int64_t terms = 0;
    if (rec < 1 || rec > table_.ReleveRecordCount) return 0;
    const std::string& cells = table_.ReleveData[rec];
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t species = core::cellRecord(cells, c);
        if (species < 1 || species >= static_cast<int32_t>(dense_.size())) continue;
        const int32_t j = dense_[static_cast<size_t>(species)];
        if (j >= 0) terms += start_[static_cast<size_t>(j) + 1] - start_[static_cast<size_t>(j)];
    }
    return terms;
}

void BealsSmoothing::valuesOf(int32_t rec, std::vector<int32_t>& thousandths) {
    const core::Table& t = table_;
    thousandths.assign(static_cast<size_t>(std::max(t.SpeciesCount, 0)) + 1, 0);
    if (rec < 1 || rec > t.ReleveRecordCount) return;
    std::fill(sum_.begin(), sum_.end(), 0.0);
    std::fill(present_.begin(), present_.end(), 0);
    // The terms c(s, t) / n(t) are added in the order of the relevé's cells,
    // and absent pairs would only add 0, so every sum is the very number a
    // pair-by-pair computation gives.
    const std::string& cells = t.ReleveData[rec];
    int32_t S = 0;
    for (int c = 0; c < core::cellCount(cells); ++c) {
        const int32_t species = core::cellRecord(cells, c);
        if (species < 1 || species >= static_cast<int32_t>(dense_.size())) continue;
        const int32_t j = dense_[static_cast<size_t>(species)];
        if (j < 0) continue;
        ++S;
        present_[static_cast<size_t>(j)] = 1;
        if (narrow_) addTerms(narrowRows_, j);
        else addTerms(wideRows_, j);
    }
    if (S == 0) return;
    // round(1000 sum / S), halves to the even neighbour (the default
    // rounding of nearbyint).
    const size_t live = sum_.size();
    for (size_t j = 0; j < live; ++j) rounded_[j] = static_cast<int32_t>(std::nearbyint(1000 * sum_[j] / S));
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        const int32_t j = rowDense_[static_cast<size_t>(i)];
        if (j >= 0) thousandths[static_cast<size_t>(i)] = rounded_[static_cast<size_t>(j)] + (present_[static_cast<size_t>(j)] ? 1000 : 0);
    }
}

std::string bealsValueText(int32_t thousandths) {
    const int32_t whole = thousandths / 1000;
    int32_t fraction = thousandths % 1000;
    std::string text = whole > 0 || fraction == 0 ? std::to_string(whole) : std::string();
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) fraction /= 10, --digits;
        const std::string f = std::to_string(fraction);
        text += "." + std::string(static_cast<size_t>(digits) - f.size(), '0') + f;
    }
    return text;
}

bool bealsValueReaches(int32_t thousandths, double limit) {
    // Below 1000 the value is round(...) / 1000 of an absent species, and
    // the comparison is made on that same number.
    return thousandths >= 1000 || thousandths / 1000.0 >= limit;
}

int32_t bealsLimitThousandths(double limit) {
    int32_t m = 0;
    while (m < 1000 && !bealsValueReaches(m, limit)) ++m;
    return m;
}

int64_t writeBealsFile(const core::Table& table, int colour, double limit, const std::filesystem::path& file,
                       core::Interaction& ui) {
    core::AtomicFileWriter writer(file);
    if (!writer.isOpen()) throw core::ZembuError("The file " + file.string() + " cannot be written.", "Program Info");
    std::optional<BealsSmoothing> beals;
    {
        core::ProgressMeter meter(ui, table.SpeciesCount);
        beals.emplace(table, &meter);
    }
    core::ProgressMeter meter(ui, table.ReleveCount);
    const int32_t smallest = bealsLimitThousandths(limit);
    std::vector<int32_t> values;
    std::string buffer;
    int64_t lines = 0;
    for (int32_t k = 1; k <= table.ReleveCount; ++k) {
        meter.merak();
        if (colour != core::AllColours && table.ReleveColour[k].number != colour) continue;
        beals->valuesOf(table.ReleveOrder[k].record, values);
        const std::string releve = std::to_string(table.ReleveOrder[k].turbovegNumber) + ";";
        for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
            if (values[static_cast<size_t>(i)] < smallest) continue;
            buffer += releve;
            buffer += std::to_string(table.SpeciesInfo[i].number);
            buffer += ';';
            buffer += std::to_string(table.SpeciesLayer[i]);
            buffer += ';';
            buffer += bealsValueText(values[static_cast<size_t>(i)]);
            buffer += "\r\n";
            ++lines;
        }
        if (buffer.size() > (4u << 20)) {
            writer.write(buffer);
            buffer.clear();
        }
    }
    writer.write(buffer);
    if (!writer.commit())
        throw core::ZembuError("The file " + file.string() + " cannot be written: " + writer.errorText(), "Program Info");
    return lines;
}

std::optional<double> parseBealsLimit(std::string_view text) {
    std::string number(core::trim(text));
    std::replace(number.begin(), number.end(), ',', '.');
    if (!core::isNumber(number)) return std::nullopt;
    return core::leadingNumber(number);
}

bool cockrele_Click(core::Workspace& ws, core::Interaction& ui) {
    const core::FileRequest request{BealsFileTitle, BealsFileFilter, "", ws.currentDirectory, false};
    const std::optional<std::string> chosen = ui.saveFile(request);
    if (!chosen) return false;
    std::filesystem::path file(*chosen);
    if (!file.has_extension()) file += ".txt";
    std::optional<double> limit;
    while (!limit || *limit < 0 || *limit > BealsLargestLimit) {
        const std::optional<std::string> answer = ui.input(BealsLimitPrompt, BealsLimitTitle, BealsLimitProposal);
        if (!answer) return false;
        limit = parseBealsLimit(*answer);
    }
    core::BusyScope busy(ui);
    try {
        writeBealsFile(ws.table, ws.releveColourBox, *limit, file, ui);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace zembu::analysis
