// tableopen2 at the level of bytes: the reader of binary table files
// ("ve64", "ve63", "ve62" and the older tags).
//
// The reader never trusts a number of the file: counts are checked against
// the capacities (the arrays are sized to them before anything is read),
// every string length against the bytes left in the file, and the finished
// table against the invariants of the table model. Any failure throws, and
// the caller's table is not touched.

#include <cstring>

#include "core/binary_io.h"
#include "core/errors.h"
#include "core/index_code.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/vod_variant.h"

namespace zembu::core {

namespace {

constexpr int32_t ProgressBatch = 4096;

void expectTag(BinaryInput& in, const char* tag) {
    if (in.readTag() != tag) throwFormatError();
}

// Reports the bytes read to the meter every few thousand items.
class ByteProgress {
public:
    ByteProgress(ProgressMeter* meter, const BinaryInput& in) : meter_(meter), in_(in) {
        if (meter_) meter_->setTotal(in.size());
    }
    void step() {
        if (meter_ && ++pending_ >= ProgressBatch) {
            pending_ = 0;
            meter_->setCount(in_.position());
        }
    }

private:
    ProgressMeter* meter_;
    const BinaryInput& in_;
    int32_t pending_ = 0;
};

int16_t readBoundedShort(BinaryInput& in, int low, int high) {
    const int16_t v = in.readShort();
    if (v < low || v > high) throwFormatError();
    return v;
}

ColourEntry readColour(BinaryInput& in) {
    ColourEntry c;
    c.value = in.readLong();
    c.number = in.readLong();
    if (c.number < 0 || c.number > MaxColourNumber) throwFormatError();
    return c;
}

}  // namespace

bool isBinaryTableTag(const std::string& tag) {
    return tag == "ve64" || tag == "ve63" || tag == "ve62" || tag == "ve51" || tag == "0001";
}

std::string fileTag(const std::filesystem::path& file) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) return {};
    char tag[4];
    const size_t got = std::fread(tag, 1, 4, f);
    std::fclose(f);
    return got == 4 ? std::string(tag, 4) : std::string();
}

std::string speciesCapacityMessage(int32_t count, int32_t capacity) {
    return "The number of species (with formally deleted records) is " + withLeadingBlank(count) + ".\r" +
           "It exeeds the limit (" + std::to_string(capacity) +
           "). Please change limits and try to import data once more.";
}

std::string releveCapacityMessage(int32_t count, int32_t capacity) {
    return "The number of relevés is " + withLeadingBlank(count) + ".\r" + "It exeeds the limit (" +
           std::to_string(capacity) + "). Please change limits and try to import data once more.";
}

TableFileContents readBinaryTableFile(const std::filesystem::path& file, int32_t maxReleves, int32_t maxSpecies,
                                      ProgressMeter* progress) {
    BinaryInput in(file);
    TableFileContents contents;
    const std::string version = in.readTag();
    if (!isBinaryTableTag(version)) throwFormatError();
    contents.version = version;

    expectTag(in, "0002");
    const int32_t releveCount = in.readLong();
    const int32_t R = in.readLong();  // relevé record count: the loops over relevés
    expectTag(in, "0003");
    const int32_t speciesCount = in.readLong();
    const int32_t S = in.readLong();
    if (releveCount < 0 || R < 0 || speciesCount < 0 || S < 0 || speciesCount > S) throwFormatError();
    if (S > maxSpecies) throw ZembuError(speciesCapacityMessage(S, maxSpecies), "Program Info");
    if (releveCount > maxReleves || R > maxReleves)
        throw ZembuError(releveCapacityMessage(std::max(releveCount, R), maxReleves), "Program Info");
    // Each relevé and species record takes at least ten bytes of cells.
    in.requireRoomFor(static_cast<int64_t>(R) + S, 10);

    Table& t = contents.table;
    t.setCapacities(maxReleves, maxSpecies);
    t.ReleveCount = releveCount;
    t.ReleveRecordCount = R;
    t.SpeciesCount = speciesCount;
    t.SpeciesRecordCount = S;
    ByteProgress steps(progress, in);

    expectTag(in, "0004");
    in.requireRoomFor(R, 8);
    for (int32_t k = 1; k <= R; ++k) {
        t.ReleveOrder[k].record = in.readLong();
        t.ReleveOrder[k].turbovegNumber = in.readLong();
    }

    expectTag(in, "0005");
    for (int32_t rec = 1; rec <= R; ++rec) {
        const int32_t n = in.readLong();
        if (n < 0 || n % CellSize != 0) throwFormatError();
        readVariantString(in, t.ReleveData[rec], n);
        steps.step();
    }
    for (int32_t s = 1; s <= S; ++s) {
        const int32_t n = in.readLong();
        if (n < 0 || n % CellSize != 0) throwFormatError();
        readVariantString(in, t.SpeciesData[s], n);
        steps.step();
    }

    const std::string speciesTag = in.readTag();
    if (speciesTag != "A006" && speciesTag != "0006") throwFormatError();
    const size_t nameWidth = speciesTag == "A006" ? 50 : 38;
    in.requireRoomFor(S, 12 + static_cast<int64_t>(nameWidth));
    for (int32_t i = 1; i <= S; ++i) {
        SpeciesInfoEntry& info = t.SpeciesInfo[i];
        info.number = in.readLong();
        info.name = in.readText(nameWidth);
        info.record = in.readLong();
        t.SpeciesRowOfRecord[i] = in.readLong();
    }
    if (version >= "ve62") {
        expectTag(in, "0006");
        in.requireRoomFor(S, 50);
        for (int32_t i = 1; i <= S; ++i) t.SpeciesLayerLabel[i] = in.readText(50);
        expectTag(in, "0006");
        for (int32_t i = 1; i <= S; ++i) t.SpeciesSeparatorAfter[i] = readBoundedShort(in, 0, 6);
    }
    if (version >= "ve63") {
        expectTag(in, "0006");
        in.requireRoomFor(S, 30);
        for (int32_t s = 1; s <= S; ++s) t.SpeciesNote[s] = in.readText(30);
    }

    expectTag(in, "0007");
    for (int32_t k = 1; k <= R; ++k) t.ReleveColour[k] = readColour(in);
    expectTag(in, "0008");
    for (int32_t i = 1; i <= S; ++i) t.SpeciesColour[i] = readColour(in);
    expectTag(in, "0009");
    // Frequencies are recounted from the cells below; older files hold shorts.
    in.skip(static_cast<int64_t>(S) * (version <= "ve63" ? 2 : 4));
    expectTag(in, "0010");
    for (int32_t i = 1; i <= S; ++i) t.SpeciesLayer[i] = readBoundedShort(in, 0, 9);

    expectTag(in, "0011");
    const int32_t groupCount = readVariantCount(in, MaxSpeciesGroups);
    expectTag(in, "0012");
    t.SpeciesGroups.resize(static_cast<size_t>(groupCount));
    for (SpeciesGroup& group : t.SpeciesGroups) {
        group.name = in.readText(38);
        const int32_t members = readVariantCount(in, MaxGroupMembers);
        group.members.resize(static_cast<size_t>(members));
        for (SpeciesGroupMember& member : group.members) {
            member.name = in.readText(38);
            member.value = readVariant(in);
        }
    }

    std::string tag = in.readTag();
    if (tag == "0020") {
        for (int32_t k = 1; k <= releveCount; ++k) t.SeparatorAfter[k] = readBoundedShort(in, 0, 6);
        tag = in.readTag();
    }
    if (tag != "0013") throwFormatError();
    in.requireRoomFor(S, 12);
    for (int32_t s = 1; s <= S; ++s)
        for (std::string& value : t.SpeciesIndicator[s]) value = in.readText(2);
    in.requireRoomFor(R, 24);
    for (int32_t rec = 1; rec <= R; ++rec)
        for (int32_t& mean : t.ReleveIndicatorMean[rec]) mean = in.readLong();

    tag = in.readTag();
    if (tag == "0021") {
        contents.hasJournal = true;
        const int32_t lines = in.readLong();
        in.requireRoomFor(lines, 60);
        contents.journal.resize(static_cast<size_t>(lines));
        for (std::string& line : contents.journal) line = in.readText(60);
        tag = in.readTag();
    }
    // Bytes after the end tag are left alone: older writers did not cut a
    // file that they wrote over.
    if (tag != "0014") throwFormatError();

    finishTableRead(contents);
    return contents;
}

TableFileContents readTableFile(const std::filesystem::path& file, int32_t maxReleves, int32_t maxSpecies,
                                ProgressMeter* progress) {
    if (isBinaryTableTag(fileTag(file))) return readBinaryTableFile(file, maxReleves, maxSpecies, progress);
    return readTextTableFile(file, maxReleves, maxSpecies, progress);
}

bool peekTableCounts(const std::filesystem::path& file, TableCounts& counts) {
    try {
        if (isBinaryTableTag(fileTag(file))) {
            BinaryInput in(file);
            in.readTag();
            if (in.readTag() != "0002") return false;
            counts.releves = in.readLong();
            counts.releveRecords = in.readLong();
            if (in.readTag() != "0003") return false;
            counts.species = in.readLong();
            counts.speciesRecords = in.readLong();
            return true;
        }
        return peekTextTableCounts(file, counts);
    } catch (const ZembuError&) {
        return false;
    }
}

}  // namespace zembu::core
