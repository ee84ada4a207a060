#pragma once
// Diversity and evenness of a relevé: the Shannon-Wiener index, Pielou's
// evenness H'/ln S and Smith and Wilson's Evar, computed from the cover
// values of the relevé's species. The head commands and the current-relevé
// panel both use them.

#include <cstdint>
#include <vector>

namespace zembu::core {

class Table;

// The cover values of the species counted in relevé record rec: cells whose
// species row is live and whose name does not begin with "###".
std::vector<int> countedCovers(const Table& table, int32_t rec);

// H' = -sum p ln p with p = cover / total cover; 0 without any cover.
double shannonWiener(const std::vector<int>& covers);

// Pielou's J = H' / ln S for S > 1 species; 0 otherwise.
double pielouEvenness(const std::vector<int>& covers);

// Smith and Wilson's Evar = 1 - (2 / 3.1415927) arctan(V), V the variance of
// the logarithms of the covers; 0 for fewer than two species.
double evar(const std::vector<int>& covers);

}  // namespace zembu::core
