// zembu-cli convert IN OUT: any table file the library reads, written as a
// "ve64" table file with its header companions.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/table_file.h"

namespace zembu::cli {

void installConvertCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "convert", "Write a table file (binary or text form) as a current .VOD file with its .str and .exp companions.");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto replace = std::make_shared<bool>(false);
    command->add_option("IN", *in, "Table file to read")->required();
    command->add_option("OUT", *out, "Table file to write (\".VOD\" is added to a name without a dot)")->required();
    command->add_flag(ReplaceCompanionsFlag, *replace, ReplaceCompanionsHelp);
    command->callback([&context, in, out, replace] {
        const auto ws = loadWorkspace(*in, context);
        if (!ws) return;
        CommandLineInteraction ui(context.err);
        const auto written = saveTable(*ws, ui, *out, *replace);
        if (!written || ui.messageCount() > 0) {
            context.exitCode = 1;
            return;
        }
        context.out << "written: " << *written << '\n';
    });
}

}  // namespace zembu::cli
