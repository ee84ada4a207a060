// taxaopen2 / taxaopen: the species groups of a table file, without the rest.

#include <algorithm>

#include "core/binary_io.h"
#include "core/errors.h"
#include "core/interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/vod_variant.h"
#include "core/workspace.h"

namespace zembu::core {

namespace {

void expectTag(BinaryInput& in, const char* tag) {
    if (in.readTag() != tag) throwFormatError();
}

// Walks a binary table file record by record up to "0011" and reads the
// groups. Walking the layout (instead of searching the bytes "0011") cannot
// be fooled by a name or a number that happens to hold those four bytes.
std::vector<SpeciesGroup> readGroups(const std::filesystem::path& file) {
    BinaryInput in(file);
    const std::string version = in.readTag();
    if (!isBinaryTableTag(version)) throwFormatError();
    expectTag(in, "0002");
    in.readLong();
    const int32_t R = in.readLong();
    expectTag(in, "0003");
    in.readLong();
    const int32_t S = in.readLong();
    if (R < 0 || S < 0) throwFormatError();

    expectTag(in, "0004");
    in.skip(static_cast<int64_t>(R) * 8);
    expectTag(in, "0005");
    std::string cells;
    for (int64_t n = 0; n < static_cast<int64_t>(R) + S; ++n) {
        const int32_t length = in.readLong();
        readVariantString(in, cells, length);
    }
    const std::string speciesTag = in.readTag();
    if (speciesTag != "A006" && speciesTag != "0006") throwFormatError();
    in.skip(static_cast<int64_t>(S) * (12 + (speciesTag == "A006" ? 50 : 38)));
    if (version >= "ve62") {
        expectTag(in, "0006");
        in.skip(static_cast<int64_t>(S) * 50);
        expectTag(in, "0006");
        in.skip(static_cast<int64_t>(S) * 2);
    }
    if (version >= "ve63") {
        expectTag(in, "0006");
        in.skip(static_cast<int64_t>(S) * 30);
    }
    expectTag(in, "0007");
    in.skip(static_cast<int64_t>(R) * 8);
    expectTag(in, "0008");
    in.skip(static_cast<int64_t>(S) * 8);
    expectTag(in, "0009");
    in.skip(static_cast<int64_t>(S) * (version <= "ve63" ? 2 : 4));
    expectTag(in, "0010");
    in.skip(static_cast<int64_t>(S) * 2);

    expectTag(in, "0011");
    std::vector<SpeciesGroup> groups(static_cast<size_t>(readVariantCount(in, MaxSpeciesGroups)));
    expectTag(in, "0012");
    for (SpeciesGroup& group : groups) {
        group.name = std::string(trimRight(in.readText(38)));
        group.members.resize(static_cast<size_t>(readVariantCount(in, MaxGroupMembers)));
        for (SpeciesGroupMember& member : group.members) {
            member.name = std::string(trimRight(in.readText(38)));
            member.value = readVariant(in);
        }
    }
    return groups;
}

}  // namespace

bool taxaopen2(Workspace& ws, Interaction& ui, const std::string& file) {
    try {
        ws.table.SpeciesGroups = readGroups(file);
    } catch (const ZembuError& e) {
        ui.message(e.what(), e.title(), MessageIcon::Critical);
        return false;
    }
    return true;
}

bool taxaopen(Workspace& ws, Interaction& ui, const std::string& file) {
    try {
        // The whole text form is read; the table is sized to the file alone.
        TableCounts counts;
        if (!peekTableCounts(file, counts)) throwFormatError();
        const int32_t releves = std::clamp(std::max(counts.releves, counts.releveRecords), 1, LargestMaxReleves);
        const int32_t species = std::clamp(counts.speciesRecords, 1, LargestMaxSpecies);
        ws.table.SpeciesGroups = readTextTableFile(file, releves, species).table.SpeciesGroups;
    } catch (const ZembuError& e) {
        ui.message(e.what(), e.title(), MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace zembu::core
