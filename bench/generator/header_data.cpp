// Header data of generated tables, and the workspace and file helpers.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/header_store.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/workspace.h"
#include "generator.h"
#include "random.h"

namespace zembu::generator {

namespace {

struct FieldSpec {
    const char* name;
    int width;  // characters of the value; one blank follows
};
constexpr FieldSpec Fields[] = {{"Releve number", 6}, {"DATE", 8},       {"ALTITUDE", 5},
                                {"ASPECT", 4},        {"SLOPE", 3},      {"LATITUDE", 6},
                                {"LONGITUDE", 7},     {"SURF_AREA", 5},  {"COMMUNITY", 28},
                                {"AUTHOR", 14}};
const int PlotSizes[] = {100, 200, 200, 400, 400, 400, 500};
const char* const Authors[] = {"Novak J.", "Smith A.", "Horvat M.", "Keller R.", "Dvorak P."};

void put(std::string& record, size_t& column, std::string_view value, int width) {
    record += core::rightJustify(value, static_cast<size_t>(width));
    record += ' ';
    column += static_cast<size_t>(width) + 1;
}

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

void writeHeaderFiles(const GeneratorOptions& o, const core::Table& t, const std::filesystem::path& structureFile,
                      const std::filesystem::path& valueFile) {
    std::string structure;
    int start = 1;
    for (const FieldSpec& field : Fields) {
        structure += core::rightJustify(std::to_string(start), 4) + "  " + field.name + "\r\n";
        start += field.width + 1;
    }
    if (!core::writeFileAtomically(structureFile, structure))
        throw std::runtime_error("cannot write " + structureFile.string());

    core::AtomicFileWriter writer(valueFile);
    std::string buffer;
    Random random(o.seed ^ 0x4EAD);
    const int communities = std::max(o.communities, 1);
    std::vector<int32_t> turboveg(static_cast<size_t>(t.ReleveRecordCount) + 1, 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) turboveg[t.ReleveOrder[k].record] = t.ReleveOrder[k].turbovegNumber;
    for (int32_t rec = 1; rec <= t.ReleveRecordCount; ++rec) {
        const int community = static_cast<int>(static_cast<int64_t>(rec - 1) * communities / t.ReleveRecordCount);
        const double x = (community + random.uniform()) / communities;
        std::string record;
        size_t column = 0;
        put(record, column, std::to_string(turboveg[rec]), 6);
        put(record, column,
            std::to_string(random.between(1970, 2023)) + twoDigits(static_cast<int>(random.between(4, 9))) +
                twoDigits(static_cast<int>(random.between(1, 28))),
            8);
        put(record, column, std::to_string(static_cast<int>(200 + 1600 * x + 80 * random.normal())), 5);
        put(record, column, random.chance(0.1) ? "" : std::to_string(random.between(0, 359)), 4);
        put(record, column, std::to_string(static_cast<int>(std::clamp(45 * x + 5 * random.normal(), 0.0, 60.0))), 3);
        put(record, column,
            std::to_string(random.between(46, 50)) + twoDigits(static_cast<int>(random.between(0, 59))) +
                twoDigits(static_cast<int>(random.between(0, 59))),
            6);
        put(record, column,
            "0" + std::to_string(random.between(12, 22)) + twoDigits(static_cast<int>(random.between(0, 59))) +
                twoDigits(static_cast<int>(random.between(0, 59))),
            7);
        put(record, column, std::to_string(PlotSizes[random.below(7)]), 5);
        put(record, column,
            o.communityNames && community < static_cast<int>(o.communityNames->size())
                ? std::string((*o.communityNames)[static_cast<size_t>(community)])
                : "Comm " + std::to_string(community + 1),
            28);
        put(record, column, Authors[random.below(5)], 14);
        buffer += record;
        buffer += "\r\n";
        if (buffer.size() > (4u << 20)) {
            writer.write(buffer);
            buffer.clear();
        }
    }
    writer.write(buffer);
    if (!writer.commit()) throw std::runtime_error("cannot write " + valueFile.string() + ": " + writer.errorText());
}

void generateWorkspace(core::Workspace& ws, const GeneratorOptions& o) {
    ws.table = generateTable(o);
    writeHeaderFiles(o, ws.table, ws.headerStructureFile(), ws.headerValueFile());
    core::inichlava(ws);
    ws.journal.replace(generateJournal(o, ws.table));
    ws.undo.clear();
    core::hlavicka(ws);
}

void writeGeneratedTableFile(const std::filesystem::path& file, const GeneratorOptions& o) {
    const core::Table table = generateTable(o);
    core::writeTableFile(file, table, generateJournal(o, table));
    writeHeaderFiles(o, table, core::companionName(file, "str"), core::companionName(file, "exp"));
}

}  // namespace zembu::generator
