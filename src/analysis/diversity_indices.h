#pragma once
// Diversity and evenness of relevés written into the table head (the indices
// themselves are table rules in core/diversity.h).

#include <string>

namespace zembu::core {
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

// The head text of an index value: formatted "0.000", right-aligned in 6
// (a longer text keeps its last 6 characters).
std::string indexHeadText(double value);

// sh_store_Click ("S&hannon-Wiener Index"): nothing without relevés;
// otherwise an undo snapshot and H' of every relevé into its head.
void sh_store_Click(core::Workspace& ws);

// even_Click: index 0 Pielou's evenness, 1 Evar of every relevé into its
// head (no undo snapshot).
void even_Click(core::Workspace& ws, int index);

// Shows per-relevé analysis values in the head: head mode 4 without a
// caption, head lines rebuilt.
void showAnalysisHead(core::Workspace& ws);

}  // namespace zembu::analysis
