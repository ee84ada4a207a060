#include <gtest/gtest.h>

#include "classification/cocktail_fidelity.h"
#include "classification/cocktail_marking.h"
#include "classification/cocktail_statistics.h"
#include "classification/group_initiation.h"
#include "core/index_code.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/fidelity_measures.h"

using namespace zembu;
using classification::GroupMember;
using classification::WorkingGroup;
using core::ScriptedInteraction;
using zembu::testing::tableFromCovers;
using zembu::testing::TempDir;

namespace {

WorkingGroup groupOfRows(const core::Table& t, std::initializer_list<int32_t> rows) {
    WorkingGroup group;
    group.name = "Test";
    for (int32_t row : rows) group.members.push_back(classification::memberOfRow(t, row));
    return group;
}

constexpr core::ColourEntry Red{0x9999FF, 1};

}  // namespace

TEST(Cocktail, AlignedCodeSearchAcceptsOnlyCellStarts) {
    std::string cells;
    core::appendCell(cells, 5, core::coverByte(10));
    core::appendCell(cells, 7, core::coverByte(20));
    EXPECT_EQ(classification::InString(cells, core::kod(7)), 5);
    EXPECT_EQ(classification::InString(cells, core::kod(9)), 0);

    // The code of record 65281 (255, 255, 1) across two cells: the cover
    // byte 255 of one cell and the first two bytes of the next (record 256).
    std::string straddling;
    core::appendCell(straddling, 5, core::coverByte(95));
    core::appendCell(straddling, 256, core::coverByte(10));
    EXPECT_EQ(straddling.find(core::kod(65281)), 3u);
    EXPECT_EQ(classification::InString(straddling, core::kod(65281)), 0);

    // A skipped straddling match overlapping an aligned one: the record
    // 161 * 256 + 255 has the code (255, 161, 255); after a cell ending in
    // 255 with cover byte 161 the code is found at byte 3 and again at 5.
    const int32_t rec = 161 * 256 + 255;
    std::string overlapping;
    core::appendCell(overlapping, 255, core::coverByte(1));
    core::appendCell(overlapping, rec, core::coverByte(50));
    EXPECT_EQ(overlapping.find(core::kod(rec)), 2u);
    EXPECT_EQ(classification::InString(overlapping, core::kod(rec)), 5);
}

TEST(Cocktail, AutomaticMinimumForOneToFiveMembers) {
    const int expected[] = {1, 2, 2, 2, 3};
    for (int t = 1; t <= 5; ++t) EXPECT_EQ(classification::automaticMinimum(t), expected[t - 1]) << t;
}

TEST(Cocktail, MembersInHalfOfTheRelevesOccurringTogether) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 5, 0, 0}, {5, 5, 0, 0}, {0, 0, 5, 5}});
    WorkingGroup group = groupOfRows(ws.table, {1, 2});
    ScriptedInteraction ui;
    const auto st = classification::pravdepodobnost(ws.table, 1, group, ui);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_EQ(st.expected.size(), 3u);
    EXPECT_DOUBLE_EQ(st.expected[1], 0.75);
    EXPECT_DOUBLE_EQ(st.expected[2], 0.25);
    EXPECT_EQ(st.observed, (std::vector<int32_t>{4, 2, 2}));
    EXPECT_EQ(st.lines, (std::vector<std::string>{"1. O/E:     2/    3 =   0.67",
                                                  "-------------------------------------------",
                                                  "2. O/E:     2/    1 =   2.00"}));
    EXPECT_EQ(group.minimumSpecies, 2);

    // The manual setting keeps m and computes no lines.
    group.manualSetting = true;
    group.minimumSpecies = 7;
    const auto manual = classification::pravdepodobnost(ws.table, 1, group, ui);
    EXPECT_TRUE(manual.lines.empty());
    EXPECT_EQ(group.minimumSpecies, 7);
    EXPECT_EQ(manual.records, (std::vector<int32_t>{1, 2}));
}

TEST(Cocktail, StatisticsLinesOfLargeAndUndefinedRatios) {
    EXPECT_EQ(classification::statisticsLine(3, 5, 1e-6, 2000), "3. O/E:     5/    0 =    Max");
    EXPECT_EQ(classification::statisticsLine(2, 999, 0.001, 1000), "2. O/E:   999/    1 = 999.00");
    EXPECT_EQ(classification::statisticsLine(1, 0, 0, 10), "1. O/E:     0/    0 =    ---");
    EXPECT_EQ(classification::statisticsLine(1, 4, 0, 10), "1. O/E:     4/    0 =    Max");
    // Expected counts round halves to even.
    EXPECT_EQ(classification::statisticsLine(1, 1, 0.25, 10), "1. O/E:     1/    2 =   0.40");
}

TEST(Cocktail, StatisticsStopAtASpeciesFoundNowhere) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 5}, {0, 0}, {5, 0}});
    WorkingGroup group = groupOfRows(ws.table, {1, 2, 3});
    ScriptedInteraction ui;
    ui.expectMessage(classification::CannotCalculateMessage, "ZEMBU");
    const auto st = classification::pravdepodobnost(ws.table, 1, group, ui);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_TRUE(st.stopped);
    EXPECT_EQ(st.records, (std::vector<int32_t>{1, 0, 0}));

    // The current row found nowhere stops before any member; a group row does not.
    ScriptedInteraction ui2;
    ui2.expectMessage(classification::CannotCalculateMessage, "ZEMBU");
    WorkingGroup one = groupOfRows(ws.table, {1});
    EXPECT_TRUE(classification::pravdepodobnost(ws.table, 2, one, ui2).stopped);
    EXPECT_SCRIPT_DONE(ui2);
    ws.table.SpeciesInfo[2].name = "### Empty group";
    ScriptedInteraction ui3;
    EXPECT_FALSE(classification::pravdepodobnost(ws.table, 2, one, ui3).stopped);
    EXPECT_SCRIPT_DONE(ui3);

    // A member whose species is not in the table counts in no relevé.
    WorkingGroup missing = groupOfRows(ws.table, {1});
    missing.members.push_back({"Gone", 999});
    const auto st2 = classification::pravdepodobnost(ws.table, 1, missing, ui3);
    EXPECT_EQ(st2.records, (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(st2.lines.back(), "2. O/E:     0/    0 =    ---");
}

TEST(Cocktail, MarkingNeedsMMembersAndNeverClearsColours) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // Relevé 1 holds both members, 2 one of them, 3 none, 4 both.
    ws.table = tableFromCovers({{5, 5, 0, 3}, {5, 0, 0, 8}, {0, 0, 9, 9}});
    ws.table.ReleveColour[3] = {0x99FF99, 4};
    WorkingGroup group = groupOfRows(ws.table, {1, 2});
    ScriptedInteraction ui;
    const auto result = classification::selectGroupReleves(ws, ui, group, Red);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(group.minimumSpecies, 2);
    EXPECT_EQ(result.marked, 2);
    EXPECT_EQ(ws.table.ReleveColour[1], Red);
    EXPECT_EQ(ws.table.ReleveColour[2], (core::ColourEntry{0xFFFFFF, 0}));
    EXPECT_EQ(ws.table.ReleveColour[3], (core::ColourEntry{0x99FF99, 4}));
    EXPECT_EQ(ws.table.ReleveColour[4], Red);
    EXPECT_TRUE(ws.undo.available);

    // m = 0 set by hand is refused and changes nothing.
    group.manualSetting = true;
    group.minimumSpecies = 0;
    ScriptedInteraction refuse;
    refuse.expectMessage(classification::MinimumSpeciesMessage, "Program Info");
    EXPECT_TRUE(classification::obarvenisnimku(ws, refuse, group, {0xDD, 2}).refused);
    EXPECT_SCRIPT_DONE(refuse);
    EXPECT_EQ(ws.table.ReleveColour[2].number, 0);

    // An empty group does nothing, not even an undo snapshot.
    ws.undo.available = false;
    WorkingGroup empty;
    EXPECT_EQ(classification::selectGroupReleves(ws, ui, empty, Red).marked, 0);
    EXPECT_FALSE(ws.undo.available);
}

TEST(Cocktail, AMemberFoundOnlyInsideAnotherCellDoesNotCount) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 0, 5}, {0, 0, 5}});
    // Species 2's string holds the code of relevé 1 (255, 0, 1) only across
    // its first cell and that cell's cover byte.
    std::string& cells = ws.table.SpeciesData[2];
    cells = std::string("\xFF\xFF\x00\x01", 4) + core::kod(3) + core::coverByte(5);
    ASSERT_EQ(cells.find(core::kod(1)), 1u);
    EXPECT_EQ(classification::InString(cells, core::kod(1)), 0);
    EXPECT_EQ(classification::InString(cells, core::kod(3)), 5);

    WorkingGroup group = groupOfRows(ws.table, {1, 2});
    ScriptedInteraction ui;
    const auto result = classification::obarvenisnimku(ws, ui, group, Red);
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(result.marked, 1);
    EXPECT_EQ(ws.table.ReleveColour[1].number, 0);
    EXPECT_EQ(ws.table.ReleveColour[3], Red);
}

TEST(Cocktail, FidelityToTheGroupColour) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = tableFromCovers({{5, 5, 5, 0, 0, 0}, {0, 0, 5, 5, 5, 5}, {5, 5, 5, 5, 5, 5}});
    synoptic::FidelitySettings settings;
    settings.measure = synoptic::PhiCoefficient;
    settings.kind = synoptic::FidelityIndex;
    ScriptedInteraction ui;
    ui.expectMessage(classification::NoGroupRelevesMessage, "ZEMBU");
    EXPECT_FALSE(classification::zavislosti(ws.table, settings, 1, "G", ui));
    for (int32_t k = 1; k <= 6; ++k) ws.table.ReleveColour[k] = Red;
    ui.expectMessage(classification::AllRelevesInGroupMessage, "ZEMBU");
    EXPECT_FALSE(classification::zavislosti(ws.table, settings, 1, "G", ui));
    for (int32_t k = 4; k <= 6; ++k) ws.table.ReleveColour[k] = {0xFFFFFF, 0};

    const auto list = classification::zavislosti(ws.table, settings, 1, "G", ui);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->heading, "Group:  G");
    ASSERT_EQ(list->species.size(), 3u);
    EXPECT_EQ(list->species[0].row, 1);
    EXPECT_DOUBLE_EQ(list->species[0].fidelity, *synoptic::uvalue(settings, 6, 3, 3, 3, 0).value);
    EXPECT_TRUE(list->species[0].positive);
    EXPECT_EQ(list->species[0].line, "Species 1" + std::string(31, ' ') + "   100.00 +");
    EXPECT_EQ(list->species[1].row, 3);  // everywhere: undefined, listed as 0
    EXPECT_EQ(list->species[1].fidelity, 0);
    EXPECT_EQ(list->species[2].row, 2);
    EXPECT_LT(list->species[2].fidelity, 0);
    EXPECT_FALSE(list->species[2].positive);
}

TEST(Cocktail, ConstancyColumnOfTheGroupColour) {
    const core::Table t = [] {
        core::Table t = tableFromCovers({{5, 30, 0, 5}, {40, 50, 60, 0}, {0, 0, 0, 9}});
        for (int32_t k = 1; k <= 3; ++k) t.ReleveColour[k] = Red;
        return t;
    }();
    const auto all = classification::constancyColumn(t, 1, 0);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].row, 2);
    EXPECT_EQ(all[0].constancy, 100);
    EXPECT_EQ(all[1].row, 1);
    EXPECT_EQ(all[1].constancy, 67);
    const auto above = classification::constancyColumn(t, 1, 10);  // covers above 10 %
    ASSERT_EQ(above.size(), 2u);
    EXPECT_EQ(above[1].constancy, 33);
    EXPECT_TRUE(classification::constancyColumn(t, 5, 0).empty());
}

TEST(Cocktail, InitiationAddsTheMostFaithfulSpeciesOfEveryMember) {
    TempDir dir;
    core::Workspace ws(dir.path());
    // Twelve relevés: A in 1..6, B and C both in 2..7, D in 8..12, E in 12.
    ws.table = tableFromCovers({
        {5, 5, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0},
        {0, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0, 0},
        {0, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5},
    });
    synoptic::FidelitySettings settings;
    settings.measure = synoptic::PhiCoefficient;
    const auto fidelity = classification::autozavislosti(ws.table, settings, 1);
    ASSERT_TRUE(fidelity);
    EXPECT_DOUBLE_EQ((*fidelity)[1], 100);
    EXPECT_NEAR((*fidelity)[2], 100.0 * 2 / 3, 1e-9);

    // k = 1: A brings B (the first of the two equally faithful), B brings C.
    std::vector<GroupMember> members{classification::memberOfRow(ws.table, 1)};
    EXPECT_EQ(classification::runGroupInitiation(ws, settings, members, 1), 2);
    std::vector<std::string> names;
    for (const GroupMember& m : members) names.push_back(m.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Species 1", "Species 2", "Species 3"}));
    EXPECT_EQ(members[2].speciesNumber, 3);
    EXPECT_EQ(ws.CurrentRow, 3);

    // A member in fewer than five relevés adds nothing.
    std::vector<GroupMember> rare{classification::memberOfRow(ws.table, 5)};
    EXPECT_EQ(classification::runGroupInitiation(ws, settings, rare, 3), 0);
    EXPECT_FALSE(classification::autozavislosti(ws.table, settings, 5));
}
