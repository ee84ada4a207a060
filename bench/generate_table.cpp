// zembu-generate: writes a synthetic table file (with its header companions)
// for benchmarks, demonstrations and screenshots.

#include <CLI/CLI.hpp>
#include <iostream>

#include "generator/generator.h"

int main(int argc, char** argv) {
    zembu::generator::GeneratorOptions options;
    std::string output;
    bool all = false;
    CLI::App app{"Write a synthetic ZEMBU table file with its .str/.exp header companions.", "zembu-generate"};
    app.add_option("OUT", output, "Table file to write (.vod)")->required();
    app.add_option("--releves", options.releves, "Relevés")->check(CLI::Range(1, 1000000));
    app.add_option("--species", options.species, "Species rows")->check(CLI::Range(1, 15000));
    app.add_option("--per-releve", options.speciesPerReleve, "Mean species per relevé")->check(CLI::Range(1, 1000));
    app.add_option("--communities", options.communities, "Communities along the gradient")->check(CLI::Range(1, 50));
    app.add_option("--layers", options.layers, "Kinds of layer (1..5)")->check(CLI::Range(1, 5));
    app.add_option("--seed", options.seed, "Random seed");
    app.add_flag("--separators", options.separators, "Separators between communities");
    app.add_flag("--colours", options.colours, "Some relevés and species coloured");
    app.add_flag("--all", all, "Every further content (separators, colours, groups, indicator values, journal...)");
    CLI11_PARSE(app, argc, argv);
    if (all) options = zembu::generator::withAllContents(options);
    try {
        zembu::generator::writeGeneratedTableFile(output, options);
    } catch (const std::exception& e) {
        std::cerr << "zembu-generate: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
