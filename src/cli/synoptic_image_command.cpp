// zembu-cli synoptic-image IN.vod --type T -o IMG.txt and
// zembu-cli synoptic-compare IN.vod --type T IMG.txt: the synoptic table
// image and the comparison of a table with a stored image.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "core/file_util.h"
#include "synoptic/synoptic_image.h"

namespace zembu::cli {

namespace {

struct ImageOptions {
    SynopticFlags flags;
    std::string type;
    std::string image;
};

int runSaveImage(const ImageOptions& o, CliContext& context) {
    const auto ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return 1;
    CommandLineInteraction ui(context.err);
    const synoptic::SynopticImage image =
        synoptic::synopticImage(ws->table, synoptic::readSynopticSettings(*ws), synopticTypeOf(o.type));
    if (!core::writeFileAtomically(o.image, synoptic::synopticImageText(image))) {
        refuse(context, ui, "The file " + o.image + " cannot be written.");
        return 1;
    }
    context.out << "written: " << o.image << '\n';
    return 0;
}

int runCompare(const ImageOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    std::string text;
    if (!core::readWholeFile(o.image, text)) {
        refuse(context, ui, "The file " + o.image + " cannot be read.");
        return 1;
    }
    const auto ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return 1;
    const auto stored = synoptic::readSynopticImage(text);
    std::optional<synoptic::ImageComparison> r;
    if (stored)
        r = synoptic::compareSynopticImages(
            *stored, synoptic::synopticImage(ws->table, synoptic::readSynopticSettings(*ws), synopticTypeOf(o.type)));
    if (!r) {
        refuse(context, ui, "These tables have different formats", "ZEMBU");
        return 1;
    }
    context.out << r->clipboardText;
    return 0;
}

CLI::App* imageCommand(CLI::App& app, const char* name, const char* description, ImageOptions& o) {
    auto* command = app.add_subcommand(name, description);
    addSynopticFlags(*command, o.flags);
    addSynopticTypeOption(*command, o.type);
    return command;
}

}  // namespace

void installSynopticImageCommands(CLI::App& app, CliContext& context) {
    auto save = std::make_shared<ImageOptions>();
    imageCommand(app, "synoptic-image", "Save the synoptic table image (its numbers, for a later comparison).", *save)
        ->add_option("-o,--output", save->image, "Image file to write")
        ->required();
    app.get_subcommand("synoptic-image")->callback([&context, save] { context.exitCode = runSaveImage(*save, context); });

    auto compare = std::make_shared<ImageOptions>();
    imageCommand(app, "synoptic-compare",
                 "Compare the synoptic table with a stored image: the distance of every pair of groups and the "
                 "total similarity, tab-separated.",
                 *compare)
        ->add_option("IMAGE", compare->image, "Stored image file")
        ->required();
    app.get_subcommand("synoptic-compare")->callback([&context, compare] {
        context.exitCode = runCompare(*compare, context);
    });
}

}  // namespace zembu::cli
