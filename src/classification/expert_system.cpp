#include "classification/expert_system.h"

#include <algorithm>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"
#include "editing/species_commands.h"
#include "editing/species_merge.h"
#include "editing/table_transaction.h"

namespace zembu::classification {

namespace fs = std::filesystem;

namespace {

std::string utf8(std::string_view bytes) { return core::codePageToUtf8(bytes); }

// The folder of the table file, where the expert system file is proposed.
fs::path tableFolder(const core::Workspace& ws) {
    const fs::path table(ws.currentTableFile);
    if (table.has_parent_path()) return table.parent_path();
    return ws.currentDirectory.empty() ? fs::current_path() : fs::path(ws.currentDirectory);
}

std::string speciesText(const ExpertSpecies& species) {
    std::string text = utf8(species.name);
    if (species.layer) text += " (" + std::to_string(*species.layer) + ")";
    return text;
}

// The live rows a section 1 species names: its name, and its layer when given.
std::vector<int32_t> rowsNamed(const core::Table& t, const ExpertSpecies& species) {
    std::vector<int32_t> rows;
    for (int32_t i = 1; i <= t.SpeciesCount; ++i)
        if (core::trim(t.SpeciesInfo[i].name) == species.name && (!species.layer || t.SpeciesLayer[i] == *species.layer))
            rows.push_back(i);
    return rows;
}

}  // namespace

std::optional<std::vector<std::string>> saveExpertSystemFile(core::Workspace& ws, core::Interaction& ui) {
    const fs::path folder = tableFolder(ws);
    if (ui.question("The data will be saved into the file:\n" + (folder / "expert.esy").string() +
                        "\nDo you want to continue?",
                    "Program Info", core::Buttons::OkCancel) != core::Answer::Ok)
        return std::nullopt;
    core::FileRequest request;
    request.title = "SAVE EXPERT SYSTEM FILE (1st part)";
    request.filter = ExpertFileFilter;
    request.proposedName = "expert.esy";
    request.directory = folder.string();
    request.mustExist = false;
    const auto file = ui.saveFile(request);
    if (!file || file->empty()) return std::nullopt;

    const std::vector<std::string> lines = expertSystemLines(ws.journal.lines(), ws.table.SpeciesGroups);
    if (!writeExpertLines(*file, lines)) {
        ui.message("The file " + *file + " cannot be written.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    std::vector<std::string> listed;
    for (const std::string& line : lines) listed.push_back(utf8(line));
    return listed;
}

std::optional<ExpertSystem> loadExpertSystemFile(core::Workspace& ws, core::Interaction& ui) {
    core::FileRequest request;
    request.title = "Load ESY file";
    request.filter = "Expert system file|*.esy|Text file|*.txt|All files (*.*)|*.*";
    request.proposedName = "expert.esy";
    request.directory = tableFolder(ws).string();
    request.mustExist = true;
    const auto file = ui.openFile(request);
    if (!file || file->empty()) return std::nullopt;
    try {
        return readExpertSystemFile(*file);
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return std::nullopt;
    }
}

std::optional<AggregationReport> applyExpertAggregations(core::Workspace& ws, core::Interaction& ui,
                                                         const ExpertSystem& system) {
    if (system.aggregations.empty()) {
        ui.message("Section 1 of the expert system file holds no species aggregation.", "ZEMBU",
                   core::MessageIcon::Information);
        return std::nullopt;
    }
    if (!editing::journalHasTableFile(ws, ui)) return std::nullopt;

    AggregationReport report;
    core::BusyScope busy(ui);
    editing::TableTransaction work(ws);
    core::Table& t = work.table();
    {
        core::ProgressMeter meter(ui, static_cast<int64_t>(system.aggregations.size()));
        for (const ExpertAggregation& a : system.aggregations) {
            meter.merak();
            std::vector<int32_t> rows;
            for (const ExpertSpecies& member : a.members) {
                const std::vector<int32_t> found = rowsNamed(t, member);
                if (found.empty()) report.lines.push_back(speciesText(member) + ": not in the table, skipped");
                rows.insert(rows.end(), found.begin(), found.end());
            }
            std::sort(rows.begin(), rows.end());
            rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
            if (rows.empty() || a.aggregate.name.empty()) continue;

            const int layer = a.aggregate.layer.value_or(t.SpeciesLayer[rows.front()]);
            editing::MergePlan plan;
            try {
                plan = editing::planMerge(t, rows, a.aggregate.name, layer);
            } catch (const core::ZembuError& e) {
                ui.message(e.what(), e.title(), core::MessageIcon::Critical);
                return std::nullopt;
            }
            for (int32_t i : rows) {
                const std::string old = utf8(core::trim(t.SpeciesInfo[i].name));
                report.lines.push_back(old + " -> " + utf8(plan.name));
                report.deleted.push_back(old + " (" + std::to_string(t.SpeciesLayer[i]) + ")");
            }
            work.addJournal(editing::aggregationBlock(editing::journalOfMerge(t, plan)));
            editing::applyMerge(t, plan, ws.display.layerLabelMode);
            ++report.applied;
        }
    }
    if (report.applied > 0 && !work.commit(ws, ui)) return std::nullopt;
    return report;
}

ClassificationOutcome classifyReleves(const core::Table& t, const ExpertSystem& system) {
    ClassificationOutcome outcome;
    ExpertClassification result;
    result.unitOfColumn.assign(static_cast<size_t>(t.ReleveCount) + 1, -1);
    for (const UnitDefinition& unit : system.units) {
        if (!unit.wellFormed()) {
            outcome.unit = unit.line;
            outcome.error = {"The line \"" + utf8(unit.line) +
                                 "\" is not a group definition: write the unit's name, \" = \" and its formula.",
                             "SYNTAX ERROR"};
            return outcome;
        }
        const FormulaParse parse = parseFormula(t, unit.formula);
        if (!parse.ok()) {
            outcome.unit = unit.line;
            outcome.error = parse.error;
            return outcome;
        }
        const int index = static_cast<int>(result.units.size());
        result.units.push_back(unit.name);
        const std::vector<char> selected = evaluateFormula(t, *parse.formula);
        for (int32_t k = 1; k <= t.ReleveCount; ++k)
            if (selected[static_cast<size_t>(k)] && result.unitOfColumn[static_cast<size_t>(k)] < 0)
                result.unitOfColumn[static_cast<size_t>(k)] = index;
    }
    outcome.classification = std::move(result);
    return outcome;
}

std::vector<std::string> classificationLines(const core::Table& t, const ExpertClassification& result) {
    std::vector<std::string> lines{"COCKTAIL CLASSIFICATION: "};
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int unit = result.unitOfColumn[static_cast<size_t>(k)];
        lines.push_back(core::padLeft(std::to_string(t.ReleveOrder[k].record), 7) + "  " +
                        (unit < 0 ? std::string("---") : utf8(result.units[static_cast<size_t>(unit)])));
    }
    return lines;
}

std::vector<std::string> classifyByExpertSystem(const core::Workspace& ws, core::Interaction& ui,
                                                const ExpertSystem& system, ExpertClassification* result) {
    if (system.units.empty()) {
        ui.message("Section 3 of the expert system file holds no group definition.", "ZEMBU",
                   core::MessageIcon::Information);
        return {};
    }
    const ClassificationOutcome outcome = classifyReleves(ws.table, system);
    if (!outcome.classification) {
        ui.message(outcome.error.text, outcome.error.title, core::MessageIcon::Critical);
        return {"COCKTAIL CLASSIFICATION: ", utf8(outcome.unit), outcome.error.text};
    }
    if (result) *result = *outcome.classification;
    return classificationLines(ws.table, *outcome.classification);
}

std::vector<std::string> frequencyTableLines(const core::Table& t, const ExpertClassification& result) {
    std::vector<int32_t> counts(result.units.size(), 0);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int unit = result.unitOfColumn[static_cast<size_t>(k)];
        if (unit >= 0) ++counts[static_cast<size_t>(unit)];
    }
    std::vector<std::string> lines{"Frequency table ---------------------",
                                   "No. of rel.:   " + std::to_string(t.ReleveCount),
                                   "No. of groups: " + std::to_string(result.units.size())};
    int32_t total = 0;
    for (size_t u = 0; u < result.units.size(); ++u) {
        lines.push_back(core::padRight("Group " + std::to_string(u + 1) + " name:", 15) + result.units[u]);
        lines.push_back("Count:         " + std::to_string(counts[u]));
        total += counts[u];
    }
    lines.emplace_back("-------------------------------------");
    lines.push_back("Total:         " + std::to_string(total));
    return lines;
}

std::optional<std::vector<std::string>> saveFrequencyTable(core::Workspace& ws, core::Interaction& ui,
                                                           const ExpertSystem& system) {
    ExpertClassification result;
    classifyByExpertSystem(ws, ui, system, &result);
    if (result.unitOfColumn.empty()) return std::nullopt;  // refused, and said why

    core::FileRequest request;
    request.title = "Save Expert System File (Part 4)";
    request.filter = ExpertFileFilter;
    request.proposedName = system.file.empty() ? "expert.esy" : system.file.filename().string();
    request.directory = system.file.has_parent_path() ? system.file.parent_path().string() : tableFolder(ws).string();
    request.mustExist = false;
    const auto file = ui.saveFile(request);
    if (!file || file->empty()) return std::nullopt;

    // The frequency table goes after what the file holds; the whole file is
    // written anew through a temporary file.
    std::string content;
    std::error_code ec;
    if (fs::exists(*file, ec) && !core::readWholeFile(*file, content)) {
        ui.message("The file " + *file + " cannot be read.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    if (!content.empty() && content.back() != '\n') content += "\r\n";
    const std::vector<std::string> lines = frequencyTableLines(ws.table, result);
    for (const std::string& line : lines) content += line + "\r\n";
    if (!core::writeFileAtomically(*file, content)) {
        ui.message("The file " + *file + " cannot be written.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    std::vector<std::string> listed;
    for (const std::string& line : lines) listed.push_back(utf8(line));
    return listed;
}

}  // namespace zembu::classification
