#pragma once
// Names of the fidelity measures and the status text of the fidelity setting.

#include <string>
#include <string_view>
#include <vector>

#include "synoptic/fidelity_settings.h"

namespace zembu::synoptic {

// Long name of measure 1..16 as the measure list shows it; the separator line
// for 3, empty for other indexes.
std::string_view longMeasureName(int measure);

// Short name of measure 1..16 for column headers and the status text; empty
// for 3 and other indexes.
std::string_view shortMeasureName(int measure);

// statistica: the entries of the measure list, measure 1 first.
std::vector<std::string> statistica();

// nazevpole: the status text of the fidelity setting: " A" (fidelity index),
// " B" (standardised) or " C" (modified), the standard group size formatted
// "0.0##" where it is used (kind 1, or the size parameter on), then the short
// name of the measure, the parts separated by one blank.
std::string nazevpole(const FidelitySettings& settings);

}  // namespace zembu::synoptic
