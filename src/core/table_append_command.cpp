// tableappend ("&Append"): the command around appendTable.

#include "core/errors.h"
#include "core/head_modes.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/recent_files.h"
#include "core/table_append.h"
#include "core/table_file.h"
#include "core/vod_format.h"
#include "core/workspace.h"

namespace zembu::core {

bool tableappend(Workspace& ws, Interaction& ui) {
    const auto file = askForTableFile(ws, ui);
    if (!file) return false;

    try {
        BusyScope busy(ui);
        TableFileContents added;
        {
            ProgressMeter meter(ui, 1);
            added = readTableFile(*file, ws.table.MaxReleves, ws.table.MaxSpecies, &meter);
        }
        appendTable(ws.table, added.table);
        // The journal keeps the loaded table's lines and adds the appended file's.
        if (!added.journal.empty()) ws.journal.append(added.journal);
    } catch (const ZembuError& e) {
        ui.message(e.what(), e.title(), MessageIcon::Critical);
        return false;
    } catch (const std::bad_alloc&) {
        ui.message("There is not enough memory to append the file " + *file + ".", "ZEMBU", MessageIcon::Critical);
        return false;
    }

    // The header store stays as it is: the appended relevés have no header data.
    ws.undo.clear();
    hlavicka(ws);
    pushRecentFile(ws.settings, *file);
    ws.rewriteSettings();
    ws.currentTableFile = *file;
    ws.captionFile = *file;
    ws.CurrentRow = 1;
    return true;
}

}  // namespace zembu::core
