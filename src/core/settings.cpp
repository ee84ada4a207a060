#include "core/settings.h"

#include <fstream>
#include <sstream>

#include "core/file_util.h"
#include "core/text.h"

namespace zembu::core {

namespace {

constexpr std::array<std::string_view, 122> kKeys = {
    "",
    "Path1::", "Path2::", "Path3::", "Path4::", "Curreng directory::",
    "Species colour::", "Relevé colour::", "Species2 colour::", "Empty::", "Export RTF codes::",
    "Fidelity type::", "Cocktail analysis type::", "Fidelity test N::", "Fidelity test Np::",
    "Fidelity test n::", "Fidelity test np::", "Last imported file::", "Check list file::",
    "Check list encoding::", "Fidelity limit::", "Frequency limit::", "Cover limit::",
    "Frequency cover limit::", "Include diagnostic species::", "Show references::",
    "ZEMBU TYPE::", "Display font::", "No length::", "Shortcut lenght::", "Name length::",
    "UHUL::", "User time::", "Font name::", "Font size::", "Bold style::",
    "Separator hierarchy::", "Separator hierarchy value::", "Last update::",
    "Frequency2 limit::", "Esy file::", "Fidelity2 limit::", "Cover2 limit::",
    "Find function type::", "Species data1::", "Species data2::", "Species data3::",
    "Species data4::", "Species data5::", "Species data6::", "Species data7::",
    "Species data8::", "Relevé dimension::", "Species dimension::",
    "Standard releve group size::", "Phi tested by Fisher::", "Phi recalculated?::",
    "Frequency threshold color1::", "Frequency threshold color2::",
    "Fidelity threshold color1::", "Fidelity threshold color2::",
    "Fidelity display type in combined synoptic table::", "Fidelity threshold (Yes/No)::",
    "Frequency threshold (Yes/No)::", "Export species in original colours (Yes/No)::",
    "Highlight values in synoptic table (Yes/No)::",
    "Bold style of important values in synoptic table (Yes/No)::", "PC-ORD path::",
    "MULVA path::", "TWINSPAN path::", "Check list file format::", "Check list fields::",
    "Import CC! file in percentage/ordinal values::", "DMAP path::",
    "Decimal separator test::", "User defined scale::", "Adjusted Phi for (n-1) groups::",
    "Signifikance FET u synoptických tabulek::", "Fidelity with cover::",
    "Cover threshold color1::", "cover threshold color2::", "Cover threshold (Yes/No)::",
    "Cover limit higher::", "N defined as all data set/next higher heir. level::",
    "Use the size parameter for target group?::", "Cover for a new species::", "R path::",
    "Export of native names on the right site of the table::", "SYN-TAX path::",
    "Cover transformation::", "Last PCORD Matrix2 File::", "Last PCORD Transformation::",
    "Last PCORD Clustering Method::", "Last PCORD data transformation::",
    "Last PCORD power transformation::", "Last PCORD cut levels::",
    "Position of form75_left::", "Position of form75_top::", "Position of form76_left::",
    "Position of form76_top::", "Position of form8_left::", "Position of form8_top::",
    "Position of form64_left::", "Position of form64_top::", "Position of form35_left::",
    "Position of form35_top::", "Position of form36_left::", "Position of form36_top::",
    "Position of form80_left::", "Position of form80_top::", "Position of form81_left::",
    "Position of form81_top::", "No. of pseudospecies (TWINSPAN)::",
    "Pseudospecies cut levels (TWINSPAN)::", "Minimum group size::",
    "Maximum level of divisions::", "Number of clusters (TWINSPAN)::",
    "Soerensen dissimilarity (mean, max)::", "Position of form82_left::",
    "Position of form82_top::", "Position of form20b_left::", "Position of form20b_top::",
};

const std::string kNoValue;

}  // namespace

std::string_view settingKey(int index) {
    return index >= 1 && index < static_cast<int>(kKeys.size()) ? kKeys[index] : std::string_view();
}

const std::string& Settings::value(int index) const {
    return index >= 1 && index <= LastIndex ? values_[index] : kNoValue;
}

void Settings::setValue(int index, std::string value) {
    if (index < 1 || index > LastIndex) return;
    if (value.size() > MaxValueLength) value.resize(MaxValueLength);
    values_[index] = std::move(value);
}

double Settings::number(int index) const { return leadingNumber(value(index)); }

int64_t Settings::integer(int index) const { return roundHalfEven(number(index)); }

int32_t Settings::releveCapacity() const {
    const double v = number(setting::ReleveDimension);
    return v > 29999 && v < 1000001 ? static_cast<int32_t>(roundHalfEven(v)) : 30000;
}

int32_t Settings::speciesCapacity() const {
    const double v = number(setting::SpeciesDimension);
    return v > 4999 && v < 15001 ? static_cast<int32_t>(roundHalfEven(v)) : 5000;
}

void applySettingRules(Settings& s) {
    using namespace setting;
    if (s.number(NoLength) <= 0) s.setValue(NoLength, "5");
    if (s.number(ShortcutLength) <= 0) s.setValue(ShortcutLength, "7");
    if (s.number(NameLength) <= 0) s.setValue(NameLength, "38");
    s.setValue(ReleveDimension, std::to_string(s.releveCapacity()));
    s.setValue(SpeciesDimension, std::to_string(s.speciesCapacity()));
    if (s.value(StandardReleveGroupSize).empty()) s.setValue(StandardReleveGroupSize, "50");
    if (s.value(PhiTestedByFisher).empty()) s.setValue(PhiTestedByFisher, "No");
    if (s.number(SignificanceFetSynoptic) < 1) s.setValue(SignificanceFetSynoptic, "3");
    if (s.number(CoverThresholdColor1) == 0) s.setValue(CoverThresholdColor1, std::to_string(0xFFFFFF));
    if (s.number(CoverThresholdColor2) == 0) s.setValue(CoverThresholdColor2, std::to_string(0xFFFFFF));
}

Settings readSettingsFile(const std::filesystem::path& file) {
    Settings settings;
    std::string content;
    if (readWholeFile(file, content)) {
        int index = 1;
        for (std::string_view line : splitLines(content)) {
            if (index > Settings::LastIndex) break;
            const size_t mark = line.find("::");
            settings.setValue(index, std::string(mark == std::string_view::npos ? line : line.substr(mark + 2)));
            ++index;
        }
    }
    applySettingRules(settings);
    return settings;
}

bool writeSettingsFile(const std::filesystem::path& file, const Settings& settings) {
    std::string content;
    for (int n = 1; n <= Settings::WrittenLines; ++n) {
        content += settingKey(n);
        content += settings.value(n);
        content += "\r\n";
    }
    return writeFileAtomically(file, content);
}

}  // namespace zembu::core
