#pragma once
// The report document: one RTF file that every report is appended to. A new
// document is started from a fixed template (one header line that leaves the
// outermost group open); each report reopens the outermost group, adds its
// RTF text and closes the group again, so the document is complete after
// every report.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::exporting {

// Shown, titled "Program Info", when the document cannot be written.
inline constexpr const char* RtfAccessError = "Path/File access error! Please close the export file first.";
// The closing text of every report: it closes the outermost group again.
inline constexpr const char* RtfClosingText = "     \\par}";
// Line end of every line written into the document.
inline constexpr const char* RtfLineEnd = "\r\n";

// Date and time of the template's information group.
struct RtfTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

// The local time now.
RtfTime localRtfTime();

// The eight pieces of the template, in order: font and first colours, the
// other colours, style sheet and information group, page setup with the first
// numbering level, the other numbering levels, and the start of the text.
std::array<std::string, 8> templatePieces(const RtfTime& time);

// The template as written: the eight pieces and one line end.
std::string rtfTemplate(const RtfTime& time);

// vzorexport: writes the template to a file, replacing what it held.
// Returns false when the file cannot be written (the old file then stays).
bool vzorexport(const std::filesystem::path& file);

// Text as RTF shows it: "\", "{" and "}" escaped, bytes above 127 written as
// \'hh (the document's font uses the Central European code page), control
// bytes dropped.
std::string rtfText(std::string_view bytes);

// The document after appending a report: the brace that closes the
// outermost group (the last non-blank byte, when the group is closed) is
// blanked, then the report, the closing text and a line end follow. A
// document whose outermost group is still open (a new template) only gets
// the additions. Empty when the text is not an RTF document.
std::string appendedRtfDocument(std::string_view document, std::string_view report);

// The append routine every report uses. Nothing happens when the path is
// empty. A missing or empty document is first started from the template.
// The new document is written beside the old one and renamed over it, so a
// failed write leaves the old document whole; then RtfAccessError is shown.
// Returns true when the report was appended.
bool appendRtfReport(const std::string& path, std::string_view report, core::Interaction& ui);

// The size of a file in bytes; 0 when it does not exist.
uintmax_t rtfDocumentSize(const std::string& path);

// expoRTF ("&Select RTF File"): nothing while the table has no species rows.
// Otherwise asks for the document ("EXPORT", proposing the current one); a
// name without an extension gets ".rtf"; the file is started anew from the
// template, becomes the current document and the Export menu names it. With
// `closeDocument` (the route of the settings dialog) the closing text is
// added at once, so the new document is complete before any report. Returns
// true when a document was started.
bool expoRTF(core::Workspace& ws, core::Interaction& ui, bool closeDocument = false);

// Starts a document at a path (the part of expoRTF after the file chooser).
// Returns false after RtfAccessError when it cannot be written.
bool startRtfDocument(const std::string& path, bool closeDocument, core::Interaction& ui);

}  // namespace zembu::exporting
