#include "classification/twinspan/condensed_data.h"

#include <algorithm>

#include "classification/twinspan/record_format.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/text.h"

namespace zembu::classification::twinspan {

namespace {

constexpr const char* kTitle = "TWINSPAN";
constexpr size_t kNameWidth = 8;
constexpr int kNamesPerLine = 10;

[[noreturn]] void fail(const std::string& message) { throw core::ZembuError(message, kTitle); }

std::string where(const std::string& fileName, size_t lineIndex) {
    return "Line " + std::to_string(lineIndex + 1) + " of " + fileName;
}

// The bytes of a field, the line padded with blanks when it is shorter.
std::string fieldText(std::string_view line, const FormatField& field) {
    std::string text(static_cast<size_t>(field.width), ' ');
    const size_t start = static_cast<size_t>(field.start);
    if (start < line.size()) {
        const size_t n = std::min(line.size() - start, text.size());
        text.replace(0, n, line.substr(start, n));
    }
    return text;
}

std::string columns(const FormatField& field) {
    return "columns " + std::to_string(field.start + 1) + "-" + std::to_string(field.start + field.width);
}

long long integerAt(std::string_view line, const FormatField& field, const std::string& place) {
    const std::string text = fieldText(line, field);
    const auto value = readIntegerField(text);
    if (!value)
        fail(place + ": " + columns(field) + " (\"" + core::codePageToUtf8(text) + "\") do not hold a whole number.");
    return *value;
}

// Splits name lines into 8-character names, 10 to a line, short lines padded.
std::vector<std::string> namesFrom(const std::vector<std::string_view>& lines, size_t first, size_t lineCount,
                                   size_t wanted) {
    std::vector<std::string> names;
    names.reserve(wanted);
    for (size_t l = 0; l < lineCount && names.size() < wanted; ++l) {
        const std::string_view line = lines[first + l];
        for (int k = 0; k < kNamesPerLine && names.size() < wanted; ++k) {
            const size_t start = static_cast<size_t>(k) * kNameWidth;
            std::string name = start < line.size() ? std::string(line.substr(start, kNameWidth)) : std::string();
            name.resize(kNameWidth, ' ');
            names.push_back(std::move(name));
        }
    }
    return names;
}

size_t linesFor(int items) { return static_cast<size_t>((items + kNamesPerLine - 1) / kNamesPerLine); }

}  // namespace

CondensedData parseCondensedData(std::string_view content, const std::string& fileName) {
    const std::vector<std::string_view> lines = core::splitLines(content);
    if (lines.size() < 2) fail(fileName + " is not a condensed data file: it has no format line.");

    CondensedData data;
    data.title = std::string(lines[0]);

    // Line 2: the record format, and in columns 69-70 the couplets per record.
    const std::string_view formatLine = lines[1];
    const std::string countText = formatLine.size() > 68 ? std::string(formatLine.substr(68, 2)) : std::string();
    const auto count = readIntegerField(countText);
    if (!count || *count <= 0)
        fail(where(fileName, 1) + ": the number of couplets per data record is missing; it belongs right-justified "
                                  "in columns 69-70 of the format line.");
    const std::string_view formatText = core::trim(formatLine.substr(0, std::min<size_t>(formatLine.size(), 68)));
    const auto format = RecordFormat::parse(formatText);
    if (!format)
        fail(where(fileName, 1) + ": \"" + core::codePageToUtf8(formatText) +
             "\" is not a record format this program reads (for example (I5,5(I5,F8.3))).");
    const int capacity = format->coupletCapacity();
    if (capacity <= 0)
        fail(where(fileName, 1) + ": the format \"" + core::codePageToUtf8(formatText) +
             "\" must read a sample number followed by couplets of species number and value.");
    if (*count > capacity)
        fail(where(fileName, 1) + ": the format line announces " + std::to_string(*count) +
             " couplets per record, but its format holds only " + std::to_string(capacity) + ".");
    const int couplets = static_cast<int>(*count);
    const std::vector<FormatField>& fields = format->fields();

    // Data records up to the one with sample number 0.
    size_t lineIndex = 2;
    bool ended = false;
    for (; lineIndex < lines.size(); ++lineIndex) {
        const std::string_view line = lines[lineIndex];
        const std::string place = where(fileName, lineIndex);
        const long long sample = integerAt(line, fields[0], place);
        if (sample == 0) {
            ended = true;
            ++lineIndex;
            break;
        }
        if (sample < 0) fail(place + ": the sample number " + std::to_string(sample) + " is negative.");
        if (sample > kMaxSamples)
            fail(place + ": the sample number " + std::to_string(sample) + " exceeds the largest this program takes (" +
                 std::to_string(kMaxSamples) + ").");
        if (static_cast<size_t>(sample) > data.samples.size()) data.samples.resize(static_cast<size_t>(sample));
        std::vector<Couplet>& list = data.samples[sample - 1];
        for (int k = 0; k < couplets; ++k) {
            const FormatField& speciesField = fields[1 + 2 * k];
            const FormatField& valueField = fields[2 + 2 * k];
            const long long species = integerAt(line, speciesField, place);
            const std::string valueText = fieldText(line, valueField);
            const auto value = readRealField(valueText, valueField.decimals);
            if (!value)
                fail(place + ": " + columns(valueField) + " (\"" + core::codePageToUtf8(valueText) +
                     "\") do not hold a number.");
            if (species == 0) continue;  // padding
            if (species < 0) fail(place + ": the species number " + std::to_string(species) + " is negative.");
            if (species > kMaxSpecies)
                fail(place + ": the species number " + std::to_string(species) +
                     " exceeds the largest this program takes (" + std::to_string(kMaxSpecies) + ").");
            list.push_back({static_cast<int>(species), value->value, value->thousandths});
            data.speciesCount = std::max(data.speciesCount, static_cast<int>(species));
        }
    }
    if (!ended)
        fail(fileName + ": the data records do not end with a record whose sample number is 0.");
    if (data.samples.empty()) fail(fileName + " holds no data records.");
    if (data.speciesCount == 0) fail(fileName + " holds no species in its data records.");

    // Name blocks: as many lines as the largest species and sample numbers need.
    size_t nameLines = lines.size();
    while (nameLines > lineIndex && core::trim(lines[nameLines - 1]).empty()) --nameLines;
    nameLines -= lineIndex;
    const size_t speciesLines = linesFor(data.speciesCount);
    const size_t sampleLines = linesFor(data.sampleCount());
    const size_t needed = speciesLines + sampleLines;
    // More lines are the names of samples after the last one with data (a
    // table whose last relevés hold no species) only when the sample names
    // read before them fill whole lines; otherwise names of species beyond
    // the largest species number would shift every sample name.
    bool extraSampleNames = nameLines > needed;
    for (size_t l = speciesLines; extraSampleNames && l < needed; ++l)
        if (core::trimRight(lines[lineIndex + l]).size() <= (kNamesPerLine - 1) * kNameWidth) extraSampleNames = false;
    if (nameLines != needed && !extraSampleNames) {
        fail(fileName + ": the name block after the data has " + std::to_string(nameLines) + " lines, but the data need " +
             std::to_string(speciesLines) + " line(s) of species names (largest species number " +
             std::to_string(data.speciesCount) + ") and " + std::to_string(sampleLines) +
             " line(s) of sample names (largest sample number " + std::to_string(data.sampleCount()) +
             "), 10 names to a line: the name block is " +
             (nameLines < needed ? std::string("shorter than the data.")
                                 : std::string("longer than the data (names of species after the largest species "
                                               "number would shift the sample names).")));
    }
    data.speciesNames = namesFrom(lines, lineIndex, speciesLines, static_cast<size_t>(data.speciesCount));
    data.sampleNames = namesFrom(lines, lineIndex + speciesLines, sampleLines, data.samples.size());
    return data;
}

CondensedData readCondensedFile(const std::filesystem::path& file) {
    std::string content;
    if (!core::readWholeFile(file, content)) fail("Cannot read the input file " + file.string() + ".");
    return parseCondensedData(content, file.filename().string());
}

}  // namespace zembu::classification::twinspan
