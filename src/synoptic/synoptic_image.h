#pragma once
// The synoptic table image: a text file holding the numbers of a synoptic
// table (type, species by name and layer, one value per species and group),
// kept to compare the table with the synoptic table of another data set.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "synoptic/synoptic_settings.h"

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::synoptic {

struct SynopticImage {
    int type = 0;
    int groupCount = 0;
    std::vector<std::string> names;  // by species, as the table holds them
    std::vector<int> layers;
    std::vector<double> values;      // species by species, groups within a species
    double value(size_t species, int g) const { return values[species * static_cast<size_t>(groupCount) + g - 1]; }
};

// The image of a synoptic table of type 1..11 or the combined table. Each
// value is the number a cell shows ("." and "  ---" count 0); constancy
// classes and the combined table keep the percentage constancy instead.
SynopticImage synopticImage(const core::Table& table, const SynopticSettings& settings, int type);

// The file text: "Synoptic table image", "Table type: ", "No. of species: ",
// "No. of groups: ", every species' name and layer on two lines, then the
// values one to a line.
std::string synopticImageText(const SynopticImage& image);

// Reads an image file's text; nothing when it is not a whole image.
std::optional<SynopticImage> readSynopticImage(std::string_view text);

struct ImageComparison {
    // Squared Euclidean distance of every stored group (rows) to every
    // current group (columns), species matched by name and layer; a species
    // of one table only counts with its own values.
    std::vector<std::vector<double>> distance;
    // 1 - (distances of the paired groups) / (sums of squares of their values):
    // 1 for equal tables, 0 when the paired groups share nothing. Groups pair
    // by number when both tables have as many; otherwise each group of the
    // table with fewer groups pairs with its nearest group of the other.
    double similarity = 1;
    std::string clipboardText;  // "ED matrix and total similarity" and the tab-separated matrix
};

// Compares a stored image with the current table's; nothing when their types differ.
std::optional<ImageComparison> compareSynopticImages(const SynopticImage& stored, const SynopticImage& current);

// ulozsyno: asks for a file and saves the image of the synoptic table of the
// given type there. Returns true when saved.
bool ulozsyno(core::Workspace& ws, int type, core::Interaction& ui);

// otevsyno: asks for an image ("Synoptic table image to compare"), compares
// it with the synoptic table of the given type, puts the matrix and the
// similarity on the clipboard and tells the similarity. "These tables have
// different formats" when the image does not fit.
std::optional<ImageComparison> otevsyno(core::Workspace& ws, int type, core::Interaction& ui);

}  // namespace zembu::synoptic
