#pragma once
// The synoptic table as an RTF report appended to the report document: the
// one-value table (export666) and the combined table (export555), with the
// options of the "Synoptic Table Export" dialog.

#include <string>
#include <string_view>

namespace zembu::core {
class Interaction;
class Settings;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::synoptic {
struct SynopticTable;
}

namespace zembu::exporting {

// Form62's options, kept in the settings as "yes" / "no".
struct SynopticRtfOptions {
    bool originalColours = false;  // "Export species in original colours"
    bool highlight = false;        // "Highlight important frequency or fidelity values"
    bool bold = false;             // "Bold style of important frequency or fidelity values"
};

SynopticRtfOptions readSynopticRtfOptions(const core::Settings& settings);
void storeSynopticRtfOptions(core::Settings& settings, const SynopticRtfOptions& options);

// The RTF colour reference of a species colour number 1..7 ("\cf6", ...);
// empty for 0 and other numbers.
std::string_view speciesColourCode(int colourNumber);

// The report text of a synoptic table (without the closing text of the
// document): the title, the head lines with group numbers and sizes, one line
// per species row with one cell per group, and an empty line. A combined
// table shows each cell's second value as a superscript.
std::string synopticRtfReport(const core::Table& table, const synoptic::SynopticTable& synoptic,
                              const SynopticRtfOptions& options);

// Readies the current report document for a synoptic export: when it is
// missing or not longer than 100 bytes, expoRTF lets the user choose and
// start one; if there is still none, "Export file was not initiated." ends
// the export. Returns true when the document can take the report.
bool prepareRtfDocument(core::Workspace& ws, core::Interaction& ui);

// export666 / export555: appends a computed synoptic table to the current
// report document (after prepareRtfDocument). Returns true when appended.
bool exportSynopticRtf(core::Workspace& ws, const synoptic::SynopticTable& synoptic,
                       const SynopticRtfOptions& options, core::Interaction& ui);

}  // namespace zembu::exporting
