// zembu-cli info FILE: the counts of a table file, one "name: value" a line.

#include <CLI/CLI.hpp>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/vod_format.h"

namespace zembu::cli {

void installInfoCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("info", "Show the counts of a table file (.VOD, binary or text form).");
    auto file = std::make_shared<std::string>();
    command->add_option("FILE", *file, "Table file")->required();
    command->callback([&context, file] {
        const auto ws = loadWorkspace(*file, context);
        if (!ws) return;
        const core::Table& t = ws->table;
        std::string format = core::fileTag(*file);
        if (!core::isBinaryTableTag(format)) format = "text";
        context.out << "format: " << format << '\n'
                    << "relevés: " << t.ReleveCount << '\n'
                    << "relevé records: " << t.ReleveRecordCount << '\n'
                    << "species: " << t.SpeciesCount << '\n'
                    << "species records: " << t.SpeciesRecordCount << '\n'
                    << "species groups: " << t.SpeciesGroups.size() << '\n'
                    << "journal lines: " << ws->journal.lines().size() << '\n'
                    << "header fields: " << ws->header.fieldCount() << '\n';
    });
}

}  // namespace zembu::cli
