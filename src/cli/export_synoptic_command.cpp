// zembu-cli export-synoptic IN.vod --rtf DOC --type T | --cc OUT.cc! --mode M:
// the synoptic table appended to a report document, or written as a CC! file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "core/errors.h"
#include "core/settings.h"
#include "export/rtf_document.h"
#include "export/synoptic_cc.h"
#include "export/synoptic_rtf.h"
#include "synoptic/synoptic_table.h"

namespace zembu::cli {

namespace {

struct ExportSynopticOptions {
    SynopticFlags flags;
    std::string type;
    std::optional<int> form;
    std::string rtf, cc;
    int mode = 0;
    exporting::SynopticRtfOptions rtfOptions;
};

int runExportSynoptic(const ExportSynopticOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    if (o.rtf.empty() == o.cc.empty()) {
        refuse(context, ui, "Give either --rtf DOC or --cc FILE.");
        return 1;
    }
    if (!o.rtf.empty() && o.type.empty()) {
        refuse(context, ui, "--rtf needs --type.");
        return 1;
    }
    const auto ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return 1;
    if (o.form) ws->settings.setValue(core::setting::FidelityDisplayTypeCombined, std::to_string(*o.form));
    if (ws->table.ReleveCount == 0) {
        refuse(context, ui, "The table holds no relevés.");
        return 1;
    }
    if (!o.cc.empty()) {
        try {
            exporting::writeSynopticCcFile(*ws, o.mode, o.cc);
        } catch (const core::ZembuError& e) {
            refuse(context, ui, e);
            return 1;
        }
        context.out << "written: " << o.cc << '\n';
        return 0;
    }
    // The document named takes the place of the one the file chooser would give.
    ws->currentRtfFile = o.rtf;
    if (exporting::rtfDocumentSize(o.rtf) <= 100 && !exporting::startRtfDocument(o.rtf, false, ui)) return 1;
    const synoptic::SynopticTable table =
        synoptic::computeSynopticTable(ws->table, synoptic::readSynopticSettings(*ws), synopticTypeOf(o.type));
    if (!exporting::exportSynopticRtf(*ws, table, o.rtfOptions, ui)) return 1;
    context.out << "appended: " << table.title << '\n' << "written: " << o.rtf << '\n';
    return 0;
}

}  // namespace

void installExportSynopticCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<ExportSynopticOptions>();
    auto* command = app.add_subcommand(
        "export-synoptic",
        "Append the synoptic table to a report document (--rtf DOC --type T), or write it as a CC! file of "
        "groups (--cc FILE --mode 0 percentage frequencies, 1 mean covers).");
    addSynopticFlags(*command, o->flags);
    command->add_option("--type", o->type, std::string("With --rtf: ") + SynopticTypeHelp)->check(synopticTypeProblem);
    command->add_option("--form", o->form, "Form 1..6 of the combined table")->check(CLI::Range(1, 6));
    command->add_option("--rtf", o->rtf, "Report document to append to (started from the template when new)");
    command->add_flag("--colours", o->rtfOptions.originalColours, "Species in their colours");
    command->add_flag("--highlight", o->rtfOptions.highlight, "Highlight values above the thresholds");
    command->add_flag("--bold", o->rtfOptions.bold, "Values above the thresholds in bold");
    command->add_option("--cc", o->cc, "CC! file to write");
    command->add_option("--mode", o->mode, "With --cc: 0 percentage frequencies, 1 mean covers")
        ->check(CLI::IsMember({0, 1}));
    command->callback([&context, o] { context.exitCode = runExportSynoptic(*o, context); });
}

}  // namespace zembu::cli
