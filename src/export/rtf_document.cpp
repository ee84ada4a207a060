#include "export/rtf_document.h"

#include <unistd.h>

#include <ctime>

#include "core/file_util.h"
#include "core/interaction.h"
#include "core/menu_captions.h"
#include "core/workspace.h"

namespace zembu::exporting {

namespace fs = std::filesystem;

namespace {

// The colour table of the template: red, green, blue of entries 1..16.
constexpr int Colours[16][3] = {
    {0, 0, 0},     {0, 0, 255},   {0, 255, 255}, {0, 255, 0},   {255, 0, 255}, {255, 0, 0},
    {255, 255, 0}, {255, 255, 255}, {0, 0, 128}, {0, 128, 128}, {0, 128, 0},   {128, 0, 128},
    {128, 0, 0},   {128, 128, 0}, {128, 128, 128}, {192, 192, 192},
};

std::string colourEntries(int first, int last) {
    std::string out;
    for (int e = first; e <= last; ++e) {
        const int* c = Colours[e - 1];
        out += "\\red" + std::to_string(c[0]) + "\\green" + std::to_string(c[1]) + "\\blue" + std::to_string(c[2]) + ";";
    }
    return out;
}

std::string timeStamp(const char* word, const RtfTime& t) {
    return std::string("{\\") + word + "\\yr" + std::to_string(t.year) + "\\mo" + std::to_string(t.month) + "\\dy" +
           std::to_string(t.day) + "\\hr" + std::to_string(t.hour) + "\\min" + std::to_string(t.minute) + "}";
}

// One numbering level group: its number style and the texts before and after the number.
std::string numberingLevel(int level, const char* style, const char* before, const char* after) {
    std::string out = "{\\*\\pnseclvl" + std::to_string(level) + style + "\\pnstart1\\pnindent720\\pnhang";
    if (*before) out += std::string("{\\pntxtb ") + before + "}";
    out += std::string("{\\pntxta ") + after + "}}";
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\r' || c == '\n'; }

// Position of the brace that closes the outermost group when it is the last
// non-blank byte of the document; npos when the outermost group is open.
// Escaped braces ("\{", "\}") and the bytes after a backslash are skipped.
size_t outermostClosingBrace(std::string_view doc) {
    int depth = 0;
    size_t lastClose = std::string_view::npos;
    for (size_t i = 0; i < doc.size(); ++i) {
        const char c = doc[i];
        if (c == '\\') {
            ++i;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) lastClose = i;
        }
    }
    if (depth != 0 || lastClose == std::string_view::npos) return std::string_view::npos;
    for (size_t i = lastClose + 1; i < doc.size(); ++i)
        if (!isBlank(doc[i])) return std::string_view::npos;
    return lastClose;
}

bool writable(const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return true;
    return ::access(file.c_str(), W_OK) == 0 && !fs::is_directory(file, ec);
}

}  // namespace

RtfTime localRtfTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

std::array<std::string, 8> templatePieces(const RtfTime& time) {
    std::array<std::string, 8> p;
    p[0] = "{\\rtf1\\ansi \\deff4\\deflang1033{\\fonttbl{\\f4\\froman\\fcharset238\\fprq2 Courier New;}}{\\colortbl;" +
           colourEntries(1, 5);
    p[1] = colourEntries(6, 16) + "}";
    p[2] = "{\\stylesheet{\\f4\\fs20\\lang1029 \\snext0 Normal;}{\\*\\cs10 \\additive Default Paragraph Font;}}"
           "{\\info{\\author ZEMBU}{\\operator ZEMBU}" +
           timeStamp("creatim", time) + timeStamp("revtim", time) +
           "{\\version1}{\\edmins5}{\\nofpages0}{\\nofwords0}{\\nofchars0}";
    p[3] = "}\\paperw11906\\paperh16838\\margl1417\\margr1417\\margt1417\\margb1417 "
           "\\deftab708\\widowctrl\\ftnbj\\aenddoc\\hyphhotz425\\makebackup\\hyphcaps0\\formshade "
           "\\fet0\\sectd \\linex0\\headery709\\footery709\\colsx709\\endnhere " +
           numberingLevel(1, "\\pnucrm", "", ".");
    p[4] = numberingLevel(2, "\\pnucltr", "", ".") + numberingLevel(3, "\\pndec", "", ".") +
           numberingLevel(4, "\\pnlcltr", "", ")");
    p[5] = numberingLevel(5, "\\pndec", "(", ")") + numberingLevel(6, "\\pnlcltr", "(", ")") +
           numberingLevel(7, "\\pnlcrm", "(", ")");
    p[6] = numberingLevel(8, "\\pnlcltr", "(", ")") + numberingLevel(9, "\\pnlcrm", "(", ")") +
           "\\pard\\plain \\f4\\fs20\\lang1029    ";
    p[7] = "\\par \\pard \\tqdec\\tx4678\\tqdec\\tx6521 {\\fs24 \\par} ";
    return p;
}

std::string rtfTemplate(const RtfTime& time) {
    std::string out;
    for (const std::string& piece : templatePieces(time)) out += piece;
    return out + RtfLineEnd;
}

bool vzorexport(const fs::path& file) {
    return writable(file) && core::writeFileAtomically(file, rtfTemplate(localRtfTime()));
}

std::string rtfText(std::string_view bytes) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += ch;
        } else if (c >= 128) {
            out += "\\'";
            out += Hex[c >> 4];
            out += Hex[c & 15];
        } else if (c >= 32 && c != 127) {
            out += ch;
        }
    }
    return out;
}

std::string appendedRtfDocument(std::string_view document, std::string_view report) {
    if (document.substr(0, 5) != "{\\rtf") return {};
    std::string out(document);
    const size_t brace = outermostClosingBrace(document);
    if (brace != std::string_view::npos) out[brace] = ' ';
    out.reserve(out.size() + report.size() + 16);
    out += report;
    out += RtfClosingText;
    out += RtfLineEnd;
    return out;
}

uintmax_t rtfDocumentSize(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return 0;
    const uintmax_t size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

bool appendRtfReport(const std::string& path, std::string_view report, core::Interaction& ui) {
    if (path.empty()) return false;
    const fs::path file(path);
    std::string document;
    std::error_code ec;
    if (fs::exists(file, ec) && !core::readWholeFile(file, document)) {
        ui.message(RtfAccessError, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    if (document.find_first_not_of(" \r\n") == std::string::npos) document = rtfTemplate(localRtfTime());
    const std::string updated = appendedRtfDocument(document, report);
    if (updated.empty()) {
        ui.message("The file " + path + " is not an RTF document.", "Program Info", core::MessageIcon::Critical);
        return false;
    }
    if (!writable(file) || !core::writeFileAtomically(file, updated)) {
        ui.message(RtfAccessError, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

bool startRtfDocument(const std::string& path, bool closeDocument, core::Interaction& ui) {
    std::string text = rtfTemplate(localRtfTime());
    if (closeDocument) text += std::string(RtfClosingText) + RtfLineEnd;
    const fs::path file(path);
    if (!writable(file) || !core::writeFileAtomically(file, text)) {
        ui.message(RtfAccessError, "Program Info", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

bool expoRTF(core::Workspace& ws, core::Interaction& ui, bool closeDocument) {
    if (ws.table.SpeciesCount < 1) return false;
    const auto chosen = ui.saveFile({"EXPORT", "RTF file|*.rtf|All files (*.*)|*.*", ws.currentRtfFile,
                                     ws.currentDirectory, false});
    if (!chosen || chosen->empty()) return false;
    std::string path = *chosen;
    // Only the file's own name decides: a folder may well have a point in its name.
    if (fs::path(path).filename().string().find('.') == std::string::npos) path += ".rtf";
    if (!startRtfDocument(path, closeDocument, ui)) return false;
    ws.currentRtfFile = path;
    core::renewRtfCaption(ws);
    return true;
}

}  // namespace zembu::exporting
