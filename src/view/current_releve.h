#pragma once
// The current-relevé panel: the current relevé described line by line (its
// numbers, species with cover symbols, species counts, diversity, the
// species of each layer, header values), and deleting chosen species from it.

#include <cstdint>
#include <string>
#include <vector>

namespace zembu::core {
class Workspace;
}

namespace zembu::view {

struct ReleveDescriptionLine {
    std::string text;     // UTF-8
    int32_t row = 0;      // the species row a species line stands for; 0 otherwise
};

// Cover symbol of a cover byte in the panel: 161 "r", 162 "+", 163 "1",
// 164 "m", 168 "a", 178 "b", other bytes up to 185 "2", 186..210 "3",
// 211..235 "4", 236..255 "5".
char panelCoverSymbol(unsigned char coverByte);

// The lines describing relevé record rec; empty when there is no such relevé.
std::vector<ReleveDescriptionLine> describeReleve(const core::Workspace& ws, int32_t rec);

// Removes the cells of the given species rows from relevé record rec (both
// cell strings) and recounts their frequencies. Returns the cells removed.
int deleteSpeciesFromReleve(core::Workspace& ws, int32_t rec, const std::vector<int32_t>& rows);

inline constexpr const char* DeleteFromReleveQuestion =
    "Are You sure to delete selected species from current relevé?";

}  // namespace zembu::view
