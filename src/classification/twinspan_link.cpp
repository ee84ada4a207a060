#include "classification/twinspan_link.h"

#include "core/file_util.h"
#include "core/interaction.h"
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
    return folder.empty() ? std::string(TwinspanProgramName) : (folder / TwinspanProgramName).string();
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
                                              const TwinspanLinkOptions& options, const fs::path& folder,
                                              bool keepFiles) {
    storeLinkSettings(ws.settings, options);
    if (options.program.size() < 2 || !core::isExecutableFile(options.program)) {
        ui.message(TwinspanNotDefinedMessage, "Program Info", core::MessageIcon::Information);
        changeTwinspanPath(ws, ui, options.program);
        return std::nullopt;
    }
    core::ZalohaDat(ws);
    if (options.makeSeparators) {
        ws.separatorLevel = separatorLevelOf(options);
        ws.separatorHierarchy = true;
        ws.settings.setValue(core::setting::SeparatorHierarchyValue, std::to_string(ws.separatorLevel - 1));
        ws.settings.setValue(core::setting::SeparatorHierarchy, "1");
    }
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

    std::error_code error;
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

std::optional<fs::path> twinspanOutputFile(const TwinspanRun& run) {
    return core::findFileIgnoringCase(run.program.workingDirectory / TwinspanPunchedFileName);
}

}  // namespace zembu::classification
