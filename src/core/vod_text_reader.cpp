// tableopen at the level of bytes: the reader of the text form of the table
// file. The program reads this form but never writes it.

#include <climits>
#include <cstdio>
#include <cmath>

#include "core/binary_io.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/free_format_reader.h"
#include "core/index_code.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/vod_format.h"

namespace zembu::core {

namespace {

constexpr std::string_view FirstLine = "--- Soubor fytocenologicke tabulky programu VOD ---";
constexpr std::string_view EllenbergLine = "- Ellenberg -";
constexpr std::string_view EndLine = "- Konec souboru -";

[[noreturn]] void incorrectlySaved() { throw ZembuError("File was incorrectly saved!!!", "ZEMBU"); }

// Item reading with the text form's failures: the end of the file before
// the last line means the file was not saved whole.
class TextInput {
public:
    TextInput(std::string_view content, ProgressMeter* meter) : reader_(content), meter_(meter) {
        if (meter_) meter_->setTotal(static_cast<int64_t>(content.size()));
    }

    std::string_view line() {
        const auto l = reader_.line();
        if (!l) incorrectlySaved();
        return *l;
    }
    void label() { line(); }

    int32_t number() {
        const auto item = reader_.numberItem();
        if (!item) incorrectlySaved();
        if (!isNumber(*item)) throwFormatError();
        const double v = leadingNumber(*item);
        if (v != std::floor(v) || v < INT32_MIN || v > INT32_MAX) throwFormatError();
        return static_cast<int32_t>(v);
    }
    int32_t count(int32_t limit) {
        const int32_t n = number();
        if (n < 0 || n > limit) throwFormatError();
        return n;
    }
    std::string text() {
        const auto item = reader_.textItem();
        if (!item) incorrectlySaved();
        return *item;
    }
    // A name on a line of its own; quotes around it are dropped.
    std::string nameLine() {
        std::string_view l = trimRight(line());
        if (l.size() >= 2 && l.front() == '"' && l.back() == '"') l = l.substr(1, l.size() - 2);
        return std::string(l);
    }
    bool atEnd() const { return reader_.atEnd(); }

    void step() {
        if (meter_ && ++pending_ >= 4096) {
            pending_ = 0;
            meter_->setCount(static_cast<int64_t>(reader_.position()));
        }
    }

private:
    FreeFormatReader reader_;
    ProgressMeter* meter_;
    int pending_ = 0;
};

// A relevé or species cell string: a count m, then m times a record number
// and, on its own line, the cover character.
void readCells(TextInput& in, std::string& cells) {
    const int32_t m = in.count(INT32_MAX / CellSize);
    for (int32_t j = 0; j < m; ++j) {
        const int32_t record = in.number();
        if (record < 1 || record >= IndexCodeLimit) throwFormatError();
        const std::string_view cover = trimRight(in.line());
        if (cover.size() != 1) throwFormatError();
        appendCell(cells, record, cover[0]);
    }
}

Variant valueOf(const std::string& item) {
    if (!isNumber(item)) return Variant::ofString(item);
    const double v = leadingNumber(item);
    if (v == std::floor(v) && v >= INT32_MIN && v <= INT32_MAX) return Variant::ofLong(static_cast<int32_t>(v));
    return Variant::ofDouble(v);
}

}  // namespace

TableFileContents readTextTableFile(const std::filesystem::path& file, int32_t maxReleves, int32_t maxSpecies,
                                    ProgressMeter* progress) {
    // The first line is checked before a file of any size is read whole.
    {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        if (!f) throw ZembuError("The file " + file.string() + " cannot be read.");
        char start[FirstLine.size()];
        const size_t got = std::fread(start, 1, sizeof start, f);
        std::fclose(f);
        if (std::string_view(start, got) != FirstLine) throwFormatError();
    }
    std::string content;
    if (!readWholeFile(file, content)) throw ZembuError("The file " + file.string() + " cannot be read.");
    TextInput in(content, progress);
    if (trimRight(in.line()) != FirstLine) throwFormatError();

    TableFileContents contents;
    contents.version = "text";
    Table& t = contents.table;

    in.label();
    const int32_t releveCount = in.count(INT32_MAX);
    const int32_t releveRecords = in.count(INT32_MAX);
    in.label();
    const int32_t speciesCount = in.count(INT32_MAX);
    const int32_t S = in.count(INT32_MAX);
    if (speciesCount > S) throwFormatError();
    if (S > maxSpecies) throw ZembuError(speciesCapacityMessage(S, maxSpecies), "Program Info");
    if (releveCount > maxReleves || releveRecords > maxReleves)
        throw ZembuError(releveCapacityMessage(std::max(releveCount, releveRecords), maxReleves), "Program Info");
    const int32_t R = releveCount;

    t.setCapacities(maxReleves, maxSpecies);
    t.ReleveCount = t.ReleveRecordCount = R;
    t.SpeciesCount = speciesCount;
    t.SpeciesRecordCount = S;

    in.label();
    for (int32_t k = 1; k <= R; ++k) {
        t.ReleveOrder[k].record = in.number();
        t.ReleveOrder[k].turbovegNumber = in.number();
    }
    in.label();
    for (int32_t rec = 1; rec <= R; ++rec) {
        readCells(in, t.ReleveData[rec]);
        in.step();
    }
    for (int32_t s = 1; s <= S; ++s) {
        readCells(in, t.SpeciesData[s]);
        in.step();
    }

    in.line();
    for (int32_t i = 1; i <= S; ++i) {
        t.SpeciesInfo[i].number = in.number();
        t.SpeciesInfo[i].name = in.nameLine();
        t.SpeciesInfo[i].record = in.number();
        t.SpeciesRowOfRecord[i] = in.number();
        t.SpeciesLayerLabel[i] = "   ";
    }
    in.label();
    for (int32_t k = 1; k <= R; ++k) {
        t.ReleveColour[k].value = in.number();
        t.ReleveColour[k].number = in.count(MaxColourNumber);
    }
    in.label();
    for (int32_t i = 1; i <= S; ++i) {
        t.SpeciesColour[i].value = in.number();
        t.SpeciesColour[i].number = in.count(MaxColourNumber);
    }
    in.label();
    for (int32_t i = 1; i <= S; ++i) in.number();  // frequencies: recounted from the cells
    in.label();
    for (int32_t i = 1; i <= S; ++i) t.SpeciesLayer[i] = static_cast<int16_t>(in.count(9));

    in.label();
    const int32_t groupCount = in.count(MaxSpeciesGroups);
    in.label();
    t.SpeciesGroups.resize(static_cast<size_t>(groupCount));
    for (SpeciesGroup& group : t.SpeciesGroups) {
        group.name = in.nameLine();
        group.members.resize(static_cast<size_t>(in.count(MaxGroupMembers)));
        for (SpeciesGroupMember& member : group.members) {
            member.name = in.nameLine();
            member.value = valueOf(in.text());
        }
    }

    const std::string_view last = trimRight(in.line());
    if (last == EllenbergLine) {
        for (int32_t s = 1; s <= S; ++s)
            for (std::string& value : t.SpeciesIndicator[s]) value = in.text();
        for (int32_t rec = 1; rec <= R; ++rec)
            for (int32_t& mean : t.ReleveIndicatorMean[rec]) mean = in.number();
    } else if (last != EndLine) {
        incorrectlySaved();
    }

    finishTableRead(contents);
    return contents;
}

bool peekTextTableCounts(const std::filesystem::path& file, TableCounts& counts) {
    std::string content;
    if (!readWholeFile(file, content)) return false;
    try {
        TextInput in(content, nullptr);
        if (trimRight(in.line()) != FirstLine) return false;
        in.label();
        counts.releves = in.number();
        counts.releveRecords = in.number();
        in.label();
        counts.species = in.number();
        counts.speciesRecords = in.number();
        return true;
    } catch (const ZembuError&) {
        return false;
    }
}

}  // namespace zembu::core
