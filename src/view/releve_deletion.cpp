#include "view/releve_deletion.h"

#include <algorithm>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/head_modes.h"
#include "core/header_store.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/undo.h"
#include "core/workspace.h"
#include "view/separators.h"

namespace zembu::view {

namespace {

// The coarser of two separator entries (1 is the coarsest level, 0 none).
int16_t coarser(int16_t a, int16_t b) {
    if (a <= 0) return b;
    if (b <= 0) return a;
    return std::min(a, b);
}

// The header value file without the records of the deleted relevés: record
// r of the new file is record oldRecord[r] of the old one. Written through a
// temporary file, so a failure leaves the old file whole.
void rewriteHeaderValues(core::Workspace& ws, const std::vector<int32_t>& oldRecord) {
    const auto file = ws.headerValueFile();
    std::string old;
    if (ws.header.recordLength <= 0 || !core::readWholeFile(file, old)) return;
    const size_t length = static_cast<size_t>(ws.header.recordLength);
    const size_t stride = length + static_cast<size_t>(ws.header.lineEndLength);
    std::string values;
    values.reserve(oldRecord.size() * (length + 2));
    for (size_t r = 1; r < oldRecord.size(); ++r) {
        const size_t at = static_cast<size_t>(oldRecord[r] - 1) * stride;
        const std::string_view record = at < old.size() ? std::string_view(old).substr(at, length) : std::string_view();
        values.append(record);
        values.append(length - record.size(), ' ');
        values += "\r\n";
    }
    if (!core::writeFileAtomically(file, values))
        throw core::ZembuError("The header data cannot be written to the work folder " +
                                   ws.sessionDirectory().string() + ".",
                               "Program Info");
    core::inichlava(ws);
}

// Shows the head of the kind in force again for the renumbered records.
void renewHeadValues(core::Workspace& ws) {
    switch (ws.head) {
        case core::HeadKind::RunningNumber: core::hlavicka(ws); break;
        case core::HeadKind::SequenceNumber: core::hlavickasekvencni(ws); break;
        case core::HeadKind::TurbovegNumber: core::hlavickaturb(ws); break;
        case core::HeadKind::GroupNumber: hlavickaskup(ws); break;
        default: core::renewHead(ws); break;
    }
}

}  // namespace

std::vector<int32_t> removeColumns(core::Table& t, const std::vector<char>& remove) {
    const int32_t n = t.ReleveCount;
    const auto removed = [&](int32_t k) { return k < static_cast<int32_t>(remove.size()) && remove[k]; };

    // New record numbers: the remaining records in their old order.
    std::vector<int32_t> newRecord(static_cast<size_t>(std::max(n, t.ReleveRecordCount)) + 1, 0);
    for (int32_t k = 1; k <= n; ++k)
        if (!removed(k)) newRecord[t.ReleveOrder[k].record] = 1;
    std::vector<int32_t> oldRecord(1, 0);
    for (size_t rec = 1; rec < newRecord.size(); ++rec)
        if (newRecord[rec]) {
            oldRecord.push_back(static_cast<int32_t>(rec));
            newRecord[rec] = static_cast<int32_t>(oldRecord.size() - 1);
        }
    const int32_t kept = static_cast<int32_t>(oldRecord.size() - 1);

    // Columns: order, colours and separators of the remaining ones.
    int32_t to = 0;
    for (int32_t k = 1; k <= n; ++k) {
        if (removed(k)) {
            if (to > 0) t.SeparatorAfter[to] = coarser(t.SeparatorAfter[to], t.SeparatorAfter[k]);
            continue;
        }
        ++to;
        t.ReleveOrder[to] = {newRecord[t.ReleveOrder[k].record], t.ReleveOrder[k].turbovegNumber};
        t.ReleveColour[to] = t.ReleveColour[k];
        t.SeparatorAfter[to] = t.SeparatorAfter[k];
    }
    for (int32_t k = kept + 1; k <= n; ++k) {
        t.ReleveOrder[k] = {};
        t.ReleveColour[k] = {};
        t.SeparatorAfter[k] = 0;
        t.ReleveGroup[k] = 0;
    }

    // Records: cells, heads and indicator means move to their new numbers.
    for (int32_t rec = 1; rec <= kept; ++rec) {
        const int32_t from = oldRecord[rec];
        if (from == rec) continue;
        t.ReleveData[rec] = std::move(t.ReleveData[from]);
        t.ReleveHead[rec] = std::move(t.ReleveHead[from]);
        t.ReleveIndicatorMean[rec] = t.ReleveIndicatorMean[from];
    }
    for (size_t rec = static_cast<size_t>(kept) + 1; rec < newRecord.size(); ++rec) {
        std::string().swap(t.ReleveData[rec]);
        t.ReleveHead[rec].clear();
        t.ReleveIndicatorMean[rec] = {};
    }
    t.ReleveCount = t.ReleveRecordCount = kept;
    t.fillColumnOfRecord();
    t.tvorbadruhu();
    t.recountFrequencies();
    return oldRecord;
}

bool deleteReleves(core::Workspace& ws, int colour, core::Interaction& ui) {
    core::Table& t = ws.table;
    std::vector<char> remove(static_cast<size_t>(t.ReleveCount) + 1, 0);
    int32_t count = 0;
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (t.ReleveColour[k].number == colour) {
            remove[k] = 1;
            ++count;
        }
    const std::string name = core::releveColourName(ws, colour);
    if (count == 0) {
        ui.message("There is no " + name + " relevé in the table.", "ZEMBU", core::MessageIcon::Information);
        return false;
    }
    if (count == t.ReleveCount) {
        ui.message("All relevés cannot be deleted!!!", "ZEMBU", core::MessageIcon::Information);
        return false;
    }
    if (ui.question("Do you want to delete " + std::to_string(count) + " " + name + " relevés?", "ZEMBU",
                    core::Buttons::YesNo) != core::Answer::Yes)
        return false;

    core::ZalohaDat(ws);
    const std::vector<int32_t> oldRecord = removeColumns(t, remove);
    ws.CurrentReleve = 0;
    ws.anchorColumn = 0;
    renewHeadValues(ws);
    rewriteHeaderValues(ws, oldRecord);
    return true;
}

}  // namespace zembu::view
