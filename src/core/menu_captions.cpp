#include "core/menu_captions.h"

#include <algorithm>

#include "core/menu_ids.h"
#include "core/selection.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::core {

std::string speciesColourName(const Workspace& ws, int entry) {
    if (entry < 0 || entry >= PaletteColourCount) entry = 0;
    return upperAscii(ws.palette[entry].name);
}

std::string releveColourName(const Workspace& ws, int entry) {
    if (entry <= 0 || entry >= PaletteColourCount) return "WHITE";
    return upperAscii(ws.palette[entry].name);
}

void setStartupCaptions(Workspace& ws) {
    auto& c = ws.menuCaptions;
    c[menu::MergeSpecies] = "&Merge 0 Species";
    c[menu::DeleteSpecies] = "D&elete 0 Species";
    c[menu::DeleteReleves] = "Delete 0 &Relevés";
    c[menu::SeparatorsWithinReleves] = "Make Separators within 0 &Relevés";
}

void Combo1_Click(Workspace& ws) {
    const std::string name = speciesColourName(ws, ws.speciesColourBox);
    auto& c = ws.menuCaptions;
    c[menu::DeleteSpecies] = "D&elete " + name + " Species";
    c[menu::MoveSpeciesUpwards] = "&Upwards " + name + " Species";
    c[menu::MoveSpeciesDownwards] = "&Downwards " + name + " Species";
}

void Combo2_click(Workspace& ws) {
    const std::string name = releveColourName(ws, ws.releveColourBox);
    const std::string plainName =
        ws.releveColourBox <= 0 || ws.releveColourBox >= PaletteColourCount ? "White"
                                                                             : ws.palette[ws.releveColourBox].name;
    auto& c = ws.menuCaptions;
    c[menu::ExportHead] = "Export &HEAD for " + name + " Relevés";
    c[menu::MoveRelevesLeft] = "&Left " + name + " Relevés";
    c[menu::MoveRelevesRight] = "&Right " + name + " Relevés";
    c[menu::MoveRelevesLeftInGroups] = "&Left " + name + " Relevés within Groups";
    c[menu::MoveRelevesRightInGroups] = "&Right " + name + " Relevés within Groups";
    c[menu::SortRelevesForColour1] = "for &" + plainName + " Relevés";
    c[menu::SortRelevesForColour2] = "for &" + plainName + " Relevés";
    c[menu::DeleteReleves] = "Delete " + name + " &Relevés";
    c[menu::SeparatorsWithinReleves] = "Make Separators within " + name + " &Relevés";
}

void Combo3_Click(Workspace& ws) {
    ws.menuCaptions[menu::MergeSpecies] = "&Merge " + speciesColourName(ws, ws.aggregationColourBox) + " Species";
}

void renewColourCaptions(Workspace& ws) {
    Combo1_Click(ws);
    Combo2_click(ws);
    Combo3_Click(ws);
}

void menu_Click(Workspace& ws) {
    auto& c = ws.menuCaptions;
    std::string levels;
    for (int level = std::clamp(ws.separatorLevel, 1, 6); level <= 6; ++level)
        levels += (levels.empty() ? "" : ", ") + std::to_string(level);
    c[menu::RemoveSelectedSeparators] = "Separators " + levels;

    const Table& t = ws.table;
    std::string releve = "---";
    if (ws.CurrentReleve >= 1 && ws.CurrentReleve <= t.ReleveRecordCount) {
        const int32_t rec = ws.CurrentReleve;
        releve = std::to_string(rec) + " (" + std::string(trim(codePageToUtf8(t.ReleveHead[rec]))) + ")";
    }
    c[menu::RemoveSeparatorsFrom] = "from Relevé No. " + releve;
    c[menu::RemoveSeparatorsTo] = "to Relevé No. " + releve;

    const std::string species = std::to_string(selectedSpeciesCount(ws));
    c[menu::CountSpecies] = "C&ount " + species + " Species";
    c[menu::SumOfSpeciesData] = "S&um of " + species + " Species Data";
    c[menu::PercentageAbundance] = "Percentage Abundance of " + species + " Species";
    c[menu::MeanOfSpeciesData] = "Mean o&f " + species + " Species Data";
    c[menu::MinimumOfSpeciesData] = "M&inimum of " + species + " Species Data";
    c[menu::MaximumOfSpeciesData] = "Ma&ximum of " + species + " Species Data";
    c[menu::BealsForReleves] = "Beals &Smoothing for " + std::to_string(selectedReleveCount(ws)) + " Relevés";
}

void renewRtfCaption(Workspace& ws) {
    // The name is shown as given: Linux file names are case-sensitive.
    ws.menuCaptions[menu::CurrentRtfFile] = "Current file: " + ws.currentRtfFile;
}

}  // namespace zembu::core
