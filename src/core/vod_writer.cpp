// savetabl at the level of bytes: the "ve64" writer.

#include <algorithm>

#include "core/binary_io.h"
#include "core/errors.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/vod_variant.h"

namespace zembu::core {

namespace {

constexpr int32_t ProgressBatch = 4096;

// Counts steps and hands them to the meter in batches.
class Steps {
public:
    explicit Steps(ProgressMeter* meter) : meter_(meter) {}
    ~Steps() { flush(); }
    void step() {
        if (++pending_ >= ProgressBatch) flush();
    }
    void flush() {
        if (meter_ && pending_ > 0) meter_->advance(pending_);
        pending_ = 0;
    }

private:
    ProgressMeter* meter_;
    int32_t pending_ = 0;
};

void writeRecords(BinaryOutput& out, const Table& t, const std::vector<std::string>& journal,
                  ProgressMeter* meter) {
    // A table whose counts do not fit its arrays is never written.
    if (t.ReleveCount < 0 || t.SpeciesRecordCount < 0 || t.SpeciesCount < 0 ||
        static_cast<size_t>(t.ReleveCount) >= t.ReleveData.size() ||
        static_cast<size_t>(t.SpeciesRecordCount) >= t.SpeciesData.size())
        throw ZembuError("The table cannot be saved: its counts do not fit its capacities.");
    Steps steps(meter);
    const int32_t R = t.ReleveCount;  // the record count is written as the relevé count
    const int32_t S = t.SpeciesRecordCount;

    out.tag("ve64");
    out.tag("0002");
    out.longValue(R);
    out.longValue(R);
    out.tag("0003");
    out.longValue(t.SpeciesCount);
    out.longValue(S);

    out.tag("0004");
    for (int32_t k = 1; k <= R; ++k) {
        out.longValue(t.ReleveOrder[k].record);
        out.longValue(t.ReleveOrder[k].turbovegNumber);
    }

    out.tag("0005");
    for (int32_t rec = 1; rec <= R; ++rec) {
        out.longValue(static_cast<int32_t>(t.ReleveData[rec].size()));
        writeVariantString(out, t.ReleveData[rec]);
        steps.step();
    }
    for (int32_t s = 1; s <= S; ++s) {
        out.longValue(static_cast<int32_t>(t.SpeciesData[s].size()));
        writeVariantString(out, t.SpeciesData[s]);
        steps.step();
    }

    out.tag("A006");
    for (int32_t i = 1; i <= S; ++i) {
        out.longValue(t.SpeciesInfo[i].number);
        out.text(t.SpeciesInfo[i].name, 50);
        out.longValue(t.SpeciesInfo[i].record);
        out.longValue(t.SpeciesRowOfRecord[i]);
    }
    out.tag("0006b");
    for (int32_t i = 1; i <= S; ++i) out.text(t.SpeciesLayerLabel[i], 50);
    out.tag("0006c");
    for (int32_t i = 1; i <= S; ++i) out.shortValue(t.SpeciesSeparatorAfter[i]);
    out.tag("0006d");
    for (int32_t s = 1; s <= S; ++s) out.text(t.SpeciesNote[s], 30);

    out.tag("0007");
    for (int32_t k = 1; k <= R; ++k) {
        out.longValue(t.ReleveColour[k].value);
        out.longValue(t.ReleveColour[k].number);
    }
    out.tag("0008");
    for (int32_t i = 1; i <= S; ++i) {
        out.longValue(t.SpeciesColour[i].value);
        out.longValue(t.SpeciesColour[i].number);
    }
    out.tag("0009");
    for (int32_t i = 1; i <= S; ++i) out.longValue(t.SpeciesFrequency[i]);
    out.tag("0010");
    for (int32_t i = 1; i <= S; ++i) out.shortValue(t.SpeciesLayer[i]);

    const auto groupCount = static_cast<int32_t>(std::min<size_t>(t.SpeciesGroups.size(), MaxSpeciesGroups));
    out.tag("0011");
    writeVariant(out, Variant::ofShort(static_cast<int16_t>(groupCount)));
    out.tag("0012");
    for (int32_t g = 0; g < groupCount; ++g) {
        const SpeciesGroup& group = t.SpeciesGroups[g];
        const auto members = static_cast<int16_t>(std::min<size_t>(group.members.size(), MaxGroupMembers));
        out.text(group.name, 38);
        writeVariant(out, Variant::ofShort(members));
        for (int16_t j = 0; j < members; ++j) {
            out.text(group.members[j].name, 38);
            writeVariant(out, group.members[j].value);
        }
        steps.step();
    }

    out.tag("0020");
    for (int32_t k = 1; k <= R; ++k) out.shortValue(t.SeparatorAfter[k]);

    out.tag("0013");
    for (int32_t s = 1; s <= S; ++s)
        for (const std::string& value : t.SpeciesIndicator[s]) out.text(trim(value), 2);
    for (int32_t rec = 1; rec <= R; ++rec)
        for (int32_t mean : t.ReleveIndicatorMean[rec]) out.longValue(mean);

    out.tag("0021");
    out.longValue(static_cast<int32_t>(journal.size()));
    for (const std::string& line : journal) out.text(line, 60);

    out.tag("0014");
}

}  // namespace

std::string tableFileBytes(const Table& table, const std::vector<std::string>& journal) {
    BinaryOutput out;
    writeRecords(out, table, journal, nullptr);
    return out.take();
}

void writeTableFile(const std::filesystem::path& file, const Table& table, const std::vector<std::string>& journal,
                    ProgressMeter* progress) {
    AtomicFileWriter writer(file);
    if (!writer.isOpen())
        throw ZembuError("The file " + file.string() + " cannot be written (" + writer.errorText() + ").");
    {
        BinaryOutput out(&writer);
        writeRecords(out, table, journal, progress);
    }
    if (!writer.commit())
        throw ZembuError("The file " + file.string() + " cannot be written (" + writer.errorText() + ").");
}

}  // namespace zembu::core
