// The floors of the source tree, read from the #include lines of src/: each
// folder may include only the folders this table allows. A new edge between
// folders is a decision made here, in one visible line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Folder -> the other folders of src/ it may include. Every folder may
// include its own files.
const std::map<std::string, std::set<std::string>>& allowedIncludes() {
    static const std::map<std::string, std::set<std::string>> table = {
        // The table, its file, header store, settings, undo: the bottom floor.
        {"core", {}},
        // Subject folders: core, and each other only along these edges.
        {"import", {"core"}},
        {"view", {"core", "synoptic"}},                         // the synoptic view's values
        {"editing", {"core", "view"}},                          // row moves and layer labels
        {"synoptic", {"core"}},
        {"sorting", {"core", "synoptic"}},                      // fidelity keys
        {"classification", {"core", "synoptic", "sorting", "editing"}},  // fidelity; the TWINSPAN link's
                                                                          // reorders; the expert file's merges
        {"analysis", {"core"}},
        {"export", {"core", "synoptic"}},                         // synoptic tables and species lists in reports
        // Above the subjects: the start and end of a session.
        {"session", {"core", "import", "view", "synoptic", "sorting", "classification", "analysis", "export"}},
        // The programs on top.
        {"cli", {"core", "import", "view", "editing", "synoptic", "sorting", "classification", "analysis",
                 "export", "session"}},
        {"app", {"core", "import", "view", "editing", "synoptic", "sorting", "classification", "analysis",
                 "export", "session"}},
        {"twinspan", {"core", "classification"}},
    };
    return table;
}

// Only the desktop program uses Qt.
const std::set<std::string> qtFolders = {"app"};

struct Include {
    std::string file;    // path below src/
    int line = 0;
    std::string target;  // the included path as written
};

std::vector<Include> includesOf(const fs::path& src, const fs::path& file, bool quoted) {
    static const std::regex quotedInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex angleInclude(R"(^\s*#\s*include\s*<([^>]+)>)");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    int line = 0;
    std::smatch m;
    while (std::getline(in, text)) {
        ++line;
        if (std::regex_search(text, m, quoted ? quotedInclude : angleInclude))
            found.push_back({fs::relative(file, src).generic_string(), line, m[1].str()});
    }
    return found;
}

std::vector<fs::path> sourceFiles(const fs::path& src) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp" || ext == ".inc")) files.push_back(entry.path());
    }
    return files;
}

std::string topFolderOf(const std::string& relative) {
    const auto slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string where(const Include& inc) {
    return "src/" + inc.file + ":" + std::to_string(inc.line) + " includes \"" + inc.target + "\"";
}

TEST(IncludeFloors, EveryFolderIsInTheTable) {
    const fs::path src = ZEMBU_SOURCE_DIR;
    for (const auto& entry : fs::directory_iterator(src))
        if (entry.is_directory())
            EXPECT_TRUE(allowedIncludes().count(entry.path().filename().string()))
                << "src/" << entry.path().filename().string()
                << " is not in the floor table of this test: decide what it may include";
}

TEST(IncludeFloors, FoldersIncludeOnlyTheFoldersBelowThem) {
    const fs::path src = ZEMBU_SOURCE_DIR;
    int checked = 0;
    for (const fs::path& file : sourceFiles(src)) {
        for (const Include& inc : includesOf(src, file, true)) {
            const std::string from = topFolderOf(inc.file);
            const std::string to = topFolderOf(inc.target);
            if (from.empty() || to.empty() || from == to) continue;
            // Includes of project files always name their folder.
            if (!fs::exists(src / to)) continue;
            ++checked;
            const auto allowed = allowedIncludes().find(from);
            if (allowed == allowedIncludes().end()) continue;  // reported by the test above
            EXPECT_TRUE(allowed->second.count(to))
                << where(inc) << ": " << from << " may not include " << to;
        }
    }
    EXPECT_GT(checked, 100) << "no includes were read from " << src;
}

TEST(IncludeFloors, OnlyTheDesktopProgramIncludesQt) {
    const fs::path src = ZEMBU_SOURCE_DIR;
    static const std::regex qtHeader(R"(^(Q[A-Za-z0-9]*|Qt[A-Za-z]*/.*)$)");
    for (const fs::path& file : sourceFiles(src)) {
        for (const Include& inc : includesOf(src, file, false)) {
            if (qtFolders.count(topFolderOf(inc.file))) continue;
            EXPECT_FALSE(std::regex_match(inc.target, qtHeader)) << where(inc) << ": only app may use Qt";
        }
    }
}

}  // namespace
