#pragma once
// What the Cocktail dialog lists about the relevés of a group colour: the
// fidelity of every species to them (zavislosti) and the constancy of the
// species in them (the constancy column). List lines are UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "synoptic/fidelity_settings.h"

namespace zembu::core {
class Interaction;
class Table;
}  // namespace zembu::core

namespace zembu::classification {

inline constexpr const char* NoGroupRelevesMessage =
    "Minimum number of relevés in selected group must be higher than 0!!!";
inline constexpr const char* AllRelevesInGroupMessage = "Change colour of relevés in SPECIES GROUP!!!";

struct SpeciesFidelity {
    int32_t row = 0;
    double fidelity = 0;
    bool positive = false;  // the species is more frequent in the group than outside
    std::string line;       // name, fidelity "0.00" and "+" for a positive association
};

struct GroupFidelity {
    std::string heading;                  // "Group:  " + group name
    std::vector<SpeciesFidelity> species; // highest fidelity first (table order among equals)
};

// zavislosti: the fidelity of every live species row to the relevés whose
// colour number is colourNumber, by the measure and kind of the settings.
// Nothing (after the message) when no relevé has that colour or every relevé
// has it. A species with n (Np / N) ((N - Np) / N) <= 0, or whose measure is
// undefined, gets 0.
std::optional<GroupFidelity> zavislosti(const core::Table& table, const synoptic::FidelitySettings& settings,
                                        int colourNumber, std::string_view groupName, core::Interaction& ui);

struct SpeciesConstancy {
    int32_t row = 0;
    int constancy = 0;  // percent of the group's relevés, whole
    std::string line;   // name and constancy
};

// The constancy column: among the relevés whose colour number is
// colourNumber, in how many each live species row occurs with a cover above
// coverThreshold percent; rows found at least once, highest constancy first
// (table order among equals). Empty when no relevé has the colour.
std::vector<SpeciesConstancy> constancyColumn(const core::Table& table, int colourNumber, int coverThreshold);

}  // namespace zembu::classification
