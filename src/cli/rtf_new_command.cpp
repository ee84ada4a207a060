// zembu-cli rtf-new DOC: starts a report document from the template.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/commands.h"
#include "export/rtf_document.h"

namespace zembu::cli {

void installRtfNewCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "rtf-new", "Start a report document (RTF) from the template, replacing the file; reports are appended to it.");
    auto document = std::make_shared<std::string>();
    command->add_option("DOC", *document, "Report document to start")->required();
    command->callback([&context, document] {
        CommandLineInteraction ui(context.err);
        if (!exporting::startRtfDocument(*document, false, ui)) {
            context.exitCode = 1;
            return;
        }
        context.out << "written: " << *document << '\n';
    });
}

}  // namespace zembu::cli
