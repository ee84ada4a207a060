#include "editing/table_transaction.h"

#include <utility>

#include "core/interaction.h"
#include "core/workspace.h"

namespace zembu::editing {

bool appendJournal(core::Workspace& ws, core::Interaction& ui, const std::vector<std::string>& lines) {
    if (lines.empty() || ws.journal.append(lines)) return true;
    ui.message("The species journal " + ws.journal.file().string() + " cannot be written. The table is unchanged.",
               "ZEMBU", core::MessageIcon::Critical);
    return false;
}

TableTransaction::TableTransaction(const core::Workspace& ws) : work_(ws.table) {}

void TableTransaction::addJournal(const std::vector<std::string>& lines) {
    journal_.insert(journal_.end(), lines.begin(), lines.end());
}

bool TableTransaction::commit(core::Workspace& ws, core::Interaction& ui) {
    if (!appendJournal(ws, ui, journal_)) return false;
    std::swap(ws.table, work_);
    journal_.clear();
    return true;
}

}  // namespace zembu::editing
