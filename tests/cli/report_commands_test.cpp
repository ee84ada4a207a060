// The report subcommands: rtf-new, export-synoptic, synoptic-image,
// synoptic-compare and diagnostic.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/rtf_reader.h"
#include "support/test_support.h"

using zembu::testing::CliRun;
using zembu::testing::runCli;
using zembu::testing::TempDir;
namespace zt = zembu::testing;

class CliReports : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("ZEMBU_HOME", (dir / "home").c_str(), 1);
        // Group 1: relevés 1-2, group 2: relevés 3-6.
        zembu::core::Workspace ws(dir / "work");
        ws.table = zt::tableFromCovers({{5, 5, 5, 5, 0, 0}, {10, 20, 0, 0, 0, 0}, {1, 1, 60, 60, 60, 70}});
        ws.table.SeparatorAfter[2] = 1;
        zembu::core::ScriptedInteraction ui;
        ASSERT_TRUE(zembu::core::savetabl(ws, ui, file()));
    }
    std::string file() const { return (dir / "t.vod").string(); }
    std::string path(const char* name) const { return (dir / name).string(); }
    TempDir dir;
};

TEST_F(CliReports, SynopticTablesIntoOneDocument) {
    const std::string doc = path("report.rtf");
    ASSERT_EQ(runCli({"rtf-new", doc}).status, 0);
    EXPECT_EQ(zt::readFile(doc).substr(0, 6), "{\\rtf1");
    CliRun run = runCli({"export-synoptic", file(), "--rtf", doc, "--type", "1", "--bold", "--frequency-limit", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "appended: Percentage synoptic table\nwritten: " + doc + "\n");
    run = runCli({"export-synoptic", file(), "--rtf", doc, "--type", "combined", "--form", "2", "--kind", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = zt::readFile(doc);
    EXPECT_NE(bytes.find("{\\fs12\\b    100}"), std::string::npos);
    // The cells written are those the synoptic subcommand shows.
    const std::string shown = runCli({"synoptic", file(), "--type", "combined", "--form", "2", "--kind", "0"}).out;
    EXPECT_EQ(shown.substr(0, shown.find('\n')), "Species 1\t6\tV\t 50.0\tIII\t  ---");
    EXPECT_NE(bytes.find("{\\fs12      V}{\\fs12\\super  50.0 }{\\fs12    III}{\\fs12\\super   --- }"),
              std::string::npos);
    const std::string text = zt::rtfPlainText(doc);
    const size_t first = text.find("Percentage synoptic table");
    const size_t second = text.find("Synoptic table with categorical constancy");
    ASSERT_NE(first, std::string::npos) << text;
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_LT(first, second);

    // A missing document is started; bad requests are refused.
    EXPECT_EQ(runCli({"export-synoptic", file(), "--rtf", path("new.rtf"), "--type", "5"}).status, 0);
    EXPECT_NE(zt::readFile(path("new.rtf")).find("Maximum cover synoptic table"), std::string::npos);
    EXPECT_EQ(runCli({"export-synoptic", file(), "--rtf", doc}).status, 1);
    EXPECT_EQ(runCli({"export-synoptic", file()}).status, 1);
}

namespace {

std::vector<std::string> tokensOf(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

// The cells of the species lines of a text ("Species k", in the report also
// the layer, then the cells), each line as its whitespace-separated fields.
std::vector<std::vector<std::string>> speciesCells(const std::string& text, size_t fieldsBeforeCells) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Species ", 0) != 0) continue;
        std::vector<std::string> fields = tokensOf(line);
        fields.erase(fields.begin(), fields.begin() + static_cast<std::ptrdiff_t>(std::min(fieldsBeforeCells, fields.size())));
        lines.push_back(fields);
    }
    return lines;
}

}  // namespace

// The report writes the very cells the synoptic view shows, for every type and
// every form of the combined table.
TEST_F(CliReports, ReportCellsAreThoseOfTheView) {
    std::vector<std::vector<std::string>> requests;
    for (int type = 1; type <= 11; ++type) requests.push_back({"--type", std::to_string(type)});
    for (int form = 1; form <= 6; ++form) requests.push_back({"--type", "combined", "--form", std::to_string(form)});
    for (const auto& request : requests) {
        const std::string label = request[1] + (request.size() > 2 ? " form " + request[3] : "");
        const std::string doc = path("cells.rtf");
        std::filesystem::remove(doc);
        std::vector<std::string> exportArgs = {"export-synoptic", file(), "--rtf", doc};
        exportArgs.insert(exportArgs.end(), request.begin(), request.end());
        const CliRun exported = runCli(exportArgs);
        ASSERT_EQ(exported.status, 0) << label << exported.err;
        std::vector<std::string> showArgs = {"show", file(), "--synoptic", request[1]};
        showArgs.insert(showArgs.end(), request.begin() + 2, request.end());
        const CliRun shown = runCli(showArgs);
        ASSERT_EQ(shown.status, 0) << label << shown.err;
        auto viewCells = speciesCells(shown.out, 2);
        auto reportCells = speciesCells(zt::rtfPlainText(doc), 3);
        ASSERT_EQ(viewCells.size(), 3u) << label << shown.out;
        if (request[1] == "combined") {
            // A combined cell's second value is a superscript set right after
            // the first: a plain-text reader runs the two together.
            for (auto* lines : {&viewCells, &reportCells})
                for (auto& fields : *lines) fields = {std::accumulate(fields.begin(), fields.end(), std::string())};
        }
        EXPECT_EQ(reportCells, viewCells) << label;
    }
}

TEST_F(CliReports, SynopticCcFile) {
    const CliRun run = runCli({"export-synoptic", file(), "--cc", path("syn.cc!"), "--mode", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string cc = zt::readFile(path("syn.cc!"));
    EXPECT_NE(cc.find("    2    1    50.0    3   100.0\r\n"), std::string::npos) << cc;
    EXPECT_NE(runCli({"export-synoptic", file(), "--cc", path("x.cc!"), "--mode", "2"}).status, 0);
}

TEST_F(CliReports, ImageAndComparison) {
    ASSERT_EQ(runCli({"synoptic-image", file(), "--type", "1", "-o", path("image.txt")}).status, 0);
    const CliRun same = runCli({"synoptic-compare", file(), "--type", "1", path("image.txt")});
    ASSERT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "ED matrix and total similarity\n\t1\t2\n1\t0.000\t12500.000\n2\t12500.000\t0.000\n"
                        "Total similarity\t1.00\n");
    const CliRun other = runCli({"synoptic-compare", file(), "--type", "5", path("image.txt")});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "ZEMBU: These tables have different formats\n");
}

TEST_F(CliReports, DiagnosticSpecies) {
    const CliRun run = runCli({"diagnostic", file(), "--group", "1", "--kind", "0", "--fidelity-limit", "49.9",
                               "--frequency-limit", "60", "--include-diagnostic", "--cover-limit", "50"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Group\t1\nRelevés\t2\n"
              "Diagnostic\tSpecies 2\t6\t100.0\nDiagnostic\tSpecies 1\t6\t50.0\n"
              "Constant\tSpecies 1\t6\t100\nConstant\tSpecies 2\t6\t100\nConstant\tSpecies 3\t6\t100\n"
              "Species\tSpecies 1\t6\tDg, C\nSpecies\tSpecies 2\t6\tDg, C\nSpecies\tSpecies 3\t6\tC\n"
              "Diagnostic species\t2\nConstant species\t3\nDominant species\t0\n"
              "Average species No.\t3.00\nAverage positive fidelity\t75.00\nQuality index\t50.33\n");
    // Phi 50 is not above the limit 50.
    const CliRun strict = runCli({"diagnostic", file(), "--group", "1", "--kind", "0", "--fidelity-limit", "50"});
    EXPECT_EQ(strict.out.find("Diagnostic\tSpecies 1"), std::string::npos);
    // Dominant: covers above 50 in at least half of the relevés of group 2.
    const CliRun dominant = runCli({"diagnostic", file(), "--group", "2", "--cover-limit", "50",
                                    "--frequency-cover-limit", "50", "--rtf", path("analysis.rtf")});
    ASSERT_EQ(dominant.status, 0) << dominant.err;
    EXPECT_NE(dominant.out.find("Dominant\tSpecies 3\t6\t100\n"), std::string::npos) << dominant.out;
    const std::string text = zt::rtfPlainText(path("analysis.rtf"));
    EXPECT_NE(text.find("Cluster 2"), std::string::npos) << text;
    EXPECT_EQ(runCli({"diagnostic", file(), "--group", "3"}).status, 1);
}
