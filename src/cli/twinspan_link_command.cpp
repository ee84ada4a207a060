// zembu-cli twinspan-link IN.vod -o OUT.vod --colour C ...: the TWINSPAN
// link of the desktop program on a table file. Runs the twinspan program on
// the relevés of one colour and applies its classification, or applies a
// classification file given with --pun; writes the table.

#include <CLI/CLI.hpp>

#include "classification/twinspan_apply.h"
#include "classification/twinspan_link.h"
#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/outside_program.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::cli {

namespace {

struct TwinspanLinkCommandOptions {
    std::string file;
    std::string output;
    bool replaceCompanions = false;
    int colour = 0;
    std::string cutLevels = "0 5 25";
    std::string pseudospecies;  // empty: the number of cut levels
    int minGroup = 5;
    int maxIndicators = 6;
    int maxLevel = 6;
    bool sortSpecies = false;
    bool separators = false;
    std::string keep;
    std::string program;
    std::string pun;
};

// Runs the program as the dialog's "&Run TWINSPAN" does; the number of
// classified relevés, nothing when not applied.
std::optional<int32_t> runLink(core::Workspace& ws, CommandLineInteraction& ui, const TwinspanLinkCommandOptions& o, CliContext& context) {
    classification::TwinspanLinkOptions options;
    options.cutLevels = o.cutLevels;
    options.pseudospeciesCount =
        o.pseudospecies.empty() ? std::to_string(core::splitAtBlanks(o.cutLevels).size()) : o.pseudospecies;
    options.minGroupSize = std::to_string(o.minGroup);
    options.maxIndicators = std::to_string(o.maxIndicators);
    options.maxLevel = std::to_string(o.maxLevel);
    options.program = o.program.empty() ? classification::defaultTwinspanProgram() : o.program;
    options.colour = o.colour;
    options.sortSpecies = o.sortSpecies;
    options.makeSeparators = o.separators;
    const classification::LinkOptionProblem problem = classification::checkLinkOptions(options);
    if (!problem.text.empty()) {
        refuse(context, ui, problem.text, "TWINSPAN");
        return std::nullopt;
    }
    if (!core::isExecutableFile(options.program)) {
        refuse(context, ui, "The TWINSPAN program " + options.program + " was not found; name it with --program.",
               "TWINSPAN");
        return std::nullopt;
    }
    const std::filesystem::path folder =
        o.keep.empty() ? classification::twinspanWorkFolder(ws) : std::filesystem::path(o.keep);
    const auto run = classification::prepareTwinspanRun(ws, ui, options, folder, !o.keep.empty());
    if (!run) return std::nullopt;
    context.err << "running " << options.program << " on " << run->releves << " relevés...\n";
    return classification::finishTwinspanRun(ws, ui, *run, core::runOutsideProgram(run->program));
}

void runTwinspanLink(const TwinspanLinkCommandOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.file, context);
    if (!ws) return;
    CommandLineInteraction ui(context.err);
    const std::optional<int32_t> classified = o.pun.empty()
                             ? runLink(*ws, ui, o, context)
                             : classification::applyPunchedFile(*ws, ui, o.pun, {o.colour, o.sortSpecies, o.separators});
    if (!classified) {
        context.exitCode = 1;
        return;
    }
    const auto written = saveResult(*ws, ui, o.output, o.replaceCompanions, context);
    if (!written) return;
    context.out << "classified: " << *classified << " relevés\n" << "written: " << *written << '\n';
}

}  // namespace

void installTwinspanLinkCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<TwinspanLinkCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "twinspan-link",
        "The TWINSPAN link: runs the twinspan program on the relevés of one colour (or reads its output given "
        "with --pun) and applies the classification: the classified relevés are gathered at the first relevé of "
        "the colour in the order of their codes, the codes go into the head, optionally the species are sorted "
        "and separators mark the divisions. Writes the table.");
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("-o,--output", o->output, "The table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_option("--colour", o->colour, "Relevé colour analysed, 0..7 (0 uncoloured)")
        ->required()
        ->check(CLI::Range(0, 7));
    command->add_option("--cut-levels", o->cutLevels, "Pseudospecies cut levels (default \"0 5 25\")");
    command->add_option("--pseudospecies", o->pseudospecies,
                        "Number of pseudospecies cut levels 1..9 (default: the number of cut levels given)");
    command->add_option("--min-group", o->minGroup, "Minimum group size for division (default 5)")
        ->check(CLI::Range(2, 10000));
    command->add_option("--max-indicators", o->maxIndicators, "Maximum indicators per division (default 6)")
        ->check(CLI::Range(0, 15));
    command->add_option("--max-level", o->maxLevel, "Maximum level of divisions (default 6)")->check(CLI::Range(1, 15));
    command->add_flag("--sort-species", o->sortSpecies, "Sort the species by their classification too");
    command->add_flag("--separators", o->separators, "Separators between the groups of every division");
    command->add_option("--keep", o->keep,
                        "Folder for the link files (twtwtw.cc!, tw.dat) and the program's output, left in place");
    command->add_option("--program", o->program, "The TWINSPAN program (default: twinspan beside zembu-cli)");
    command->add_option("--pun", o->pun, "Apply this classification file instead of running the program");
    command->callback([o, &context] { runTwinspanLink(*o, context); });
}

}  // namespace zembu::cli
