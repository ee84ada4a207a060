#include "cli/sort_support.h"

#include "cli/cli_interaction.h"
#include "cli/command_support.h"
#include "core/palette.h"
#include "core/table_file.h"
#include "core/text.h"

namespace zembu::cli {

std::optional<int> colourFilter(const std::string& text) {
    const std::string name = core::lowerAscii(core::trim(text));
    if (name == "white") return 0;
    if (name == "all" || name == "9") return core::AllColours;
    const core::Palette palette = core::barvicky();
    for (int c = 0; c < core::PaletteColourCount; ++c)
        if (name == palette[static_cast<size_t>(c)].name || name == std::to_string(c)) return c;
    return std::nullopt;
}

std::optional<int> colourOption(const std::string& text, const char* option, CliContext& context,
                                CommandLineInteraction& ui) {
    const auto colour = colourFilter(text);
    if (!colour) refuse(context, ui, std::string(option) + " \"" + text + "\" is no colour; use " + ColourNames + ".");
    return colour;
}

std::optional<int> oneColourOption(const std::string& text, const char* option, CliContext& context,
                                   CommandLineInteraction& ui) {
    const auto colour = colourOption(text, option, context, ui);
    if (colour && *colour == 9) {
        refuse(context, ui, std::string(option) + " must name one colour, not all.");
        return std::nullopt;
    }
    return colour;
}

void printKeys(const core::Workspace& ws, const sorting::SortOutcome& outcome, SortedDimension dimension,
               std::ostream& out) {
    const core::Table& t = ws.table;
    const int32_t count = dimension == SortedDimension::Species ? t.SpeciesCount : t.ReleveCount;
    for (int32_t p = 1; p <= count; ++p) {
        const auto at = static_cast<size_t>(p);
        if (!outcome.chosen.empty() && (at >= outcome.chosen.size() || !outcome.chosen[at])) continue;
        out << p << '\t';
        if (dimension == SortedDimension::Species) out << core::codePageToUtf8(t.SpeciesInfo[p].name);
        else out << t.ReleveOrder[p].record;
        out << '\t' << outcome.keyText(p) << '\n';
    }
}

void finishSort(core::Workspace& ws, CommandLineInteraction& ui, const std::string& file, bool replaceCompanions,
                CliContext& context) {
    if (ui.messageCount() > 0) {
        context.exitCode = 1;
        return;
    }
    const auto written = saveTable(ws, ui, file, replaceCompanions);
    if (!written || ui.messageCount() > 0) {
        context.exitCode = 1;
        return;
    }
    context.out << "written: " << *written << '\n';
}

}  // namespace zembu::cli
