#pragma once
// Layer labels: the text shown beside a species name for its layer.

#include <cstdint>
#include <string>

#include "core/table.h"

namespace zembu::view {

// Label modes: 0 none (labels stay as they are), 1 layer digit, 2 digit and
// name ("6 - Herb"), 3 name ("Herb").
enum LayerLabelMode { NoLayerLabel = 0, LayerDigit = 1, LayerDigitAndName = 2, LayerName = 3 };

// The label of a layer 0..9 in a mode; empty for mode 0 or a layer out of range.
std::string layerLabel(int layer, int mode);

// patro_vypsani: writes the label of a layer into a row's layer label (mode 0
// leaves it as it is).
void patro_vypsani(core::Table& table, int32_t row, int layer, int mode);

// zobrazenipatra: writes the labels of all live rows from their layers.
void zobrazenipatra(core::Table& table, int mode);

}  // namespace zembu::view
