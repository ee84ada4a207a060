#include "view/layer_labels.h"

#include <array>

namespace zembu::view {

namespace {

constexpr std::array<const char*, 10> kLayerNames = {
    "None",          "Tree  (high)", "Tree  (middle)", "Tree  (low)", "Shrub (high)",
    "Shrub (low)",   "Herb",         "Juvenile",       "Seedling",    "Moss/lichen",
};

}  // namespace

std::string layerLabel(int layer, int mode) {
    if (layer < 0 || layer > 9) return mode == LayerDigit ? std::to_string(layer) : std::string();
    switch (mode) {
        case LayerDigit: return std::to_string(layer);
        case LayerDigitAndName: return std::to_string(layer) + " - " + kLayerNames[layer];
        case LayerName: return kLayerNames[layer];
        default: return {};
    }
}

void patro_vypsani(core::Table& table, int32_t row, int layer, int mode) {
    if (mode == NoLayerLabel || row < 1 || row > table.SpeciesRecordCount) return;
    table.SpeciesLayerLabel[row] = layerLabel(layer, mode);
}

void zobrazenipatra(core::Table& table, int mode) {
    for (int32_t row = 1; row <= table.SpeciesCount; ++row) patro_vypsani(table, row, table.SpeciesLayer[row], mode);
}

}  // namespace zembu::view
