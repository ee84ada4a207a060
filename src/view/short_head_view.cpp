#include "view/short_head_view.h"

#include <algorithm>

#include "core/interaction.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::view {

ShortHeadView buildShortHeadView(const core::Workspace& ws, int32_t firstColumn, int32_t columnCount) {
    const core::Table& t = ws.table;
    const core::HeaderStore& store = ws.header;
    ShortHeadView view;
    view.firstColumn = std::max(firstColumn, 1);
    const int32_t last = std::min<int64_t>(t.ReleveCount, static_cast<int64_t>(view.firstColumn) + std::max(columnCount, 0) - 1);
    const int32_t count = std::max(0, last - view.firstColumn + 1);

    std::vector<int> fields;
    for (int n : ws.shortHead.fields)
        if (n >= 1 && n <= store.fieldCount()) fields.push_back(n);
    const int numberField = store.releveNumberField();

    // Values per visible column and chosen field.
    std::vector<std::vector<std::string>> values(static_cast<size_t>(count));
    core::HeaderValueFile file(ws.headerValueFile(), store);
    for (int32_t c = 0; c < count; ++c) {
        const core::ReleveOrderEntry& order = t.ReleveOrder[view.firstColumn + c];
        const auto record = file.record(order.record);
        bool incorrect = !record.has_value();
        if (record && numberField > 0) {
            const std::string_view number = core::trim(store.fieldText(*record, numberField));
            incorrect = !number.empty() && core::leadingNumber(number) != order.turbovegNumber;
        }
        if (incorrect && !store.empty()) view.incorrectHeads.push_back(order.turbovegNumber);
        for (int n : fields)
            values[c].emplace_back(record ? core::trim(store.fieldText(*record, n)) : std::string_view());
    }

    for (size_t f = 0; f < fields.size(); ++f) {
        size_t height = 1;
        for (const auto& column : values) height = std::max(height, column[f].size());
        height = std::min<size_t>(height, MaxShortHeadLines);
        for (size_t line = 0; line < height; ++line) {
            view.labels.push_back(line == 0 ? std::string(core::trim(store.field(fields[f]).name)) : std::string());
            std::string text(static_cast<size_t>(count), ' ');
            for (int32_t c = 0; c < count; ++c)
                if (line < values[c][f].size()) text[c] = values[c][f][line];
            view.lines.push_back(std::move(text));
        }
    }
    return view;
}

ShortHeadView vykresleni3(const core::Workspace& ws, core::Interaction& ui, int32_t firstColumn, int32_t columnCount) {
    ShortHeadView view = buildShortHeadView(ws, firstColumn, columnCount);
    for (int32_t number : view.incorrectHeads) {
        const core::Answer answer =
            ui.question("The relevé " + std::to_string(number) + " has incorrect head!!!\r\nWant you know about the next problem?",
                        "ZEMBU", core::Buttons::YesNo);
        if (answer != core::Answer::Yes) break;
    }
    return view;
}

}  // namespace zembu::view
