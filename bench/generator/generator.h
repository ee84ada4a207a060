#pragma once
// A generator of synthetic phytosociological tables of any size, for tests
// and benchmarks.
//
// The tables look like real ones: relevés belong to several communities
// along an environmental gradient; every species row has an optimum and a
// tolerance on the gradient and a commonness, so that neighbouring relevés
// share species; species grow in several layers (herbs, shrubs, trees,
// mosses, juveniles); covers follow the usual scales (Braun-Blanquet
// midpoints or percentages); the header data hold a relevé number field and
// the usual site fields (date, altitude, aspect, slope, latitude as six
// digits, longitude, community). The same options and seed always give the
// same table.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/table.h"
#include "demo_catalogue.h"

namespace zembu::core {
class Workspace;
}

namespace zembu::generator {

struct GeneratorOptions {
    int32_t releves = 200;        // relevé columns
    int32_t species = 300;        // species rows (a species in one layer), deleted ones included
    int speciesPerReleve = 25;    // mean number of species in a relevé
    int communities = 4;          // communities along the gradient
    uint64_t seed = 1;
    int layers = 3;               // kinds of layer used, 1..5: herb, shrub, tree, moss, juvenile

    // Further contents, off by default.
    double deletedFraction = 0;   // share of formally deleted species rows
    bool separators = false;      // relevé separators between communities (level 1) and within (2), species separators
    bool colours = false;         // some relevés and species coloured
    int speciesGroups = 0;        // Cocktail species groups
    bool indicatorValues = false; // species indicator values and relevé means
    int journalLines = 0;         // about this many species journal lines
    bool notes = false;           // species notes
    bool layerLabels = false;     // layer labels (the layer digit) instead of "   "
    bool shuffle = false;         // columns and rows not in record order
    int emptyReleves = 0;         // relevés without any species

    // Named species with their ecology (demo_catalogue.h) instead of invented
    // ones; the species count is then the catalogue's size.
    const std::vector<CatalogueSpecies>* catalogue = nullptr;
    // Names of the communities, written into the COMMUNITY header field.
    const std::vector<const char*>* communityNames = nullptr;
    // Every cover on the Braun-Blanquet scale (otherwise every other community
    // is recorded in percentages).
    bool braunBlanquetOnly = false;

    // Capacities; 0 takes the default or, when the table needs more, its size.
    int32_t maxReleves = 0;
    int32_t maxSpecies = 0;
};

// Options with every further content switched on (for round-trip tests).
GeneratorOptions withAllContents(GeneratorOptions options);

// The table; satisfies checkInvariants. Head values are left empty.
core::Table generateTable(const GeneratorOptions& options);

// Species journal lines for a table (aggregation, deletion and undeletion
// blocks naming its species); about options.journalLines lines.
std::vector<std::string> generateJournal(const GeneratorOptions& options, const core::Table& table);

// Writes header data for the table's relevé records: a structure file
// (start column right-aligned in 4, two blanks, field name) and a value file
// of fixed-length records ended by CR LF, record r for relevé record r.
void writeHeaderFiles(const GeneratorOptions& options, const core::Table& table,
                      const std::filesystem::path& structureFile, const std::filesystem::path& valueFile);

// Fills a workspace: the table, the header work files (and their field
// table), the journal, and the running-number head.
void generateWorkspace(core::Workspace& ws, const GeneratorOptions& options);

// Writes a table file with its ".str" and ".exp" companions.
void writeGeneratedTableFile(const std::filesystem::path& file, const GeneratorOptions& options);

}  // namespace zembu::generator
