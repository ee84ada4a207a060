#pragma once
// The user-defined display scale and its dialog (Form50): 95 one-character
// boxes, one per cover percentage 1..94 and ">94 %", four presets, and the
// confirmation that stores the scale in "User defined scale::" and rebuilds
// the display table.

#include <array>
#include <string>

namespace zembu::core {
class Interaction;
class Settings;
class Workspace;
}  // namespace zembu::core

namespace zembu::import {

inline constexpr int ScaleBoxCount = 95;
using ScaleBoxes = std::array<std::string, ScaleBoxCount>;

// The preset options of the scale dialog.
enum ScalePreset : int {
    NoPreset = -1,
    BraunBlanquetPreset = 0,          // r + 1 2 2 2 3 4 5
    ExtendedBraunBlanquetPreset = 1,  // r + 1 m a b 3 4 5
    OrdinalPreset = 2,                // 1..9
    PresencePreset = 3,               // 1 everywhere
};

// Caption of box i (1..95): "1 %" .. "94 %", ">94 %".
std::string scaleBoxLabel(int i);

// The boxes as the dialog opens: the characters of "User defined scale::"
// when it is exactly 95 characters long, all empty otherwise.
ScaleBoxes scaleBoxesFromSetting(const core::Settings& settings);

// Form50.Command2_Click: fills the boxes with a preset; with no option chosen
// (NoPreset or an unknown option) nothing changes and false is returned.
bool fillScalePreset(ScaleBoxes& boxes, int option);

// Form50.Command1_Click: checks that no box holds more than one character
// (trimmed) — otherwise shows "Please use only one character for each cover
// value." and stores nothing — and that none is empty (a message naming the
// box, nothing stored) —, stores the concatenated boxes in "User
// defined scale::", rebuilds the display table and makes the user scale the
// one in force. Returns true when the scale was taken.
bool confirmUserScale(core::Workspace& ws, const ScaleBoxes& boxes, core::Interaction& ui);

}  // namespace zembu::import
