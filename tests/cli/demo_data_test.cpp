// The demonstration data in data/ come three ways: a table file, a
// TURBOVEG-style export and a spreadsheet. All three must give the same table.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "cli_runner.h"
#include "core/index_code.h"
#include "core/interaction.h"
#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using namespace zembu;

namespace {

const fs::path kDemo = ZEMBU_DEMO_DATA_DIR;

// What a table holds, independent of row and column order: per relevé
// (TURBOVEG number), the cover of every species (name, layer).
using Contents = std::map<int32_t, std::map<std::pair<std::string, int>, int>>;

struct Loaded {
    Contents contents;
    std::vector<int32_t> releveNumbers;  // by column
    int32_t species = 0;
    int headerFields = 0;
};

Loaded load(const fs::path& file, const fs::path& home) {
    core::Workspace ws(home);
    core::ScriptedInteraction ui;
    EXPECT_TRUE(core::loadTableFile(ws, ui, file, core::CapacityPolicy::FitFile)) << file;
    EXPECT_TRUE(ui.done()) << ui.report();
    const core::Table& t = ws.table;
    Loaded loaded;
    loaded.species = t.SpeciesCount;
    loaded.headerFields = ws.header.fieldCount();
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t number = t.ReleveOrder[k].turbovegNumber;
        loaded.releveNumbers.push_back(number);
        auto& releve = loaded.contents[number];
        for (int32_t i = 1; i <= t.SpeciesCount; ++i)
            if (const char cover = t.coverAt(i, k))
                releve[{std::string(core::trim(t.SpeciesInfo[i].name)), t.SpeciesLayer[i]}] = core::coverPercent(cover);
    }
    return loaded;
}

}  // namespace

TEST(DemoData, TheThreeFormsImportToTheSameTable) {
    zembu::testing::TempDir dir;
    const Loaded table = load(kDemo / "demo.vod", dir / "home1");
    EXPECT_EQ(table.releveNumbers.size(), 300u);
    EXPECT_EQ(table.species, 150);
    EXPECT_GE(table.headerFields, 8);

    const auto cc = zembu::testing::runCli({"import-cc", (kDemo / "turboveg" / "demo.cc!").string(), "--checklist",
                                     (kDemo / "turboveg" / "species.txt").string(), "--header",
                                     (kDemo / "turboveg" / "demo.exp").string(), "-o", (dir / "cc.vod").string()});
    ASSERT_EQ(cc.status, 0) << cc.err;
    const Loaded fromCc = load(dir / "cc.vod", dir / "home2");
    EXPECT_EQ(fromCc.releveNumbers, table.releveNumbers);
    EXPECT_EQ(fromCc.contents, table.contents);
    EXPECT_EQ(fromCc.headerFields, table.headerFields);

    const auto sheet = zembu::testing::runCli({"import-spreadsheet", (kDemo / "demo.csv").string(), "--separator",
                                        "semicolon", "--layer-column", "--cover", "braun-blanquet", "-o",
                                        (dir / "sheet.vod").string()});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const Loaded fromSheet = load(dir / "sheet.vod", dir / "home3");
    EXPECT_EQ(fromSheet.releveNumbers, table.releveNumbers);
    EXPECT_EQ(fromSheet.contents, table.contents);
}
