#include "classification/twinspan_link.h"

#include <cstdlib>

#include "classification/twinspan_apply.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::classification {

namespace fs = std::filesystem;

namespace {

bool writeLinkFile(const fs::path& file, std::string_view text, core::Interaction& ui) {
    if (core::writeFileAtomically(file, text)) return true;
    ui.message("The file " + file.string() + " cannot be written.", "TWINSPAN", core::MessageIcon::Critical);
    return false;
}

// Removes a file of the folder in whatever letter case it was written.
void removeAnyCase(const fs::path& file) {
    while (const auto found = core::findFileIgnoringCase(file)) {
        std::error_code error;
        if (!fs::remove(*found, error)) break;
    }
}

}  // namespace

std::string defaultTwinspanProgram() {
    const fs::path folder = core::runningProgramDirectory();
    const fs::path beside = folder / TwinspanProgramName;
    // Installed, the programs stand in one folder; in a build tree each
    // program has a folder of its own.
    const fs::path candidates[] = {beside, folder.parent_path() / TwinspanProgramName / TwinspanProgramName};
    for (const fs::path& candidate : candidates)
        if (!folder.empty() && core::isExecutableFile(candidate)) return candidate.string();
    if (const char* path = std::getenv("PATH")) {
        for (std::string_view dir : core::splitAt(path, ':'))
            if (!dir.empty() && core::isExecutableFile(fs::path(dir) / TwinspanProgramName))
                return (fs::path(dir) / TwinspanProgramName).string();
    }
    return folder.empty() ? std::string(TwinspanProgramName) : beside.string();
}

std::optional<std::string> changeTwinspanPath(core::Workspace& ws, core::Interaction& ui, const std::string& current) {
    core::FileRequest request;
    request.title = "SELECT THE TWINSPAN PROGRAM";
    request.filter = "TWINSPAN program|twinspan*|All files (*.*)|*";
    request.proposedName = current.empty() ? std::string() : fs::path(current).filename().string();
    request.directory = current.empty() ? std::string() : fs::path(current).parent_path().string();
    request.mustExist = true;
    const auto chosen = ui.openFile(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    ws.settings.setValue(core::setting::TwinspanPath, *chosen);
    return chosen;
}

fs::path twinspanWorkFolder(const core::Workspace& ws) { return ws.workFile("twinspan"); }

std::optional<TwinspanRun> prepareTwinspanRun(core::Workspace& ws, core::Interaction& ui,
                                              const TwinspanLinkOptions& options, const fs::path& given,
                                              bool keepFiles) {
    storeLinkSettings(ws.settings, options);
    if (options.program.size() < 2 || !core::isExecutableFile(options.program)) {
        ui.message(TwinspanNotDefinedMessage, "Program Info", core::MessageIcon::Information);
        changeTwinspanPath(ws, ui, options.program);
        return std::nullopt;
    }
    ws.settings.setValue(core::setting::TwinspanPath, options.program);
    core::ZalohaDat(ws);
    if (options.makeSeparators) useDivisionSeparatorLevel(ws, separatorLevelOf(options));
    const core::Table& t = ws.table;
    int32_t chosen = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) chosen += t.ReleveColour[k].number == options.colour;
    if (chosen == 0) {
        ui.message(EmptyReleveSelectionMessage, "STOP", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (chosen > MaxTwinspanReleves) {
        ui.message("TWINSPAN can classify at most " + std::to_string(MaxTwinspanReleves) + " relevés; " +
                       std::to_string(chosen) + " relevés have the chosen colour.\rPlease colour fewer relevés.",
                   "STOP", core::MessageIcon::Critical);
        return std::nullopt;
    }

    // The program runs in the folder: its files are named absolutely.
    std::error_code error;
    const fs::path folder = fs::absolute(given, error);
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder)) {
        ui.message("The folder " + folder.string() + " cannot be created.", "TWINSPAN", core::MessageIcon::Critical);
        return std::nullopt;
    }
    TwinspanRun run;
    run.options = options;
    run.keepFiles = keepFiles;
    run.program.program = options.program;
    run.program.workingDirectory = folder;
    run.program.standardInput = folder / TwinspanAnswerFileName;
    run.program.standardOutput = folder / "tw.out";
    run.program.standardError = folder / "tw.err";
    removeAnyCase(folder / TwinspanPunchedFileName);
    removeAnyCase(folder / TwinspanPrintedFileName);
    const TwinspanDataFile data = ccsoubor(t, options.colour);
    run.releves = data.releves;
    if (!writeLinkFile(folder / TwinspanAnswerFileName, answerFileText(options), ui) ||
        !writeLinkFile(folder / TwinspanDataFileName, data.text, ui))
        return std::nullopt;
    return run;
}

namespace {

// The last line the program wrote to its error output, without its name.
std::string lastErrorLine(const fs::path& file) {
    std::string text;
    if (!core::readWholeFile(file, text)) return {};
    std::string last;
    for (std::string_view line : core::splitLines(text))
        if (!core::trim(line).empty()) last = std::string(core::trim(line));
    const std::string prefix = std::string(TwinspanProgramName) + ": ";
    if (last.starts_with(prefix)) last.erase(0, prefix.size());
    return last;
}

// Why a run brought no classification; empty when its output can be read.
std::string failureOf(const TwinspanRun& run, const core::ProgramOutcome& outcome, std::string& output) {
    const std::string unchanged = "\rThe table was not changed.";
    if (!outcome.started)
        return "The TWINSPAN program " + run.program.program.string() + " could not be started: " + outcome.startError +
               "." + unchanged;
    if (outcome.cancelled) return "The TWINSPAN run was cancelled." + unchanged;
    if (outcome.signal != 0)
        return "The TWINSPAN program stopped abnormally (signal " + std::to_string(outcome.signal) + ")." + unchanged;
    if (outcome.exitCode != 0) {
        const std::string reason = lastErrorLine(run.program.standardError);
        return "The TWINSPAN program ended with an error" + (reason.empty() ? " (exit status " + std::to_string(outcome.exitCode) + ")" : ": " + reason) +
               (reason.ends_with(".") ? "" : ".") + unchanged;
    }
    const auto file = twinspanOutputFile(run);
    if (!file || !core::readWholeFile(*file, output) || !hasSpeciesClassification(output))
        return "TWINSPAN made no classification: its output holds no \"SPECIES CLASSIFICATION\". The minimum group "
               "size may be larger than the number of relevés with species." + unchanged;
    return {};
}

}  // namespace

std::optional<fs::path> twinspanOutputFile(const TwinspanRun& run) {
    return core::findFileIgnoringCase(run.program.workingDirectory / TwinspanPunchedFileName);
}

std::optional<int32_t> finishTwinspanRun(core::Workspace& ws, core::Interaction& ui, const TwinspanRun& run,
                       const core::ProgramOutcome& outcome) {
    const fs::path& folder = run.program.workingDirectory;
    std::string output;
    const std::string failure = failureOf(run, outcome, output);
    std::optional<int32_t> applied;
    if (!failure.empty()) {
        ui.message(failure, "TWINSPAN", core::MessageIcon::Critical);
    } else {
        try {
            applied = applyTwinspanClassification(ws, ui, readTwinspanClassification(output),
                                                  {run.options.colour, run.options.sortSpecies, run.options.makeSeparators});
        } catch (const core::ZembuError& e) {
            ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        }
    }
    if (!run.keepFiles) {
        core::removeFileQuietly(folder / TwinspanAnswerFileName);
        core::removeFileQuietly(folder / TwinspanDataFileName);
    }
    return applied;
}

}  // namespace zembu::classification
