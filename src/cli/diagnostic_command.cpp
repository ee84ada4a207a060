// zembu-cli diagnostic IN.vod [--group G] [limits] [--rtf DOC]: the
// diagnostic, constant and dominant species of every relevé group with the
// numbers that rate the group, tab-separated; with --rtf the report
// "Analysis of synoptic table" is appended to a report document.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/synoptic_options.h"
#include "core/settings.h"
#include "core/text.h"
#include "export/constancy_report.h"
#include "export/rtf_document.h"

namespace zembu::cli {

namespace {

struct DiagnosticOptions {
    SynopticFlags flags;
    std::optional<int> group;
    std::optional<double> frequencyCoverLimit;
    bool includeDiagnostic = false;
    std::string rtf;
};

void printList(const core::Table& t, const char* heading, const std::vector<synoptic::ListedSpecies>& list,
               const char* pattern, std::ostream& out) {
    for (const synoptic::ListedSpecies& e : list)
        out << heading << '\t' << core::codePageToUtf8(core::trimRight(t.SpeciesInfo[e.row].name)) << '\t'
            << t.SpeciesLayer[e.row] << '\t' << core::formatNumber(e.value, pattern) << '\n';
}

void printColumn(const core::Table& t, const synoptic::ColumnAnalysis& c, std::ostream& out) {
    out << "Group\t" << c.group << '\n';
    out << "Relev\xC3\xA9s\t" << c.releves << '\n';
    printList(t, "Diagnostic", c.diagnostic, "0.0", out);
    printList(t, "Constant", c.constant, "0", out);
    printList(t, "Dominant", c.dominant, "0", out);
    for (const synoptic::ListedSpecies& e : c.combined) {
        const std::string mark = synoptic::roleMark(e.roles);
        out << "Species\t" << core::codePageToUtf8(core::trimRight(t.SpeciesInfo[e.row].name)) << '\t'
            << t.SpeciesLayer[e.row] << '\t' << mark.substr(2, mark.size() - 3) << '\n';
    }
    out << "Diagnostic species\t" << c.diagnosticCount << '\n';
    out << "Constant species\t" << c.constantCount << '\n';
    out << "Dominant species\t" << c.dominantCount << '\n';
    out << "Average species No.\t" << synoptic::summaryNumber(c.averageSpecies) << '\n';
    out << "Average positive fidelity\t" << synoptic::summaryNumber(c.averagePositiveFidelity) << '\n';
    out << "Quality index\t" << synoptic::summaryNumber(c.qualityIndex) << '\n';
}

int runDiagnostic(const DiagnosticOptions& o, CliContext& context) {
    const auto ws = loadWithSynopticFlags(o.flags, context);
    if (!ws) return 1;
    CommandLineInteraction ui(context.err);
    if (o.frequencyCoverLimit)
        ws->settings.setValue(core::setting::FrequencyCoverLimit, core::formatNumber(*o.frequencyCoverLimit, "0.###"));
    if (o.includeDiagnostic) ws->settings.setValue(core::setting::IncludeDiagnosticSpecies, "1");
    const synoptic::ConstancyThresholds limits = synoptic::readConstancyThresholds(ws->settings);
    std::vector<synoptic::ColumnAnalysis> columns =
        synoptic::analyseConstancyColumns(ws->table, synoptic::readSynopticSettings(*ws), limits);
    if (o.group) {
        if (*o.group < 1 || *o.group > static_cast<int>(columns.size())) {
            refuse(context, ui, "The table has no group " + std::to_string(*o.group) + " (it has " +
                                    std::to_string(columns.size()) + ").");
            return 1;
        }
        columns = {columns[static_cast<size_t>(*o.group) - 1]};
    }
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) context.out << '\n';
        printColumn(ws->table, columns[i], context.out);
    }
    if (!o.rtf.empty()) {
        exporting::ConstancyReportOptions options = exporting::readConstancyReportOptions(*ws);
        options.thresholds = limits;
        if (!exporting::appendRtfReport(o.rtf, exporting::constancyRtfReport(ws->table, columns, options), ui)) return 1;
        context.err << "appended to: " << o.rtf << '\n';
    }
    return 0;
}

}  // namespace

void installDiagnosticCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<DiagnosticOptions>();
    auto* command = app.add_subcommand(
        "diagnostic",
        "Diagnostic (fidelity above --fidelity-limit), constant (frequency above --frequency-limit) and dominant "
        "species (cover above --cover-limit in at least --frequency-cover-limit % of the relevés) of every group, "
        "with the roles of each species and the numbers that rate the group, tab-separated.");
    addSynopticFlags(*command, o->flags);
    command->add_option("--group", o->group, "Only this group");
    command->add_option("--frequency-cover-limit", o->frequencyCoverLimit,
                        "Share (%) of relevés with a cover above --cover-limit that makes a species dominant");
    command->add_flag("--include-diagnostic", o->includeDiagnostic, "Keep diagnostic species among the constant ones");
    command->add_option("--rtf", o->rtf, "Append the report \"Analysis of synoptic table\" to this document");
    command->callback([&context, o] { context.exitCode = runDiagnostic(*o, context); });
}

}  // namespace zembu::cli
