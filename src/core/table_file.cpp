#include "core/table_file.h"

#include <algorithm>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/header_store.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "core/workspace.h"

namespace zembu::core {

namespace fs = std::filesystem;

fs::path companionName(const fs::path& tableFile, std::string_view extension) {
    std::string name = tableFile.string();
    name.resize(name.size() >= 3 ? name.size() - 3 : 0);
    return fs::path(name + std::string(extension));
}

std::string finalSaveName(const std::string& chosen) {
    if (fs::path(chosen).filename().string().find('.') == std::string::npos) return chosen + ".VOD";
    return chosen;
}

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal();
}

// Replaces the header work files with the table file's companions; a
// companion that is missing leaves its work file away.
void takeCompanions(Workspace& ws, const fs::path& file) {
    const std::pair<const char*, fs::path> pairs[] = {{"str", ws.headerStructureFile()},
                                                       {"exp", ws.headerValueFile()}};
    for (const auto& [extension, workFile] : pairs) {
        removeFileQuietly(workFile);
        const fs::path companion = companionName(file, extension);
        if (sameFile(companion, file)) continue;  // a table named *.str or *.exp has no such companion
        if (const auto found = findFileIgnoringCase(companion)) copyFileOver(*found, workFile);
    }
    inichlava(ws);
}

TableFileContents readForWorkspace(const Workspace& ws, Interaction& ui, const fs::path& file,
                                   CapacityPolicy policy) {
    int32_t maxReleves = ws.table.MaxReleves;
    int32_t maxSpecies = ws.table.MaxSpecies;
    TableCounts counts;
    if (policy == CapacityPolicy::FitFile && peekTableCounts(file, counts)) {
        const int32_t releves = std::max(counts.releves, counts.releveRecords);
        if (releves > maxReleves && releves <= LargestMaxReleves) maxReleves = releves;
        if (counts.speciesRecords > maxSpecies && counts.speciesRecords <= LargestMaxSpecies)
            maxSpecies = counts.speciesRecords;
    }
    BusyScope busy(ui);
    ProgressMeter meter(ui, 1);
    return readTableFile(file, maxReleves, maxSpecies, &meter);
}

}  // namespace

bool loadTableFile(Workspace& ws, Interaction& ui, const fs::path& file, CapacityPolicy policy) {
    TableFileContents contents;
    try {
        contents = readForWorkspace(ws, ui, file, policy);
    } catch (const ZembuError& e) {
        ui.message(e.what(), e.title(), MessageIcon::Critical);
        return false;
    } catch (const std::bad_alloc&) {
        ui.message("There is not enough memory to open the file " + file.string() + ".", "ZEMBU",
                   MessageIcon::Critical);
        return false;
    }

    // The whole file was read: from here on the workspace takes it.
    std::swap(ws.table, contents.table);
    contents.table = Table();  // the old table's memory goes now
    takeCompanions(ws, file);
    ws.journal.replace(contents.journal);
    ws.undo.clear();
    ws.shortHead.fields.clear();
    hlavicka(ws);
    ws.currentTableFile = file.string();
    ws.captionFile = file.string();
    ws.CurrentRow = 1;
    if (file.has_parent_path()) ws.currentDirectory = file.parent_path().string();
    return true;
}

bool tableopen2(Workspace& ws, Interaction& ui, const std::string& typed) {
    // The recent-files list and the caption keep the whole path: a name as
    // typed on a command line means nothing once the folder has changed.
    std::error_code ec;
    fs::path absolute = fs::absolute(typed, ec);
    const std::string file = ec ? typed : absolute.lexically_normal().string();
    if (!loadTableFile(ws, ui, file)) return false;
    pushRecentFile(ws.settings, file);
    ws.rewriteSettings();
    return true;
}

std::vector<fs::path> foreignCompanions(const std::string& file) {
    std::vector<fs::path> found;
    const std::string name = finalSaveName(file);
    std::error_code ec;
    if (fs::exists(name, ec)) return found;
    for (const char* extension : {"str", "exp"}) {
        const fs::path companion = companionName(name, extension);
        if (sameFile(companion, name)) continue;
        if (const auto existing = findFileIgnoringCase(companion)) found.push_back(*existing);
    }
    return found;
}

namespace {

// The question asked before foreign companions are touched.
std::string foreignCompanionsQuestion(const std::string& file, const std::vector<fs::path>& companions) {
    std::string names;
    for (size_t i = 0; i < companions.size(); ++i)
        names += (i == 0 ? "" : i + 1 == companions.size() ? " and " : ", ") + companions[i].string();
    const bool one = companions.size() == 1;
    const std::string them = one ? "it" : "them";
    return "The file" + std::string(one ? " " : "s ") + names + " beside " + finalSaveName(file) +
           (one ? " does" : " do") + " not belong to a table file. Saving the table replaces " + them +
           " with its header data, or deletes " + them + " when it has none.\rReplace " + them + "?";
}

}  // namespace

std::optional<std::string> savetabl(Workspace& ws, Interaction& ui, const std::string& chosen) {
    const std::string name = finalSaveName(chosen);
    Table& t = ws.table;

    const std::vector<fs::path> foreign = foreignCompanions(name);
    if (!foreign.empty() &&
        ui.question(foreignCompanionsQuestion(name, foreign), "ZEMBU", Buttons::YesNo, MessageIcon::Warning) !=
            Answer::Yes)
        return std::nullopt;

    if (ws.speciesMarksAsHighlights) {
        for (int32_t i = 1; i <= t.SpeciesRecordCount; ++i) {
            SpeciesInfoEntry& info = t.SpeciesInfo[i];
            if (info.record < 1 || info.record > t.MaxSpecies) continue;
            const char mark = t.SpeciesMark[info.record];
            if (mark != '\0' && info.name.compare(0, 1, "(") != 0)
                info.name = std::string("(") + mark + ") " + info.name;
        }
    }
    t.ReleveRecordCount = t.ReleveCount;
    for (int32_t s = 1; s <= t.SpeciesRecordCount; ++s)
        for (std::string& value : t.SpeciesIndicator[s]) value = std::string(trim(value));

    ws.journal.ensureExists();
    const std::vector<std::string> journal = ws.journal.lines();
    try {
        BusyScope busy(ui);
        ProgressMeter meter(ui, static_cast<int64_t>(t.SpeciesRecordCount) + t.ReleveRecordCount +
                                    static_cast<int64_t>(t.SpeciesGroups.size()));
        writeTableFile(name, t, journal, &meter);
    } catch (const ZembuError& e) {
        ui.message(e.what(), e.title(), MessageIcon::Critical);
        return std::nullopt;
    }

    // The companions follow the table: copies of the header work files, or
    // none when the table has no header data (old companions would give the
    // table another table's header data when it is opened again).
    const std::pair<const char*, fs::path> pairs[] = {{"str", ws.headerStructureFile()},
                                                       {"exp", ws.headerValueFile()}};
    for (const auto& [extension, workFile] : pairs) {
        const fs::path companion = companionName(name, extension);
        if (sameFile(companion, name)) continue;
        std::error_code ec;
        if (fs::is_regular_file(workFile, ec)) {
            if (!copyFileOver(workFile, companion))
                ui.message("The header data could not be saved to " + companion.string() + ".", "ZEMBU",
                           MessageIcon::Warning);
        } else if (const auto stale = findFileIgnoringCase(companion)) {
            if (isReadOnlyFile(*stale))
                ui.message("The file " + stale->string() + " is read-only; it was left as it was.", "ZEMBU",
                           MessageIcon::Warning);
            else
                removeFileQuietly(*stale);
        }
    }
    return name;
}

bool ulozittabulku2(Workspace& ws, Interaction& ui) {
    FileRequest request;
    request.title = "SAVE TABLE";
    request.filter = TableFileFilter;
    fs::path proposed(ws.currentTableFile);
    request.proposedName = proposed.replace_extension().string();
    request.directory = ws.currentDirectory;
    request.mustExist = false;
    const auto chosen = ui.saveFile(request);
    if (!chosen || chosen->empty()) return false;

    const auto name = savetabl(ws, ui, *chosen);
    if (!name) return false;
    pushRecentFile(ws.settings, *name);
    ws.rewriteSettings();
    ws.currentTableFile = *name;
    ws.captionFile = *name;
    if (fs::path(*name).has_parent_path()) ws.currentDirectory = fs::path(*name).parent_path().string();
    return true;
}

bool offerSave(Workspace& ws, Interaction& ui) {
    if (ws.table.SpeciesRecordCount <= 0) return true;
    const Answer answer = ui.question("Save current file?", "ZEMBU", Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) return ulozittabulku2(ws, ui);
    return true;
}

std::optional<std::string> askForTableFile(Workspace& ws, Interaction& ui) {
    FileRequest request;
    request.title = "Open Table";
    request.filter = TableFileFilter;
    request.directory = ws.currentDirectory;
    request.mustExist = true;
    auto chosen = ui.openFile(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    return chosen;
}

bool otevrittabulku(Workspace& ws, Interaction& ui, OpenMode mode) {
    if (mode == OpenMode::SpeciesGroups) {
        const auto file = askForTableFile(ws, ui);
        if (!file) return false;
        return isBinaryTableTag(fileTag(*file)) ? taxaopen2(ws, ui, *file) : taxaopen(ws, ui, *file);
    }
    if (!offerSave(ws, ui)) return false;
    const auto file = askForTableFile(ws, ui);
    if (!file) return false;
    return tableopen2(ws, ui, *file);
}

bool openRecentFile(Workspace& ws, Interaction& ui, int index) {
    if (index < 0 || index >= RecentFileCount) return false;
    const std::string file = ws.settings.value(setting::Path1 + index);
    if (file.empty()) return false;
    if (!offerSave(ws, ui)) return false;
    return tableopen2(ws, ui, file);
}

}  // namespace zembu::core
