// zembu-make-demo: writes the demonstration data into a folder, three ways:
//   demo.vod (+ demo.str, demo.exp)           the table file with its header data
//   turboveg/demo.cc!, demo.str, demo.exp,    a TURBOVEG-style export: the table
//   turboveg/species.txt                      as a Cornell Condensed file with
//                                             abbreviations, the header export
//                                             and a fixed-width check list
//   demo.csv                                  a spreadsheet (semicolon-separated,
//                                             layer column, Braun-Blanquet codes)
// The table comes from the generator with a fixed seed: 300 relevés of five
// forest communities along a moisture gradient, 150 species in the tree,
// shrub, herb and moss layers.

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "core/file_util.h"
#include "core/index_code.h"
#include "core/text.h"
#include "core/vod_format.h"
#include "export/cc_export.h"
#include "generator/generator.h"

namespace fs = std::filesystem;
using namespace zembu;

namespace {

generator::GeneratorOptions demoOptions() {
    generator::GeneratorOptions o;
    o.releves = 300;
    o.communities = 5;
    o.speciesPerReleve = 24;
    o.seed = 20261206;
    o.catalogue = &generator::demoCatalogue();
    o.communityNames = &generator::demoCommunities();
    o.braunBlanquetOnly = true;
    o.layerLabels = true;
    return o;
}

// The Braun-Blanquet code of a cover percentage as the spreadsheet writes it.
std::string braunBlanquetCode(int percent) {
    switch (percent) {
        case 1: return "r";
        case 2: return "+";
        case 3: return "1";
        case 4: return "2m";
        case 8: return "2a";
        case 18: return "2b";
        case 38: return "3";
        case 63: return "4";
        case 88: return "5";
        default: return std::to_string(percent);
    }
}

void write(const fs::path& file, const std::string& text) {
    if (!core::writeFileAtomically(file, text)) throw std::runtime_error("cannot write " + file.string());
}

// The check list: species number in 5 characters, the 7-character
// abbreviation, the full name in 38 characters; one line per species, in the
// order of the Cornell Condensed file.
std::string checkList(const core::Table& t, const exporting::CcExport& cc) {
    std::string text;
    std::set<std::string> written;
    for (const auto& [row, abbreviation] : cc.rowAbbreviations) {
        const std::string shortName = abbreviation.substr(0, 7);
        if (!written.insert(shortName).second) continue;
        text += core::rightJustify(std::to_string(t.SpeciesInfo[row].number), 5) + core::leftJustify(shortName, 7) +
                core::leftJustify(t.SpeciesInfo[row].name, 38) + "\r\n";
    }
    return text;
}

std::string spreadsheet(const core::Table& t) {
    std::string text = "Species;Layer";
    for (int32_t k = 1; k <= t.ReleveCount; ++k) text += ";" + std::to_string(t.ReleveOrder[k].turbovegNumber);
    text += "\r\n";
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        text += t.SpeciesInfo[i].name + ";" + std::to_string(t.SpeciesLayer[i]);
        for (int32_t k = 1; k <= t.ReleveCount; ++k) {
            const char cover = t.coverAt(i, k);
            text += ";" + (cover ? braunBlanquetCode(core::coverPercent(cover)) : std::string("."));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zembu-make-demo FOLDER\n";
        return 2;
    }
    try {
        const fs::path folder = argv[1];
        fs::create_directories(folder / "turboveg");
        const generator::GeneratorOptions options = demoOptions();
        generator::writeGeneratedTableFile(folder / "demo.vod", options);
        const core::Table table = generator::generateTable(options);

        // Abbreviations must tell every species apart.
        std::map<std::string, std::string> names;
        for (int32_t i = 1; i <= table.SpeciesCount; ++i) {
            const std::string abbreviation = exporting::ccAbbreviation(table.SpeciesInfo[i].name, 0).substr(0, 7);
            const auto [it, added] = names.emplace(abbreviation, table.SpeciesInfo[i].name);
            if (!added && it->second != table.SpeciesInfo[i].name)
                throw std::runtime_error("two species share the abbreviation " + abbreviation);
        }

        const exporting::CcExport cc =
            exporting::writeCcFile(table, {9, 1.0}, folder / "turboveg" / "demo.cc!");
        write(folder / "turboveg" / "species.txt", checkList(table, cc));
        core::copyFileOver(folder / "demo.str", folder / "turboveg" / "demo.str");
        core::copyFileOver(folder / "demo.exp", folder / "turboveg" / "demo.exp");
        write(folder / "demo.csv", spreadsheet(table));
    } catch (const std::exception& e) {
        std::cerr << "zembu-make-demo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
