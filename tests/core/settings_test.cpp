#include <gtest/gtest.h>

#include "core/recent_files.h"
#include "core/settings.h"
#include "core/text.h"
#include "support/test_support.h"

using namespace zembu::core;
using zembu::testing::readFile;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

// A settings file of n lines, each key + "x<n>", with some lines replaced.
std::string settingsText(std::map<int, std::string> replaced, int lines = 200) {
    std::string text;
    for (int n = 1; n <= lines; ++n) {
        const auto it = replaced.find(n);
        text += it != replaced.end() ? it->second : std::string(settingKey(n)) + "x" + std::to_string(n);
        text += "\r\n";
    }
    return text;
}

}  // namespace

TEST(Settings, MissingFileGivesTheDefaultsOfTheRules) {
    TempDir dir;
    const Settings s = readSettingsFile(dir / "none.ini");
    EXPECT_EQ(s.value(setting::NoLength), "5");
    EXPECT_EQ(s.value(setting::ShortcutLength), "7");
    EXPECT_EQ(s.value(setting::NameLength), "38");
    EXPECT_EQ(s.releveCapacity(), 30000);
    EXPECT_EQ(s.speciesCapacity(), 5000);
    EXPECT_EQ(s.value(setting::StandardReleveGroupSize), "50");
    EXPECT_EQ(s.value(setting::PhiTestedByFisher), "No");
    EXPECT_EQ(s.integer(setting::SignificanceFetSynoptic), 3);
    EXPECT_EQ(s.integer(setting::CoverThresholdColor1), 0xFFFFFF);
    EXPECT_EQ(s.integer(setting::CoverThresholdColor2), 0xFFFFFF);
    EXPECT_EQ(s.value(setting::Path1), "");
}

TEST(Settings, CapacitiesAreTakenOnlyWithinTheirRanges) {
    TempDir dir;
    struct Case { std::string releves, species; int32_t expectedReleves, expectedSpecies; };
    for (const Case& c : {Case{"50000", "15000", 50000, 15000}, Case{"2000000", "15001", 30000, 5000},
                          Case{"29999", "4999", 30000, 5000}, Case{"1000000", "5000", 1000000, 5000},
                          Case{"abc", "", 30000, 5000}}) {
        writeFile(dir / "zembu.ini", settingsText({{52, "Relevé dimension::" + c.releves},
                                                   {53, "Species dimension::" + c.species}}));
        const Settings s = readSettingsFile(dir / "zembu.ini");
        EXPECT_EQ(s.releveCapacity(), c.expectedReleves) << c.releves;
        EXPECT_EQ(s.speciesCapacity(), c.expectedSpecies) << c.species;
        EXPECT_EQ(s.value(setting::ReleveDimension), std::to_string(c.expectedReleves));
    }
}

TEST(Settings, ValuesAreFoundByPositionOnly) {
    TempDir dir;
    // A line without "::" is the value; a foreign key is not checked.
    writeFile(dir / "zembu.ini", settingsText({{27, "3"}, {28, "Whatever key::12"}, {33, "Font name::Mono::Bold"}}));
    Settings s = readSettingsFile(dir / "zembu.ini");
    EXPECT_EQ(s.value(setting::DisplayFont), "3");
    EXPECT_EQ(s.value(setting::NoLength), "12");
    EXPECT_EQ(s.value(setting::FontName), "Mono::Bold");

    // Swapping two lines swaps their meanings.
    writeFile(dir / "zembu.ini", settingsText({{28, "Shortcut lenght::9"}, {29, "No length::4"}}));
    s = readSettingsFile(dir / "zembu.ini");
    EXPECT_EQ(s.value(setting::NoLength), "9");
    EXPECT_EQ(s.value(setting::ShortcutLength), "4");
}

TEST(Settings, RulesReplaceNonPositiveAndEmptyValues) {
    TempDir dir;
    writeFile(dir / "zembu.ini", settingsText({{28, "No length::0"}, {29, "Shortcut lenght::-3"}, {30, ""},
                                               {54, "Standard releve group size::"}, {55, ""},
                                               {77, "x::0.5"}, {79, "x::0"}, {80, "x::255"}}));
    const Settings s = readSettingsFile(dir / "zembu.ini");
    EXPECT_EQ(s.value(setting::NoLength), "5");
    EXPECT_EQ(s.value(setting::ShortcutLength), "7");
    EXPECT_EQ(s.value(setting::NameLength), "38");
    EXPECT_EQ(s.value(setting::StandardReleveGroupSize), "50");
    EXPECT_EQ(s.value(setting::PhiTestedByFisher), "No");
    EXPECT_EQ(s.value(setting::SignificanceFetSynoptic), "3");
    EXPECT_EQ(s.value(setting::CoverThresholdColor1), "16777215");
    EXPECT_EQ(s.value(setting::CoverThresholdColor2), "255");
}

TEST(Settings, WrittenFileHas200LinesWithTheirKeysAndReadsBack) {
    TempDir dir;
    Settings s;
    applySettingRules(s);
    s.setValue(setting::Path1, "/home/ana/table.vod");
    s.setValue(setting::DisplayFont, "4");
    s.setValue(150, "no key here");
    ASSERT_TRUE(writeSettingsFile(dir / "zembu.ini", s));
    const std::string text = readFile(dir / "zembu.ini");
    const auto lines = splitLines(text);
    ASSERT_EQ(lines.size(), 200u);
    EXPECT_EQ(lines[0], "Path1::/home/ana/table.vod");
    EXPECT_EQ(lines[6], "Relevé colour::");
    EXPECT_EQ(lines[26], "Display font::4");
    EXPECT_EQ(lines[51], "Relevé dimension::30000");
    EXPECT_EQ(lines[120], "Position of form20b_top::");
    EXPECT_EQ(lines[149], "no key here");
    EXPECT_EQ(lines[199], "");
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    EXPECT_EQ(readSettingsFile(dir / "zembu.ini"), s);
}

TEST(Settings, GarbageLoadsWithoutHarm) {
    TempDir dir;
    std::string garbage;
    for (int n = 0; n < 700; ++n) {
        if (n % 3 == 0) garbage += std::string(5000, 'x');  // very long line
        else if (n % 3 == 1) garbage += std::string("\x00\xFF\x01::\x80\x81", 7);  // binary bytes
        garbage += "\n";
    }
    writeFile(dir / "zembu.ini", garbage);
    const Settings s = readSettingsFile(dir / "zembu.ini");
    EXPECT_EQ(s.value(1).size(), Settings::MaxValueLength);
    EXPECT_EQ(s.value(2), std::string("\x80\x81", 2));
    EXPECT_EQ(s.value(500), std::string("\x80\x81", 2));  // lines past 500 are not read
    EXPECT_EQ(s.value(501), "");
    EXPECT_EQ(s.releveCapacity(), 30000);
    EXPECT_EQ(s.value(setting::NoLength), "5");
}

TEST(RecentFiles, KeepFourMostRecentFirst) {
    Settings s;
    for (const char* f : {"a.vod", "b.vod", "c.vod", "d.vod", "e.vod"}) pushRecentFile(s, f);
    EXPECT_EQ(recentFiles(s), (std::vector<std::string>{"e.vod", "d.vod", "c.vod", "b.vod"}));
    pushRecentFile(s, "c.vod");
    EXPECT_EQ(recentFiles(s), (std::vector<std::string>{"c.vod", "e.vod", "d.vod", "b.vod"}));
    EXPECT_TRUE(hasTableFileName(s));
    EXPECT_FALSE(hasTableFileName(Settings{}));
}
