// zembu-cli import-header TABLE.vod HEADER(.exp|.csv) -o OUT.vod: header data
// for the relevés of a table, from a TURBOVEG EXP/STR pair or a
// comma-separated file (by the header file's extension).

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/header_store.h"
#include "core/table_file.h"
#include "core/text.h"
#include "import/header_import.h"

namespace zembu::cli {

namespace {

struct ImportHeaderOptions {
    std::string table;
    std::string header;
    std::string out;
    bool replaceCompanions = false;
};

int runImportHeader(const ImportHeaderOptions& o, CliContext& context) {
    const auto ws = loadWorkspace(o.table, context);
    if (!ws) return 1;
    CommandLineInteraction ui(context.err);
    const std::string extension = core::lowerAscii(std::filesystem::path(o.header).extension().string());
    if (extension == ".csv" || extension == ".txt") {
        if (!import::importCommaHeader(*ws, o.header, ui)) return 1;
    } else {
        const auto files = import::test_hlavicky(o.header, ui);
        if (!files || !import::imp_head(*ws, files->str, files->exp, ui)) return 1;
    }
    core::inichlava(*ws);
    const auto written = saveTable(*ws, ui, o.out, o.replaceCompanions);
    if (!written) return 1;
    context.out << "written: " << *written << '\n';
    return 0;
}

}  // namespace

void installImportHeaderCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "import-header", "Attach header data (TURBOVEG .exp/.str pair or comma-separated .csv) to a table file.");
    auto o = std::make_shared<ImportHeaderOptions>();
    command->add_option("TABLE", o->table, "Table file to read")->required();
    command->add_option("HEADER", o->header, "Header data: the .exp (or .str) of a pair, or a .csv file")->required();
    command->add_option("-o,--output", o->out, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->callback([&context, o] { context.exitCode = runImportHeader(*o, context); });
}

}  // namespace zembu::cli
