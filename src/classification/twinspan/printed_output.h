#pragma once
// The printed output (.TWI): the input summary, every division of samples and
// species with its eigenvalue, indicators, threshold and groups, and the
// final two-way table of species against samples in classification order.

#include <string>
#include <vector>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/parameters.h"
#include "classification/twinspan/twinspan.h"

namespace zembu::classification::twinspan {

// Text of the printed output, CR LF line ends.
std::string printedOutputText(const CondensedData& data, const Parameters& parameters, const TwinspanResult& result);

// Label of a species in printed lists: the two halves of its 8-character
// name with a blank between ("Achillea" -> "Achi llea").
std::string speciesLabel(const std::string& name);

// A pseudospecies and how often it occurs in the two groups of a division.
struct Preferential {
    int column = 0;
    int negativeCount = 0;
    int positiveCount = 0;
};

// The pseudospecies of a division sorted into those preferring the negative
// group, those preferring the positive group, and the others.
struct PreferentialLists {
    std::vector<Preferential> negative, positive, neutral;
};

// Sorts the pseudospecies of a division's groups: a pseudospecies prefers a
// group when its relative frequency there is at least twice that in the
// other group. Rare ones are left out: a pseudospecies is listed when it is
// found in more than a fifth of either group, or in exactly a fifth of it at
// least twice.
PreferentialLists preferentials(const PseudospeciesTable& table, const Division& division);

}  // namespace zembu::classification::twinspan
