#include <gtest/gtest.h>

#include "core/index_code.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/current_releve.h"

using namespace zembu;

TEST(CurrentReleve, SymbolsOfThePanel) {
    const std::pair<int, char> cases[] = {{161, 'r'}, {162, '+'}, {163, '1'}, {164, 'm'}, {165, '2'}, {168, 'a'},
                                          {178, 'b'}, {185, '2'}, {186, '3'}, {210, '3'}, {211, '4'}, {236, '5'},
                                          {255, '5'}};
    for (const auto& [byte, symbol] : cases)
        EXPECT_EQ(view::panelCoverSymbol(static_cast<unsigned char>(byte)), symbol) << byte;
}

TEST(CurrentReleve, DescribesTheReleveAndDeletesChosenSpecies) {
    zembu::testing::TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = zembu::testing::tableFromCovers({{3, 0}, {3, 8}, {0, 5}});
    ws.table.SpeciesLayer[1] = 1;
    ws.table.SpeciesInfo[2].name = "Species 1";  // the same species in another layer
    const auto lines = view::describeReleve(ws, 1);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0].text, "Releve No. 1   Turboveg No.: 1001");
    EXPECT_EQ(lines[2].text, "1  Species 1  (1)");
    EXPECT_EQ(lines[2].row, 1);
    EXPECT_EQ(lines[3].text, "1  Species 1  (6)");
    EXPECT_EQ(lines[5].text, "No. of species: 1 (2 records)");
    EXPECT_EQ(lines[6].text, "Shannon-Wiener Index: 0.69");  // two equal covers: ln 2
    EXPECT_EQ(lines[7].text, "Evenness: 1.00");
    EXPECT_EQ(lines[9].text, "E3: Species 1 1");
    EXPECT_TRUE(view::describeReleve(ws, 7).empty());

    EXPECT_EQ(view::deleteSpeciesFromReleve(ws, 2, {2}), 1);
    EXPECT_EQ(ws.table.coverInReleve(2, 2), 0);
    EXPECT_EQ(ws.table.coverInSpecies(2, 2), 0);
    EXPECT_EQ(ws.table.SpeciesFrequency[2], 1);
    EXPECT_TRUE(core::checkInvariants(ws.table).empty());
}
