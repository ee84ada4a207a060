// zembu-cli show FILE: prints one screen of the table as the table view builds
// it (head rows, then one line per species row).

#include <CLI/CLI.hpp>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/display_scale.h"
#include "core/head_modes.h"
#include "core/text.h"
#include "core/workspace.h"
#include "view/screen_text.h"
#include "view/separators.h"

namespace zembu::cli {

namespace {

struct ShowOptions {
    std::string file;
    int32_t firstColumn = 1;
    int32_t columns = 80;
    int32_t topRow = 1;
    int32_t rows = 0;  // 0: every species row
    int scale = 0;
    std::string head = "running";
};

}  // namespace

void installShowCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("show", "Print one screen of a table as the table view shows it.");
    auto o = std::make_shared<ShowOptions>();
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--first-column", o->firstColumn, "First relevé column shown")->check(CLI::PositiveNumber);
    command->add_option("--columns", o->columns, "Relevé columns shown")->check(CLI::PositiveNumber);
    command->add_option("--top-row", o->topRow, "First species row shown")->check(CLI::PositiveNumber);
    command->add_option("--rows", o->rows, "Species rows shown (all when omitted)")->check(CLI::PositiveNumber);
    command->add_option("--scale", o->scale, "Display scale: 0 Braun-Blanquet, 1 extended Braun-Blanquet, "
                                             "2 with derived values, 3 ordinal 1-9, 4 presence, 6 user scale")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 6}));
    command->add_option("--head", o->head, "Head: running, sequence, turboveg or group")
        ->check(CLI::IsMember({"running", "sequence", "turboveg", "group"}));
    command->callback([&context, o] {
        auto ws = loadWorkspace(o->file, context);
        if (!ws) return;
        if (o->head == "sequence") core::hlavickasekvencni(*ws);
        else if (o->head == "turboveg") core::hlavickaturb(*ws);
        else if (o->head == "group") view::hlavickaskup(*ws);
        else core::hlavicka(*ws);
        core::applyDisplayFont(ws->display.displayTable, o->scale,
                               ws->settings.value(core::setting::UserDefinedScale));
        const int32_t rows = o->rows > 0 ? o->rows : std::max<int32_t>(1, ws->table.SpeciesCount);
        const view::TableScreen screen = view::buildTableScreen(*ws, {o->firstColumn, o->topRow, o->columns, rows});
        for (const std::string& line : view::screenText(screen)) context.out << core::codePageToUtf8(line) << '\n';
    });
}

}  // namespace zembu::cli
