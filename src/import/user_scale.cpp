#include "import/user_scale.h"

#include "core/display_scale.h"
#include "core/interaction.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::import {

namespace {

// Symbols of each preset for the cover classes 1, 2, 3, 4, 5-15, 16-25,
// 26-50, 51-75, 76-95 %.
constexpr const char* kPresetSymbols[4] = {"r+1222345", "r+1mab345", "123456789", "111111111"};

int coverClass(int percent) {
    if (percent <= 4) return percent - 1;
    if (percent <= 15) return 4;
    if (percent <= 25) return 5;
    if (percent <= 50) return 6;
    if (percent <= 75) return 7;
    return 8;
}

// Display-font number of the user scale ("Display font::").
constexpr int UserScaleFont = 6;

}  // namespace

std::string scaleBoxLabel(int i) { return i >= ScaleBoxCount ? ">94 %" : std::to_string(i) + " %"; }

ScaleBoxes scaleBoxesFromSetting(const core::Settings& settings) {
    ScaleBoxes boxes;
    const std::string& scale = settings.value(core::setting::UserDefinedScale);
    if (scale.size() == ScaleBoxCount)
        for (int i = 0; i < ScaleBoxCount; ++i) boxes[i] = std::string(1, scale[i]);
    return boxes;
}

bool fillScalePreset(ScaleBoxes& boxes, int option) {
    if (option < 0 || option > 3) return false;
    for (int p = 1; p <= ScaleBoxCount; ++p) boxes[p - 1] = std::string(1, kPresetSymbols[option][coverClass(p)]);
    return true;
}

bool confirmUserScale(core::Workspace& ws, const ScaleBoxes& boxes, core::Interaction& ui) {
    for (const std::string& box : boxes) {
        if (core::trim(box).size() > 1) {
            ui.message("Please use only one character for each cover value.", "ZEMBU",
                       core::MessageIcon::Information);
            return false;
        }
    }
    // Every percentage needs its character: a scale with a gap would be
    // shorter than 95 and not read back as a scale at the next start.
    for (int i = 0; i < ScaleBoxCount; ++i) {
        if (core::trim(boxes[i]).empty()) {
            ui.message("Please give a character for every cover value: the box " + scaleBoxLabel(i + 1) +
                           " is empty.",
                       "ZEMBU", core::MessageIcon::Information);
            return false;
        }
    }
    std::string scale;
    std::array<char, ScaleBoxCount> symbols;
    for (int i = 0; i < ScaleBoxCount; ++i) {
        const std::string_view box = core::trim(boxes[i]);
        scale += box;
        symbols[i] = box.empty() ? ' ' : box[0];
    }
    ws.settings.setValue(core::setting::UserDefinedScale, scale);
    core::userScaleSymbols(ws.display.displayTable, symbols);
    // The scale stays in force at the next start.
    ws.display.displayFont = UserScaleFont;
    ws.settings.setValue(core::setting::DisplayFont, std::to_string(UserScaleFont));
    return true;
}

}  // namespace zembu::import
