#pragma once
// Diversity and evenness of relevés: the Shannon-Wiener index, Pielou's
// evenness H'/ln S and Smith and Wilson's Evar, computed from the cover
// values of a relevé's species and written into the table head.

#include <cstdint>
#include <string>
#include <vector>

namespace zembu::core {
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

// The cover values of the species counted in relevé record rec: cells whose
// species row is live and whose name does not begin with "###".
std::vector<int> countedCovers(const core::Table& table, int32_t rec);

// H' = -sum p ln p with p = cover / total cover; 0 without any cover.
double shannonWiener(const std::vector<int>& covers);

// Pielou's J = H' / ln S for S > 1 species; 0 otherwise.
double pielouEvenness(const std::vector<int>& covers);

// Smith and Wilson's Evar = 1 - (2 / 3.1415927) arctan(V), V the variance of
// the logarithms of the covers; 0 for fewer than two species.
double evar(const std::vector<int>& covers);

// The head text of an index value: formatted "0.000", right-aligned in 6.
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
