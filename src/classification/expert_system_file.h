#pragma once
// The expert system file ("expert.esy"): a text file that records how a
// classification was built, so that it can be applied to another table.
//
//   SECTION 1: Species aggregation       from the species journal: per
//   (S) Quercus agg.            ...- 1   aggregation a line with the new name
//        Quercus robur          ...1     (padded to 58, "- ", layer) and a
//        Quercus petraea        ...1     line per merged species (five blanks
//                                        and the name padded to 60, layer),
//   SECTION 1: End                       then an empty line
//   SECTION 2: Species groups            per Cocktail group "### " + name and
//   ### Fagion                           its members after five blanks, marks
//        Fagus sylvatica                 "(S) " and the like dropped
//   SECTION 2: End
//   SECTION 3: Group definitions         per vegetation unit a line
//   Fagetum = <### Fagion> AND ...       name = formula (relevé selection)
//   SECTION 3: End
//
// and, appended later, a frequency table of the classification. Lines are
// code-page bytes; files are written with CR LF.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"

namespace zembu::classification {

inline constexpr const char* ExpertFileFilter = "Expert system file|*.esy|All files (*.*)|*.*";

// Sections 1 to 3 from the species journal and the group list; section 3 is
// left for the user to fill.
std::vector<std::string> expertSystemLines(const std::vector<std::string>& journal,
                                           const std::vector<core::SpeciesGroup>& groups);

// A species named in section 1: its name and, when the line gives one, its layer.
struct ExpertSpecies {
    std::string name;
    std::optional<int> layer;
};

// One aggregation of section 1: the new row and the species merged into it.
struct ExpertAggregation {
    ExpertSpecies aggregate;
    std::vector<ExpertSpecies> members;
};

// One vegetation unit of section 3.
struct UnitDefinition {
    std::string name;     // trimmed, code-page bytes
    std::string formula;  // trimmed
    std::string line;     // the line as written
    bool wellFormed() const { return !name.empty() && !formula.empty(); }
};

// What an expert system file holds.
struct ExpertSystem {
    std::filesystem::path file;
    std::vector<std::string> lines;
    std::vector<ExpertAggregation> aggregations;
    std::vector<UnitDefinition> units;
};

// Reads the sections from file content. Section 1 runs from the start to
// "SECTION 1: End" (or the next section's heading): lines beginning
// "SECTION" are headings, a line beginning with five blanks is a merged
// species (name: characters 6-60, layer after them), any other non-empty
// line names an aggregate (name: its first 50 characters, layer after "- ").
// Section 3 holds one "name = formula" per line. Throws core::ZembuError
// when the content has no section heading at all.
ExpertSystem parseExpertSystem(std::string_view content, const std::filesystem::path& file = {});

// Reads an expert system file; throws core::ZembuError when it cannot be
// read or is not an expert system file.
ExpertSystem readExpertSystemFile(const std::filesystem::path& file);

// Writes lines as a file through a temporary file; false on failure.
bool writeExpertLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace zembu::classification
