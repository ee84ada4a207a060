#include "core/palette.h"

namespace zembu::core {

Palette barvicky() {
    Palette palette{};
    palette[0] = {"black", 0x000000, 0xFFFFFF};
    palette[1] = {"red", 0x0000CC, 0x9999FF};
    palette[2] = {"blue", 0xDD0000, 0xFF9999};
    palette[3] = {"sea-green", 0x808000, 0xFFFF99};
    palette[4] = {"green", 0x008000, 0x99FF99};
    palette[5] = {"yellow", 0x0BAACB, 0x8BECFF};
    palette[6] = {"violet", 0x800080, 0xFF99FF};
    palette[7] = {"grey", 0x909090, 0xD0D0D0};
    return palette;
}

}  // namespace zembu::core
