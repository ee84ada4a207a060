#pragma once
// The report of the analysis of constancy columns (Form45): for every column
// its thresholds and its diagnostic, constant and dominant species, as a
// preview and as an RTF report "Analysis of synoptic table".

#include <string>
#include <vector>

#include "synoptic/constancy_columns.h"

namespace zembu::core {
class Interaction;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::exporting {

// What the report shows besides the lists.
struct ConstancyReportOptions {
    synoptic::ConstancyThresholds thresholds;
    std::string measureName;  // long name of the fidelity measure
    double fidelity2Limit = 0;   // diagnostic species at or above it are emphasised
    double frequency2Limit = 0;  // constant species at or above it are emphasised
};

ConstancyReportOptions readConstancyReportOptions(core::Workspace& ws);

// Command2_Click's text: the title lines, then per column the cluster head,
// its thresholds and the three lists (names in italics, emphasised entries
// in bold and first, the others after "; ", values in brackets).
std::string constancyRtfReport(const core::Table& table, const std::vector<synoptic::ColumnAnalysis>& columns,
                               const ConstancyReportOptions& options);

// A line of the preview; headings are drawn in bold.
struct PreviewLine {
    std::string text;  // table code page
    bool heading = false;
};

// Command1_Click: the preview of the same content ("Cluster " number and the
// headings "Diagnostic species", "Constant species", "Dominant species").
std::vector<PreviewLine> constancyPreview(const core::Table& table,
                                          const std::vector<synoptic::ColumnAnalysis>& columns,
                                          const ConstancyReportOptions& options);

// Command2_Click: analyses every column with the current settings and
// appends the report to the current report document. Returns true when appended.
bool Command2_Click(core::Workspace& ws, const synoptic::ConstancyThresholds& thresholds, core::Interaction& ui);

}  // namespace zembu::exporting
