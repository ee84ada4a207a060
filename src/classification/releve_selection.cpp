#include "classification/releve_selection.h"

#include <algorithm>

#include "classification/releve_formula.h"
#include "core/interaction.h"
#include "core/palette.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::classification {

std::optional<int32_t> makeSelection(core::Workspace& ws, core::Interaction& ui, std::string_view formula,
                                     int colourOption) {
    core::Table& t = ws.table;
    if (t.ReleveCount == 0) return std::nullopt;
    const FormulaParse parse = parseFormula(t, formula);
    if (!parse.ok()) {
        ui.message(parse.error.text, parse.error.title, core::MessageIcon::Critical);
        return std::nullopt;
    }
    core::ZalohaDat(ws);
    const int option = std::clamp(colourOption, 0, core::PaletteColourCount - 1);
    const core::ColourEntry colour{core::releveBoxColour(ws.palette, option), option};
    const std::vector<char> selected = evaluateFormula(t, *parse.formula);
    int32_t count = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (selected[static_cast<size_t>(k)]) {
            t.ReleveColour[k] = colour;
            ++count;
        }
    return count;
}

std::optional<std::vector<std::string>> showDefinition(const core::Workspace& ws, core::Interaction& ui,
                                                       std::string_view formula) {
    const FormulaParse parse = parseFormula(ws.table, formula);
    if (!parse.ok()) {
        ui.message(parse.error.text, parse.error.title, core::MessageIcon::Critical);
        return std::nullopt;
    }
    return describeFormula(*parse.formula);
}

}  // namespace zembu::classification
