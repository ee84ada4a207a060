#pragma once
// Changes made on a copy of the workspace's table, for commands that change
// many rows and may meet a refusal on the way: the workspace takes the copy,
// and the species journal the lines written for it, only on commit.

#include <string>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::editing {

// Adds lines to the species journal; when the journal cannot be written the
// user is told and false is returned.
bool appendJournal(core::Workspace& ws, core::Interaction& ui, const std::vector<std::string>& lines);

class TableTransaction {
public:
    explicit TableTransaction(const core::Workspace& ws);

    core::Table& table() { return work_; }
    void addJournal(const std::vector<std::string>& lines);

    // Writes the journal lines, then puts the copy in place of the table.
    // Returns false, changing nothing, when the journal cannot be written.
    bool commit(core::Workspace& ws, core::Interaction& ui);

private:
    core::Table work_;
    std::vector<std::string> journal_;
};

}  // namespace zembu::editing
