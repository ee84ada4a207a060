// zembu-cli show FILE: prints one screen of the table as the table view builds
// it (head rows, then one line per species row); with --synoptic the
// synoptic view in its place (title, group numbers and sizes, species rows).

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "core/display_scale.h"
#include "core/errors.h"
#include "core/head_modes.h"
#include "core/text.h"
#include "core/workspace.h"
#include "view/screen_text.h"
#include "view/separators.h"
#include "view/synoptic_view.h"

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
    std::string synopticType;  // empty: the relevé table
    std::optional<int> form;
    bool classes = false;
    SynopticFlags flags;
};

// The synoptic view of the loaded table as the program draws it.
void printSynopticView(core::Workspace& ws, const ShowOptions& o, bool allGroups, CliContext& context) {
    if (const auto problem = applySynopticFlags(o.flags, ws)) {
        CommandLineInteraction ui(context.err);
        refuse(context, ui, *problem);
        return;
    }
    if (o.form) ws.settings.setValue(core::setting::FidelityDisplayTypeCombined, std::to_string(*o.form));
    ws.synopticType = synopticTypeOf(o.synopticType);
    view::SynopticView synoptic;
    try {
        synoptic = view::computeSynopticView(ws);
    } catch (const core::ZembuError& e) {
        CommandLineInteraction ui(context.err);
        refuse(context, ui, e);
        return;
    }
    const int32_t rows = o.rows > 0 ? o.rows : std::max<int32_t>(1, ws.table.SpeciesCount);
    const int32_t groups = allGroups ? std::max<int32_t>(1, synoptic.groupCount) : o.columns;
    const view::SynopticScreen screen = view::buildSynopticScreen(ws, synoptic, o.firstColumn, groups, o.topRow, rows);
    for (const std::string& line : view::synopticScreenText(screen, o.classes))
        context.out << core::codePageToUtf8(line) << '\n';
}

}  // namespace

void installShowCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("show", "Print one screen of a table as the table view shows it.");
    auto o = std::make_shared<ShowOptions>();
    command->add_option("FILE", o->file, "Table file")->required();
    command->add_option("--first-column", o->firstColumn, "First relevé column (synoptic view: group) shown")->check(CLI::PositiveNumber);
    command->add_option("--columns", o->columns, "Relevé columns (synoptic view: groups; default all) shown")->check(CLI::PositiveNumber);
    command->add_option("--top-row", o->topRow, "First species row shown")->check(CLI::PositiveNumber);
    command->add_option("--rows", o->rows, "Species rows shown (all when omitted)")->check(CLI::PositiveNumber);
    command->add_option("--scale", o->scale, "Display scale: 0 Braun-Blanquet, 1 extended Braun-Blanquet, "
                                             "2 with derived values, 3 ordinal 1-9, 4 presence, 6 user scale")
        ->check(CLI::IsMember({0, 1, 2, 3, 4, 6}));
    command->add_option("--head", o->head, "Head: running, sequence, turboveg or group")
        ->check(CLI::IsMember({"running", "sequence", "turboveg", "group"}));
    command->add_option("--synoptic", o->synopticType, std::string("The synoptic view: ") + SynopticTypeHelp)
        ->check(synopticTypeProblem);
    command->add_option("--form", o->form, "Form 1..6 of the combined synoptic view")->check(CLI::Range(1, 6));
    command->add_flag("--classes", o->classes, "Synoptic view: each value followed by | and its highlight class");
    addSynopticSettingFlags(*command, o->flags);
    command->callback([&context, o, command] {
        auto ws = loadWorkspace(o->file, context);
        if (!ws) return;
        if (o->head == "sequence") core::hlavickasekvencni(*ws);
        else if (o->head == "turboveg") core::hlavickaturb(*ws);
        else if (o->head == "group") view::hlavickaskup(*ws);
        else core::hlavicka(*ws);
        core::applyDisplayFont(ws->display.displayTable, o->scale,
                               ws->settings.value(core::setting::UserDefinedScale));
        if (!o->synopticType.empty()) {
            // In the synoptic view --first-column and --columns count groups; every group by default.
            printSynopticView(*ws, *o, command->count("--columns") == 0, context);
            return;
        }
        const int32_t rows = o->rows > 0 ? o->rows : std::max<int32_t>(1, ws->table.SpeciesCount);
        const view::TableScreen screen = view::buildTableScreen(*ws, {o->firstColumn, o->topRow, o->columns, rows});
        for (const std::string& line : view::screenText(screen)) context.out << core::codePageToUtf8(line) << '\n';
    });
}

}  // namespace zembu::cli
