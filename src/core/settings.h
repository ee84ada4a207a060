#pragma once
// The settings: up to 500 values indexed by line number of the settings file
// "zembu.ini". Each line is a key text ending "::" followed by the value;
// values are found by position only, never by key. Lines 1..200 are written.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zembu::core {

// Indexes (line numbers) of the settings that have a key text.
namespace setting {
enum Index : int {
    Path1 = 1, Path2, Path3, Path4,
    CurrentDirectory = 5,
    SpeciesColour, ReleveColour, Species2Colour, Empty,
    ExportRtfCodes = 10,
    FidelityType, CocktailAnalysisType,
    FidelityTestN, FidelityTestNp, FidelityTestSmallN, FidelityTestSmallNp,
    LastImportedFile = 17,
    CheckListFile, CheckListEncoding,
    FidelityLimit = 20, FrequencyLimit, CoverLimit, FrequencyCoverLimit,
    IncludeDiagnosticSpecies, ShowReferences, ZembuType,
    DisplayFont = 27,
    NoLength = 28, ShortcutLength = 29, NameLength = 30,
    Uhul = 31, UserTime, FontName, FontSize, BoldStyle,
    SeparatorHierarchy = 36, SeparatorHierarchyValue = 37,
    LastUpdate = 38, Frequency2Limit, EsyFile, Fidelity2Limit, Cover2Limit, FindFunctionType,
    SpeciesData1 = 44, SpeciesData2, SpeciesData3, SpeciesData4,
    SpeciesData5, SpeciesData6, SpeciesData7, SpeciesData8,
    ReleveDimension = 52, SpeciesDimension = 53,
    StandardReleveGroupSize = 54, PhiTestedByFisher = 55, PhiRecalculated = 56,
    FrequencyThresholdColor1 = 57, FrequencyThresholdColor2,
    FidelityThresholdColor1, FidelityThresholdColor2,
    FidelityDisplayTypeCombined = 61,
    FidelityThresholdYesNo, FrequencyThresholdYesNo,
    ExportSpeciesInOriginalColours, HighlightValuesInSynopticTable,
    BoldImportantValuesInSynopticTable,
    PcOrdPath = 67, MulvaPath, TwinspanPath,
    CheckListFileFormat = 70, CheckListFields = 71,
    ImportCcPercentageOrdinal = 72,
    DmapPath = 73, DecimalSeparatorTest = 74,
    UserDefinedScale = 75,
    AdjustedPhiForNMinus1Groups = 76,
    SignificanceFetSynoptic = 77,
    FidelityWithCover = 78,
    CoverThresholdColor1 = 79, CoverThresholdColor2 = 80, CoverThresholdYesNo = 81,
    CoverLimitHigher = 82,
    NDefinedAsAllDataSet = 83,
    UseSizeParameterForTargetGroup = 84,
    CoverForNewSpecies = 85,
    RPath = 86,
    ExportNativeNamesRight = 87,
    SynTaxPath = 88,
    CoverTransformation = 89,
    LastPcordMatrix2File = 90, LastPcordTransformation, LastPcordClusteringMethod,
    LastPcordDataTransformation, LastPcordPowerTransformation, LastPcordCutLevels,
    Form75Left = 96, Form75Top, Form76Left, Form76Top, Form8Left, Form8Top,
    Form64Left, Form64Top, Form35Left, Form35Top, Form36Left, Form36Top,
    Form80Left, Form80Top, Form81Left, Form81Top,
    TwinspanPseudospeciesCount = 112, TwinspanCutLevels, MinimumGroupSize,
    MaximumLevelOfDivisions, TwinspanClusterCount, SoerensenDissimilarity,
    Form82Left = 118, Form82Top, Form20bLeft, Form20bTop = 121,
};
}  // namespace setting

// Key text of a settings line ("Display font::"); empty for lines without one.
std::string_view settingKey(int index);

class Settings {
public:
    static constexpr int LastIndex = 500;      // values 0..500
    static constexpr int WrittenLines = 200;   // lines written to the file
    static constexpr size_t MaxValueLength = 1000;

    // The value at an index ("" outside 1..500).
    const std::string& value(int index) const;
    void setValue(int index, std::string value);

    // The value read by the leading-number rule (0 for text).
    double number(int index) const;
    // The value as a whole number (leading-number rule, rounded half to even).
    int64_t integer(int index) const;

    // Capacities as the rules give them.
    int32_t releveCapacity() const;
    int32_t speciesCapacity() const;

    bool operator==(const Settings&) const = default;

private:
    std::array<std::string, LastIndex + 1> values_{};
};

// Applies the rules of the settings that have rules of their own: defaults for
// the check-list widths, capacities within their ranges, group size, Fisher
// test, FET significance and the cover threshold colours.
void applySettingRules(Settings& settings);

// Reads the settings file: line n is setting n (the value after the first
// "::", or the whole line without one), up to line 500; then applies the rules.
// A missing or unreadable file gives the defaults of the rules.
Settings readSettingsFile(const std::filesystem::path& file);

// Writes lines 1..200, each key text + value, with CR LF, replacing the file
// atomically. Returns false when the file cannot be written.
bool writeSettingsFile(const std::filesystem::path& file, const Settings& settings);

}  // namespace zembu::core
