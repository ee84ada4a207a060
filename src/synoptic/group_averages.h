#pragma once
// Group averages of short headers and species data (shheadaver, spdataver):
// per relevé group the mean, and on request the minimum and maximum, of the
// numeric values, as text for the clipboard.

#include <optional>
#include <string>

namespace zembu::core {
class Interaction;
class Workspace;
}

namespace zembu::synoptic {

// Shown when no value is a number.
inline constexpr const char* OnlyTextMessage = "  Headers contain only text info!";

// The report of shheadaver: "SHORT HEAD AVERAGES", then the blocks "Group
// average" (and "Group minimum", "Group maximum" with minMax), each with the
// line "Group No.   No. of rel.       Value" and one line per group: its
// number, the relevés with a numeric head value, and the value "0.0000"
// ("." for a group without one). Values are the numbers the table head shows
// (the short header in use). Nothing when no head value is a number.
std::optional<std::string> shortHeadAverages(core::Workspace& ws, bool minMax);

// The report of spdataver: "SPECIES DATA AVERAGES" and the same blocks over
// the species data column (the layer, an indicator value or another species
// datum shown beside the names): every occurrence of a live species row in
// a relevé of the group counts its row's value ("No. of occ."). Nothing when
// no row shows a number.
std::optional<std::string> speciesDataAverages(core::Workspace& ws, bool minMax);

// The menu commands: ask whether the minimum and maximum blocks are wanted
// (Yes/No/Cancel), then put the report on the clipboard and say so;
// OnlyTextMessage is shown when there are no numbers. Return true when the
// report was put on the clipboard (not on Cancel, an empty table or only text).
bool shheadaver(core::Workspace& ws, core::Interaction& ui);
bool spdataver(core::Workspace& ws, core::Interaction& ui);

}  // namespace zembu::synoptic
