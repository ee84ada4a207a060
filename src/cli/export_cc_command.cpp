// zembu-cli export-cc IN.vod [--colour N] [--power T] -o OUT.cc!: the relevés
// of one colour as a Cornell Condensed file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/errors.h"
#include "export/cc_export.h"

namespace zembu::cli {

namespace {

struct ExportCcOptions {
    std::string in;
    std::string out;
    int colour = 0;
    std::string power = "1.0";
};

int runExportCc(const ExportCcOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto power = exporting::checkTransformation(o.power, ui);
    if (!power) return 1;
    const auto ws = loadWorkspace(o.in, context);
    if (!ws) return 1;
    try {
        const auto result = exporting::writeCcFile(ws->table, {o.colour, *power}, o.out, &ui);
        context.out << "exported: " << result.releves << " relevés, " << result.species << " species\n";
        context.out << "written: " << o.out << '\n';
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return 1;
    }
    return 0;
}

}  // namespace

void installExportCcCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("export-cc", "Write the relevés of one colour as a Cornell Condensed (CC!) file.");
    auto o = std::make_shared<ExportCcOptions>();
    command->add_option("IN", o->in, "Table file to read")->required();
    command->add_option("-o,--output", o->out, "CC! file to write")->required();
    command->add_option("--colour", o->colour, "Relevé colour number 0-7 (0 uncoloured), 9 for all relevés")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 5, 6, 7, 9}));
    command->add_option("--power", o->power, "Transformation: covers to the power of T, 0-1 (default 1.0)");
    command->callback([&context, o] { context.exitCode = runExportCc(*o, context); });
}

}  // namespace zembu::cli
