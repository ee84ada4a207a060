#pragma once
// The species of the demonstration table: central European forests along a
// moisture gradient, from dry thermophilous oak woods (0) through
// oak-hornbeam and beech woods to floodplain ash-alder woods and alder carrs
// (1), in tree, shrub, herb and moss layers.

#include <cstdint>
#include <vector>

namespace zembu::generator {

struct CatalogueSpecies {
    const char* name;
    int16_t layer;       // 1 tree, 4 shrub, 6 herb, 9 moss
    double optimum;      // position of the species' optimum on the moisture gradient, 0..1
    double tolerance;    // width of its niche
    double commonness;   // relative frequency where it grows
};

// The demonstration species, 150 species-in-layer rows.
const std::vector<CatalogueSpecies>& demoCatalogue();

// Names of the five communities along the gradient, dry to wet.
const std::vector<const char*>& demoCommunities();

}  // namespace zembu::generator
