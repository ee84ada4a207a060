#include <gtest/gtest.h>

#include "classification/cocktail_group_list.h"
#include "classification/cocktail_marking.h"
#include "core/index_code.h"
#include "core/scripted_interaction.h"
#include "core/species_numbers.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using classification::WorkingGroup;
using core::Answer;
using core::ScriptedInteraction;
using zembu::testing::readFile;
using zembu::testing::tableFromCovers;
using zembu::testing::TempDir;

namespace {

core::SpeciesGroup storedGroup(const std::string& name, std::initializer_list<std::pair<const char*, int>> members) {
    core::SpeciesGroup g{name, {}};
    for (const auto& [member, number] : members) g.members.push_back({member, core::Variant::ofLong(number)});
    return g;
}

}  // namespace

TEST(CocktailGroupList, MembersJoinOnceAndTheTwoHundredFirstIsRefused) {
    core::Table t = tableFromCovers({{5, 0}, {5, 5}, {0, 5}});
    t.SpeciesColour[1] = {0xFF, 1};
    t.SpeciesColour[3] = {0xFF, 1};
    WorkingGroup group;
    ScriptedInteraction ui;
    EXPECT_EQ(classification::addSpeciesOfColour(t, group, 1, ui), 2);
    // A species already in the group is not added again, by either button.
    EXPECT_EQ(classification::addSpeciesOfColour(t, group, 1, ui), 0);
    EXPECT_EQ(classification::addCurrentSpecies(t, group, 3, ui), 0);
    EXPECT_EQ(classification::addCurrentSpecies(t, group, 2, ui), 1);
    EXPECT_EQ(classification::addCurrentSpecies(t, group, 99, ui), 0);
    ASSERT_EQ(group.members.size(), 3u);
    EXPECT_EQ(group.members[2].name, "Species 2");
    EXPECT_SCRIPT_DONE(ui);

    WorkingGroup full;
    std::vector<classification::GroupMember> many;
    for (int n = 1; n <= 201; ++n) many.push_back({"S" + std::to_string(n), n});
    ui.expectMessage(classification::TooManyMembersMessage, "ZEMBU");
    EXPECT_EQ(classification::addMembers(full, many, ui), 200);
    EXPECT_EQ(full.members.size(), 200u);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CocktailGroupList, DeletingMembersAsksFirst) {
    WorkingGroup group;
    group.members = {{"A", 1}, {"B", 2}, {"C", 3}};
    ScriptedInteraction ui;
    ui.expectQuestion(classification::DeleteMembersQuestion, "DOTAZ", Answer::No);
    EXPECT_FALSE(classification::deleteMembers(group, {0, 2}, ui));
    EXPECT_EQ(group.members.size(), 3u);
    ui.expectQuestion(classification::DeleteMembersQuestion, "DOTAZ", Answer::Yes);
    EXPECT_TRUE(classification::deleteMembers(group, {2, 0, 2}, ui));
    EXPECT_EQ(group.members, (std::vector<classification::GroupMember>{{"B", 2}}));
    // Nothing selected: no question.
    EXPECT_FALSE(classification::deleteMembers(group, {}, ui));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CocktailGroupList, StoringReplacingAndDeletingGroups) {
    core::Table t;
    WorkingGroup group;
    group.members = {{"Fagus sylvatica", 31}, {"Galium odoratum", 77}};
    ScriptedInteraction ui;
    ui.expectMessage(classification::GroupNameFirstMessage, "INFORMATION");
    EXPECT_FALSE(classification::storeGroup(t, group, "  ", ui));
    ui.expectQuestion("Do you wish to create new group Beech???", "ZEMBU", Answer::Yes);
    EXPECT_EQ(classification::storeGroup(t, group, " Beech ", ui), 0);
    ASSERT_EQ(t.SpeciesGroups.size(), 1u);
    EXPECT_EQ(t.SpeciesGroups[0], storedGroup("Beech", {{"Fagus sylvatica", 31}, {"Galium odoratum", 77}}));

    group.members.pop_back();
    ui.expectQuestion("Do you wish to replace group Beech???", "ZEMBU", Answer::Yes);
    EXPECT_EQ(classification::storeGroup(t, group, "Beech", ui), 0);
    EXPECT_EQ(t.SpeciesGroups[0].members.size(), 1u);

    WorkingGroup none;
    ui.expectMessage(classification::EmptyGroupMessage, "ZEMBU");
    EXPECT_FALSE(classification::storeGroup(t, none, "Oak", ui));
    ui.expectMessage(classification::GroupNameTooLongMessage, "ZEMBU");
    EXPECT_FALSE(classification::storeGroup(t, group, std::string(39, 'x'), ui));

    t.SpeciesGroups.resize(core::MaxSpeciesGroups);
    ui.expectMessage(classification::TooManyGroupsMessage, "ZEMBU");
    EXPECT_FALSE(classification::storeGroup(t, group, "Group 201", ui));
    t.SpeciesGroups.resize(1);

    ui.expectQuestion("Do you wish to delete group Beech???", "ZEMBU", Answer::No);
    EXPECT_FALSE(classification::deleteGroup(t, 0, ui));
    ui.expectQuestion("Do you wish to delete group Beech???", "ZEMBU", Answer::Yes);
    EXPECT_TRUE(classification::deleteGroup(t, 0, ui));
    EXPECT_TRUE(t.SpeciesGroups.empty());
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CocktailGroupList, StoredGroupsComeBackAsWorkingGroups) {
    core::SpeciesGroup stored = storedGroup("Wet", {{"Alnus glutinosa ", 12}});
    stored.members.push_back({"Old", core::Variant::ofString(" 45")});
    stored.members.push_back({"Short", core::Variant::ofShort(7)});
    const WorkingGroup group = classification::workingGroupOf(stored);
    EXPECT_EQ(group.name, "Wet");
    EXPECT_EQ(group.members, (std::vector<classification::GroupMember>{{"Alnus glutinosa", 12}, {"Old", 45}, {"Short", 7}}));
}

TEST(CocktailGroupList, ExportWithAndWithoutNames) {
    const std::vector<core::SpeciesGroup> groups = {
        storedGroup(" Beech ", {{"Fagus sylvatica ", 31}, {"Galium odoratum", 77}}),
        storedGroup("Empty", {}),
    };
    EXPECT_EQ(classification::groupsFileText(groups, true),
              "Beech;2;Fagus sylvatica;31;Galium odoratum;77;\r\nEmpty;0;\r\n");
    EXPECT_EQ(classification::groupsFileText(groups, false), "Beech;2;31;77;\r\nEmpty;0;\r\n");
    EXPECT_EQ(classification::memberCodeText(core::Variant::ofDouble(2.5)), "2.5");
    EXPECT_EQ(classification::memberCodeText(core::Variant::ofString(" x1 ")), "x1");

    TempDir dir;
    core::Workspace ws(dir / "home");
    ScriptedInteraction ui;
    ui.expectMessage(classification::NoGroupsToExportMessage, "EXPORT");
    EXPECT_FALSE(classification::exportGroups(ws, ui));
    ws.table.SpeciesGroups = groups;
    const std::string file = (dir / "groups.txt").string();
    ui.expectSaveFile("SAVE SPECIES GROUPS", file);
    ui.expectQuestion("Export with species names?", "EXPORT", Answer::No);
    EXPECT_EQ(classification::exportGroups(ws, ui), file);
    EXPECT_EQ(ui.shown().back().kind, ScriptedInteraction::Kind::Question);
    EXPECT_EQ(readFile(file), "Beech;2;31;77;\r\nEmpty;0;\r\n");
    ui.expectSaveFile("SAVE SPECIES GROUPS", std::nullopt);
    EXPECT_FALSE(classification::exportGroups(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(CocktailGroupList, GroupRowTakesTheSmallestFreeNumberAndTheMarkedReleves) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    // Relevés 1 and 4 hold both members, relevé 2 one, relevé 3 none.
    ws.table = tableFromCovers({{5, 5, 0, 3}, {5, 0, 0, 8}, {0, 0, 9, 9}, {1, 1, 1, 1}});
    core::Table& t = ws.table;
    // A formally deleted row behind the live ones must keep its data.
    t.SpeciesCount = 3;
    t.SpeciesInfo[2].number = core::FirstProgramSpeciesNumber;
    ws.settings.setValue(core::setting::CoverForNewSpecies, "15");
    WorkingGroup group;
    group.members = {classification::memberOfRow(t, 1), classification::memberOfRow(t, 2)};
    ScriptedInteraction ui;
    ui.expectMessage(classification::GroupNameFirstMessage, "INFORMATION");
    EXPECT_FALSE(classification::addGroupRow(ws, ui, group));

    group.name = "Beech";
    const auto row = classification::addGroupRow(ws, ui, group);
    EXPECT_SCRIPT_DONE(ui);
    ASSERT_EQ(row, 4);
    EXPECT_EQ(t.SpeciesCount, 4);
    EXPECT_EQ(t.SpeciesRecordCount, 5);
    EXPECT_EQ(t.SpeciesInfo[4].name, "### Beech");
    EXPECT_EQ(t.SpeciesInfo[4].number, core::FirstProgramSpeciesNumber + 1);
    EXPECT_EQ(t.SpeciesInfo[5].name, "Species 4");
    const int32_t s = t.SpeciesInfo[4].record;
    EXPECT_EQ(core::coverPercent(t.coverInSpecies(s, 1)), 15);
    EXPECT_EQ(t.coverInSpecies(s, 2), 0);
    EXPECT_EQ(t.coverInSpecies(s, 3), 0);
    EXPECT_EQ(core::coverPercent(t.coverInReleve(4, s)), 15);
    EXPECT_EQ(t.SpeciesFrequency[4], 2);
    EXPECT_TRUE(core::checkInvariants(t).empty()) << core::checkInvariants(t).front();

    // A setting outside 1..95 gives 1 %.
    ws.settings.setValue(core::setting::CoverForNewSpecies, "abc");
    EXPECT_EQ(classification::groupRowCover(ws), 1);
}

TEST(CocktailGroupList, GroupRowRefusedWhenNoNumberIsFree) {
    TempDir dir;
    core::Workspace ws(dir / "home");
    ws.table.setCapacities(10, 7600);
    core::Table& t = ws.table;
    t.ReleveCount = t.ReleveRecordCount = 1;
    t.ReleveOrder[1] = {1, 1};
    const int32_t span = core::LastProgramSpeciesNumber - core::FirstProgramSpeciesNumber + 1;
    t.SpeciesCount = t.SpeciesRecordCount = span;
    for (int32_t i = 1; i <= span; ++i) t.SpeciesInfo[i] = {core::FirstProgramSpeciesNumber + i - 1, "x", i};
    t.rebuildRowOfRecord();
    WorkingGroup group;
    group.name = "Full";
    ScriptedInteraction ui;
    ui.expectMessage(core::NumberFailureMessage, "ZEMBU");
    EXPECT_FALSE(classification::addGroupRow(ws, ui, group));
    EXPECT_EQ(t.SpeciesCount, span);
    EXPECT_SCRIPT_DONE(ui);
}
