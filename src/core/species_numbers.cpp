#include "core/species_numbers.h"

#include <vector>

#include "core/table.h"

namespace zembu::core {

std::optional<int32_t> freeSpeciesNumber(const Table& table) {
    constexpr int32_t span = LastProgramSpeciesNumber - FirstProgramSpeciesNumber + 1;
    std::vector<char> taken(static_cast<size_t>(span), 0);
    for (int32_t i = 1; i <= table.SpeciesRecordCount; ++i) {
        const int32_t n = table.SpeciesInfo[i].number;
        if (n >= FirstProgramSpeciesNumber && n <= LastProgramSpeciesNumber)
            taken[static_cast<size_t>(n - FirstProgramSpeciesNumber)] = 1;
    }
    for (int32_t k = 0; k < span; ++k)
        if (!taken[static_cast<size_t>(k)]) return FirstProgramSpeciesNumber + k;
    return std::nullopt;
}

}  // namespace zembu::core
