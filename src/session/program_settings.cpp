#include "session/program_settings.h"

#include <algorithm>
#include <cmath>

#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_calculator.h"
#include "synoptic/fidelity_settings.h"
#include "synoptic/group_data.h"
#include "synoptic/synoptic_settings.h"
#include "synoptic/measure_names.h"
#include "view/synoptic_view.h"

namespace zembu::session {

namespace setting = core::setting;

namespace {

constexpr std::array<int, 6> ColourSettings = {
    setting::FrequencyThresholdColor1, setting::FrequencyThresholdColor2, setting::FidelityThresholdColor1,
    setting::FidelityThresholdColor2,  setting::CoverThresholdColor1,     setting::CoverThresholdColor2,
};

constexpr const char* CapacityWarning =
    "WARNING!!! The confirmation will close currently loaded table. Are you sure to continue?";

bool yesNoSwitch(const core::Settings& s, int index, bool whenEmpty) {
    return synoptic::isSwitchOn(s.value(index), whenEmpty);
}

std::string yesNo(bool on) { return on ? "Yes" : "No"; }

std::string number(double value) { return synoptic::calculatorNumber(value); }

}  // namespace

ProgramSettings currentProgramSettings(core::Workspace& ws) {
    core::Settings& s = ws.settings;
    ProgramSettings p;
    p.releveCapacity = ws.table.MaxReleves;
    p.speciesCapacity = ws.table.MaxSpecies;
    p.nameWidth = std::max(4, ws.display.nameWidth);
    p.layerWidth = std::clamp(ws.display.layerWidth, 3, 50);
    p.greyLevel = std::clamp(ws.display.greyLevel, 0, 255);

    const synoptic::FidelitySettings f = synoptic::readFidelitySettings(s);
    p.measure = f.measure >= synoptic::FirstMeasure && f.measure <= synoptic::LastMeasure ? f.measure
                                                                                          : synoptic::PhiCoefficient;
    p.kind = f.kind;
    p.standardSize = f.standardSize;
    p.sizeForTargetGroup = f.sizeForTargetGroup;
    p.adjustedNMinus1 = f.adjustedNMinus1;
    p.higherLevelReference = f.higherLevelReference;
    p.fisherVeto = f.fisherVeto;
    p.fisherThreshold = f.fisherThreshold;
    p.withCover = f.withCover;
    p.coverTransformation = f.coverTransformation;

    p.frequencyLimit = s.number(setting::FrequencyLimit);
    p.frequency2Limit = s.number(setting::Frequency2Limit);
    p.fidelityLimit = s.number(setting::FidelityLimit);
    p.fidelity2Limit = s.number(setting::Fidelity2Limit);
    p.coverLimit = s.number(setting::CoverLimit);
    p.coverLimitHigher = s.number(setting::CoverLimitHigher);
    for (size_t i = 0; i < ColourSettings.size(); ++i) p.colours[i] = synoptic::highlightColourSetting(s, ColourSettings[i]);
    p.frequencyHighlight = yesNoSwitch(s, setting::FrequencyThresholdYesNo, true);
    p.fidelityHighlight = yesNoSwitch(s, setting::FidelityThresholdYesNo, true);
    p.coverHighlight = yesNoSwitch(s, setting::CoverThresholdYesNo, true);
    p.boldValues = yesNoSwitch(s, setting::BoldImportantValuesInSynopticTable, false);
    const int64_t form = s.integer(setting::FidelityDisplayTypeCombined);
    p.combinedForm = form >= 1 && form <= 6 ? static_cast<int>(form) : 1;

    p.exportOriginalColours = yesNoSwitch(s, setting::ExportSpeciesInOriginalColours, false);
    p.highlightValues = yesNoSwitch(s, setting::HighlightValuesInSynopticTable, false);

    p.pcOrdPath = s.value(setting::PcOrdPath);
    p.mulvaPath = s.value(setting::MulvaPath);
    p.twinspanPath = s.value(setting::TwinspanPath);
    p.dmapPath = s.value(setting::DmapPath);
    p.rPath = s.value(setting::RPath);
    p.synTaxPath = s.value(setting::SynTaxPath);
    return p;
}

void closeTable(core::Workspace& ws, int32_t releveCapacity, int32_t speciesCapacity) {
    ws.table.setCapacities(releveCapacity, speciesCapacity);
    ws.undo.clear();
    ws.journal.clear();
    core::removeFileQuietly(ws.headerStructureFile());
    core::removeFileQuietly(ws.headerValueFile());
    ws.header = core::HeaderStore();
    ws.shortHead.shown = false;
    ws.menuChecks["shortHead"] = false;
    ws.currentTableFile = "zembu_table.vod";
    ws.captionFile.clear();
    ws.CurrentRow = 1;
    ws.CurrentReleve = 0;
    ws.anchorRow = ws.anchorColumn = ws.dragRow = 0;
    ws.synopticType = 0;
    view::renewSynopticChecks(ws);
    core::hlavicka(ws);
}

bool applyProgramSettings(core::Workspace& ws, const ProgramSettings& p, core::Interaction& ui) {
    core::Settings& s = ws.settings;

    // Capacities: only with the user's consent, as they close the table.
    bool emptied = false;
    const int32_t releves = std::clamp<int32_t>(p.releveCapacity, 30000, 1000000);
    const int32_t species = std::clamp<int32_t>(p.speciesCapacity, 5000, 15000);
    if (releves != ws.table.MaxReleves || species != ws.table.MaxSpecies) {
        if (ui.question(CapacityWarning, "ZEMBU", core::Buttons::YesNo, core::MessageIcon::Warning) ==
                core::Answer::Yes &&
            core::offerSave(ws, ui)) {
            closeTable(ws, releves, species);
            emptied = true;
        }
    }

    ws.display.nameWidth = std::max(4, p.nameWidth);
    ws.display.layerWidth = std::clamp(p.layerWidth, 3, 50);
    ws.display.greyLevel = std::clamp(p.greyLevel, 0, 255);

    synoptic::chooseFidelityMeasure(s, p.measure);
    if (p.measure != synoptic::DufreneLegendre) s.setValue(setting::PhiRecalculated, std::to_string(std::clamp(p.kind, 0, 2)));
    s.setValue(setting::StandardReleveGroupSize,
               p.standardSize > 0 && p.standardSize < 100 ? number(p.standardSize) : "50");
    s.setValue(setting::UseSizeParameterForTargetGroup, p.sizeForTargetGroup ? "1" : "0");
    s.setValue(setting::AdjustedPhiForNMinus1Groups, p.adjustedNMinus1 ? "1" : "0");
    s.setValue(setting::NDefinedAsAllDataSet, p.higherLevelReference ? "1" : "0");
    s.setValue(setting::PhiTestedByFisher, yesNo(p.fisherVeto));
    s.setValue(setting::SignificanceFetSynoptic, number(p.fisherThreshold >= 1 ? p.fisherThreshold : 3));
    s.setValue(setting::FidelityWithCover, p.withCover ? "1" : "0");
    s.setValue(setting::CoverTransformation, std::to_string(std::clamp(p.coverTransformation, 0, 2)));

    s.setValue(setting::FrequencyLimit, number(p.frequencyLimit));
    s.setValue(setting::Frequency2Limit, number(p.frequency2Limit));
    s.setValue(setting::FidelityLimit, number(p.fidelityLimit));
    s.setValue(setting::Fidelity2Limit, number(p.fidelity2Limit));
    s.setValue(setting::CoverLimit, number(p.coverLimit));
    s.setValue(setting::CoverLimitHigher, number(p.coverLimitHigher));
    for (size_t i = 0; i < ColourSettings.size(); ++i)
        s.setValue(ColourSettings[i], std::to_string(std::clamp<int32_t>(p.colours[i], 0, 0xFFFFFF)));
    // The cover colours keep their rule: none chosen is white.
    core::applySettingRules(s);
    s.setValue(setting::FrequencyThresholdYesNo, yesNo(p.frequencyHighlight));
    s.setValue(setting::FidelityThresholdYesNo, yesNo(p.fidelityHighlight));
    s.setValue(setting::CoverThresholdYesNo, yesNo(p.coverHighlight));
    s.setValue(setting::BoldImportantValuesInSynopticTable, yesNo(p.boldValues));
    s.setValue(setting::FidelityDisplayTypeCombined, std::to_string(std::clamp(p.combinedForm, 1, 6)));

    s.setValue(setting::ExportSpeciesInOriginalColours, yesNo(p.exportOriginalColours));
    s.setValue(setting::HighlightValuesInSynopticTable, yesNo(p.highlightValues));

    s.setValue(setting::PcOrdPath, p.pcOrdPath);
    s.setValue(setting::MulvaPath, p.mulvaPath);
    s.setValue(setting::TwinspanPath, p.twinspanPath);
    s.setValue(setting::DmapPath, p.dmapPath);
    s.setValue(setting::RPath, p.rPath);
    s.setValue(setting::SynTaxPath, p.synTaxPath);

    ws.vajicka();
    ws.fidelityMeasureNames = synoptic::statistica();
    ws.fidelityStatus = synoptic::nazevpole(synoptic::readFidelitySettings(s));
    return emptied;
}

std::optional<double> proposedStandardSize(core::Workspace& ws) {
    const synoptic::FidelitySettings f = synoptic::readFidelitySettings(ws.settings);
    const synoptic::GroupData groups = synoptic::prepareGroups(
        ws.table, {ws.separatorHierarchy, ws.separatorLevel, f.higherLevelReference}, f.adjustedNMinus1);
    return synoptic::test_velikosti_Np(groups);
}

}  // namespace zembu::session
