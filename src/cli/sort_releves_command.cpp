// zembu-cli sort-releves IN.vod -o OUT.vod --by ...: the relevé sorts of the
// Sorting menu on a table file, written as a new table file.

#include <CLI/CLI.hpp>

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/sort_support.h"
#include "core/text.h"
#include "sorting/releve_sort_commands.h"

namespace zembu::cli {

namespace {

struct SortRelevesOptions {
    std::string input;
    std::string output;
    bool replaceCompanions = false;
    std::string by;
    std::string releveColour = "all";
    std::string speciesColour = "all";
    bool countOnly = false;
    std::string head;
    std::vector<std::string> fields;
    int shortHead = 0;
    int separators = 0;
    int level = 1;
    bool keys = false;
};

// The header field numbers of the names given; refuses an unknown name.
std::optional<std::vector<int>> headerFields(const core::Workspace& ws, const std::vector<std::string>& names,
                                             CliContext& context, CommandLineInteraction& ui) {
    if (ws.header.empty()) {
        refuse(context, ui, "The table has no header data.");
        return std::nullopt;
    }
    if (names.empty()) {
        refuse(context, ui, "--by header needs --fields with at least one header field.");
        return std::nullopt;
    }
    std::vector<int> fields;
    for (const std::string& name : names) {
        const int field = ws.header.fieldNamed(core::utf8ToCodePage(name));
        if (field == 0) {
            refuse(context, ui, "The table has no header field \"" + name + "\".");
            return std::nullopt;
        }
        fields.push_back(field);
    }
    return fields;
}

void runSortReleves(const SortRelevesOptions& o, CliContext& context) {
    CommandLineInteraction ui(context.err);
    const auto releves = colourOption(o.releveColour, "--releve-colour", context, ui);
    const auto species = colourOption(o.speciesColour, "--species-colour", context, ui);
    if (!releves || !species) return;
    const auto ws = loadWorkspace(o.input, context);
    if (!ws) return;
    ws->separatorLevel = o.level;
    showHead(*ws, o.head);

    sorting::SortOutcome outcome;
    if (o.by == "species") {
        outcome = sorting::tridenisnimku2(*ws, {*releves, *species, o.countOnly}, ui);
    } else if (o.by == "head-numeric") {
        outcome = sorting::sortShortHeadsNumerically(*ws, *releves, ui);
    } else if (o.by == "head-alpha") {
        outcome = sorting::sortShortHeadsAlphabetically(*ws, *releves, ui);
    } else {
        const auto fields = headerFields(*ws, o.fields, context, ui);
        if (!fields) return;
        sorting::HeaderSortOptions header;
        header.fields = *fields;
        header.addToShortHead = o.shortHead > 0;
        header.shortHeadCharacters = o.shortHead;
        header.separators = o.separators > 0;
        header.separatorCharacters = o.separators;
        outcome = sorting::sortRelevesByHeaderData(*ws, header, ui);
    }
    if (o.keys && outcome.sorted) printKeys(*ws, outcome, SortedDimension::Releves, context.out);
    finishSort(*ws, ui, o.output, o.replaceCompanions, context);
}

}  // namespace

void installSortRelevesCommand(CLI::App& app, CliContext& context) {
    auto o = std::make_shared<SortRelevesOptions>();
    CLI::App* command = app.add_subcommand(
        "sort-releves",
        "Sort the relevés of a table file as the Sorting menu does and write the sorted table. Relevés of other "
        "colours than --releve-colour keep their columns; separators stay at their positions.");
    command->add_option("IN", o->input, "Table file to read")->required();
    command->add_option("-o,--output", o->output, "Table file to write")->required();
    command->add_flag(ReplaceCompanionsFlag, o->replaceCompanions, ReplaceCompanionsHelp);
    command->add_option("--by", o->by,
                        "species: the rows of --species-colour they hold (Sort Relevés); head-numeric / "
                        "head-alpha: the head values as numbers / as text; header: the --fields header values")
        ->required()
        ->check(CLI::IsMember({"species", "head-numeric", "head-alpha", "header"}));
    command->add_option("--releve-colour", o->releveColour, std::string("Relevés to sort (default all): ") + ColourNames);
    command->add_option("--species-colour", o->speciesColour,
                        std::string("--by species: rows that count (default all): ") + ColourNames);
    command->add_flag("--count-only", o->countOnly, "--by species: only the number of species records counts");
    command->add_option("--head", o->head, std::string("Head to show before sorting: ") + ShownHeadNames)
        ->check(CLI::IsMember(ShownHeads));
    command->add_option("--fields", o->fields, "--by header: header field names in order")->delimiter(',');
    command->add_option("--short-head", o->shortHead,
                        "--by header: the first K characters of the key become the head (1..6)")
        ->check(CLI::Range(1, 6));
    command->add_option("--separators", o->separators,
                        "--by header: separators between relevés whose keys differ in the first K characters")
        ->check(CLI::Range(1, 50));
    command->add_option("--level", o->level, "Separator level for --separators and the group head (default 1)")
        ->check(CLI::Range(1, 6));
    command->add_flag("--keys", o->keys, "Print each sorted relevé's final key (text keys in hexadecimal)");
    command->callback([o, &context] { runSortReleves(*o, context); });
}

}  // namespace zembu::cli
