#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <iterator>

#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/index_code.h"
#include "core/recent_files.h"
#include "core/table_append.h"
#include "core/table_file.h"
#include "core/vod_format.h"
#include "core/workspace.h"
#include "generator/generator.h"
#include "support/test_support.h"
#include "vod_test_util.h"

using namespace zembu::core;
using zembu::generator::GeneratorOptions;
using zembu::testing::expectSameTable;
using zembu::testing::readFile;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

GeneratorOptions smallOptions(uint64_t seed = 7) {
    GeneratorOptions o = zembu::generator::withAllContents({});
    o.releves = 40;
    o.species = 60;
    o.speciesPerReleve = 8;
    o.seed = seed;
    return o;
}

// Everything loading a table changes, to compare before and after a failure.
struct Snapshot {
    explicit Snapshot(const Workspace& ws)
        : releves(ws.table.ReleveCount), species(ws.table.SpeciesRecordCount), firstName(ws.table.SpeciesInfo[1].name),
          structure(readFile(ws.headerStructureFile())), values(readFile(ws.headerValueFile())),
          journal(ws.journal.lines()), recent(recentFiles(ws.settings)), caption(ws.windowCaption()) {}
    bool operator==(const Snapshot&) const = default;
    int32_t releves, species;
    std::string firstName, structure, values;
    std::vector<std::string> journal, recent;
    std::string caption;
};

}  // namespace

TEST(TableCommands, OpenReplacesTableHeaderStoreAndJournal) {
    TempDir dir;
    zembu::generator::writeGeneratedTableFile(dir / "meadows.vod", smallOptions());
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions(99));
    ScriptedInteraction ui;
    ASSERT_TRUE(tableopen2(ws, ui, (dir / "meadows.vod").string()));
    EXPECT_SCRIPT_DONE(ui);

    const Table expected = zembu::generator::generateTable(smallOptions());
    expectSameTable(expected, ws.table);
    EXPECT_EQ(readFile(ws.headerStructureFile()), readFile(dir / "meadows.str"));
    EXPECT_EQ(readFile(ws.headerValueFile()), readFile(dir / "meadows.exp"));
    EXPECT_EQ(ws.header.releveNumberField(), 1);
    EXPECT_EQ(ws.journal.lines(), zembu::generator::generateJournal(smallOptions(), expected));
    EXPECT_EQ(ws.windowCaption(), "ZEMBU - (" + (dir / "meadows.vod").string() + ")");
    EXPECT_EQ(ws.settings.value(setting::Path1), (dir / "meadows.vod").string());
    EXPECT_EQ(ws.headCaption, "Running number:");
    EXPECT_EQ(ws.table.ReleveHead[ws.table.ReleveOrder[1].record], numericHeadValue(ws.table.ReleveOrder[1].record));
    EXPECT_EQ(ws.CurrentRow, 1);
    EXPECT_TRUE(ws.menuChecks["relanum_Click"]);
}

TEST(TableCommands, AFailedOpenChangesNothing) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    ws.captionFile = "loaded.vod";
    pushRecentFile(ws.settings, "loaded.vod");
    const Snapshot before(ws);

    std::string bytes = tableFileBytes(zembu::generator::generateTable(smallOptions(3)), {"x"});
    writeFile(dir / "cut.vod", bytes.substr(0, bytes.size() - 3));
    writeFile(dir / "cut.str", "   1  Releve number\r\n");
    writeFile(dir / "cut.exp", "  1234\r\n");
    ScriptedInteraction ui;
    ui.expectMessage("File format is not correct!!!", "ZEMBU");
    EXPECT_FALSE(tableopen2(ws, ui, (dir / "cut.vod").string()));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_TRUE(Snapshot(ws) == before);

    // Too many species for the capacity: the capacity message, nothing changes.
    GeneratorOptions big = smallOptions();
    big.species = 6000;
    big.deletedFraction = 0;
    zembu::generator::writeGeneratedTableFile(dir / "big.vod", big);
    ScriptedInteraction capacity;
    capacity.expectMessage(speciesCapacityMessage(6000, 5000), "Program Info");
    EXPECT_FALSE(tableopen2(ws, capacity, (dir / "big.vod").string()));
    EXPECT_SCRIPT_DONE(capacity);
    EXPECT_TRUE(Snapshot(ws) == before);

    // A tool may let the capacities follow the file.
    ScriptedInteraction quiet;
    EXPECT_TRUE(loadTableFile(ws, quiet, dir / "big.vod", CapacityPolicy::FitFile));
    EXPECT_EQ(ws.table.MaxSpecies, 6000);
    EXPECT_EQ(ws.table.SpeciesRecordCount, 6000);
}

TEST(TableCommands, AFileWithoutJournalEmptiesTheJournal) {
    TempDir dir;
    const Table t = zembu::testing::tableFromCovers({{5, 10}});
    zembu::testing::LayoutOptions bare;
    bare.journal = false;
    writeFile(dir / "old.vod", zembu::testing::handMadeTableFile(t, {}, bare));
    Workspace ws(dir / "home");
    ws.journal.replace({"DDD", "x", "***"});
    ScriptedInteraction ui;
    ASSERT_TRUE(loadTableFile(ws, ui, dir / "old.vod"));
    EXPECT_TRUE(ws.journal.lines().empty());
    EXPECT_TRUE(std::filesystem::exists(ws.journal.file()));
    // No companions: no header store.
    EXPECT_FALSE(std::filesystem::exists(ws.headerStructureFile()));
    EXPECT_TRUE(ws.header.empty());
}

TEST(TableCommands, SaveNamesAndCompanions) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    ws.table.SpeciesIndicator[1][0] = " 7 ";
    ScriptedInteraction ui;
    ui.expectSaveFile("SAVE TABLE", (dir / "grassland").string());
    ASSERT_TRUE(ulozittabulku2(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown()[0].request.proposedName, "zembu_table");
    EXPECT_EQ(ui.shown()[0].request.filter, "Table format VOD|*.vod|All files (*.*)|*.*");

    EXPECT_TRUE(std::filesystem::exists(dir / "grassland.VOD"));
    EXPECT_EQ(readFile(dir / "grassland.str"), readFile(ws.headerStructureFile()));
    EXPECT_EQ(readFile(dir / "grassland.exp"), readFile(ws.headerValueFile()));
    EXPECT_EQ(ws.settings.value(setting::Path1), (dir / "grassland.VOD").string());
    EXPECT_EQ(ws.currentTableFile, (dir / "grassland.VOD").string());
    EXPECT_EQ(ws.table.SpeciesIndicator[1][0], "7");  // trimmed in place

    const TableFileContents read = readBinaryTableFile(dir / "grassland.VOD", 30000, 5000);
    expectSameTable(ws.table, read.table);
    EXPECT_EQ(read.journal, ws.journal.lines());

    // A table without header data does not keep another table's companions.
    removeFileQuietly(ws.headerStructureFile());
    removeFileQuietly(ws.headerValueFile());
    ASSERT_TRUE(savetabl(ws, ui, (dir / "grassland.VOD").string()));
    EXPECT_FALSE(std::filesystem::exists(dir / "grassland.str"));
    EXPECT_FALSE(std::filesystem::exists(dir / "grassland.exp"));
}

TEST(TableCommands, AFailedSaveKeepsTheOldFile) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    ScriptedInteraction missing;
    EXPECT_FALSE(savetabl(ws, missing, (dir / "no such folder" / "t.vod").string()));
    ASSERT_EQ(missing.shown().size(), 1u);
    EXPECT_NE(missing.shown()[0].text.find("cannot be written"), std::string::npos);

    // The disk "fills up" while the new table file is written.
    const std::filesystem::path folder = dir / "tables";
    std::filesystem::create_directory(folder);
    writeFile(folder / "kept.vod", "old contents");
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    ScriptedInteraction ui;
    const bool saved = savetabl(ws, ui, (folder / "kept.vod").string()).has_value();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(folder / "kept.vod"), "old contents");
    // No half-written file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST(TableCommands, SaveIsOfferedBeforeOpening) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    zembu::generator::writeGeneratedTableFile(dir / "other.vod", smallOptions(5));

    ScriptedInteraction cancel;
    cancel.expectQuestion("Save current file?", "ZEMBU", Answer::Cancel);
    EXPECT_FALSE(otevrittabulku(ws, cancel));
    EXPECT_SCRIPT_DONE(cancel);

    ScriptedInteraction no;
    no.expectQuestion("Save current file?", "ZEMBU", Answer::No);
    no.expectOpenFile("Open Table", (dir / "other.vod").string());
    EXPECT_TRUE(otevrittabulku(ws, no));
    EXPECT_SCRIPT_DONE(no);
    expectSameTable(zembu::generator::generateTable(smallOptions(5)), ws.table);

    // The recent-files list opens text and binary files alike.
    ScriptedInteraction recent;
    recent.expectQuestion("Save current file?", "ZEMBU", Answer::No);
    EXPECT_TRUE(openRecentFile(ws, recent, 0));
    EXPECT_SCRIPT_DONE(recent);
}

TEST(TableCommands, AppendMatchesSpeciesByNameAndLayer) {
    Table loaded = zembu::testing::tableFromCovers({{5, 0}, {0, 10}, {3, 3}});
    loaded.SpeciesInfo[1].name = "Festuca rubra";
    loaded.SpeciesInfo[2].name = "(S) Carex humilis";
    loaded.SpeciesInfo[3].name = "Deleted species";
    loaded.SpeciesCount = 2;
    Table added = zembu::testing::tableFromCovers({{20, 0, 0}, {0, 30, 0}, {0, 0, 40}, {1, 1, 1}});
    added.SpeciesInfo[1].name = "  Carex humilis ";  // matches row 2 despite the mark
    added.SpeciesInfo[2].name = "Festuca rubra";
    added.SpeciesLayer[2] = 1;                        // another layer: a new row
    added.SpeciesInfo[3].name = "Festuca rubra";      // matches row 1
    added.SpeciesInfo[4].name = "Carex humilis";      // row 2 is taken: a new row
    added.ReleveOrder[1].turbovegNumber = 77;

    appendTable(loaded, added);
    EXPECT_TRUE(checkInvariants(loaded).empty());
    EXPECT_EQ(loaded.ReleveCount, 5);
    EXPECT_EQ(loaded.ReleveRecordCount, 5);
    EXPECT_EQ(loaded.ReleveOrder[3], (ReleveOrderEntry{3, 77}));
    EXPECT_EQ(loaded.SpeciesCount, 4);
    EXPECT_EQ(loaded.SpeciesRecordCount, 5);
    EXPECT_EQ(loaded.SpeciesInfo[3].name, "Festuca rubra");
    EXPECT_EQ(loaded.SpeciesLayer[3], 1);
    EXPECT_EQ(loaded.SpeciesInfo[4].name, "Carex humilis");
    EXPECT_EQ(loaded.SpeciesInfo[5].name, "Deleted species");  // deleted rows stay last
    EXPECT_EQ(loaded.coverAt(2, 3), coverByte(20));
    EXPECT_EQ(loaded.coverAt(1, 5), coverByte(40));
    EXPECT_EQ(loaded.coverAt(3, 4), coverByte(30));
    EXPECT_EQ(loaded.coverAt(4, 4), coverByte(1));
    EXPECT_EQ(loaded.SpeciesFrequency[1], 2);
    EXPECT_EQ(appendMatchName("(D) Poa annua  "), "Poa annua");
}

TEST(TableCommands, AppendBeyondTheCapacitiesChangesNothing) {
    TempDir dir;
    Workspace ws(dir / "home");
    ws.table.setCapacities(30000, 5000);
    GeneratorOptions o = smallOptions();
    o.releves = 29990;
    o.speciesPerReleve = 2;
    zembu::generator::generateWorkspace(ws, o);
    zembu::generator::writeGeneratedTableFile(dir / "more.vod", smallOptions(4));
    const Snapshot before(ws);
    ScriptedInteraction ui;
    ui.expectOpenFile("Open Table", (dir / "more.vod").string());
    ui.expectMessage("The tables together have 30030 relevés.\rIt exceeds the limit (30000). "
                     "Please change limits and try to append the table once more.",
                     "Program Info");
    EXPECT_FALSE(tableappend(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_TRUE(Snapshot(ws) == before);
}

TEST(TableCommands, AppendCommandKeepsHeaderStoreAndJoinsJournals) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    const std::string values = readFile(ws.headerValueFile());
    const std::vector<std::string> journal = ws.journal.lines();
    zembu::generator::writeGeneratedTableFile(dir / "more.vod", smallOptions(4));
    ScriptedInteraction ui;
    ui.expectOpenFile("Open Table", (dir / "more.vod").string());
    ASSERT_TRUE(tableappend(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.ReleveCount, 80);
    EXPECT_EQ(readFile(ws.headerValueFile()), values);
    const std::vector<std::string> lines = ws.journal.lines();
    ASSERT_GT(lines.size(), journal.size());
    EXPECT_TRUE(std::equal(journal.begin(), journal.end(), lines.begin()));
    EXPECT_EQ(ws.settings.value(setting::Path1), (dir / "more.vod").string());
    EXPECT_EQ(ws.table.ReleveHead[80], numericHeadValue(80));
}

TEST(TableCommands, SpeciesGroupsOnly) {
    TempDir dir;
    Table source = zembu::testing::tableFromCovers({{5}, {5}});
    source.SpeciesInfo[1].name = "0011 looks like a tag";
    source.SpeciesGroups.push_back({"Beech forest", {{"Fagus sylvatica", Variant::ofLong(31)}}});
    writeTableFile(dir / "groups.vod", source, {});
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    const int32_t releves = ws.table.ReleveCount;
    ScriptedInteraction ui;
    ui.expectOpenFile("Open Table", (dir / "groups.vod").string());
    ASSERT_TRUE(otevrittabulku(ws, ui, OpenMode::SpeciesGroups));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.table.SpeciesGroups, source.SpeciesGroups);
    EXPECT_EQ(ws.table.ReleveCount, releves);
}

TEST(TableCommands, CompanionNames) {
    EXPECT_EQ(companionName("/d/Table.VOD", "str"), "/d/Table.str");
    EXPECT_EQ(finalSaveName("/d/x.y/table"), "/d/x.y/table.VOD");
    EXPECT_EQ(finalSaveName("/d/table.vod"), "/d/table.vod");
    EXPECT_EQ(companionName(finalSaveName("/d/table"), "exp"), "/d/table.exp");
}

TEST(TableCommands, AFileNamedRelativelyIsKeptWithItsWholePath) {
    TempDir dir;
    zembu::generator::writeGeneratedTableFile(dir / "meadows.vod", smallOptions());
    Workspace ws(dir / "home");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    ScriptedInteraction ui;
    const bool opened = tableopen2(ws, ui, "./meadows.vod");
    std::filesystem::current_path(before);
    ASSERT_TRUE(opened);
    const std::string whole = std::filesystem::canonical(dir / "meadows.vod").string();
    EXPECT_EQ(ws.settings.value(setting::Path1), whole);
    EXPECT_EQ(ws.currentTableFile, whole);
    EXPECT_EQ(ws.windowCaption(), "ZEMBU - (" + whole + ")");
}

TEST(TableCommands, CompanionsBesideANewTableNameAreNotTouchedUnasked) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    removeFileQuietly(ws.headerStructureFile());  // a table without header data
    removeFileQuietly(ws.headerValueFile());
    inichlava(ws);
    // The user's own TURBOVEG export of the same name.
    writeFile(dir / "survey.str", "   1  Releve number\r\n");
    writeFile(dir / "survey.exp", "  1001\r\n");
    const std::string question = "The files " + (dir / "survey.str").string() + " and " +
                                 (dir / "survey.exp").string() + " beside " + (dir / "survey.vod").string() +
                                 " do not belong to a table file. Saving the table replaces them with its header "
                                 "data, or deletes them when it has none.\rReplace them?";
    ScriptedInteraction no;
    no.expectQuestion(question, "ZEMBU", Answer::No);
    EXPECT_FALSE(savetabl(ws, no, (dir / "survey.vod").string()));
    EXPECT_SCRIPT_DONE(no);
    EXPECT_FALSE(std::filesystem::exists(dir / "survey.vod"));
    EXPECT_EQ(readFile(dir / "survey.exp"), "  1001\r\n");
    EXPECT_EQ(foreignCompanions((dir / "survey.vod").string()).size(), 2u);

    ScriptedInteraction yes;
    yes.expectQuestion(question, "ZEMBU", Answer::Yes);
    ASSERT_TRUE(savetabl(ws, yes, (dir / "survey.vod").string()));
    EXPECT_SCRIPT_DONE(yes);
    EXPECT_FALSE(std::filesystem::exists(dir / "survey.exp"));

    // Companions of an existing table file are its own: no question.
    writeFile(dir / "survey.exp", "  1001\r\n");
    EXPECT_TRUE(foreignCompanions((dir / "survey.vod").string()).empty());
    ScriptedInteraction own;
    ASSERT_TRUE(savetabl(ws, own, (dir / "survey.vod").string()));
    EXPECT_SCRIPT_DONE(own);
    EXPECT_FALSE(std::filesystem::exists(dir / "survey.exp"));
}

TEST(TableCommands, ReadOnlyFilesAreNeverReplaced) {
    TempDir dir;
    Workspace ws(dir / "home");
    zembu::generator::generateWorkspace(ws, smallOptions());
    writeFile(dir / "kept.vod", "old contents");
    chmod((dir / "kept.vod").c_str(), 0444);
    EXPECT_TRUE(isReadOnlyFile(dir / "kept.vod"));
    EXPECT_FALSE(writeFileAtomically(dir / "kept.vod", "new"));
    EXPECT_FALSE(copyFileOver(ws.headerValueFile(), dir / "kept.vod"));
    ScriptedInteraction ui;
    ui.expectMessage("The file " + (dir / "kept.vod").string() + " cannot be written (the file is read-only).",
                     "ZEMBU");
    EXPECT_FALSE(savetabl(ws, ui, (dir / "kept.vod").string()));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(readFile(dir / "kept.vod"), "old contents");

    // A read-only companion stays as it was, with a warning naming it.
    writeFile(dir / "open.vod", "old table");
    writeFile(dir / "open.exp", "old values");
    chmod((dir / "open.exp").c_str(), 0444);
    ScriptedInteraction companion;
    companion.expectMessage("The header data could not be saved to " + (dir / "open.exp").string() + ".", "ZEMBU");
    ASSERT_TRUE(savetabl(ws, companion, (dir / "open.vod").string()));
    EXPECT_SCRIPT_DONE(companion);
    EXPECT_EQ(readFile(dir / "open.exp"), "old values");
    EXPECT_EQ(readFile(dir / "open.str"), readFile(ws.headerStructureFile()));
    chmod((dir / "kept.vod").c_str(), 0644);
    chmod((dir / "open.exp").c_str(), 0644);
}

TEST(TableCommands, OpenAndSaveWriteTheSettingsAndReadThemBack) {
    TempDir dir;
    zembu::generator::writeGeneratedTableFile(dir / "meadows.vod", smallOptions());
    Workspace ws(dir / "home");
    ws.settings.setValue(setting::NoLength, "0");  // read back, the rule makes it 5
    ScriptedInteraction ui;
    ASSERT_TRUE(tableopen2(ws, ui, (dir / "meadows.vod").string()));
    EXPECT_EQ(ws.settings.value(setting::NoLength), "5");
    EXPECT_NE(readFile(ws.settingsFile()).find("No length::0\r\n"), std::string::npos);

    ws.settings.setValue(setting::NameLength, "-1");
    ui.expectSaveFile("SAVE TABLE", (dir / "copy.vod").string());
    ASSERT_TRUE(ulozittabulku2(ws, ui));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ws.settings.value(setting::NameLength), "38");
    EXPECT_EQ(ws.table.ReleveCount, 40);  // the table stays
}
