#include "core/head_modes.h"

#include "core/head_lines.h"
#include "core/text.h"
#include "core/undo.h"
#include "core/workspace.h"

namespace zembu::core {

namespace {

// Sets the head of every column from a number computed per column.
template <typename ValueOfColumn>
void fillHead(Workspace& ws, HeadKind kind, int mode, const char* caption, ValueOfColumn valueOf) {
    Table& t = ws.table;
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec >= 1 && rec <= t.MaxReleves) t.ReleveHead[rec] = numericHeadValue(valueOf(k, rec));
    }
    ws.head = kind;
    ws.headMode = mode;
    ws.headCaption = caption;
    renewHead(ws);
}

}  // namespace

std::string headText(std::string_view text) {
    if (text.size() > 6) return std::string(text.substr(text.size() - 6));
    return rightJustify(text, 6);
}

std::string numericHeadValue(int64_t value) { return headText(std::to_string(value)); }

void hlavicka(Workspace& ws) {
    fillHead(ws, HeadKind::RunningNumber, 1, "Running number:", [](int32_t, int32_t rec) { return rec; });
}

void hlavickasekvencni(Workspace& ws) {
    fillHead(ws, HeadKind::SequenceNumber, 1, "Sequence number:", [](int32_t k, int32_t) { return k; });
}

void hlavickaturb(Workspace& ws) {
    fillHead(ws, HeadKind::TurbovegNumber, 2, "TURBOVEG number:",
             [&ws](int32_t k, int32_t) { return ws.table.ReleveOrder[k].turbovegNumber; });
}

void relanum_Click(Workspace& ws) {
    ZalohaDat(ws);
    hlavicka(ws);
}

void sequnumb_Click(Workspace& ws) {
    ZalohaDat(ws);
    hlavickasekvencni(ws);
}

void turbnum_Click(Workspace& ws) {
    ZalohaDat(ws);
    hlavickaturb(ws);
}

void renewHead(Workspace& ws) {
    ws.display.headLines = hlavickared(ws.table);
    ws.menuChecks["relanum_Click"] = ws.head == HeadKind::RunningNumber;
    ws.menuChecks["turbnum_Click"] = ws.head == HeadKind::TurbovegNumber;
    ws.menuChecks["grounumb_Click"] = ws.head == HeadKind::GroupNumber;
    ws.menuChecks["sequnumb_Click"] = ws.head == HeadKind::SequenceNumber;
}

}  // namespace zembu::core
