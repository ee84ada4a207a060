#pragma once
// The TWINSPAN link (Form32): the relevés of one colour are written as a data
// file with the answers to the program's questions, the TWINSPAN program runs
// on them in a folder of this session, and its classification comes back as
// relevé and species order, head and separators.
//
// A run has three steps, so that the desktop program can run the program in
// the background and the command-line tool in the foreground:
// prepareTwinspanRun writes the files, the caller runs run.program (for
// example with core::runOutsideProgram), finishTwinspanRun reads the output
// and applies it.

#include <filesystem>
#include <optional>
#include <string>

#include "classification/twinspan_link_files.h"
#include "core/outside_program.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* TwinspanNotDefinedMessage =
    "The TWINSPAN program was not defined!!! Please select correct path.";
inline constexpr const char* EmptyReleveSelectionMessage =
    "Relevé selection is empty!\rPlease select correct relevé colour.";
inline constexpr const char* TwinspanProgramName = "twinspan";

// The TWINSPAN program installed beside the running program (in a build
// tree: in its own folder beside the program's folder), else the first
// "twinspan" on the PATH, else the name beside the running program.
std::string defaultTwinspanProgram();

// Form32.Command3_Click ("&Change path"): asks for the program file and
// stores it under "TWINSPAN path::". Returns the chosen program.
std::optional<std::string> changeTwinspanPath(core::Workspace& ws, core::Interaction& ui, const std::string& current);

// One run of the program: its files and how to start it.
struct TwinspanRun {
    core::ProgramRun program;  // the program, its folder, tw.dat as input
    TwinspanLinkOptions options;
    int32_t releves = 0;       // relevés written to the data file
    bool keepFiles = false;    // leave the link files in the folder
};

// Form32.Command1_Click up to the start of the program: stores Text1..Text4;
// without a usable program shows "The TWINSPAN program was not defined!!! ..."
// and asks for one ("&Change path"), and stops; keeps a usable program
// under "TWINSPAN path::"; takes the undo copy; with
// "Make separators" sets the separator level (separatorLevelOf) and turns the
// hierarchy on; refuses an empty relevé selection ("Relevé selection is
// empty!", title "STOP") and more relevés than the data file can number;
// writes tw.dat and twtwtw.cc! into `folder` (created when missing) after
// removing earlier output there. The options must have passed
// checkLinkOptions. Returns the run, or nothing after a message.
std::optional<TwinspanRun> prepareTwinspanRun(core::Workspace& ws, core::Interaction& ui,
                                              const TwinspanLinkOptions& options, const std::filesystem::path& folder,
                                              bool keepFiles = false);

// The folder of this session where runs write their files.
std::filesystem::path twinspanWorkFolder(const core::Workspace& ws);

// The output file of a run ("twtwtw.pun" in the run's folder, found in any
// letter case); nothing when there is none.
std::optional<std::filesystem::path> twinspanOutputFile(const TwinspanRun& run);

// Form32.Timer2_Timer: after the program ended, reads its output and applies
// the classification to the relevés of the run's colour. A program that
// could not start, was cancelled, failed, or wrote no "SPECIES
// CLASSIFICATION" ends with a message (title "TWINSPAN") naming the reason
// and the table as it was. The data and answer files are removed unless the
// run keeps them. Returns the number of classified relevés; nothing when
// the classification was not applied.
std::optional<int32_t> finishTwinspanRun(core::Workspace& ws, core::Interaction& ui, const TwinspanRun& run,
                       const core::ProgramOutcome& outcome);

}  // namespace zembu::classification
