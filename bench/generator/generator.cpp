#include "generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "core/index_code.h"
#include "core/palette.h"
#include "core/text.h"
#include "random.h"

namespace zembu::generator {

namespace {

constexpr int GradientBins = 64;

// Layer kinds in the order options.layers takes them, with their share of rows.
struct LayerKind {
    int16_t layer;
    double share;
};
constexpr std::array<LayerKind, 5> LayerKinds = {{{6, 0.70}, {4, 0.10}, {1, 0.08}, {9, 0.08}, {7, 0.04}}};

// The percentages of the Braun-Blanquet codes r + 1 2m 2a 2b 3 4 5 and how
// often each is recorded.
constexpr std::array<int, 9> ScaleCovers = {1, 2, 3, 4, 8, 18, 38, 63, 88};
constexpr std::array<double, 9> ScaleWeights = {0.08, 0.25, 0.25, 0.10, 0.12, 0.08, 0.06, 0.04, 0.02};

const char* const Syllables[] = {"ca", "ru", "lo", "mi", "ver", "sa", "tri", "po", "den", "gal",
                                 "fes", "bro", "lu", "ar", "ne", "pha", "cor", "sti", "ma", "ton"};
const char* const Endings[] = {"a", "um", "us", "ia", "is"};
const char* const Epithets[] = {"vulgaris", "montana", "sylvestris", "arvensis", "alpina", "palustris",
                                "officinalis", "pratensis", "nemorosa", "rubra", "alba", "minor",
                                "major", "tenuis", "elatior", "repens", "hirta", "glabra"};

std::string genusName(int g) {
    std::string name;
    int n = g;
    do {
        name += Syllables[n % 20];
        n /= 20;
    } while (n > 0);
    name += Endings[g % 5];
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

// A unique binomial for taxon t.
std::string taxonName(int t) {
    const int genus = t / 7;
    return genusName(genus) + " " + Epithets[(t % 7 + genus * 3) % 18];
}

int drawScaleIndex(Random& random) {
    double u = random.uniform();
    for (size_t i = 0; i < ScaleWeights.size(); ++i) {
        if (u < ScaleWeights[i]) return static_cast<int>(i);
        u -= ScaleWeights[i];
    }
    return 0;
}

struct SpeciesEcology {
    double optimum = 0.5;
    double tolerance = 0.1;
    double commonness = 1;
};

int32_t capacity(int32_t wanted, int32_t needed, int32_t byDefault) {
    if (wanted > 0) return std::max(wanted, needed);
    return std::max(byDefault, needed);
}

}  // namespace

GeneratorOptions withAllContents(GeneratorOptions o) {
    o.deletedFraction = 0.05;
    o.separators = true;
    o.colours = true;
    o.speciesGroups = 5;
    o.indicatorValues = true;
    o.journalLines = 30;
    o.notes = true;
    o.layerLabels = true;
    o.shuffle = true;
    o.emptyReleves = std::min(o.releves, 2);
    return o;
}

core::Table generateTable(const GeneratorOptions& o) {
    core::Table t;
    const int32_t R = std::max(o.releves, 0);
    const int32_t S = o.catalogue ? static_cast<int32_t>(o.catalogue->size()) : std::max(o.species, 0);
    t.setCapacities(capacity(o.maxReleves, R, core::DefaultMaxReleves),
                    capacity(o.maxSpecies, S, core::DefaultMaxSpecies));
    Random random(o.seed);
    const core::Palette palette = core::barvicky();
    const int communities = std::max(o.communities, 1);

    // Species rows: record s = row s until the rows are shuffled.
    const int kinds = std::clamp(o.layers, 1, static_cast<int>(LayerKinds.size()));
    double shareSum = 0;
    for (int k = 0; k < kinds; ++k) shareSum += LayerKinds[k].share;
    std::vector<SpeciesEcology> ecology(static_cast<size_t>(S) + 1);
    std::vector<int32_t> treeRecords;
    {
        int kind = 0;
        double kindEnd = LayerKinds[0].share / shareSum * S;
        int taxon = 0;
        size_t nextTree = 0;
        std::map<std::string, int32_t> catalogueNumbers;
        for (int32_t s = 1; s <= S && o.catalogue; ++s) {
            // Named species: the same species keeps its number in every layer.
            const CatalogueSpecies& c = (*o.catalogue)[static_cast<size_t>(s - 1)];
            const auto number = catalogueNumbers.emplace(c.name, 1000 + static_cast<int32_t>(catalogueNumbers.size()));
            ecology[s] = {c.optimum, c.tolerance, c.commonness};
            t.SpeciesInfo[s] = {number.first->second, c.name, s};
            t.SpeciesLayer[s] = c.layer;
            t.SpeciesLayerLabel[s] = o.layerLabels ? std::to_string(c.layer) : "   ";
        }
        for (int32_t s = 1; s <= S && !o.catalogue; ++s) {
            while (kind + 1 < kinds && s > kindEnd + 0.5) kindEnd += LayerKinds[++kind].share / shareSum * S;
            const int16_t layer = LayerKinds[kind].layer;
            SpeciesEcology& e = ecology[s];
            e.optimum = random.uniform();
            e.tolerance = 0.04 + 0.2 * random.uniform();
            e.commonness = std::exp(1.2 * random.normal());
            int speciesTaxon;
            if (layer == 7 && nextTree < treeRecords.size()) {
                // Juveniles of the trees: the same species in another layer.
                const int32_t tree = treeRecords[nextTree++];
                speciesTaxon = t.SpeciesInfo[tree].number - 1000;
                e.optimum = ecology[tree].optimum;
            } else {
                speciesTaxon = taxon++;
            }
            if (layer == 1) treeRecords.push_back(s);
            std::string name = taxonName(speciesTaxon);
            if (o.notes && random.chance(0.02)) name = "(S) " + name;
            t.SpeciesInfo[s] = {1000 + speciesTaxon, name, s};
            t.SpeciesLayer[s] = layer;
            t.SpeciesLayerLabel[s] = o.layerLabels ? std::to_string(layer) : "   ";
        }
    }

    // Sampling tables: per gradient bin the cumulative weights of the species.
    std::vector<double> cumulative(static_cast<size_t>(GradientBins) * (S + 1), 0.0);
    for (int b = 0; b < GradientBins; ++b) {
        const double x = (b + 0.5) / GradientBins;
        double sum = 0;
        double* row = &cumulative[static_cast<size_t>(b) * (S + 1)];
        for (int32_t s = 1; s <= S; ++s) {
            const double d = (x - ecology[s].optimum) / ecology[s].tolerance;
            sum += ecology[s].commonness * std::exp(-0.5 * d * d) + 1e-9;
            row[s] = sum;
        }
    }

    // Relevés: blocks of communities along the gradient.
    std::vector<int32_t> lastReleve(static_cast<size_t>(S) + 1, 0);
    std::vector<int32_t> chosen;
    std::vector<int> communityOf(static_cast<size_t>(R) + 1, 0);
    const int mean = std::max(o.speciesPerReleve, 1);
    for (int32_t rec = 1; rec <= R; ++rec) {
        const int community = static_cast<int>(static_cast<int64_t>(rec - 1) * communities / std::max(R, 1));
        communityOf[rec] = community;
        t.ReleveOrder[rec] = {rec, 100000 + 2 * rec + static_cast<int32_t>(random.below(2))};
        t.ReleveColour[rec] = {core::UncolouredReleve, 0};
        if (rec > R - o.emptyReleves || S == 0) continue;

        const double x = std::clamp((community + random.uniform()) / communities, 0.0, 0.999999);
        const double* row = &cumulative[static_cast<size_t>(x * GradientBins) * (S + 1)];
        const double total = row[S];
        const int n = std::clamp(static_cast<int>(std::lround(mean + 0.3 * mean * random.normal())), 1, S);
        chosen.clear();
        for (int attempt = 0; static_cast<int>(chosen.size()) < n && attempt < 20 * n; ++attempt) {
            const double u = random.uniform() * total;
            const int32_t s = static_cast<int32_t>(std::upper_bound(row + 1, row + S + 1, u) - row);
            if (s < 1 || s > S || lastReleve[s] == rec) continue;
            lastReleve[s] = rec;
            chosen.push_back(s);
        }
        std::sort(chosen.begin(), chosen.end());
        std::string& cells = t.ReleveData[rec];
        cells.reserve(chosen.size() * core::CellSize);
        const bool percentages = !o.braunBlanquetOnly && community % 2 == 1;
        for (int32_t s : chosen) {
            int cover;
            if (percentages) {
                cover = std::clamp(static_cast<int>(std::lround(std::exp(1.5 + random.normal()))), 1, 95);
            } else {
                int index = drawScaleIndex(random);
                if (t.SpeciesLayer[s] <= 5) index = std::min(index + 2, 8);  // trees and shrubs cover more
                cover = ScaleCovers[index];
            }
            core::appendCell(cells, s, core::coverByte(cover));
        }
    }
    t.ReleveCount = t.ReleveRecordCount = R;
    t.SpeciesCount = t.SpeciesRecordCount = S;

    if (o.shuffle) {
        // A tenth of the columns trade places; the rows are mixed.
        for (int32_t n = 0; n < R / 10; ++n) {
            const auto a = static_cast<int32_t>(1 + random.below(R));
            const auto b = static_cast<int32_t>(1 + random.below(R));
            std::swap(t.ReleveOrder[a], t.ReleveOrder[b]);
        }
        for (int32_t i = S; i > 1; --i) {
            const auto j = static_cast<int32_t>(1 + random.below(i));
            std::swap(t.SpeciesInfo[i], t.SpeciesInfo[j]);
            std::swap(t.SpeciesLayer[i], t.SpeciesLayer[j]);
            std::swap(t.SpeciesLayerLabel[i], t.SpeciesLayerLabel[j]);
        }
    }
    t.SpeciesCount = S - static_cast<int32_t>(std::floor(S * std::clamp(o.deletedFraction, 0.0, 1.0)));

    if (o.separators) {
        for (int32_t k = 1; k < R; ++k) {
            const bool boundary = communityOf[t.ReleveOrder[k].record] != communityOf[t.ReleveOrder[k + 1].record];
            if (boundary) t.SeparatorAfter[k] = 1;
            else if (random.chance(0.05)) t.SeparatorAfter[k] = static_cast<int16_t>(random.between(2, 6));
        }
        for (int32_t i = 1; i <= S; ++i)
            if (random.chance(0.03)) t.SpeciesSeparatorAfter[i] = static_cast<int16_t>(random.between(1, 3));
    }
    if (o.colours) {
        for (int32_t k = 1; k <= R; ++k)
            if (random.chance(0.2)) {
                const int n = static_cast<int>(random.between(1, 7));
                t.ReleveColour[k] = {palette[n].light, n};
            }
        for (int32_t i = 1; i <= t.SpeciesCount; ++i)
            if (random.chance(0.15)) {
                const int n = static_cast<int>(random.between(1, 7));
                t.SpeciesColour[i] = {palette[n].drawing, n};
            }
    }
    if (o.indicatorValues) {
        static const char* const values[] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9", "x", "10", "12"};
        for (int32_t s = 1; s <= S; ++s)
            for (std::string& value : t.SpeciesIndicator[s]) value = values[random.below(13)];
        for (int32_t rec = 1; rec <= R; ++rec)
            if (!t.ReleveData[rec].empty())
                for (int32_t& m : t.ReleveIndicatorMean[rec]) m = static_cast<int32_t>(random.between(1000, 9000));
    }
    if (o.notes) {
        for (int32_t s = 1; s <= S; ++s)
            if (random.chance(0.3)) t.SpeciesNote[s] = "common " + std::string(Epithets[random.below(18)]);
    }
    const int32_t live = t.SpeciesCount;
    for (int g = 0; g < std::min(o.speciesGroups, core::MaxSpeciesGroups) && live > 0; ++g) {
        core::SpeciesGroup group;
        group.name = "Group " + std::to_string(g + 1);
        const int members = static_cast<int>(random.between(3, 8));
        for (int m = 0; m < members; ++m) {
            const core::SpeciesInfoEntry& info = t.SpeciesInfo[1 + random.below(live)];
            group.members.push_back({info.name.substr(0, 38), core::Variant::ofLong(info.number)});
        }
        t.SpeciesGroups.push_back(std::move(group));
    }

    t.rebuildRowOfRecord();
    t.tvorbadruhu();
    t.recountFrequencies();
    return t;
}

std::vector<std::string> generateJournal(const GeneratorOptions& o, const core::Table& t) {
    std::vector<std::string> lines;
    if (t.SpeciesRecordCount == 0) return lines;
    Random random(o.seed ^ 0x5EED);
    // A row as the journal names it: "     " + name, number, layer.
    const auto species = [&](std::vector<std::string>& block) {
        const int32_t i = 1 + static_cast<int32_t>(random.below(t.SpeciesRecordCount));
        const std::string name(core::trim(t.SpeciesInfo[i].name));
        block.insert(block.end(), {"     " + name.substr(0, 50), std::to_string(t.SpeciesInfo[i].number),
                                   std::to_string(t.SpeciesLayer[i])});
    };
    int32_t number = 58001;
    while (static_cast<int>(lines.size()) < o.journalLines) {
        std::vector<std::string> block;
        switch (random.below(3)) {
            case 0: {
                const int32_t i = 1 + static_cast<int32_t>(random.below(t.SpeciesRecordCount));
                block = {"---", "(S) " + std::string(core::trim(t.SpeciesInfo[i].name)).substr(0, 46),
                         std::to_string(number++), std::to_string(t.SpeciesLayer[i]), "2"};
                species(block);
                species(block);
                block.emplace_back("XXX");
                break;
            }
            case 1:
                block = {"DDD"};
                species(block);
                block.emplace_back("***");
                break;
            default:
                block = {"UUU"};
                species(block);
                block.emplace_back("+++");
                break;
        }
        lines.insert(lines.end(), block.begin(), block.end());
    }
    return lines;
}

}  // namespace zembu::generator
