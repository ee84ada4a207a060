#include "classification/twinspan/punched_file.h"

#include "core/text.h"

namespace zembu::classification::twinspan {

namespace {

constexpr const char* kEol = "\r\n";

std::string rightInt(long long value, size_t width) { return core::padLeft(std::to_string(value), width); }

std::string codeField(int classNumber) { return core::leftJustify(std::string(1, '*').append(classCode(classNumber)), 30); }

std::string countLine(size_t items) { return " There are" + rightInt(static_cast<long long>(items), 6) + "  ITEMS"; }

}  // namespace

std::string punchedFileText(const CondensedData& data, const TwinspanResult& result) {
    if (result.stoppedEarly) return {};
    const PseudospeciesTable& t = result.table;
    std::string out;
    out += ' ';
    out += core::leftJustify(data.title, 79);
    out += kEol;
    out += kEol;

    out += std::string(" SAMPLE CLASSIFICATION") + kEol;
    size_t items = 0;
    for (int cls : result.samples.rowClass)
        if (cls > 0) ++items;
    out += countLine(items) + kEol;
    for (int i = 0; i < t.sampleCount(); ++i) {
        const int cls = result.samples.rowClass[i];
        if (cls <= 0) continue;
        out += rightInt(i + 1, 5) + " " + data.sampleNames[i] + rightInt(cls, 7) + "   " +
               codeField(cls) + kEol;
    }
    out += kEol;
    out += kEol;

    out += std::string(" SPECIES CLASSIFICATION") + kEol;
    items = 0;
    for (int cls : result.species.rowClass)
        if (cls > 0) ++items;
    out += countLine(items) + kEol;
    for (int s = 0; s < t.speciesCount(); ++s) {
        const int cls = result.species.rowClass[s];
        if (cls <= 0) continue;
        const int number = t.speciesFileNumber[s];
        const std::string& name = data.speciesNames[number - 1];
        out += rightInt(number, 5) + " " + name.substr(0, 4) + " " + name.substr(4, 4) + rightInt(cls, 6) + "   " +
               codeField(cls) + kEol;
    }
    return out;
}

}  // namespace zembu::classification::twinspan
