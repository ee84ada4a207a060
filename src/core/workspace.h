#pragma once
// The workspace: everything the program holds while it runs. It owns the
// table, the settings, the species journal, the undo copy, the work files and
// the state the main window shares with the commands. Commands are functions
// that take the workspace, the choices of their dialog and an Interaction.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/display_scale.h"
#include "core/header_store.h"
#include "core/palette.h"
#include "core/settings.h"
#include "core/species_journal.h"
#include "core/table.h"
#include "core/undo.h"
#include "core/work_directory.h"

namespace zembu::core {

// Which head the table shows (the Head menu ticks the one in force).
enum class HeadKind {
    RunningNumber,     // "Running number:"
    SequenceNumber,    // "Sequence number:"
    TurbovegNumber,    // "TURBOVEG number:"
    GroupNumber,       // "Group number:"
    TwinspanCategory,  // "TWINSPAN category:"
    SpeciesData,       // values computed from selected species
    ShortHeadFile,     // a column of a short-head file (Form43)
    AnalysisValue,     // a value computed per relevé (indices, indicator means)
};

// What the next click on a relevé of the table view is for, after a command
// asked the user to pick one.
enum class ClickMode {
    None,
    IndicatorMeans,  // the indicator values of the clicked relevé (Form17)
};

// The short-head view: whether "Short head" is ticked and which header
// fields it shows (chosen in Form22, field numbers from 1).
struct ShortHeadState {
    bool shown = false;
    std::vector<int> fields;
};

// Look of the table view kept with the workspace.
struct DisplayState {
    std::string fontName;  // table font; empty for the program's fixed-pitch font
    int fontSize = 0;      // points; 0 for the default size
    bool bold = false;
    int nameWidth = 20;    // characters of the species name shown
    int layerWidth = 3;    // characters of the layer label shown
    int layerLabelMode = 0;  // 0 none, 1 digit, 2 digit and name, 3 name
    int greyLevel = 255;   // base of the layer-field band
    int displayFont = -1;  // scale chosen by "Display font::"
    DisplayTable displayTable = identityDisplayTable();
    // Head lines 1..6 (index j - 1 holds head line j), one character per
    // column, rebuilt by hlavickared whenever the head values change.
    std::array<std::string, 6> headLines;
};

class Workspace {
public:
    // A workspace whose settings and session folder live in workDirectory.
    explicit Workspace(std::filesystem::path workDirectory = defaultWorkDirectory());

    Table table;
    Settings settings;
    SpeciesJournal journal;
    UndoCopy undo;
    Palette palette = barvicky();
    DisplayState display;

    // The header data store's field table (inichlava).
    HeaderStore header;
    ShortHeadState shortHead;
    // Character cover definitions: raw cover characters of the table and the
    // percentage each stands for (0 while not defined).
    std::vector<std::pair<char, int>> coverDefinitions;

    // Menu captions that change with the state, keyed by the item's handler.
    std::map<std::string, std::string> menuCaptions;
    // Check marks of menu items, keyed the same way.
    std::map<std::string, bool> menuChecks;
    // The species marks are shown as highlights instead of "(S) " name prefixes;
    // saving then writes the prefixes back.
    bool speciesMarksAsHighlights = false;

    // Current table file: "zembu_table.vod" until a table is opened or saved.
    std::string currentTableFile = "zembu_table.vod";
    // The report document new exports go to.
    std::string currentRtfFile;
    // Folder file choosers start in.
    std::string currentDirectory;
    // The indicator table last read (Form18).
    std::string indicatorTableFile;
    // Caption of the main window's file part; set when a table is opened or saved.
    std::string captionFile;

    // Shared with the main window.
    int32_t CurrentRow = 1;          // current species row
    int32_t CurrentReleve = 0;       // running number (record) of the current relevé; 0 when none

    // Mouse work on the table view.
    int32_t anchorRow = 0;           // species row last clicked with the left button
    int32_t anchorColumn = 0;        // relevé column last coloured with the right button
    int32_t dragRow = 0;             // species row where a left-button press began
    bool moveToEndMode = false;      // a left click on a relevé moves it to the last column
    ClickMode clickMode = ClickMode::None;  // the next click picks a relevé for a command
    int speciesColourBox = 0;        // entry of the species colour box
    int releveColourBox = 0;         // entry of the relevé colour box (0 = white)
    int aggregationColourBox = 0;    // entry of the aggregation colour box
    int separatorLevel = 1;          // current separator level 1..6
    bool separatorHierarchy = false; // separator hierarchy switch
    // The synoptic view shown in place of the table: 0 none (the ordinary
    // table), 1..11 a one-value synoptic table, 20 the combined synoptic
    // table (its form is the setting "Fidelity display type in combined
    // synoptic table::").
    int synopticType = 0;
    HeadKind head = HeadKind::RunningNumber;
    int headMode = 1;
    std::string headCaption = "Running number:";
    // Entries of the fidelity measure list and the status text of the
    // fidelity setting (statistica, nazevpole).
    std::vector<std::string> fidelityMeasureNames;
    std::string fidelityStatus;

    int64_t startTime = 0;           // seconds since midnight at start
    std::string versionText;

    // Folders and files.
    const std::filesystem::path& workDirectory() const { return session_->workDirectory(); }
    const std::filesystem::path& sessionDirectory() const { return session_->path(); }
    // Why the work directory could not be used (empty when it could).
    const std::string& workDirectoryProblem() const { return session_->problem(); }
    std::filesystem::path settingsFile() const;
    // A work file of this session ("hlavicka.stc", "acd.tmp", ...).
    std::filesystem::path workFile(const std::string& name) const { return sessionDirectory() / name; }
    std::filesystem::path headerStructureFile() const { return workFile("hlavicka.stc"); }
    std::filesystem::path headerValueFile() const { return workFile("hlavicka.exc"); }

    // True when a table is loaded.
    bool hasTable() const { return table.ReleveCount > 0 || table.SpeciesRecordCount > 0; }

    // The main window caption: "ZEMBU", or "ZEMBU - (" + table file + ")".
    std::string windowCaption() const;

    // otevini: reads the settings file and applies the capacities it gives
    // (the table is emptied when they change).
    void otevini();
    // vajicka: writes the settings file, with the current separator level and
    // capacities. Returns false when it cannot be written.
    bool vajicka();
    // After an open or a save: vajicka, then otevini, so that the file's
    // rules apply as at start. When the file cannot be written the settings
    // in memory stay as they are (an old file is not read over them).
    void rewriteSettings();

private:
    std::unique_ptr<SessionDirectory> session_;
};

}  // namespace zembu::core
