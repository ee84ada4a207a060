#include "session/startup.h"

#include <chrono>
#include <filesystem>

#include "core/file_util.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/measure_names.h"

namespace zembu::session {

using namespace core;

namespace {

int64_t secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

}  // namespace

void Form_Load(Workspace& ws, Interaction& ui) {
    // 1. Default capacities and an empty table.
    ws.table.setCapacities(DefaultMaxReleves, DefaultMaxSpecies);
    ws.undo.clear();

    // 3. Start time and version text.
    ws.startTime = secondsSinceMidnight();
    ws.versionText = ZEMBU_VERSION;

    // 5. The header store starts empty.
    removeFileQuietly(ws.headerStructureFile());
    removeFileQuietly(ws.headerValueFile());

    // 6. Initial values.
    ws.separatorLevel = 1;
    ws.currentTableFile = "zembu_table.vod";
    ws.captionFile.clear();
    setStartupCaptions(ws);

    // 7. Palette, settings, and the table sized to the settings' capacities.
    ws.palette = barvicky();
    ws.otevini();
    ws.separatorHierarchy = ws.settings.integer(setting::SeparatorHierarchy) == 1;
    const int64_t level = ws.settings.integer(setting::SeparatorHierarchyValue) + 1;
    ws.separatorLevel = level >= 1 && level <= 6 ? static_cast<int>(level) : 1;

    // 8. Current folder and display settings.
    std::error_code ec;
    ws.currentDirectory = std::filesystem::current_path(ec).string();
    const std::string& folder = ws.settings.value(setting::CurrentDirectory);
    if (folder.size() > 3 && std::filesystem::is_directory(folder, ec)) ws.currentDirectory = folder;
    ws.display.fontName = ws.settings.value(setting::FontName);
    ws.display.fontSize = static_cast<int>(ws.settings.integer(setting::FontSize));
    ws.display.bold = ws.settings.integer(setting::BoldStyle) != 0 ||
                      equalsIgnoreCase(trim(ws.settings.value(setting::BoldStyle)), "True");

    // 9. The report document and the captions that name it and the colours.
    ws.currentRtfFile = (std::filesystem::path(ws.currentDirectory) / "export.rtf").string();
    renewColourCaptions(ws);
    renewRtfCaption(ws);

    // 10, 11. Display scale from "Display font::".
    {
        BusyScope busy(ui);
        // A settings file without a scale (a first start) shows the Braun-Blanquet scale.
        if (!isNumber(ws.settings.value(setting::DisplayFont))) ws.settings.setValue(setting::DisplayFont, "0");
        ws.display.displayFont = static_cast<int>(ws.settings.integer(setting::DisplayFont));
        applyDisplayFont(ws.display.displayTable, ws.display.displayFont,
                               ws.settings.value(setting::UserDefinedScale));
    }

    // A first start highlights the usual values in the synoptic tables:
    // constancy classes IV and V, phi x 100 from 20 and 50, cover from 25 % and 50 %.
    for (const auto& [index, value] : {std::pair{setting::FrequencyLimit, "60"}, {setting::Frequency2Limit, "80"},
                                       {setting::FidelityLimit, "20"}, {setting::Fidelity2Limit, "50"},
                                       {setting::CoverLimit, "25"}, {setting::CoverLimitHigher, "50"}})
        if (trim(ws.settings.value(index)).empty()) ws.settings.setValue(index, value);

    // The fidelity measure list and the status text of the fidelity setting.
    ws.fidelityMeasureNames = synoptic::statistica();
    ws.fidelityStatus = synoptic::nazevpole(synoptic::readFidelitySettings(ws.settings));

    // 12. The empty table.
    ws.CurrentRow = 1;
}

bool Form_Unload(Workspace& ws, Interaction& ui) {
    ui.progressHide();
    if (ws.table.SpeciesRecordCount > 0) {
        const Answer answer = ui.question("Save current file?", "ZEMBU", Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return false;
        // A save that did not happen keeps the program open: nothing is lost.
        if (answer == Answer::Yes && !ulozittabulku2(ws, ui)) return false;
    }
    ws.vajicka();
    return true;
}

}  // namespace zembu::session
