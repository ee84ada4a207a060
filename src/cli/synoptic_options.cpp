#include "cli/synoptic_options.h"

#include <CLI/CLI.hpp>

#include <filesystem>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/fidelity_calculator.h"
#include "synoptic/synoptic_settings.h"

namespace zembu::cli {

namespace setting = core::setting;

int synopticTypeOf(const std::string& text) {
    if (text == "combined") return synoptic::CombinedTable;
    for (int type = synoptic::PercentageConstancy; type <= synoptic::HeadWeightedCover; ++type)
        if (text == std::to_string(type)) return type;
    return 0;
}

std::string synopticTypeProblem(const std::string& text) {
    return synopticTypeOf(text) ? std::string() : "expected 1..11 or combined, not " + text;
}

void addSynopticTypeOption(CLI::App& command, std::string& type) {
    command.add_option("--type", type, SynopticTypeHelp)->required()->check(synopticTypeProblem);
}

void addSynopticFlags(CLI::App& command, SynopticFlags& f) {
    command.add_option("table", f.tableFile, "Table file (.vod)")->required();
    addSynopticSettingFlags(command, f);
}

void addSynopticSettingFlags(CLI::App& command, SynopticFlags& f) {
    command.add_option("--settings", f.settingsFile, "Settings file (zembu.ini) to start from instead of the defaults")
        ->check(CLI::ExistingFile);
    command.add_option("--measure", f.measure, "Fidelity measure 1..16 (default 2, the phi coefficient)")
        ->check(CLI::Range(1, 16));
    command.add_option("--kind", f.kind, "0 fidelity index, 1 standardised, 2 modified fidelity (default)")
        ->check(CLI::Range(0, 2));
    command.add_option("--group-size", f.groupSize, "Standard group size in percent of N");
    command.add_flag("--size-for-target", f.sizeForTarget, "Under modified fidelity rescale the target group too");
    command.add_flag("--adjusted", f.adjusted, "Leave the last group out of the mean group size");
    command.add_flag("--higher-level", f.higherLevel,
                     "Measure against the next higher separator level (needs --hierarchy)");
    command.add_option("--fisher", f.fisher, "Fisher veto: fidelities with -log10 P below this become -0.00001");
    command.add_option("--with-cover", f.coverTransformation,
                       "Weigh occurrences by cover: 0 v/100, 1 sqrt(v)/10, 2 ln v/ln 100")
        ->check(CLI::Range(0, 2));
    command.add_option("--level", f.level, "Separator level 1..6 in force (default 1)")->check(CLI::Range(1, 6));
    command.add_flag("--hierarchy", f.hierarchy, "Only separators up to --level divide groups");
    command.add_option("--frequency-limit", f.frequencyLimit, "First constancy threshold");
    command.add_option("--frequency2-limit", f.frequency2Limit, "Second constancy threshold");
    command.add_option("--fidelity-limit", f.fidelityLimit, "First fidelity threshold");
    command.add_option("--fidelity2-limit", f.fidelity2Limit, "Second fidelity threshold");
    command.add_option("--cover-limit", f.coverLimit, "First cover threshold");
    command.add_option("--cover-limit-higher", f.coverLimitHigher, "Second cover threshold");
}

std::optional<std::string> applySynopticFlags(const SynopticFlags& f, core::Workspace& ws) {
    core::Settings& s = ws.settings;
    if (!f.settingsFile.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(f.settingsFile, ec))
            return "Settings file " + f.settingsFile + " cannot be read";
        s = core::readSettingsFile(f.settingsFile);
    } else {
        s = core::Settings();
        core::applySettingRules(s);
    }
    const auto set = [&](int index, const auto& value) {
        if (value) s.setValue(index, synoptic::calculatorNumber(static_cast<double>(*value)));
    };
    set(setting::FidelityType, f.measure);
    set(setting::PhiRecalculated, f.kind);
    set(setting::StandardReleveGroupSize, f.groupSize);
    set(setting::FrequencyLimit, f.frequencyLimit);
    set(setting::Frequency2Limit, f.frequency2Limit);
    set(setting::FidelityLimit, f.fidelityLimit);
    set(setting::Fidelity2Limit, f.fidelity2Limit);
    set(setting::CoverLimit, f.coverLimit);
    set(setting::CoverLimitHigher, f.coverLimitHigher);
    if (f.sizeForTarget) s.setValue(setting::UseSizeParameterForTargetGroup, "1");
    if (f.adjusted) s.setValue(setting::AdjustedPhiForNMinus1Groups, "1");
    if (f.higherLevel) s.setValue(setting::NDefinedAsAllDataSet, "1");
    if (f.fisher) {
        s.setValue(setting::PhiTestedByFisher, "Yes");
        set(setting::SignificanceFetSynoptic, f.fisher);
    }
    if (f.coverTransformation) {
        s.setValue(setting::FidelityWithCover, "1");
        set(setting::CoverTransformation, f.coverTransformation);
    }
    // The separator state: the flags, else the settings file's, else off at level 1.
    ws.separatorHierarchy = f.hierarchy || s.integer(setting::SeparatorHierarchy) == 1;
    const int64_t storedLevel = s.integer(setting::SeparatorHierarchyValue) + 1;
    ws.separatorLevel = f.level ? *f.level : storedLevel >= 1 && storedLevel <= 6 ? static_cast<int>(storedLevel) : 1;
    return std::nullopt;
}

std::unique_ptr<core::Workspace> loadWithSynopticFlags(const SynopticFlags& flags, CliContext& context) {
    auto ws = loadWorkspace(flags.tableFile, context);
    if (!ws) return nullptr;
    if (const auto problem = applySynopticFlags(flags, *ws)) {
        CommandLineInteraction ui(context.err);
        refuse(context, ui, *problem);
        return nullptr;
    }
    return ws;
}

}  // namespace zembu::cli
