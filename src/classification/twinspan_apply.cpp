#include "classification/twinspan_apply.h"

#include <algorithm>

#include "classification/twinspan_layout.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/settings.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "sorting/reorder.h"

namespace zembu::classification {

void useDivisionSeparatorLevel(core::Workspace& ws, int level) {
    ws.separatorLevel = std::clamp(level, 1, 6);
    ws.separatorHierarchy = true;
    ws.settings.setValue(core::setting::SeparatorHierarchyValue, std::to_string(ws.separatorLevel - 1));
    ws.settings.setValue(core::setting::SeparatorHierarchy, "1");
}

void twinhlavicka(core::Workspace& ws, const std::vector<std::string>& codeOfRecord) {
    core::Table& t = ws.table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        t.ReleveHead[static_cast<size_t>(rec)] = twinspanHead(codeOfRecord[static_cast<size_t>(rec)]);
    }
    ws.head = core::HeadKind::TwinspanCategory;
    ws.headMode = 4;
    ws.headCaption = "TWINSPAN category:";
    core::renewHead(ws);
}

std::optional<int32_t> applyTwinspanClassification(core::Workspace& ws, core::Interaction& ui,
                                 const TwinspanClassification& classification, const TwinspanApplyChoice& choice) {
    core::Table& t = ws.table;
    const std::vector<std::string> codes = codesByRecord(t, classification);
    int32_t classified = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) classified += !codes[static_cast<size_t>(t.ReleveOrder[k].record)].empty();
    if (classified == 0) {
        ui.message(NoClassifiedRelevesMessage, "TWINSPAN", core::MessageIcon::Critical);
        return std::nullopt;
    }
    const core::BusyScope busy(ui);
    // Form32.spectrideni and Form32.reltrideni: every row and every position
    // takes part; the keys differ, so the order is the one the keys give.
    if (choice.sortSpecies)
        sorting::sortSpeciesRows(t, twinspanSpeciesKeys(t, classification), core::AllColours,
                                 sorting::Direction::Ascending);
    sorting::sortRelevePositions(t, twinspanReleveKeys(t, codes, choice.colour), core::AllColours,
                                 sorting::Direction::Descending);
    twinhlavicka(ws, codes);
    if (choice.makeSeparators) placeDivisionSeparators(t, codes, choice.colour);
    return classified;
}

std::optional<int32_t> applyPunchedFile(core::Workspace& ws, core::Interaction& ui, const std::filesystem::path& file,
                      const TwinspanApplyChoice& choice) {
    try {
        std::string text;
        if (!core::readWholeFile(file, text)) throw core::ZembuError("The file " + file.string() + " cannot be read.", "TWINSPAN");
        const TwinspanClassification classification = readTwinspanClassification(text);
        core::ZalohaDat(ws);
        if (choice.makeSeparators) useDivisionSeparatorLevel(ws, deepestDivisionLevel(codesByRecord(ws.table, classification)));
        return applyTwinspanClassification(ws, ui, classification, choice);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return std::nullopt;
    }
}

bool sorttwin(core::Workspace& ws, core::Interaction& ui) {
    core::FileRequest request;
    request.title = "OPEN TWINSPAN RESULTING FILE (*.pun)";
    request.filter = "TWINSPAN Output File (*.pun)|*.pun|All files (*.*)|*.*";
    request.directory = ws.currentDirectory;
    request.mustExist = true;
    const auto file = ui.openFile(request);
    if (!file || file->empty()) return false;
    TwinspanApplyChoice choice;
    choice.colour = ws.releveColourBox;
    choice.sortSpecies = true;
    choice.makeSeparators = ui.question("Do you wish to make separators from the TWINSPAN divisions?", "TWINSPAN",
                                        core::Buttons::YesNo) == core::Answer::Yes;
    return applyPunchedFile(ws, ui, *file, choice).has_value();
}

}  // namespace zembu::classification
