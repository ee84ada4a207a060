// The report document: the template, the append routine and the selection of
// a new document.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "core/menu_ids.h"
#include "core/workspace.h"
#include "export/rtf_document.h"
#include "support/rtf_reader.h"
#include "support/test_support.h"

using namespace zembu;
using namespace zembu::exporting;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

namespace {

const RtfTime Noon{2024, 3, 7, 12, 5};

// The template of 7 March 2024, 12:05, written out in full.
const std::string ExpectedTemplate =
    R"({\rtf1\ansi \deff4\deflang1033{\fonttbl{\f4\froman\fcharset238\fprq2 Courier New;}}{\colortbl;)"
    R"(\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;)"
    R"(\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;\red0\green0\blue128;\red0\green128\blue128;)"
    R"(\red0\green128\blue0;\red128\green0\blue128;\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;)"
    R"(\red192\green192\blue192;})"
    R"({\stylesheet{\f4\fs20\lang1029 \snext0 Normal;}{\*\cs10 \additive Default Paragraph Font;}})"
    R"({\info{\author ZEMBU}{\operator ZEMBU}{\creatim\yr2024\mo3\dy7\hr12\min5}{\revtim\yr2024\mo3\dy7\hr12\min5})"
    R"({\version1}{\edmins5}{\nofpages0}{\nofwords0}{\nofchars0}})"
    R"(\paperw11906\paperh16838\margl1417\margr1417\margt1417\margb1417 )"
    R"(\deftab708\widowctrl\ftnbj\aenddoc\hyphhotz425\makebackup\hyphcaps0\formshade )"
    R"(\fet0\sectd \linex0\headery709\footery709\colsx709\endnhere )"
    R"({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang{\pntxta .}})"
    R"({\*\pnseclvl2\pnucltr\pnstart1\pnindent720\pnhang{\pntxta .}})"
    R"({\*\pnseclvl3\pndec\pnstart1\pnindent720\pnhang{\pntxta .}})"
    R"({\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang{\pntxta )}})"
    R"({\*\pnseclvl5\pndec\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl6\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl7\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang{\pntxtb (}{\pntxta )}})"
    R"(\pard\plain \f4\fs20\lang1029    )"
    R"(\par \pard \tqdec\tx4678\tqdec\tx6521 {\fs24 \par} )"
    "\r\n";

std::string report(int n) { return "{\\b\\fs20 Report " + std::to_string(n) + " \\par}\r\n"; }

// Depth of the outermost group at the end of a document (0 when it is closed).
int openGroups(const std::string& doc) {
    int depth = 0;
    for (size_t i = 0; i < doc.size(); ++i) {
        if (doc[i] == '\\') ++i;
        else if (doc[i] == '{') ++depth;
        else if (doc[i] == '}') --depth;
    }
    return depth;
}

}  // namespace

TEST(RtfDocument, TemplateBytes) {
    EXPECT_EQ(rtfTemplate(Noon), ExpectedTemplate);
    const auto pieces = templatePieces(Noon);
    // One header line: only the last piece is followed by a line end.
    for (const std::string& piece : pieces) EXPECT_EQ(piece.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(pieces[0].substr(0, 6), "{\\rtf1");
    EXPECT_EQ(pieces[1].back(), '}');
    EXPECT_EQ(pieces[3].front(), '}');  // closes the information group
    // The outermost group stays open until the first report.
    EXPECT_EQ(openGroups(ExpectedTemplate), 1);
}

TEST(RtfDocument, AppendsKeepOneValidDocumentInOrder) {
    std::string doc = rtfTemplate(Noon);
    for (int n = 1; n <= 10; ++n) {
        doc = appendedRtfDocument(doc, report(n));
        ASSERT_EQ(openGroups(doc), 0) << "after report " << n;
        ASSERT_EQ(doc.substr(doc.size() - 12), "     \\par}\r\n");
        if (n == 1) {
            // The template is kept whole; the first report completes it.
            EXPECT_EQ(doc, ExpectedTemplate + report(1) + "     \\par}\r\n");
        }
        if (n == 2) {
            // The closing brace of the first report became a blank.
            EXPECT_EQ(doc, ExpectedTemplate + report(1) + "     \\par " + "\r\n" + report(2) + "     \\par}\r\n");
        }
    }
    size_t at = 0;
    for (int n = 1; n <= 10; ++n) {
        const size_t found = doc.find(report(n), at);
        ASSERT_NE(found, std::string::npos) << n;
        at = found;
    }
    // The header line is untouched.
    EXPECT_EQ(doc.substr(0, ExpectedTemplate.size()), ExpectedTemplate);
}

TEST(RtfDocument, ClosingBraceFoundWhateverTheLineEnds) {
    // A report closed without a line end, or with blanks after it: the brace
    // that closes the document is found, not a byte at a fixed place.
    const std::string closed = ExpectedTemplate + "     \\par}";
    for (const std::string& tail : {std::string(), std::string("\r\n"), std::string(" \n\n  ")}) {
        const std::string doc = appendedRtfDocument(closed + tail, report(2));
        EXPECT_EQ(openGroups(doc), 0);
        EXPECT_NE(doc.find("     \\par " + tail + report(2)), std::string::npos);
    }
    // An escaped brace in the text is not the document's end.
    const std::string escaped = ExpectedTemplate + "{Name \\} x}\r\n";
    const std::string appended = appendedRtfDocument(escaped, report(1));
    EXPECT_EQ(openGroups(appended), 0);
    EXPECT_NE(appended.find("{Name \\} x}"), std::string::npos);
    EXPECT_TRUE(appendedRtfDocument("plain text", report(1)).empty());
}

TEST(RtfDocument, TextIsEscaped) {
    EXPECT_EQ(rtfText("Carex {x} a\\b"), "Carex \\{x\\} a\\\\b");
    EXPECT_EQ(rtfText("relev\xE9s"), "relev\\'e9s");
    EXPECT_EQ(rtfText(std::string("a\tb\x01", 4)), "ab");
}

TEST(RtfDocument, AppendRoutineOnFiles) {
    TempDir dir;
    ScriptedInteraction ui;
    // An empty path does nothing.
    EXPECT_FALSE(appendRtfReport("", report(1), ui));
    // A missing document is started from the template first.
    const std::string path = (dir / "report.rtf").string();
    ASSERT_TRUE(appendRtfReport(path, report(1), ui));
    ASSERT_TRUE(appendRtfReport(path, report(2), ui));
    const std::string doc = zt::readFile(path);
    EXPECT_EQ(openGroups(doc), 0);
    EXPECT_LT(doc.find(report(1)), doc.find(report(2)));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(RtfDocument, ReadOnlyDocumentIsLeftAlone) {
    TempDir dir;
    ScriptedInteraction ui;
    const std::string path = (dir / "report.rtf").string();
    ASSERT_TRUE(appendRtfReport(path, report(1), ui));
    const std::string doc = zt::readFile(path);
    ::chmod(path.c_str(), 0444);
    ScriptedInteraction refused;
    refused.expectMessage(RtfAccessError, "Program Info");
    EXPECT_FALSE(appendRtfReport(path, report(3), refused));
    EXPECT_EQ(zt::readFile(path), doc);
    EXPECT_SCRIPT_DONE(refused);
}

TEST(RtfDocument, FailedWriteLeavesTheDocumentWhole) {
    TempDir dir;
    const std::string path = (dir / "report.rtf").string();
    ScriptedInteraction ui;
    ASSERT_TRUE(appendRtfReport(path, report(1), ui));
    const std::string before = zt::readFile(path);
    // The disk "fills up" while the new document is written.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = before.size() + 8;
    ::setrlimit(RLIMIT_FSIZE, &small);
    ScriptedInteraction refused;
    refused.expectMessage(RtfAccessError, "Program Info");
    const bool appended = appendRtfReport(path, report(2), refused);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(appended);
    EXPECT_EQ(zt::readFile(path), before);
    EXPECT_SCRIPT_DONE(refused);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(RtfDocument, SelectingADocument) {
    TempDir dir;
    core::Workspace ws(dir / "work");
    ws.currentRtfFile = (dir / "export.rtf").string();
    ScriptedInteraction ui;
    // Nothing while the table has no species rows.
    EXPECT_FALSE(expoRTF(ws, ui));
    EXPECT_TRUE(ui.shown().empty());

    ws.table = zt::tableFromCovers({{5}});
    // Cancelled: everything stays.
    ui.expectSaveFile("EXPORT", std::nullopt);
    EXPECT_FALSE(expoRTF(ws, ui));
    EXPECT_EQ(ws.currentRtfFile, (dir / "export.rtf").string());
    EXPECT_EQ(ui.shown().back().request.proposedName, ws.currentRtfFile);
    EXPECT_EQ(ui.shown().back().request.filter, "RTF file|*.rtf|All files (*.*)|*.*");

    // An existing document chosen without an extension: ".rtf" is added and
    // its old contents are discarded.
    zt::writeFile(dir / "notes.rtf", "{\\rtf1 old report}");
    ui.expectSaveFile("EXPORT", (dir / "notes").string());
    ASSERT_TRUE(expoRTF(ws, ui));
    EXPECT_EQ(ws.currentRtfFile, (dir / "notes.rtf").string());
    EXPECT_EQ(ws.menuCaptions[core::menu::CurrentRtfFile], "Current file: " + (dir / "notes.rtf").string());
    const std::string fresh = zt::readFile(dir / "notes.rtf");
    EXPECT_EQ(fresh.find("old report"), std::string::npos);
    EXPECT_EQ(openGroups(fresh), 1);
    // The first report makes it a valid document.
    ASSERT_TRUE(appendRtfReport(ws.currentRtfFile, report(1), ui));
    EXPECT_EQ(openGroups(zt::readFile(dir / "notes.rtf")), 0);

    // The settings dialog's route closes the new document at once; a folder
    // with a point in its name does not count as an extension.
    std::filesystem::create_directory(dir / "a.b");
    ui.expectSaveFile("EXPORT", (dir / "a.b" / "new").string());
    ASSERT_TRUE(expoRTF(ws, ui, true));
    const std::string closed = zt::readFile(dir / "a.b" / "new.rtf");
    EXPECT_EQ(openGroups(closed), 0);
    EXPECT_EQ(closed.substr(closed.size() - 12), "     \\par}\r\n");
    EXPECT_SCRIPT_DONE(ui);
}

TEST(RtfDocument, RtfReaderReadsReportsInOrder) {
    TempDir dir;
    const std::string path = (dir / "read.rtf").string();
    ScriptedInteraction ui;
    ASSERT_TRUE(startRtfDocument(path, false, ui));
    for (int n = 1; n <= 3; ++n) ASSERT_TRUE(appendRtfReport(path, report(n), ui));
    const std::string text = zt::rtfPlainText(path);
    const size_t one = text.find("Report 1"), two = text.find("Report 2"), three = text.find("Report 3");
    ASSERT_NE(one, std::string::npos) << text;
    EXPECT_LT(one, two);
    EXPECT_LT(two, three);
    EXPECT_NE(three, std::string::npos);
}
