#pragma once
// Dependence sorting (Form27): species rows ordered by how strongly other
// species depend on them, measured by the fidelity of every other species to
// the relevés that hold the row's species.

#include <cstdint>
#include <string>
#include <vector>

#include "core/table.h"
#include "synoptic/fidelity_settings.h"

namespace zembu::core {
class ProgressMeter;
}

namespace zembu::sorting {

// "Average is calculated from:": the k most dependent species, or all species
// sharing a relevé with the row.
inline constexpr int AllCommonOccurrences = 0;

// autozavislosti: the dependence score of every live row of the species colour
// (index = row; 0 for the other rows). For row T and every other live row B
// whose frequency is at least minimumFrequency, value(B) = uvalue of kind 0
// with N = relevés of the table, Np = frequency of T, n = frequency of B and
// np = relevés holding both (an undefined value is left out). The score is
// the mean of the `mostDependent` largest values (1, 3, 5 or 10; the mean of
// all there are when fewer), or with AllCommonOccurrences the mean of the
// values of the rows sharing at least one relevé with T; 0 without values.
// One meter step per row of the colour.
std::vector<double> dependenceScores(const core::Table& table, const synoptic::FidelitySettings& settings,
                                     int speciesColour, int mostDependent, int32_t minimumFrequency,
                                     core::ProgressMeter* meter = nullptr);

// The score as the layer label shows it, in at most three characters: with
// one decimal when that fits ("4.5"), otherwise the whole number ("12",
// "-12", "-3"), held within "-99".."999".
std::string scoreLabel(double score);

// Rough processing time of a dependence sorting in seconds, from the amount
// of work the table asks for (shown by the dialog before the run).
double expectedDependenceSeconds(const core::Table& table, int speciesColour);

}  // namespace zembu::sorting
